#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/MainMenuDlg.h"
#include "tools/scenario/BenchDeviceSource.h"
#include "tools/scenario/BenchPrinterPort.h"
#include "tools/scenario/ScenarioParser.h"
#include "tools/scenario/ScenarioPlayer.h"
#include "tools/scenario/headless/HeadlessScenarioDriver.h"
#include "tools/scenario/headless/HeadlessScreen.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

namespace lanvane::scenario {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Roads that do what a test asks of them.
class ScriptedRoads : public MenuWindows {
public:
    std::function<void(AppContext&)> ethernet = [](AppContext&) {};
    std::function<void(AppContext&)> serialUsb = [](AppContext&) {};

    void RunEthernetConfiguration(AppContext& context) override { ethernet(context); }
    void RunWlanConfiguration(AppContext&) override {}
    void RunSerialUsbConfiguration(AppContext& context) override { serialUsb(context); }
};

class ScenarioPlayerTest : public ::testing::Test {
protected:
    // Plays the scenario from the main menu to its end.
    const ScenarioPlayer& Play(std::string_view text) {
        scenario = ParseScenario(text, "test.scn", "/data");
        EXPECT_TRUE(scenario.errors.empty());
        player.emplace(scenario, bench);
        HeadlessScenarioDriver driver(*player);
        HeadlessBackend ui(driver);
        BenchPrinterPort port(bench);
        BenchDeviceSource devices(bench);
        AppContext context{ui, resources, roads, port, devices, lan};
        CMainMenuDlg menu(context);
        menu.DoModal();
        player->Next(HeadlessScreen(ui));
        return *player;
    }

    const ScenarioFailure& Failure() const {
        static const ScenarioFailure none;
        return player->Failure() ? *player->Failure() : none;
    }

