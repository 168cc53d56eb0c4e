// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string_view>

namespace windlass {

// Start-up timing. A program started with WINDLASS_EXIT_AT_FIRST_WAIT=1 in its environment
// writes the line "first wait" on its standard output the first time WMessage has nothing
// to hand over and would wait on the platform, and that wait ends at once with a close
// request for the main window. The program has then done its whole start-up and ends by its
// own close path, so a clock outside the process can time the start-up to the line, and the
// process's peak memory can be read when it has ended. A program that has turned close
// requests off goes on to wait as usual. In any other run nothing changes.
inline constexpr std::string_view kFirstWaitExitVariable = "WINDLASS_EXIT_AT_FIRST_WAIT";

// True once, at the first wait of a run started as above, after the line has been written;
// false at every other wait and in every other run. The environment is read at the first
// wait only.
bool FirstWaitEndsRun();

}  // namespace windlass
