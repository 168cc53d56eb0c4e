// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/dialog_types.h"
#include "platform/window_types.h"

namespace windlass {

// What the toolkit asks of the platform's dialogs and their controls.
class DialogControls {
  public:
    virtual ~DialogControls() = default;

    // Makes a hidden dialog with all its controls from the template, each as `plan` (one entry
    // per template control) says; `parent` is the window it is embedded in (a frame's client
    // area) or null for a window of its own. Null when the dialog cannot be made (a kind of
    // control this platform has not got, a refused window).
    virtual WindowHandle CreateDialog(const DialogTemplate& dialog,
                                      std::span<const ControlPlan> plan, WindowHandle parent,
                                      DialogListener& listener) = 0;
    // Moves a dialog made without a parent into `parent`, a frame's client area, where it is
    // then as CreateDialog would have made it there: a form can be made and measured before
    // the window it fills exists, and is then kept rather than made a second time.
    virtual void EmbedDialog(WindowHandle dialog, WindowHandle parent) = 0;
    // The dialog's size in pixels, from its template and its font.
    virtual PixelSize DialogSize(WindowHandle dialog) = 0;
    // The number of controls and each control by its template position; null past the end.
    virtual int ControlCount(WindowHandle dialog) = 0;
    virtual WindowHandle Control(WindowHandle dialog, int position) = 0;
    // Moves the dialog's corner: in pixels of its parent's client area, or of the screen.
    virtual void MoveDialog(WindowHandle dialog, int x, int y) = 0;
    // Shows the dialog. A modal show returns only after EndModalDialog().
    virtual void ShowDialog(WindowHandle dialog, DialogShowMode mode) = 0;
    virtual void EndModalDialog(WindowHandle dialog) = 0;
    virtual void HideDialog(WindowHandle dialog) = 0;
    virtual void DestroyDialog(WindowHandle dialog) = 0;
    virtual void SetDialogTitle(WindowHandle dialog, const std::string& title) = 0;
    // Enables or disables a window: a dialog, a frame or a single control.
    virtual void EnableWindow(WindowHandle window, Enable enable) = 0;

    // The text of a control (an edit field's contents, a label's or button's caption, a combo
    // box's edit or selection part); SetControlText gives false when the platform refuses.
    virtual std::string ControlText(WindowHandle control) = 0;
    virtual bool SetControlText(WindowHandle control, const std::string& text) = 0;
    // The modified flag of an edit-like control: set by typing, cleared by the toolkit.
    virtual bool IsModified(WindowHandle control) = 0;
    virtual void SetModified(WindowHandle control, bool modified) = 0;
    // The most characters the user may type into an edit-like control or a combo box's edit.
    virtual void SetTextLimit(WindowHandle control, int limit) = 0;
    // Check state of a check box or radio button: 0 unchecked, 1 checked, 2 indeterminate.
    virtual int CheckState(WindowHandle control) = 0;
    virtual bool SetCheckState(WindowHandle control, int state) = 0;
    // The entries of a list box or combo box. Selections are 0-based, -1 for none;
    // FindExactEntry compares whole texts without regard to letter case and gives -1 when no
    // entry matches.
    virtual void ClearEntries(WindowHandle control) = 0;
    virtual void AddEntry(WindowHandle control, const std::string& text) = 0;
    virtual int EntryCount(WindowHandle control) = 0;
    virtual std::string EntryText(WindowHandle control, int index) = 0;
    virtual int Selection(WindowHandle control) = 0;
    virtual bool Select(WindowHandle control, int index) = 0;
    virtual int FindExactEntry(WindowHandle control, const std::string& text) = 0;
    // The range of a spin field's arrows.
    virtual void SetSpinRange(WindowHandle control, int minimum, int maximum) = 0;
    // The range and the position of a progress bar, a trackbar's thumb or an up-down
    // control's value. The toolkit gives a range only with the minimum below the maximum; a
    // position outside the range is held to it.
    virtual void SetBarRange(WindowHandle control, int minimum, int maximum) = 0;
    virtual void SetBarPosition(WindowHandle control, int position) = 0;
    virtual int BarPosition(WindowHandle control) = 0;
    // A trackbar's ticks and steps, and the stretch it shows as selected (of a trackbar with
    // the selection-range style); a start equal to the end shows none.
    virtual void SetTrackbarSteps(WindowHandle control, const TrackbarSteps& steps) = 0;
    virtual void SetTrackbarSelection(WindowHandle control, int start, int end) = 0;
    // Adds a page to a tab control: `page` is a loaded child dialog, shown while its tab is the
    // selected one. SelectTabPage selects a page by its 0-based position without a notice.
    virtual void AddTabPage(WindowHandle tab_control, WindowHandle page,
                            const std::string& caption) = 0;
    virtual void SelectTabPage(WindowHandle tab_control, int index) = 0;
    // Changes the caption of the tab that shows `page`.
    virtual void SetTabCaption(WindowHandle tab_control, WindowHandle page,
                               const std::string& caption) = 0;
    // The page dialog shown by a tab control now; null when it has no page.
    virtual WindowHandle SelectedTabPage(WindowHandle tab_control) = 0;
    // The colours a control's text and background are painted in (kPlatformColour for the
    // platform's own).
    virtual void SetControlColours(WindowHandle control, int text, int background) = 0;
    // Shows a picture, from the bytes of a bitmap or icon resource, in a button or label;
    // false when the platform cannot make a picture of them.
    virtual bool SetControlImage(WindowHandle control, ImageKind kind,
                                 std::span<const std::uint8_t> bytes) = 0;
    // Gives the focus to a control, with its whole text selected when asked.
    virtual void FocusControl(WindowHandle control, SelectText select) = 0;
    // The control that has the focus, or null.
    virtual WindowHandle FocusedControl() = 0;
    // Whether a control is enabled and shown now, so that the user could reach it. Which kinds
    // of control take the focus at all is the toolkit's plan, not asked here.
    virtual bool CanFocus(WindowHandle control) = 0;
    // Makes a push button look as the default button, or not; LookOf tells how it looks now.
    // A push button keeps the look its plan or the toolkit last gave it: which button looks so
    // is the toolkit's to say, as the focus moves.
    virtual void SetDefaultLook(WindowHandle button, DefaultLook look) = 0;
    virtual DefaultLook LookOf(WindowHandle button) = 0;
    // Makes a check box of any kind an automatic two-state one and a radio button an automatic
    // one, so that each changes its own state when clicked, as the toolkit wants every check
    // box and radio button of its dialogs to. Other controls stay as they are.
    virtual void MakeButtonAutomatic(WindowHandle button) = 0;
    // What assistive technology (a screen reader) announces for a control: its name, and a
    // description such as the title of the group box it lies in. Optional, and by default
    // nothing is kept: a platform without a screen reader has no one to announce to, and the
    // dialog works the same for everyone else.
    virtual void SetAccessibleText(WindowHandle control, const std::string& name,
                                   const std::string& description);
};

}  // namespace windlass
