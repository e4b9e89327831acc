// lanvane.exe: the desktop program on Windows. The main menu and its windows as native
// dialogs, against the system's printers, or with --demo against simulated printers.
#include "ui/win32/WindowsHeader.h"
#include <shellapi.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <string>
#include <vector>

#include "LanvaneVersion.h"
#include "app/AppContext.h"
#include "app/AppWindows.h"
#include "app/LanRoad.h"
#include "app/ProgramDevices.h"
#include "app/ScreenshotTour.h"
#include "app/SetupApp.h"
#include "app/SystemLanguage.h"
#include "app/win32/LoadLibraryLanguageLoader.h"
#include "app/win32desktop/ConsoleText.h"
#include "app/win32desktop/Win32Demo.h"
#include "app/win32desktop/Win32DesktopOptions.h"
#include "app/win32desktop/Win32TourBackend.h"
#include "link/InterruptRelease.h"
#include "platform/win32/WideText.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Script.h"

namespace {

using namespace lanvane;

// A script that closes windows left open gives up after this.
constexpr int kClosingLimitMs = 10000;

std::vector<std::string> Utf8Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int index = 0; index < count; ++index) {
        arguments.push_back(win32::WideToUtf8(wide[index]));
    }
    LocalFree(wide);
    return arguments;
}

// --help, --version and a wrong option are answered before any window shows.
std::optional<int> AnswerWithoutWindows(const ParsedWin32Options& parsed) {
    if (parsed.options.help) {
        ShowText(Win32DesktopUsage(), false);
        return 0;
    }
    if (parsed.options.version) {
        ShowText(std::string("lanvane ") + kLanvaneVersion + "\n", false);
        return 0;
    }
    if (parsed.error) {
        ShowText("lanvane: " + *parsed.error + "\n" + Win32DesktopUsage(), true);
        return 2;
    }
    return std::nullopt;
}

// Starts the demo's printers and points both roads at them; false when it cannot.
bool StartDemo(Win32Demo* demo, const Win32DesktopOptions& options, LanRoad& lan) {
    if (demo == nullptr) {
        ShowText("lanvane: this build has no demo\n", true);
        return false;
    }
    std::string problem;
    std::vector<std::string> warnings;
    if (!demo->Start(problem, warnings)) {
        ShowText("lanvane: the demo cannot start: " + problem + "\n", true);
        return false;
    }
    for (const std::string& warning : warnings) {
        ShowText("lanvane: " + warning + "\n", true);
    }
    lan.network = demo->Network(options.broadcastAddress);
    return true;
}

bool MainMenuShown(const Win32Backend& ui) {
    const Dialog* menu = ui.ActiveDialog();
    const Win32DialogWindow* window = menu == nullptr ? nullptr : ui.WindowOf(*menu);
    return window != nullptr && window->Handle() != nullptr && IsWindowVisible(window->Handle()) != FALSE;
}

// Closes the main menu a while after it shows, and whatever it opened: the program's
// start and its windows can be checked without a user.
std::unique_ptr<Win32Script> CloseAfter(Win32Backend& ui, int delayMs) {
    auto script = std::make_unique<Win32Script>(ui, delayMs + kClosingLimitMs, [&ui] {
        ui.CancelInnermost();
        return ui.ModalDepth() == 0;
    });
    script->WaitUntil([&ui] { return MainMenuShown(ui); })
        .Pause(delayMs)
        .Then([&ui] {
            while (ui.ModalDepth() > 1) {
                ui.CloseInnermost();
            }
            ui.CancelInnermost();
        });
    script->Start();
    return script;
}

std::unique_ptr<ScreenshotTour> StartTour(TourBackend& tourUi, const std::string& folder) {
    std::error_code ignored;  // a folder that cannot be made fails every picture, and says so
    std::filesystem::create_directories(std::filesystem::path(win32::Utf8ToWide(folder)), ignored);
    auto tour = std::make_unique<ScreenshotTour>(tourUi);
    tour->Start();
    return tour;
}

int ReportTour(const ScreenshotTour& tour) {
    std::string saved;
    for (const std::string& path : tour.Saved()) {
        saved += path + "\n";
    }
    ShowText(saved, false);
    std::string problems;
    for (const std::string& problem : tour.Problems()) {
        problems += "lanvane: " + problem + "\n";
    }
    if (!problems.empty()) {
        ShowText(problems, true);
    }
    return tour.Succeeded() ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/) {
    const ParsedWin32Options parsed = ParseWin32DesktopOptions(Utf8Arguments());
    if (const std::optional<int> status = AnswerWithoutWindows(parsed)) {
        return *status;
    }
    const Win32DesktopOptions& options = parsed.options;
    ReleaseDevicesOnInterrupt("lanvane");

    Win32Backend ui;
    LoadLibraryLanguageLoader loader;
    CSetupApp app(SystemDefaultLanguageId(), loader);
    app.InitInstance();

    ProgramDevices devices(options.broadcastAddress);
    const std::unique_ptr<Win32Demo> demo = options.demo ? MakeWin32Demo() : nullptr;
    if (options.demo) {
        if (!StartDemo(demo.get(), options, devices.lan)) {
            return 1;
        }
        devices.deviceSource = &demo->Devices();
        devices.port = &demo->Port(devices.systemPort);
    }
    AppWindows windows;
    AppContext context{ui, app.Resources(), windows, *devices.port, *devices.deviceSource, devices.lan};
    const auto closing = options.closeAfterMs ? CloseAfter(ui, *options.closeAfterMs) : nullptr;
    Win32TourBackend tourUi(ui, options.screenshotFolder);
    const auto tour = options.screenshotFolder.empty() ? nullptr : StartTour(tourUi, options.screenshotFolder);
    app.Run(context);
    if (tour) {
        return ReportTour(*tour);
    }
    return closing && !closing->Finished() ? 1 : 0;
}
