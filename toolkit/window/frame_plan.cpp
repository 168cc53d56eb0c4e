#include "window/frame_plan.h"

#include "windlass/windlass.h"

namespace windlass {
namespace {

std::string_view WithoutTrailingBlanks(std::string_view text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

bool Has(int flags, int flag) {
    return (flags & flag) != 0;
}

}  // namespace

FrameStyle StyleFromFlags(int flags) {
    FrameStyle style;
    style.system_menu = Has(flags, WF_SYSMENU);
    style.minimise_box = Has(flags, WF_MINBOX);
    style.maximise_box = Has(flags, WF_MAXBOX);
    style.sizing_border = !Has(flags, WF_FIXEDSIZE);
    style.maximised = Has(flags, WF_MAXIMISED);
    style.hidden = Has(flags, WF_HIDDEN);
    style.topmost = Has(flags, WF_TOPMOST);
    style.status_bar = Has(flags, WF_STATUSBAR);
    return style;
}

int FlagsCombinedWithForm(int flags) {
    return (flags & ~(WF_MAXBOX | WF_MAXIMISED | WF_HIDDEN)) | WF_FIXEDSIZE;
}

FramePlan ResolveOpenArguments(const OpenArguments& arguments, int screen_width,
                               int screen_height) {
    FramePlan plan;
    plan.flags = arguments.flags;
    plan.x = arguments.x;
    plan.y = arguments.y;
    plan.client_width = arguments.width < 1 ? screen_width * 80 / 100 : arguments.width;
    plan.client_height = arguments.height < 1 ? screen_height * 80 / 100 : arguments.height;
    plan.menu_id = arguments.menu_id;
    plan.toolbars = arguments.toolbars;
    plan.dialog_id = arguments.dialog_id;
    std::string_view title = WithoutTrailingBlanks(arguments.title);
    // The title ends at its first NUL, as a text handed to the platform always has.
    title = title.substr(0, title.find('\0'));
    plan.title = std::string(title);
    switch (arguments.colours) {
        case 16:
        case 32:
        case 64:
        case 128:
            plan.colours = arguments.colours;
            break;
        default:
            plan.colours = 16;
            break;
    }
    return plan;
}

FramePlacement PlaceFrame(const FramePlan& plan, const FrameMeasures& extents, int screen_width,
                          int screen_height) {
    FramePlacement placement;
    placement.outer_width = extents.outer_width;
    placement.outer_height = extents.outer_height;
    bool x_centred = plan.x == kCentreOnScreen;
    bool y_centred = plan.y == kCentreOnScreen;
    placement.x = x_centred ? (screen_width - extents.outer_width) / 2 : plan.x;
    placement.y = y_centred ? (screen_height - extents.outer_height) / 2 : plan.y;
    if (extents.status_bar_height > 0) {
        placement.outer_height += extents.status_bar_height;
        if (y_centred && !StyleFromFlags(plan.flags).maximised) {
            placement.y -= extents.status_bar_height / 2;
        }
    }
    return placement;
}

}  // namespace windlass
