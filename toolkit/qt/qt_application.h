// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>
#include <string>

class QApplication;

namespace windlass::qt {

// The program's QApplication, created on first need; it always comes back. When no display
// can be opened it runs on Qt's offscreen platform, where what needs no window (the MIME
// database, the desktop's lists) still works, and DisplayProblem() says why no window can be
// shown.
QApplication& Application();

// Why the program's windows cannot be shown; nothing while the display Qt opened, or the
// platform the user chose for Qt (an offscreen one among them), serves them. Creates the
// application first.
const std::optional<std::string>& DisplayProblem();

// Whether the program's windows can be shown: no DisplayProblem().
bool HasDisplay();

}  // namespace windlass::qt
