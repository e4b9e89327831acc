#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainMenuDlg.h"
#include "app/SetupApp.h"
#include "link/ListedDeviceSource.h"
#include "resources/ResourceIds.h"
#include "sim/SimulatedPrinterPort.h"
#include "ui/headless/HeadlessBackend.h"
#include "tools/driver/ScriptedDriver.h"

namespace lanvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Records which road ran and whether the menu was disabled meanwhile.
class RecordingWindows : public MenuWindows {
public:
    explicit RecordingWindows(const HeadlessBackend& ui) : ui_(ui) {}

    void RunEthernetConfiguration(AppContext&) override { Record("ethernet"); }
    void RunWlanConfiguration(AppContext&) override { Record("wlan"); }
    void RunSerialUsbConfiguration(AppContext&) override { Record("serial/usb"); }

    std::vector<std::string> roads;

private:
    void Record(const std::string& road) {
        const Dialog* menu = ui_.ActiveDialog();
        roads.push_back(road + (menu != nullptr && !menu->IsWindowEnabled() ? " (menu disabled)" : " (menu enabled)"));
    }

    const HeadlessBackend& ui_;
};

class MainMenuTest : public ::testing::Test {
protected:
    ScriptedDriver driver;
    HeadlessBackend ui{driver};
    RecordingWindows windows{ui};
    ResourceSet resources;
    sim::SimulatedPrinter printer;
    sim::SimulatedPrinterPort port{printer, "usb-1"};
    ListedDeviceSource devices;
    LanRoad lan;
    AppContext context{ui, resources, windows, port, devices, lan};
};

TEST_F(MainMenuTest, EachButtonRunsItsRoadWhileTheMenuWaitsDisabled) {
    bool enabledAfter = false;
    driver.Then(Step::Click(ctl::kEthernetButton))
        .Then(Step::Click(ctl::kWlanButton))
        .Then(Step::Click(ctl::kSerialUsbButton))
        .Inspect([&](const HeadlessBackend& backend) { enabledAfter = backend.ActiveDialog()->IsWindowEnabled(); })
        .Then(Step::Click(ctl::kCancel));
    CMainMenuDlg menu(context);
    EXPECT_EQ(menu.DoModal(), kIdCancel);
    EXPECT_THAT(windows.roads,
                ElementsAre("ethernet (menu disabled)", "wlan (menu disabled)", "serial/usb (menu disabled)"));
    EXPECT_TRUE(enabledAfter);
    EXPECT_THAT(driver.Rejections(), IsEmpty());
    EXPECT_THAT(ui.MessageBoxes(), IsEmpty());
    EXPECT_TRUE(driver.Finished()) << "Exit ended the menu";
}

TEST_F(MainMenuTest, MenuShowsTheTemplateOfTheResourcesInUse) {
    driver.Inspect([](const HeadlessBackend& backend) {
        const Dialog& menu = *backend.ActiveDialog();
        EXPECT_EQ(menu.GetWindowText(), "Vantrole Lanvane");
        EXPECT_EQ(menu.GetDlgItemText(ctl::kEthernetButton), "Ethernet Configuration");
        EXPECT_EQ(menu.GetDlgItemText(ctl::kSerialUsbButton), "Serial/USB Configuration");
        EXPECT_EQ(menu.GetDlgItemText(ctl::kCancel), "Exit");
    });
    CMainMenuDlg menu(context);
    menu.DoModal();
    EXPECT_THAT(windows.roads, IsEmpty()) << "closing the loop does not press a road button";
}

TEST_F(MainMenuTest, SetupAppRunsTheMenuUntilItCloses) {
    struct NoLibraries : LanguageLibraryLoader {
        const LanguageResources* Load(const std::string&) override { return nullptr; }
    } loader;
    CSetupApp app(0x0407, loader);
    app.InitInstance();
    AppContext appContext{ui, app.Resources(), windows, port, devices, lan};
    driver.Then(Step::PressCancel()).Then(Step::Click(ctl::kEthernetButton));
    EXPECT_EQ(app.Run(appContext), kIdCancel);
    EXPECT_THAT(windows.roads, IsEmpty()) << "Escape closed the menu before the click";
}

}  // namespace
}  // namespace lanvane
