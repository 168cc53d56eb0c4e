// What a backend reports to a dialog's listener when the user acts, for tests that play the
// user on the recording platform. The test decides what the user did (the text typed, the
// state a click left); these only deliver the reports, in the order a backend sends them.
#pragma once

#include <optional>
#include <string_view>

#include "platform/dialog_types.h"
#include "recording_platform.h"

namespace windlass::backend {

// From now on each focus move the toolkit asks for is carried out as Focus() does it, with its
// reports, while the toolkit's FocusControl call runs, as a window system does.
void ReportFocusMoves(RecordingPlatform& platform);
// The focus moves to `control` by the mouse or the window system: the numeric field that has
// it is asked first, a push button that has it hears that it lost it, and the control that
// gets it hears so. False when the field refused, and then the focus stays.
bool Focus(RecordingPlatform& platform, WindowHandle control);
// A navigation key went down in the focused control; nothing when no control has the focus.
// A key the toolkit takes moves the focus by its own FocusControl calls.
std::optional<KeyVerdict> Key(RecordingPlatform& platform, NavigationKey key);
// Characters typed into the focused control: a numeric field is asked before each one, a
// dropped one beeps when the answer says so, and what it lets in (or puts in its place) is
// added at the end of the text, which is then modified. Control characters add nothing.
void Type(RecordingPlatform& platform, std::string_view characters);
// The control's whole text replaced as a paste does it, unasked; the text is then modified.
void Paste(RecordingPlatform& platform, WindowHandle control, std::string_view text);
// A notice about a control to its dialog's listener: a click, a new selection, a double click.
void Notify(RecordingPlatform& platform, WindowHandle control, ControlNotice notice);
// A click: the focus moves first (a refused move ends a click on anything but a push button),
// then the push button is pressed or the control reports the click.
void Click(RecordingPlatform& platform, WindowHandle control);
// The user picks an entry of a list: the focus moves, the entry is selected, the list reports it.
void Choose(RecordingPlatform& platform, WindowHandle list, int index);
void Spin(RecordingPlatform& platform, WindowHandle control, int step);

}  // namespace windlass::backend
