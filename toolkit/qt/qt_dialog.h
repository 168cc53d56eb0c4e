// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// A dialog made from its template: a widget holding one control per template control, in
// template order, placed in dialog units of the template's font. It tells its listener (the
// toolkit's dialog procedure) what the user does, in the order the toolkit expects. Keys that
// move the focus or press buttons are reported to the listener, which decides what they do.
//
// The dialog is created here; its keyboard handling is in qt_dialog_keys.cpp, its showing,
// hiding and deletion in qt_dialog_show.cpp.

#include <QPointer>
#include <QWidget>

#include <span>
#include <vector>

#include "platform/dialog_types.h"
#include "qt/qt_controls.h"
#include "qt/qt_dialog_units.h"
#include "qt/qt_numeric_edit.h"
#include "resources/resource_types.h"

class QEventLoop;

namespace windlass::qt {

class DialogWindow : public QWidget, public NumericFieldHost {
  public:
    // Makes the dialog hidden, with all its controls as the toolkit's plan says (one entry per
    // template control); null when the plan does not fit the template. With a parent and a
    // child-style template the dialog is embedded in the parent; otherwise it is a window of
    // its own (owned by the parent's window, if any).
    static DialogWindow* Create(const DialogTemplate& dialog, std::span<const ControlPlan> plan,
                                QWidget* parent, DialogListener& listener);

    // Moves a dialog made without a parent into `parent`, as Create would have made it there.
    void EmbedIn(QWidget* parent);

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    QWidget* ControlAt(int position) const;
    // The template position of the control that is `widget` or holds it (a combo box's edit
    // part, a spin field's arrows); -1 for any other widget.
    int PositionOf(const QWidget* widget) const;
    DialogBaseUnits base_units() const { return units_; }

    void ShowModeless();
    // Shows the dialog blocking every other window and returns once EndModal() is called.
    void RunModal();
    void EndModal();
    void HideDialog();
    // Hides the dialog and deletes it, at once or, while one of its notices is being heard, as
    // soon as that is over; it tells its listener nothing more.
    void Destroy();

    // The control the dialog hands the focus on to when it is given the focus itself: the one
    // that had it last, else the one its listener names.
    QWidget* EntryControl() const;
    // Whether the control is enabled and shown, so that the user could reach it.
    bool CanFocus(int position) const;

    // Whether the focus may leave this dialog's numeric field for `target`: asks the listener.
    FocusVerdict AskFocusLeaving(NumericEdit& field, QWidget* target);

    // Keys that move the focus or press buttons, seen before the focused control gets them
    // (by the gate of qt_dialog_gate.h) and reported to the listener. True when the key was
    // the dialog's.
    bool HandleKey(QWidget* receiver, QKeyEvent* event);

    CharacterVerdict AskCharacter(NumericEdit& field, int character) override;
    void NumericKeyDown(NumericEdit& field, int virtual_key) override;
    void Spin(NumericEdit& field, int step) override;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct ControlRecord {
        QWidget* widget = nullptr;
        ControlKind kind = ControlKind::Label;
    };

    DialogWindow(const DialogTemplate& dialog, std::span<const ControlPlan> plan, QWidget* parent,
                 DialogListener& listener, Qt::WindowFlags flags);
    void AddControl(const DialogControl& control, const ControlPlan& plan);
    void ConnectNotices(int position);
    // Makes the dialog stand for the client area it is embedded in; true when that client area
    // had the focus.
    bool AttachClientFocus();
    void ReleaseClientFocus();

    // Every call of the listener goes through these, so that the dialog is never deleted
    // while one is in progress, and nothing is told once the dialog is being destroyed.
    template <typename Call>
    void Tell(Call&& call);
    void Notice(int position, ControlNotice notice);

    void ControlFocusIn(int position, Qt::FocusReason reason);
    void ReportFocusOfInactiveWindow();
    void ControlFocusOut(int position, Qt::FocusReason reason);

    // A navigation key told to the listener (qt_dialog_keys.cpp).
    KeyVerdict ReportKey(int focused, NavigationKey key);

    DialogListener* listener_;
    const DialogTemplate* source_;
    std::vector<ControlRecord> controls_;
    DialogBaseUnits units_;
    QPointer<QWidget> last_focus_;
    QEventLoop* modal_loop_ = nullptr;
    bool end_requested_ = false;
    bool destroy_requested_ = false;
    int calls_in_progress_ = 0;
};

template <typename Call>
void DialogWindow::Tell(Call&& call) {
    if (listener_ == nullptr) {
        return;
    }
    ++calls_in_progress_;
    call(*listener_);
    --calls_in_progress_;
}

// The dialog that `widget` belongs to (the nearest one holding it within its window), or null.
DialogWindow* DialogOf(QWidget* widget);

}  // namespace windlass::qt
