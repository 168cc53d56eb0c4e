#include "qt/qt_application.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/platform.h"

namespace windlass::qt {
namespace {

// The platform that needs no display, where the application runs when none can be opened.
constexpr const char* kFallbackPlatform = "offscreen";

// What the platform plugins said last while the application was being created: the reason to
// name when none of those asked for could start.
std::string& LastPluginComplaint() {
    static std::string complaint;
    return complaint;
}

std::optional<std::string>& Problem() {
    static std::optional<std::string> problem;
    return problem;
}

std::string ProgramName() {
    std::string path = ThePlatform().Os().ExecutablePath();
    std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.empty() ? std::string("windlass") : name;
}

// Only a complaint of the platform plugins tells why a display could not be opened; what else
// is said meanwhile (a missing runtime folder, say) is no reason.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    std::string text = message.trimmed().toStdString();
    std::size_t end_of_line = text.find('\n');
    if (end_of_line != std::string::npos) {
        text.resize(end_of_line);
    }
    if (type == QtFatalMsg) {
        // Qt goes no further after a fatal message, and the offscreen platform needs nothing
        // outside the process, so this is a broken Qt installation: the program cannot run.
        std::string reason = LastPluginComplaint().empty() ? text : LastPluginComplaint();
        std::fprintf(stderr, "%s: Qt cannot start (%s)\n", ProgramName().c_str(), reason.c_str());
        std::fflush(nullptr);
        std::_Exit(1);
    }
    const bool of_a_plugin =
        context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (of_a_plugin && type != QtDebugMsg && type != QtInfoMsg) {
        LastPluginComplaint() = text;
    }
}

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// The platforms Qt tries, in its order: the user's choice, else Qt's own for the session, the
// Wayland compositor before the X server where there is one.
QString RequestedPlatforms() {
    if (IsSet("QT_QPA_PLATFORM")) {
        return QString::fromLocal8Bit(std::getenv("QT_QPA_PLATFORM"));
    }
    const char* session = std::getenv("XDG_SESSION_TYPE");
    if (IsSet("WAYLAND_DISPLAY") || (session != nullptr && std::strcmp(session, "wayland") == 0)) {
        return QStringLiteral("wayland;xcb");
    }
    return QStringLiteral("xcb");
}

// The names of a list such as "wayland;xcb:option=1", without their options.
QStringList PlatformNames(const QString& platforms) {
    QStringList names;
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        names << entry.section(QLatin1Char(':'), 0, 0);
    }
    return names;
}

QApplication* CreateApplication() {
    // Qt's own environment decides which platform it loads, so the real environment is asked
    // here, never the toolkit's platform record.
    QString requested = RequestedPlatforms();
    QString platforms = requested;
    const bool nothing_to_open =
        !IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY");
    if (nothing_to_open) {
        platforms = QString::fromLatin1(kFallbackPlatform);
    } else if (!PlatformNames(requested).contains(QLatin1String(kFallbackPlatform))) {
        // Qt tries the platforms of a list in turn: the last one always starts, so that a
        // display that cannot be opened leaves the program running rather than ended by Qt.
        platforms += QLatin1Char(';') + QLatin1String(kFallbackPlatform);
    }
    // Qt keeps references to all of them for the life of the application.
    static std::string program = ProgramName();
    static std::string platform_option = "-platform";
    static std::string platform_list = platforms.toStdString();
    static char* argv[] = {program.data(), platform_option.data(), platform_list.data(), nullptr};
    static int argc = 3;
    QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    auto* application = new QApplication(argc, argv);
    qInstallMessageHandler(previous);
    if (nothing_to_open) {
        Problem() = "DISPLAY is not set";
    } else if (!PlatformNames(requested).contains(QGuiApplication::platformName())) {
        const std::string& complaint = LastPluginComplaint();
        Problem() = complaint.empty()
                        ? "no Qt platform of \"" + requested.toStdString() + "\" could start"
                        : complaint;
    }
    return application;
}

}  // namespace

QApplication& Application() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    // The application lives until the process ends; it is never deleted, because the process
    // ends through Platform::ExitProcess without running destructors.
    static QApplication* application = CreateApplication();
    return *application;
}

const std::optional<std::string>& DisplayProblem() {
    Application();
    return Problem();
}

bool HasDisplay() {
    return !DisplayProblem().has_value();
}

}  // namespace windlass::qt
