// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// What passes between the toolkit's dialog manager and the windowing platform: how a dialog is
// made from its template, the notices its controls send, and the questions the platform asks
// the toolkit before it lets a numeric field lose the focus or a typed character in.
//
// The platform makes the windows; the toolkit keeps every record (dialog and field records,
// ranges, formats, the validation state) and decides. The platform never reads a record.
//
// Sections:
//  1. Making a dialog
//  2. Notices from the controls
//  3. Keys that move the focus or press buttons
//  4. The receiver of a dialog's notices and questions

#include <string>

#include "platform/window_types.h"

namespace windlass {

struct DialogTemplate;

// 1. Making a dialog.

// A dialog is a window (WindowHandle); so is each of its controls. The platform makes one
// control per template control, in template order, and gives them back by position: control
// 0 is the template's first. A spin class is one control on every platform (its arrows belong
// to it), so positions match the template's exactly.
//
// What each control is, the toolkit decides once, from the template's class name and style,
// and hands the platform with the template as the dialog's plan: the kind of control to make,
// whether the user can give it the focus at all, and whether it starts with the default look.
// The platform makes what the plan says and reads the template only for a control's text,
// place and appearance (alignment, borders, scroll bars, pictures and the like).

// The kinds of control a platform makes.
enum class ControlKind {
    Label,        // Text, a filled rectangle, a frame or a picture (the "STATIC" class).
    GroupBox,     // A frame with a title around other controls.
    PushButton,   // A push button, plain or default.
    Button,       // A button of any other kind (owner-drawn, say): drawn as a plain push
                  // button, it reports a click as a check box does and never looks default.
    CheckBox,     // Two or three states, automatic or not, as its style says.
    RadioButton,  // Automatic or not, as its style says; the toolkit unchecks the others.
    ComboBox,
    ListBox,
    Edit,  // A single-line edit field.
    MultiLineEdit,
    NumericField,  // One of the toolkit's numeric edit classes.
    NumericSpin,   // A numeric edit class with arrows.
    Trackbar,
    Progress,
    TabControl,
    TreeView,
    UpDown,
    Header,
};

// Whether the user can give a control the focus at all, while it is enabled and shown.
enum class TakesFocus { No, Yes };

// How a control looks as the default push button (Return presses it) or not.
enum class DefaultLook { Plain, Default };

// The toolkit's plan for one control of a template.
struct ControlPlan {
    ControlKind kind = ControlKind::Label;
    TakesFocus focus = TakesFocus::No;
    DefaultLook look = DefaultLook::Plain;
};

// How a dialog is shown.
enum class DialogShowMode {
    Modeless,  // A window of its own, or a child of the window it is embedded in.
    Modal,     // Blocks until the toolkit ends it with EndModalDialog().
};

// How a text is selected when a field takes the focus from the toolkit.
enum class SelectText { Keep, All };

enum class Enable { No, Yes };

// 2. Notices from the controls, named after what happened rather than after a platform's
// numbers. The toolkit's dialog procedure turns them into messages for the program.
enum class ControlNotice {
    // A push button (plain or default) was pressed, by mouse, Space or Return.
    PushButtonPressed,
    // A check box or radio button was clicked; its check state has already changed.
    Clicked,
    // The selection of a list box or combo box changed by the user.
    SelectionChanged,
    // A double click on an entry of a list box or combo box.
    DoubleClicked,
    // The control took the focus (edit-like controls, buttons, list and combo boxes).
    FocusGained,
    // The user moved a trackbar's thumb: by a key, a click beside the thumb or a drag. The
    // position has already changed.
    Scrolled,
    // The user chose another page of a tab control; the page is already shown.
    TabSelected,
};

// The picture a button or label shows in place of its text, and the resource it came from.
enum class ImageKind { Bitmap, Icon };

// A colour as the platform is given it: red, green and blue in the low three bytes, or
// kPlatformColour for the platform's own colour of that part.
inline constexpr int kPlatformColour = -1;

// How a trackbar steps: a tick mark every `tick_frequency` positions (none for 0), Page Up and
// Page Down move by `page_size`, the arrow keys by `line_size`.
struct TrackbarSteps {
    int tick_frequency = 0;
    int page_size = 0;
    int line_size = 0;
};

// What the toolkit answers when a numeric field asks whether a typed character may go in.
struct CharacterVerdict {
    enum class Kind { Insert, Drop };
    Kind kind = Kind::Insert;
    // The character to insert in place of the typed one (an "e" becomes "E").
    int character = 0;
    // Whether the platform beeps for a dropped character.
    bool beep = false;
};

// What the toolkit answers when a numeric field is about to lose the focus. On Refuse the
// toolkit has already given the focus back to the field (with its text selected) through
// FocusControl(); the platform must then not move the focus on, and no other control may see
// a focus event for the refused move.
enum class FocusVerdict { Allow, Refuse };

// 3. Keys that move the focus or press buttons. The platform only reports them, with the
// control that has the focus; the toolkit decides where the focus goes and which button is
// pressed, and acts through the platform's own operations (FocusControl, SetCheckState) and
// the same notices a click or press raises. A focus the platform must move on by itself (its
// control was disabled or hidden) is reported as Tab or BackTab.
enum class NavigationKey { Tab, BackTab, Left, Up, Right, Down, Return, Escape };

// What the toolkit answers to a navigation key.
enum class KeyVerdict {
    // The dialog dealt with the key; the focused control never sees it.
    Taken,
    // The key belongs to the focused control (the arrows of an edit field or a list box,
    // Return in a multi-line field that wants it), which gets it as usual.
    ToControl,
    // Tab or BackTab found no control that can take the focus; the platform does with the
    // focus what it does when nothing can have it.
    NowhereToGo,
};

// 4. The receiver of a dialog's notices and questions: the toolkit's dialog procedure. The
// platform calls it from inside its event dispatch, on the toolkit's thread. `control` is
// the position of the control in the template.
class DialogListener {
  public:
    virtual ~DialogListener() = default;

