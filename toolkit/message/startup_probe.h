// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

namespace windlass {

// Start-up timing from outside the process. A program built to have its start-up timed (such
// as heatwise-startup-probe, made from Heatwise's own sources) arms this stop before it starts.
// The first time WMessage then has nothing to hand over and would wait on the platform, it
// writes the line "first wait" on standard output, and that wait ends at once with a close
// request for the main window. The program has then done its whole start-up and ends by its
// own close path, so a clock outside the process can time the start-up to the line, and the
// process's peak memory can be read when it has ended. A program that has turned close
// requests off goes on to wait as usual. Nothing in a program's environment or command line
// arms the stop: only a program built for it stops.
//
// Armed for the first paint, the stop lets the platform first deal with every event it has,
// the windows' first paint among them, and writes its line only when the platform would have
// to wait for more: the start-up then includes what the user first sees drawn.
enum class FirstWaitStop { Off, Armed, ArmedAfterPaint, Passed };

// Where an armed run stops: at its first wait, or at that wait once the windows are painted.
enum class StopPoint { FirstWait, FirstPaint };

// The stop of this process; part of the toolkit's state.
FirstWaitStop& StartupStop();

// Arms the stop; called once, before the program starts.
void ArmFirstWaitStop(StopPoint point = StopPoint::FirstWait);

// True once, at the first wait of an armed run, after the line has been written; false at
// every other wait and in every run that is not armed.
bool FirstWaitEndsRun();

}  // namespace windlass
