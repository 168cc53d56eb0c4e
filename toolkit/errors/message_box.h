// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "platform/platform.h"

namespace windlass {

// What the last dialog and the last message box left behind, as WInfoDialog() reports it.
struct DialogExitState {
    // Item 2: the field that ended the last dialog; a message box sets it to 0.
    int exit_field = 0;
    // Item 4: the button that ended the last message box: 1 OK, Retry or Yes; 0 Cancel or
    // Ignore; 2 Abort or No; -1 when the box failed.
    int exit_button = 0;
};

DialogExitState& DialogExit();

// The box that WMessageBox() asks the platform for, before texts and owner are added: the
// button set, the icon and the button that has the focus first.
MessageBoxRequest BoxLayout(int btype, int icon, int idefault);

// Shows a box and gives the button pressed, or Failed. Where nobody can answer a box, none is
// shown: its title and text go to standard error and the answer is the box's default button,
// so that a program run without a user goes on, or ends, as if the user had pressed it. Every
// box of the toolkit goes through here.
BoxAnswer AskWithBox(const MessageBoxRequest& request);

// The exit button value of a pressed button.
int ExitButtonOf(BoxAnswer answer);

}  // namespace windlass