    virtual void OnNotice(int control, ControlNotice notice) = 0;
    // F1 while the dialog or one of its controls has the focus.
    virtual void OnHelpRequest() = 0;
    // The dialog became the active one: its window of its own was activated, or, for a dialog
    // inside a frame's client area, the focus came into it (the client area gained the focus).
    virtual void OnActivate() = 0;

    // Numeric fields (the toolkit's numeric edit classes) ask before each typed character.
    virtual CharacterVerdict OnNumericCharacter(int control, int character) = 0;
    // A key went down in a numeric field (virtual-key code); the Tab key matters.
    virtual void OnNumericKey(int control, int virtual_key) = 0;
    virtual void OnNumericFocusGained(int control) = 0;
    // The numeric field `control` is about to lose the focus to `target` (the control about to
    // get it, or null when the focus leaves the dialog for another window or nowhere).
    virtual FocusVerdict OnNumericFocusLeaving(int control, WindowHandle target) = 0;
    // An arrow of a spin field was pressed: -1 or 1 for a small step, -5 or 5 for a large one.
    // The toolkit writes the new text itself.
    virtual void OnSpin(int control, int step) = 0;

    // A push button lost the focus, or the left button was released outside it: the toolkit
    // may send the focus back to a pending invalid field.
    virtual void OnButtonFocusLost(int control) = 0;
    virtual void OnButtonReleasedOutside(int control) = 0;

    // A navigation key went down while `focused_control` had the focus (-1 when no control of
    // the dialog had it).
    virtual KeyVerdict OnNavigationKey(int focused_control, NavigationKey key) = 0;
    // The control the focus goes to when the dialog itself is given it and none of its
    // controls had it before; -1 when no control can take it.
    virtual int EntryControl() = 0;
};

}  // namespace windlass
