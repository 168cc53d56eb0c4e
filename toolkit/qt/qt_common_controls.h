// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The common controls of a dialog template as Qt widgets: trackbars, progress bars, tab
// controls, tree views, up-down arrow pairs and headers. Each looks as a Qt user expects, and
// reports only what the user does, never what the toolkit sets.

#include <QHeaderView>
#include <QPointer>
#include <QProgressBar>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/dialog_types.h"
#include "resources/resource_types.h"

class QStandardItemModel;

namespace windlass::qt {

// A trackbar: a slider whose ticks follow its style and its tick frequency, and which shades
// the stretch of a selection when its style allows one. `on_scrolled` hears the user's moves.
class Trackbar : public QSlider {
  public:
    Trackbar(std::uint32_t style, QWidget* parent);

    void SetRangeQuietly(int minimum, int maximum);
    void SetPositionQuietly(int position);
    void SetTickFrequency(int frequency);
    void SetSelection(int start, int end);

    std::function<void()> on_scrolled;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::uint32_t style_;
    bool quiet_ = false;
    int selection_start_ = 0;
    int selection_end_ = 0;
};

// A progress bar, horizontal or vertical as its style says, with no text over the bar.
class ProgressBar : public QProgressBar {
  public:
    ProgressBar(std::uint32_t style, QWidget* parent);
};

// A tab control whose pages are dialogs of their own. The pages outlive it: as it goes, it
// hands each page still on it back to no parent, hidden, for the toolkit to destroy when it
// unloads that dialog. `on_selected` hears a page the user chose.
class TabControl : public QTabWidget {
  public:
    explicit TabControl(QWidget* parent);
    ~TabControl() override;

    void AddPage(QWidget* page, const QString& caption);
    void SelectQuietly(int index);

    std::function<void()> on_selected;

  private:
    std::vector<QPointer<QWidget>> pages_;
    bool quiet_ = false;
};

// A tree view with lines and buttons as its style asks; the program fills it.
class TreeView : public QTreeWidget {
  public:
    TreeView(std::uint32_t style, QWidget* parent);
};

// An up-down control standing on its own: a pair of arrows, up and down or left and right,
// that step a whole number within a range. It never takes the focus.
class UpDown : public QWidget {
  public:
    UpDown(std::uint32_t style, QWidget* parent);

    void SetRange(int minimum, int maximum);
    void SetPosition(int position);
    int position() const { return position_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Step(int step);

    QToolButton* increase_;
    QToolButton* decrease_;
    bool horizontal_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

// A header: a row of column captions, one for the template's text (split at tabs).
class HeaderControl : public QHeaderView {
  public:
    HeaderControl(const QString& text, QWidget* parent);

  private:
    QStandardItemModel* captions_;
};

// Makes the widget of a common control of this kind; null for a kind that is not one of them.
QWidget* MakeCommonControl(const DialogControl& control, ControlKind kind, QWidget* dialog);

}  // namespace windlass::qt
