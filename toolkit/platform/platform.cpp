#include "platform/platform.h"

#include <array>
#include <utility>

#include "platform/windowless_platform.h"

namespace windlass {
namespace {

// The buttons of each set, left to right, as the box shows them.
constexpr std::array<std::array<BoxAnswer, 3>, 6> kButtonsOfSet = {{
    {BoxAnswer::Ok, BoxAnswer::Failed, BoxAnswer::Failed},
    {BoxAnswer::Ok, BoxAnswer::Cancel, BoxAnswer::Failed},
    {BoxAnswer::Retry, BoxAnswer::Cancel, BoxAnswer::Failed},
    {BoxAnswer::Yes, BoxAnswer::No, BoxAnswer::Failed},
    {BoxAnswer::Yes, BoxAnswer::No, BoxAnswer::Cancel},
    {BoxAnswer::Abort, BoxAnswer::Retry, BoxAnswer::Ignore},
}};

std::unique_ptr<Platform>& Installed() {
    static std::unique_ptr<Platform> platform;
    return platform;
}

}  // namespace

int ButtonCount(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::Ok:
            return 1;
        case BoxButtons::OkCancel:
        case BoxButtons::RetryCancel:
        case BoxButtons::YesNo:
            return 2;
        case BoxButtons::YesNoCancel:
        case BoxButtons::AbortRetryIgnore:
            return 3;
    }
    return 1;
}

BoxAnswer ButtonAt(BoxButtons buttons, int position) {
    if (position < 0 || position >= ButtonCount(buttons)) {
        return BoxAnswer::Failed;
    }
    return kButtonsOfSet[static_cast<std::size_t>(buttons)][static_cast<std::size_t>(position)];
}

void DialogControls::SetAccessibleText(WindowHandle, const std::string&, const std::string&) {}

Platform& ThePlatform() {
    auto& platform = Installed();
    if (!platform) {
        platform = MakeWindowlessPlatform();
    }
    return *platform;
}

std::unique_ptr<Platform> InstallPlatform(std::unique_ptr<Platform> platform) {
    return std::exchange(Installed(), std::move(platform));
}

}  // namespace windlass
