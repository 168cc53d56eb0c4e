// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The buttons of a dialog: push buttons, check boxes, radio buttons and group boxes, each
// acting as the button of its kind always has.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "qt/qt_text_fit.h"

namespace windlass::qt {

// A push button that reports a left button released outside it: the press that began on the
// button ended elsewhere, and the button was not pressed.
class PushButton : public QPushButton {
  public:
    PushButton(const QString& text, QWidget* parent);

    std::function<void()> on_released_outside;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A radio button or a check box whose text fits beside its indicator (qt_text_fit.h). The text
// is fitted as it is drawn, since a program may change it at any time, and again when the
// button's room changes.
template <class Button, QStyle::SubElement kContents>
class FittedButton : public Button {
  public:
    FittedButton(const QString& text, QWidget* parent) : Button(text, parent) {
        this->setStyle(ButtonStyle());
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        FitText();
        Button::paintEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override {
        Button::resizeEvent(event);
        FitText();
    }

  private:
    void FitText() {
        QStyleOptionButton option;
        this->initStyleOption(&option);
        FitTextToRoom(*this, this->text(),
                      this->style()->subElementRect(kContents, &option, this).width());
    }
};

// A check box of one of the four kinds: automatic or not, two or three states. An automatic
// box steps through its states when clicked (unchecked, checked, and indeterminate for three
// states); any other box keeps its state and leaves the change to the program.
class CheckBox : public FittedButton<QCheckBox, QStyle::SE_CheckBoxContents> {
  public:
    CheckBox(const QString& text, std::uint32_t button_kind, QWidget* parent);

    // From now on an automatic box of two states.
    void MakeAutomatic();

  protected:
    void nextCheckState() override;

  private:
    bool automatic_;
};

// A radio button. An automatic one checks itself when clicked (the dialog unchecks the others
// of its group); any other keeps its state. Exclusivity is the dialog's, by template groups.
class RadioButton : public FittedButton<QRadioButton, QStyle::SE_RadioButtonContents> {
  public:
    RadioButton(const QString& text, bool automatic, QWidget* parent);

    bool automatic() const { return automatic_; }
    void MakeAutomatic() { automatic_ = true; }

  protected:
    void nextCheckState() override;

  private:
    bool automatic_;
};

// A group box: an etched frame with its title set into the top edge, greyed when disabled. It
// only frames the controls over it: clicks pass through to them, and it never takes the focus.
// The title fits between the frame's corners (qt_text_fit.h).
class GroupBox : public QWidget {
  public:
    GroupBox(const QString& title, QWidget* parent);

    QString title() const { return title_; }
    void setTitle(const QString& title);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FitText();

    QString title_;
};

}  // namespace windlass::qt