    Scenario scenario;
    LanRoad lan;
    PrinterBench bench{lan};
    std::optional<ScenarioPlayer> player;
    ScriptedRoads roads;
    ResourceSet resources;
};

TEST_F(ScenarioPlayerTest, PassingScenarioRunsToItsEnd) {
    std::vector<std::string> picked;
    roads.ethernet = [&](AppContext& context) {
        context.ui.ShowMessageBox(nullptr, {"Found\nnothing", "Lanvane", MessageBoxIcon::None});
        picked = context.ui.ShowOpenFileDialog(nullptr, {"Open", "All|*|", false});
    };
    const auto& played = Play(
        "expect dialog 102\n"
        "expect title \"Vantrole Lanvane\"\n"
        "expect text 1000 \"Ethernet Configuration\"\n"
        "pick certs/ca.pem\n"
        "click 1000\n"
        "expect message \"Found\\nnothing\" caption \"Lanvane\" icon none\n"
        "expect enabled 1001\n"
        "click 2\n"
        "expect closed\n");
    EXPECT_TRUE(played.Passed()) << FormatFailure("test.scn", Failure());
    EXPECT_THAT(picked, ElementsAre("/data/certs/ca.pem"));
}

TEST_F(ScenarioPlayerTest, FirstMismatchStopsThePlayWithLineExpectedAndFound) {
    const auto& played = Play(
        "expect text 1000 \"Ethernet Configuration\"\n"
        "expect text 1001 \"LAN Configuration\"\n"
        "click 1000\n");
    EXPECT_FALSE(played.Passed());
    EXPECT_EQ(Failure().line, 2);
    EXPECT_EQ(Failure().command, "expect text 1001 \"LAN Configuration\"");
    EXPECT_EQ(Failure().mismatch.expected, "\"LAN Configuration\"");
    EXPECT_EQ(Failure().mismatch.found, "\"WLAN Configuration\"");
    EXPECT_EQ(FormatFailure("test.scn", Failure()),
              "test.scn:2: expect text 1001 \"LAN Configuration\"\n"
              "  expected: \"LAN Configuration\"\n"
              "  found:    \"WLAN Configuration\"\n");
}

TEST_F(ScenarioPlayerTest, MessageBoxNobodyExpectedStopsThePlay) {
    roads.ethernet = [](AppContext& context) {
        context.ui.ShowMessageBox(nullptr, {"Surprise", "Warning", MessageBoxIcon::Exclamation});
    };
    Play("click 1000\nclick 1001\n");
    EXPECT_EQ(Failure().line, 2);
    EXPECT_THAT(Failure().mismatch.found, HasSubstr("a message box is open: \"Surprise\""));
}

TEST_F(ScenarioPlayerTest, WrongCaptionOrIconIsAMismatch) {
    roads.ethernet = [](AppContext& context) {
        context.ui.ShowMessageBox(nullptr, {"Surprise", "Warning", MessageBoxIcon::Exclamation});
    };
    Play("click 1000\nexpect message \"Surprise\" caption \"Lanvane\"\n");
    EXPECT_EQ(Failure().line, 2);
    EXPECT_EQ(Failure().mismatch.found, "message \"Surprise\" caption \"Warning\" icon exclamation");
}

TEST_F(ScenarioPlayerTest, ControlsOfTheWindowOnTopAreCheckedAndDisabledOnesRefuseClicks) {
    roads.serialUsb = [](AppContext& context) {
        Dialog window(context.ui, *FindDialogTemplate(dlg::kInterfaceConfig));
        window.DoModal();
    };
    const auto& played = Play(
        "click 1002\n"
        "expect dialog 141\n"
        "expect enabled 1016\n"
        "expect disabled 1017\n"
        "expect unchecked 1076\n"
        "click 1076\n"
        "expect checked 1076\n"
        "expect focus 1076\n"
        "expect items 1005\n"
        "click 1017\n");
    EXPECT_FALSE(played.Passed());
    EXPECT_EQ(Failure().line, 10);
    EXPECT_EQ(Failure().mismatch.found, "it is disabled");
}

TEST_F(ScenarioPlayerTest, PrinterCommandsWorkOnTheBench) {
    Play(
        "printer usb layout=2 ssid=\"Cafe\"\n"
        "expect printer ssid \"Cafe\"\n"
        "expect printer 1 p2pPinCode \"12345670\"\n"
        "expect printer certificate ca none\n"
        "expect printer requests if-get 0\n"
        "expect printer 2 ssid \"Cafe\"\n");
    EXPECT_EQ(bench.Count(), 1);
    EXPECT_EQ(Failure().line, 6);
    EXPECT_EQ(Failure().mismatch.found, "1 printers started");
}

TEST_F(ScenarioPlayerTest, LanPrintersJoinTheRoadsNetworkAndTakeOnlyLanFaults) {
    Play(
        "printer lan wlan\n"
        "printer lan wlan port=9300\n"
        "expect printer 1 ip \"127.0.20.1\"\n"
        "expect printer port \"9300\"\n"
        "expect printer requests search 0\n"
        "printer faults fault=silent-search\n"
        "printer faults no-answer-to=if-set\n");
    EXPECT_EQ(Failure().line, 7);
    EXPECT_EQ(Failure().mismatch.found, "no-answer-to=if-set");
    EXPECT_EQ(lan.network.broadcastAddress, LanNetworkOptions::kLimitedBroadcast) << "the world sets the broadcast";
    EXPECT_NE(lan.network.wlan.printerPort, 0);
    EXPECT_EQ(lan.network.ethernet.printerPort, 48781) << "no Ethernet printer was started";
    EXPECT_NE(lan.surveyPort, CTcpLink::kPrinterPort) << "the survey goes to the printers' own port";
}

TEST_F(ScenarioPlayerTest, NothingCanBeDoneAfterTheProgramEnded) {
    const auto& played = Play("click 2\nexpect closed\nexpect printer requests if-get 0\nclick 1000\n");
    EXPECT_FALSE(played.Passed());
    EXPECT_EQ(Failure().line, 3) << "no printer was started";
    Play("click 2\nadvance 10\n");
    EXPECT_EQ(Failure().line, 2);
    EXPECT_EQ(Failure().mismatch.found, "the program has ended");
}

TEST_F(ScenarioPlayerTest, ExpectingClosedWhileTheMenuIsOpenFails) {
    Play("expect closed\n");
    EXPECT_EQ(Failure().mismatch.found, "window 102 is open");
}

}  // namespace
}  // namespace lanvane::scenario
