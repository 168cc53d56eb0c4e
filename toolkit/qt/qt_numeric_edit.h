// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The toolkit's numeric edit fields on Qt: INTEGEREDIT, REALEDIT and DOUBLEEDIT, and their spin
// variants with up and down arrows inside the one field. The field itself decides nothing: it
// asks its host (the dialog, which asks the toolkit) about every typed character and tells it
// every key and arrow press; its typing limit and the reach of its arrows are the toolkit's.
// Whether the focus may leave the field is asked before the focus moves, by the dialog and the
// focus gate (qt_dialog_gate.h), never here.

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/dialog_types.h"
#include "resources/resource_types.h"

namespace windlass::qt {

class NumericEdit;

// Whether a numeric field has arrows.
enum class Arrows { No, Yes };

// Whom a numeric field asks and tells.
class NumericFieldHost {
  public:
    virtual CharacterVerdict AskCharacter(NumericEdit& field, int character) = 0;
    virtual void NumericKeyDown(NumericEdit& field, int virtual_key) = 0;
    virtual void Spin(NumericEdit& field, int step) = 0;

  protected:
    ~NumericFieldHost() = default;
};

// The up and down arrows of a spin field, drawn inside the field at its right end. They never
// take the focus themselves: a click on them gives it to the field, then steps.
class SpinArrows : public QWidget {
  public:
    explicit SpinArrows(NumericEdit& field);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Repeat();

    NumericEdit& field_;
    // +1 while the up arrow is held, -1 for the down arrow, 0 when neither.
    int held_ = 0;
    QTimer repeat_;
};

class NumericEdit : public QLineEdit {
  public:
    NumericEdit(const QString& text, const DialogControl& control, Arrows arrows, QWidget* parent);

    bool has_spin() const { return arrows_ != nullptr; }
    SpinArrows* arrows() const { return arrows_; }
    void set_host(NumericFieldHost* host) { host_ = host; }

    void SetSpinRange(int minimum, int maximum);
    int spin_minimum() const { return spin_minimum_; }
    int spin_maximum() const { return spin_maximum_; }

    // Tells the host of one step of the arrows (the host writes the new text).
    void Step(int step);

    // The numeric field that holds the keyboard focus: it has taken the focus and not lost it
    // to another control. A window that becomes inactive does not take it from its field.
    static NumericEdit* Holder();
    // Forgets the holder once the focus has been let go to another window.
    static void ReleaseHolder();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceArrows();

    NumericFieldHost* host_ = nullptr;
    SpinArrows* arrows_ = nullptr;
    int spin_minimum_ = 0;
    int spin_maximum_ = 0;
    static QPointer<NumericEdit> holder_;
};

}  // namespace windlass::qt
