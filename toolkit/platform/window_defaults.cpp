// The window operations of a platform without windows, as the test double is: making a frame
// fails, and everything asked of a frame that does not exist does nothing.
#include "platform/platform.h"

namespace windlass {

WindowHandle Platform::CreateFrame(const FrameRequest&, FrameListener&) {
    return nullptr;
}

FrameMeasures Platform::MeasureFrame(WindowHandle) {
    return {};
}

void Platform::PlaceFrame(WindowHandle, int, int) {}

void Platform::ShowFrame(WindowHandle, FrameShow) {}

PixelSize Platform::ClientAreaSize(WindowHandle) {
    return {};
}

WindowHandle Platform::ClientArea(WindowHandle) {
    return nullptr;
}

void Platform::ShowStatusBar(WindowHandle, const std::vector<StatusPartView>&) {}

void Platform::StartTimer(WindowHandle, int, int) {}

void Platform::DestroyFrame(WindowHandle) {}

void Platform::WaitForEvents() {}

}  // namespace windlass
