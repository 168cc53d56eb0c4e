#include "qt/qt_application.h"

#include <QApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"

namespace windlass::qt {
namespace {

// What the platform plugin said last while the application was being created: the reason
// to name when the plugin then gives up.
std::string& LastPluginComplaint() {
    static std::string complaint;
    return complaint;
}

std::string ProgramName() {
    std::string path = ThePlatform().Os().ExecutablePath();
    std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.empty() ? std::string("windlass") : name;
}

[[noreturn]] void FailWithoutDisplay(const std::string& reason) {
    std::string line = NoDisplayLine(ProgramName(), reason);
    std::fputs(line.c_str(), stderr);
    std::fputc('\n', stderr);
    std::fflush(nullptr);
    // The half-made application must not be torn down, and nothing of the program may run on
    // without it, so the process ends here and now.
    std::_Exit(kNoDisplayExitCode);
}

// Qt reports a platform plugin that cannot start with a fatal message and then aborts. While
// the application is being created, this handler turns that into the one-line explanation and
// keeps the plugin's earlier complaints to name the reason.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::string text = message.toStdString();
    std::size_t end_of_line = text.find('\n');
    if (end_of_line != std::string::npos) {
        text.resize(end_of_line);
    }
    if (type == QtFatalMsg) {
        std::string reason = LastPluginComplaint();
        FailWithoutDisplay(reason.empty() ? text : reason);
    }
    if (type != QtDebugMsg && type != QtInfoMsg) {
        LastPluginComplaint() = text;
    }
}

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

QApplication* CreateApplication() {
    // Qt's own environment decides which platform it loads, so the real environment is asked
    // here, never the toolkit's platform record.
    if (!IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        FailWithoutDisplay("DISPLAY is not set");
    }
    // Qt keeps references to both for the life of the application.
    static int argc = 1;
    static std::string program = ProgramName();
    static char* argv[] = {program.data(), nullptr};
    QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    auto* application = new QApplication(argc, argv);
    qInstallMessageHandler(previous);
    return application;
}

}  // namespace

std::string NoDisplayLine(const std::string& program, const std::string& reason) {
    return program + ": cannot open a display (" + reason + "); run under Xvfb (xvfb-run " +
           program + ") or use heatwise-cli";
}

QApplication& Application() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    // The application lives until the process ends; it is never deleted, because the process
    // ends through Platform::ExitProcess without running destructors.
    static QApplication* application = CreateApplication();
    return *application;
}

}  // namespace windlass::qt
