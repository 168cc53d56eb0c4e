// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>

#include "platform/platform.h"

namespace windlass {

// What the numeric edit fields share while the user moves between them: the field whose
// invalid text waits for a push button to decide on it, and the copy of a field's text and
// value taken as it gained the focus, which that push button may put back.
struct ValidationState {
    // A numeric field left invalid because the mouse took the focus to a push button other
    // than OK; null when none.
    WindowHandle pending_invalid = nullptr;
    // A numeric field that was invalid when a tab page change began; null when none.
    WindowHandle pending_tab = nullptr;
    // When set, the next numeric field to gain the focus saves its text and value. Set when
    // the main window is made and after every accepted focus change.
    bool save_on_next_focus = true;
    std::string saved_text;
    double saved_value = 0.0;
    // Either flag turns the focus-loss check off: busy while the toolkit itself gives the
    // focus back to an invalid field, suspend while other toolkit controls move the focus.
    bool busy = false;
    bool suspend = false;

    bool CheckOff() const { return busy || suspend; }
};

ValidationState& Validation();

// Sets the busy flag for as long as it lives, and puts back what was there before: the focus
// changes that the toolkit's own focus moves cause are not checked again.
class BusyScope {
  public:
    BusyScope() : noted_(Validation().busy) { Validation().busy = true; }
    ~BusyScope() { Validation().busy = noted_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool noted_;
};

}  // namespace windlass
