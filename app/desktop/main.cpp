// lanvane: the desktop program. The main menu and its windows on Qt 6 Widgets, against the
// system's printers, or with --demo against simulated printers started inside it.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "LanvaneVersion.h"
#include "app/AppContext.h"
#include "app/AppWindows.h"
#include "app/ProgramDevices.h"
#include "app/ScreenshotTour.h"
#include "app/SetupApp.h"
#include "app/SystemLanguage.h"
#include "app/demo/DemoPrinters.h"
#include "app/desktop/DesktopOptions.h"
#include "app/desktop/QtTourBackend.h"
#include "app/desktop/ShownSignal.h"
#include "app/desktop/ToolkitMessageFilter.h"
#include "app/posix/DlopenLanguageLoader.h"
#include "link/InterruptRelease.h"
#include "ui/qt/QtBackend.h"

namespace {

using namespace lanvane;

QStringList RawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    return arguments;
}

// --help and --version need no screen, so they are answered before the toolkit looks for one.
std::optional<int> AnswerWithoutScreen(int argc, char** argv) {
    const ParsedOptions parsed = ParseDesktopOptions(RawArguments(argc, argv));
    if (parsed.options.help) {
        std::fputs(DesktopUsage().c_str(), stdout);
        return 0;
    }
    if (parsed.options.version) {
        std::printf("lanvane %s\n", kLanvaneVersion);
        return 0;
    }
    return std::nullopt;
}

// Pictures are taken offscreen unless a platform was chosen: nothing flashes on the screen
// and every run draws the same.
void ChoosePlatform(int argc, char** argv) {
    const QStringList arguments = RawArguments(argc, argv);
    const bool screenshots = arguments.contains(QStringLiteral("--screenshots")) ||
                             !arguments.filter(QStringLiteral("--screenshots=")).isEmpty();
    if (screenshots && !arguments.contains(QStringLiteral("-platform")) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

int ReportTour(const ScreenshotTour& tour) {
    for (const std::string& path : tour.Saved()) {
        std::printf("%s\n", path.c_str());
    }
    for (const std::string& problem : tour.Problems()) {
        std::fprintf(stderr, "lanvane: %s\n", problem.c_str());
    }
    return tour.Succeeded() ? 0 : 1;
}

int RunDesktop(int argc, char** argv) {
    if (const std::optional<int> status = AnswerWithoutScreen(argc, argv)) {
        return *status;
    }
    ChoosePlatform(argc, argv);
    InstallToolkitMessageFilter();
    QApplication application(argc, argv);
    const ParsedOptions parsed = ParseDesktopOptions(QApplication::arguments());
    if (parsed.error) {
        std::fprintf(stderr, "lanvane: %s\n%s", parsed.error->c_str(), DesktopUsage().c_str());
        return 2;
    }
    const DesktopOptions& options = parsed.options;
    ReleaseDevicesOnInterrupt("lanvane");
    QApplication::setApplicationName(QStringLiteral("Lanvane"));
    QApplication::setDesktopFileName(QStringLiteral("org.lanvane.Lanvane"));
    QApplication::setQuitOnLastWindowClosed(false);
    ExitWhenMainMenuShownIfAsked();

    QtBackend ui;
    // The backend's icon serves its windows; the application takes the same.
    QApplication::setWindowIcon(ui.Icon());
    DlopenLanguageLoader loader;
    CSetupApp app(SystemDefaultLanguageId(), loader);
    app.InitInstance();
    for (const std::string& problem : loader.Problems()) {
        std::fprintf(stderr, "lanvane: %s\n", problem.c_str());
    }

    ProgramDevices devices(options.broadcastAddress);
    DemoPrinters demo;
    if (options.demo) {
        std::string problem;
        std::vector<std::string> warnings;
        if (!demo.Start(problem, warnings)) {
            std::fprintf(stderr, "lanvane: the demo cannot start: %s\n", problem.c_str());
            return 1;
        }
        for (const std::string& warning : warnings) {
            std::fprintf(stderr, "lanvane: %s\n", warning.c_str());
        }
        devices.port = &demo.usb.Port(devices.systemPort);
        devices.deviceSource = &demo.usb.Devices();
        devices.lan.network = demo.lan.Network(options.broadcastAddress);
    }
    AppWindows windows;
    AppContext context{ui, app.Resources(), windows, *devices.port, *devices.deviceSource, devices.lan};

    QtTourBackend tourUi(ui, options.screenshotFolder);
    std::optional<ScreenshotTour> tour;
    if (!options.screenshotFolder.empty()) {
        QDir().mkpath(QString::fromStdString(options.screenshotFolder));
        tour.emplace(tourUi);
        tour->Start();
    }
    app.Run(context);
    return tour ? ReportTour(*tour) : 0;
}

}  // namespace

// Whatever fails unforeseen ends the program with its reason and status 1, never an abort.
int main(int argc, char** argv) {
    try {
        return RunDesktop(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lanvane: %s\n", error.what());
    } catch (...) {
        std::fputs("lanvane: an unknown failure\n", stderr);
    }
    return 1;
}
