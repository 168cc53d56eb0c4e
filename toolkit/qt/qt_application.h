// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>

class QApplication;

namespace windlass::qt {

// The program's QApplication, created on first need. When no display can be opened, the
// program says so in one line on standard error and ends with kNoDisplayExitCode; it never
// comes back without an application.
QApplication& Application();

// The exit code of a program that found no display to open.
inline constexpr int kNoDisplayExitCode = 1;

// The line that explains a missing display, naming the reason and the way out.
std::string NoDisplayLine(const std::string& program, const std::string& reason);

}  // namespace windlass::qt
