// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>

#include "dialog/dialog_record.h"
#include "numeric/focus_check.h"
#include "platform/platform.h"

namespace windlass {

// The dialog procedure: hears what the platform reports of one dialog's controls, keeps the
// dialog's current and previous field ids, and raises the program's field-changed and
// push-button messages. The questions of the numeric fields go to the numeric edit logic,
// the navigation keys to the dialog keyboard (dialog_keyboard.h).
// While the dialog is being made nothing is heard.
class DialogProcedure : public DialogListener {
  public:
    explicit DialogProcedure(DialogRecord& dialog) : dialog_(dialog) {}

    void OnNotice(int control, ControlNotice notice) override;
    void OnHelpRequest() override;
    void OnActivate() override;
    CharacterVerdict OnNumericCharacter(int control, int character) override;
    void OnNumericKey(int control, int virtual_key) override;
    void OnNumericFocusGained(int control) override;
    FocusVerdict OnNumericFocusLeaving(int control, WindowHandle target) override;
    void OnSpin(int control, int step) override;
    void OnButtonFocusLost(int control) override;
    void OnButtonReleasedOutside(int control) override;
    KeyVerdict OnNavigationKey(int focused_control, NavigationKey key) override;
    int EntryControl() override;

  private:
    // Whether a field-changed message follows a change of the ids.
    enum class Post { Always, WhenChanged };

    // The control at a template position, or null while the dialog is being made or for a
    // position it has not got.
    ControlRecord* At(int position);
    void FieldTouched(const ControlRecord& control, Post post);
    // A tab control shows another page: MSG_TAB names the tab control and the page's dialog.
    void TabSelected(const ControlRecord& tab_control);
    // Tab on a tab control goes on into the first stop of the page it shows; Tab from a page's
    // last stop goes on to the stop after the tab control of the dialog the page lies on, and
    // Shift+Tab from its first stop back to that tab control. Nothing for any other key.
    std::optional<KeyVerdict> CrossTabPage(int focused, NavigationKey key);
    void PushButtonPressed(const ControlRecord& button);
    // A pending invalid field gets the focus back when the push button it was left for does
    // not take it after all.
    void ReturnToPendingField(const ControlRecord& button, LeftByTab left_by_tab);

    DialogRecord& dialog_;
};

}  // namespace windlass
