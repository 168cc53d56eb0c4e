// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/window_types.h"

namespace windlass {

// The position WindowOpen2 receives when the program leaves X or Y out: centre the frame on
// the screen along that axis.
inline constexpr int kCentreOnScreen = -999999;

// What the frame looks like, worked out from the window flags alone.
FrameStyle StyleFromFlags(int flags);

// A form shown as the client area fixes the window to the form's size: the maximise box,
// the maximised and the hidden start go, and the sizing border goes with them.
int FlagsCombinedWithForm(int flags);

// The arguments of WindowOpen2 after their defaults have been resolved.
struct FramePlan {
    int flags = 7;
    int x = kCentreOnScreen;
    int y = kCentreOnScreen;
    int client_width = 0;
    int client_height = 0;
    int menu_id = 0;
    std::array<int, 4> toolbars{};
    int dialog_id = 0;
    std::string title;
    int colours = 16;
};

// The raw arguments of WindowOpen2, as the program passed them.
struct OpenArguments {
    int flags = 7;
    int x = kCentreOnScreen;
    int y = kCentreOnScreen;
    int width = 0;
    int height = 0;
    int menu_id = 0;
    std::array<int, 4> toolbars{};
    int dialog_id = 0;
    std::string_view title;
    int colours = 16;
};

// Resolves the defaults: a client size under 1 pixel becomes 80 % of the screen along that
// axis, the title loses its trailing blanks, and a colour count other than 16, 32, 64 or 128
// becomes 16.
FramePlan ResolveOpenArguments(const OpenArguments& arguments, int screen_width, int screen_height);

struct FramePlacement {
    int x = 0;
    int y = 0;
    int outer_width = 0;
    int outer_height = 0;
};

// Where the frame goes. A defaulted coordinate centres the frame without its status bar,
// (screen − outer) / 2 truncated toward zero; the status bar then grows the frame downward
// and, when Y was defaulted and the frame is not maximised, moves it up by half the bar's
// height, again truncated toward zero.
FramePlacement PlaceFrame(const FramePlan& plan, const FrameMeasures& measures, int screen_width,
                          int screen_height);

}  // namespace windlass
