#include "platform/fake/fake_platform.h"

#include <utility>

namespace windlass {

std::optional<std::string> FakePlatform::EnvironmentVariable(std::string_view name) {
    auto found = environment.find(name);
    if (found == environment.end()) {
        return std::nullopt;
    }
    return found->second;
}

CurrentDirectory FakePlatform::WorkingDirectory() {
    if (working_directory) {
        return *working_directory;
    }
    return PosixOsServices::WorkingDirectory();
}

void FakePlatform::ExitProcess(int exit_code) {
    exits.push_back(exit_code);
    throw ProcessExit{exit_code};
}

BoxAnswer FakePlatform::ShowMessageBox(const MessageBoxRequest& request) {
    boxes_shown.push_back(request);
    if (while_box_shown) {
        while_box_shown(request);
    }
    if (box_answers.empty()) {
        return ButtonAt(request.buttons, request.default_button);
    }
    BoxAnswer answer = box_answers.front();
    box_answers.pop_front();
    return answer;
}

bool FakePlatform::ShowHelp(WindowHandle owner, const std::string& document,
                            const HelpRequest& request) {
    help_shown.push_back({owner, document, request});
    return help_answer;
}

DesktopOpen FakePlatform::OpenWithDesktop(const std::string& path_or_address) {
    desktop_opened.push_back(path_or_address);
    return desktop_answer;
}

bool FakePlatform::StartProgram(const std::string& program,
                                const std::vector<std::string>& arguments) {
    programs_started.push_back({program, arguments});
    return start_answer;
}

ScopedFakePlatform::ScopedFakePlatform() {
    auto fake = std::make_unique<FakePlatform>();
    fake_ = fake.get();
    previous_ = InstallPlatform(std::move(fake));
}

ScopedFakePlatform::~ScopedFakePlatform() {
    InstallPlatform(std::move(previous_));
}

}  // namespace windlass
