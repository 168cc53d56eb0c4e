// The dialog operations of a platform without windows: no dialog can be made, and every
// control call fails or reads nothing.
#include "platform/platform.h"

namespace windlass {

WindowHandle Platform::CreateDialog(const DialogTemplate&, WindowHandle, DialogListener&) {
    return nullptr;
}

PixelSize Platform::DialogSize(WindowHandle) {
    return {};
}

int Platform::ControlCount(WindowHandle) {
    return 0;
}

WindowHandle Platform::Control(WindowHandle, int) {
    return nullptr;
}

void Platform::MoveDialog(WindowHandle, int, int) {}

void Platform::ShowDialog(WindowHandle, DialogShowMode) {}

void Platform::EndModalDialog(WindowHandle) {}

void Platform::HideDialog(WindowHandle) {}

void Platform::DestroyDialog(WindowHandle) {}

void Platform::SetDialogTitle(WindowHandle, const std::string&) {}

void Platform::EnableWindow(WindowHandle, Enable) {}

std::string Platform::ControlText(WindowHandle) {
    return {};
}

bool Platform::SetControlText(WindowHandle, const std::string&) {
    return false;
}

bool Platform::IsModified(WindowHandle) {
    return false;
}

void Platform::SetModified(WindowHandle, bool) {}

void Platform::SetTextLimit(WindowHandle, int) {}

int Platform::CheckState(WindowHandle) {
    return 0;
}

bool Platform::SetCheckState(WindowHandle, int) {
    return false;
}

void Platform::ClearEntries(WindowHandle) {}

void Platform::AddEntry(WindowHandle, const std::string&) {}

int Platform::EntryCount(WindowHandle) {
    return 0;
}

std::string Platform::EntryText(WindowHandle, int) {
    return {};
}

int Platform::Selection(WindowHandle) {
    return -1;
}

bool Platform::Select(WindowHandle, int) {
    return false;
}

int Platform::FindExactEntry(WindowHandle, const std::string&) {
    return -1;
}

void Platform::SetSpinRange(WindowHandle, int, int) {}

void Platform::FocusControl(WindowHandle, SelectText) {}

WindowHandle Platform::FocusedControl() {
    return nullptr;
}

bool Platform::CanFocus(WindowHandle) {
    return false;
}

void Platform::SetDefaultLook(WindowHandle, DefaultLook) {}

DefaultLook Platform::LookOf(WindowHandle) {
    return DefaultLook::Plain;
}

void Platform::MakeButtonAutomatic(WindowHandle) {}

void Platform::SetAccessibleText(WindowHandle, const std::string&, const std::string&) {}

}  // namespace windlass
