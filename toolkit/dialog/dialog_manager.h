// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "window/form_embedding.h"

namespace windlass {

// Offers the dialog manager to the main window and to message boxes: WindowOpen2 can then
// show a form as its client area, WindowClose unloads every dialog, and a message box is
// owned by the active dialog and disables the others while it is up. Done as the toolkit
// initialises; doing it again changes nothing.
void InstallDialogManager();

// The three parts of that offer, for the main window's use.
FormTest TestForm(int dialog_id);
void EmbedForm(int dialog_id, WindowHandle frame, WindowHandle client);

}  // namespace windlass
