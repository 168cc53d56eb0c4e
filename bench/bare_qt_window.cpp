// The yardstick of the program's start-up: a bare Qt Widgets program that creates its
// application object and an empty main window, shows the window, and writes the line
// "first wait" on standard output where its start-up is over. Its one argument says where:
//   loop-entry  just before its event loop first runs, the point at which Heatwise stops when
//               its start-up is timed (its first wait, before the window's first paint);
//   idle        once it has dealt with every event there is without waiting for more, the
//               window's first paint among them;
//   label       just before its event loop first runs, as loop-entry, but with one line of
//               text in the window: the window's first text makes Qt set up its fonts, which
//               an empty window never needs and any window with text does.
// The line is flushed at once, so that the clock of the process that started this one stops
// there, and the program then ends normally.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdio>
#include <cstring>

namespace {

void ReportStartUpOver() {
    std::fputs("first wait\n", stdout);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const bool at_idle = argc == 2 && std::strcmp(argv[1], "idle") == 0;
    const bool with_label = argc == 2 && std::strcmp(argv[1], "label") == 0;
    if (argc != 2 || (!at_idle && !with_label && std::strcmp(argv[1], "loop-entry") != 0)) {
        std::fprintf(stderr, "usage: %s loop-entry|idle|label\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    QMainWindow window;
    if (with_label) {
        window.setCentralWidget(new QLabel("Heating and cooling by the bin method"));
    }
    window.show();
    if (!at_idle) {
        ReportStartUpOver();
        return 0;
    }
    // Each round dispatches what is there without blocking; the window is exposed in one round
    // and painted in the same or the next. The first round that finds nothing ends the wait.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    while (dispatcher->processEvents(QEventLoop::AllEvents)) {
    }
    ReportStartUpOver();
    return 0;
}
