// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <functional>

#include "platform/platform.h"
#include "platform/window_types.h"

namespace windlass {

// The outcome of testing a form for use as the client area of the main window.
struct FormTest {
    enum class Result { Fits, CannotLoad, WrongStyle };

    Result result = Result::CannotLoad;
    // The form's outer size in pixels, when it fits.
    PixelSize size;
};

// What WindowOpen2 and WindowClose ask of the dialog manager to show a form as the client
// area of the main window. The dialog manager fills these in; while they are empty, a form id
// given to WindowOpen2 behaves as if it were absent.
struct FormEmbedding {
    // Makes the form hidden to test and measure it. A form that fits is kept for `embed`, so
    // that it is made only once; any other is destroyed again.
    std::function<FormTest(int dialog_id)> test;
    // Loads the form into the client area of the main window (the one `test` kept, when it
    // kept one), shows it at the client's origin and makes it the current dialog.
    std::function<void(int dialog_id, WindowHandle frame, WindowHandle client)> embed;
    // Hides and unloads every dialog, the embedded form among them, when the main window
    // closes.
    std::function<void()> unload_all;
    // True while a dialog is on the screen, which can still bring messages when no window is
    // open.
    std::function<bool()> any_dialog_shown;
};

FormEmbedding& Embedding();

}  // namespace windlass
