// The program's start-up: the main window with its menu, form and status bar, the climate
// data, and the form as the user first sees it.
#pragma once

#include <array>
#include <string_view>

#include "engine/climate_data.h"
#include "program_state.h"

namespace heatwise {

inline constexpr std::string_view kWindowTitle = "Heatwise 2.0";

// One text for each part of the status bar, left to right: where the maker is, who the maker
// is, and since when. The leading tab centres each text in its part.
inline constexpr std::array<std::string_view, 3> kStatusTexts = {
    "\tBozeman, Montana", "\tQuillmoor Software, Inc.", "\tFounded in 1984"};

// The exit code of a start that found a climate file it cannot use.
inline constexpr int kDataFaultExitCode = 2;

// The exit code of a start that found no display to show the window on.
inline constexpr int kNoDisplayExitCode = 1;

// Initialises the toolkit and, when there is no display to show the window on, tells the
// user in one line on standard error why not and what to do instead, and ends the program with
// kNoDisplayExitCode. Then opens the main window with the menu and the form, loads the
// climate files from the working directory, shows the first city's hours as they stand in
// the file, sets up the status bar, sets the ranges of the input fields, writes the three
// prices and efficiencies with two decimals and lets field changes through as messages. No
// recalculation runs here: until the first change the city values, percentages and costs show
// what the form itself holds. A climate file that cannot be used ends the program here.
void StartUp(ProgramState& state);

// Tells the user, on standard error and in a message box over the open main window, which
// climate file cannot be used and why, then ends the program with kDataFaultExitCode.
[[noreturn]] void EndWithDataFault(const DataError& fault);

}  // namespace heatwise
