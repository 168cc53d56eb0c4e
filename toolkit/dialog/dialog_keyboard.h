// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The keyboard of a dialog, the same on every platform: where Tab, Shift+Tab and the arrow
// keys take the focus, and which push button Return and Escape press. The platform only
// reports the keys (DialogListener::OnNavigationKey); the rules here decide, and act through
// the platform's own operations and the notices a click or press raises.
//
// Tab and Shift+Tab visit, in template order and round again, every control the user can work
// with now (enabled and shown), whether or not its template marks it as a tab stop, so that no
// input of a form needs the mouse. A radio group is one stop: its checked button, else the
// first the template marks as a tab stop, else its first. The arrow keys move within a group
// (GroupOf: the controls of one class from one with the group style up to the next), checking
// an automatic radio button they land on as a click would, except in the controls that use
// the arrows themselves. Return presses the focused push button, else the one that looks like
// the default, else OK, unless a multi-line field wants the Return itself; Escape presses
// Cancel.
//
// The same view of a dialog serves the rules of a click on a radio button and of the default
// look, which the dialog procedure applies as the platform reports clicks and focus moves.

#include <cstdint>

#include "dialog/control_class.h"
#include "field/radio_group.h"
#include "platform/dialog_types.h"

namespace windlass {

// What the keyboard rules need of one dialog: its controls by template position as the
// toolkit knows them, and where to tell what the keyboard did. Whether a control is enabled,
// shown or checked, and how a button looks, is asked of the platform.
class KeyboardDialog {
  public:
    virtual ~KeyboardDialog() = default;

    virtual int ControlCount() const = 0;
    virtual ControlClass ClassAt(int position) const = 0;
    // The style the toolkit goes by (see NormalisedStyle).
    virtual std::uint32_t StyleAt(int position) const = 0;
    virtual int IdAt(int position) const = 0;
    virtual WindowHandle HandleAt(int position) const = 0;
    // The Tab key went down in the numeric field at `position`; told before the focus leaves.
    virtual void TellNumericTab(int position) = 0;
    // A press of a push button or a click of a radio button, as the control itself would
    // raise it.
    virtual void Notice(int position, ControlNotice notice) = 0;
};

// Acts on a navigation key pressed while the control at `focused` (-1 for none) had the
// focus, and tells the platform whether the key was the dialog's.
KeyVerdict ActOnNavigationKey(KeyboardDialog& dialog, int focused, NavigationKey key);

// Where the focus goes first in a dialog: the first control the template marks as a tab stop
// (for a radio button, its group's stop), else the first Tab reaches; -1 when there is none.
int EntryStop(const KeyboardDialog& dialog);

// The control Tab (forward) or Shift+Tab reaches from the control at `from` without going round
// the dialog again; -1 when the control at `from` is the last (or first) one the key reaches.
int TabStopWithoutWrap(const KeyboardDialog& dialog, int from, bool forward);

// How the text of a field is selected when the keyboard takes the focus into it: whole,
// except in a multi-line field, which keeps its caret.
SelectText SelectionOnEntry(ControlClass control_class, std::uint32_t style);

// The group of the control at `position` (GroupAround, radio_group.h).
RadioGroup GroupOf(const KeyboardDialog& dialog, int position);

// The user checked the automatic radio button at `position` (a click, an arrow key): every
// other automatic radio button of its group that the user can reach loses its check. A
// disabled or hidden one keeps its state, as the user cannot reach it either.
void UncheckRestOfGroup(const KeyboardDialog& dialog, int position);

// Gives the push buttons their look for the focus on the control at `focused` (-1 for none):
// a focused push button looks like the default one, as Return presses it; with the focus on
// anything else the dialog's default button (the first its template marks so) does. Every
// other push button looks plain.
void ShowDefaultLook(const KeyboardDialog& dialog, int focused);

}  // namespace windlass
