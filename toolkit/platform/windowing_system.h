// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>
#include <vector>

#include "platform/window_types.h"

namespace windlass {

// Whether there is a display to show windows on. Without one (no display could be opened, or
// the program installed no backend that draws windows) the sizes are 0 and the problem says why.
enum class DisplayState { Open, Missing };

// The display the toolkit draws on, as the settings record keeps it.
struct DisplayMetrics {
    int width_px = 0;
    int height_px = 0;
    int planes = 1;
    int bits_per_pixel = 0;
    DisplayState state = DisplayState::Open;
    std::string problem;
};

// The button sets, icons and answers of a message box, in the order the toolkit numbers them.
enum class BoxButtons { Ok, OkCancel, RetryCancel, YesNo, YesNoCancel, AbortRetryIgnore };
enum class BoxIcon { None, Stop, Question, Exclamation, Information };
enum class BoxAnswer { Ok, Cancel, Abort, Retry, Ignore, Yes, No, Failed };

// Whom a message box blocks: its owner window, or the whole program (used when the program is
// about to end and there may be no window at all).
enum class BoxModality { Owner, Program };

struct MessageBoxRequest {
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
    // Zero-based position, in the button set, of the button that has the focus first.
    int default_button = 0;
    std::string text;
    std::string title;
    WindowHandle owner = nullptr;
    BoxModality modality = BoxModality::Owner;
};

// Whether anyone can answer a modal box. A display that nobody sees (a platform that draws
// into memory only) has no user: a box shown there would wait for ever.
enum class UserPresence { Present, Absent };

// The number of buttons a set shows, and the answer of the button at a zero-based position.
int ButtonCount(BoxButtons buttons);
BoxAnswer ButtonAt(BoxButtons buttons, int position);

// What the toolkit asks of the window system: the display, message boxes and the bell, frame
// windows with their menu bar and status bar, timers, and the wait for events.
class WindowingSystem {
  public:
    virtual ~WindowingSystem() = default;

    virtual DisplayMetrics Display() = 0;
    virtual UserPresence Presence() = 0;
    // Shows a modal box and waits for the user; gives the button pressed, or Failed.
    virtual BoxAnswer ShowMessageBox(const MessageBoxRequest& request) = 0;
    virtual void Beep() = 0;

    // Makes a hidden frame with its client area, menu bar and status bar; the listener hears
    // every event of the frame until it is destroyed. Null when the frame cannot be made.
    virtual WindowHandle CreateFrame(const FrameRequest& request, FrameListener& listener) = 0;
    // The sizes of a frame made but not yet placed.
    virtual FrameMeasures MeasureFrame(WindowHandle frame) = 0;
    // Moves the frame's outer corner to the screen position.
    virtual void PlaceFrame(WindowHandle frame, int x, int y) = 0;
    virtual void ShowFrame(WindowHandle frame, FrameShow show) = 0;
    virtual PixelSize ClientAreaSize(WindowHandle frame) = 0;
    // The client area of a frame, as a window that dialogs can be embedded in.
    virtual WindowHandle ClientArea(WindowHandle frame) = 0;
    // Lays out the frame's status bar in these parts and shows their texts.
    virtual void ShowStatusBar(WindowHandle frame, const std::vector<StatusPartView>& parts) = 0;
    // Starts (or restarts) a one-shot timer whose expiry the frame's listener hears.
    virtual void StartTimer(WindowHandle frame, int timer_id, int milliseconds) = 0;
    virtual void DestroyFrame(WindowHandle frame) = 0;

    // Blocks until the platform has events, then dispatches every one that is there.
    virtual void WaitForEvents() = 0;
    // Dispatches every event the platform has, and those they bring (the first paint of a
    // window just shown among them), and returns when it would have to wait for more.
    virtual void SettleEvents() = 0;
};

}  // namespace windlass
