#include "cli/DiscoverCommand.h"
#include "cli/LanCommonOptions.h"
#include "cli/PlanCommand.h"
#include "cli/Reporter.h"
#include "cli/SetIpCommand.h"
#include "cli/WebCommand.h"

#include "link/UdpSocket.h"
#include "resources/StringIds.h"
#include "sim/LanPrinterFleet.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>

namespace lanvane::cli {
namespace {

using namespace std::chrono_literals;

std::string TextOf(int messageId) {
    return ShellWords(EnglishStringTable().Text(messageId));
}

// Simulated printers on the loopback broadcast, and the options that reach them.
class LanCommandsTest : public ::testing::Test {
protected:
    void Start(int ethernet, int wlan) {
        fleet = std::make_unique<sim::LanPrinterFleet>(ethernet, wlan, sim::LanFaultPlan{}, sim::LanFleetPorts{});
        ASSERT_TRUE(fleet->Start());
    }

    LanCommonOptions Options(LanMode mode, bool json = false) const {
        LanCommonOptions options;
        options.mode = mode;
        options.targets = {{"127.255.255.255", ""}};
        options.printerPort = mode == LanMode::Ethernet ? fleet->EthernetPort() : fleet->WlanPort();
        options.localPort = 0;
        options.timeout = std::chrono::milliseconds(150);
        options.confirmationMs = 500;
        options.json = json;
        return options;
    }

    SetIpOptions SetIp(LanMode mode, std::string mac) const { return {Options(mode, true), std::move(mac)}; }

    // set-ip --plan - with the plan on the standard input; the progress lines go to `progress`.
    LanCommandResult RunPlan(const std::string& plan, bool dryRun = false) {
        return RunPlanWith(Options(LanMode::Ethernet, true), plan, dryRun);
    }
    LanCommandResult RunPlanWith(const LanCommonOptions& options, const std::string& plan, bool dryRun = false) {
        std::istringstream in(plan);
        std::ostringstream out;
        CliContext context(in, out, progress);
        return RunSetIpPlan({options, "-", dryRun}, context);
    }

    static std::vector<std::string> OutcomesOf(const LanCommandResult& result) {
        std::vector<std::string> outcomes;
        const nlohmann::json report = nlohmann::json::parse(result.output);
        for (const auto& printer : report["printers"]) {
            outcomes.push_back(printer["outcome"]);
        }
        return outcomes;
    }

    std::vector<int> SettingsTaken() const {
        std::vector<int> taken;
        for (const sim::LanPrinterResponder* printer : fleet->Printers()) {
            taken.push_back(printer->SettingsTaken());
        }
        return taken;
    }

    std::ostringstream progress;

    std::unique_ptr<sim::LanPrinterFleet> fleet;
};

// A search nobody answers says where it searched; one whose local port another program
// holds is told so, naming the port.
TEST_F(LanCommandsTest, DiscoverSaysWhyItFoundNothing) {
    Start(1, 0);
    CUdpSocket otherProgram;
    ASSERT_EQ(otherProgram.Bind(), UdpResult::Ok);
    LanCommonOptions options = Options(LanMode::Ethernet);
    options.printerPort = otherProgram.BoundPort();
    LanCommandResult result = RunDiscover(options, EnglishStringTable());
    EXPECT_EQ(result.status, ExitStatus::PrinterFailed);
    EXPECT_EQ(result.kind, ErrorKind::NothingFound);
    EXPECT_EQ(result.message, "no printer answered within 150 ms; searched 127.255.255.255");

    options.localPort = otherProgram.BoundPort();
    result = RunDiscover(options, EnglishStringTable());
    EXPECT_EQ(result.status, ExitStatus::NoDevice);
    EXPECT_EQ(result.kind, ErrorKind::Busy);
    EXPECT_EQ(result.message, "the UDP port " + std::to_string(otherProgram.BoundPort()) +
                                  " that the search answers to is in use by another program (another search running?)");
}

TEST(SearchTargetsTest, OnlyTheAutomaticSearchGoesToEveryInterface) {
    const std::vector<NetworkInterface> interfaces = {
        {"lo", "", true}, {"eth0", "10.1.255.255", true}, {"eth1", "10.2.255.255", false}, {"wlan0", "10.3.0.255", true}};
    LanCommonOptions options;
    EXPECT_EQ(ChooseSearchTargets(options, interfaces), std::nullopt);
    EXPECT_EQ(TargetsText(options.targets), "255.255.255.255, 10.1.255.255 (eth0), 10.3.0.255 (wlan0)");
    options.interfaceName = "wlan0";
    EXPECT_EQ(ChooseSearchTargets(options, interfaces), std::nullopt);
    EXPECT_EQ(TargetsText(options.targets), "10.3.0.255 (wlan0)");
    options.interfaceName = "lo";
    EXPECT_NE(ChooseSearchTargets(options, interfaces), std::nullopt);
    options.broadcast = "127.255.255.255";
    EXPECT_EQ(ChooseSearchTargets(options, interfaces), std::nullopt);
    EXPECT_EQ(TargetsText(options.targets), "127.255.255.255");
}

// The setting rules themselves are tested with the rules; here only that set-ip applies them,
// one case of each way a rule's message reaches the user.
TEST_F(LanCommandsTest, SetIpRefusesWhatTheSettingDialogRefuses) {
    Start(1, 0);
    const std::string mac = "00:1a:2b:e0:00:01";
    struct Case {
        std::function<void(SetIpOptions&)> change;
        ExitStatus status;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[](SetIpOptions& o) { o.mac = "00:1a:2b"; }, ExitStatus::BadUsage,
         "--mac 00:1a:2b is not a MAC address such as 00:1b:7e:3c:4d:5e"},
        {[](SetIpOptions& o) { o.mac = "00:1a:2b:e0:00:09"; }, ExitStatus::PrinterFailed,
         "no printer with the MAC address 00:1a:2b:e0:00:09 answered the search (sent to 127.255.255.255)"},
        {[](SetIpOptions& o) { o.port = 3318; }, ExitStatus::BadUsage, TextOf(sid::kPortNotAvailable)},
        {[](SetIpOptions& o) { o.mask = "255.0.255.0"; }, ExitStatus::BadUsage,
         "mask: \"255.0.255.0\" refused: " + TextOf(sid::kSubnetMaskInvalid)},
        {[](SetIpOptions& o) { o.ip = o.gateway = "10.0.0.5"; }, ExitStatus::BadUsage,
         "gateway: \"10.0.0.5\" refused: " + TextOf(sid::kGatewayIsPrinterAddress)},
        {[](SetIpOptions& o) { o.mask = "255.255.0"; }, ExitStatus::BadUsage,
         "--mask is not an address a.b.c.d: 255.255.0"},
        {[](SetIpOptions& o) { o.baud = 14400; }, ExitStatus::BadUsage,
         "--baud is not a rate the printer offers: 14400"},
    };
    for (const Case& test : cases) {
        SetIpOptions options = SetIp(LanMode::Ethernet, mac);
        test.change(options);
        const LanCommandResult result = RunSetIp(options, EnglishStringTable());
        EXPECT_EQ(result.status, test.status) << test.message;
        EXPECT_EQ(result.message, test.message);
    }
    EXPECT_EQ(fleet->Printers()[0]->SettingsTaken(), 0);
}

// Nothing is sent to a printer that already holds the settings, nor an address another
// printer holds, nor on a dry run; the report names the printer and what differs.
TEST_F(LanCommandsTest, SetIpSendsOnlyWhatChangesThePrinter) {
    Start(2, 0);
    SetIpOptions second = SetIp(LanMode::Ethernet, "00:1a:2b:e0:00:02");
    second.ip = "10.0.11.2", second.gateway = "10.0.0.1";
    ASSERT_EQ(RunSetIp(second, EnglishStringTable()).status, ExitStatus::Done);
    const struct {
        std::function<void(SetIpOptions&)> change;
        ExitStatus status;
        std::string outcome;  // empty for a refusal
        std::string message;
        int settingsTaken;
    } cases[] = {
        {[](SetIpOptions& o) { o.dhcp = false; }, ExitStatus::Done, "unchanged",
         "unchanged: the printer already holds these settings; nothing was sent", 0},
        {[](SetIpOptions& o) { o.ip = "10.0.11.2", o.gateway = "10.0.0.1"; }, ExitStatus::BadUsage, "",
         "10.0.11.2 is already the address of the printer 00:1a:2b:e0:00:02; nothing was sent", 0},
        {[](SetIpOptions& o) { o.port = 9101, o.dryRun = true; }, ExitStatus::Done, "would-send",
         "would-send: a dry run, nothing was sent", 0},
        {[](SetIpOptions& o) { o.port = 9101; }, ExitStatus::Done, "set", TextOf(sid::kEthernetSettingCompleted), 1},
    };
    for (const auto& test : cases) {
        SetIpOptions options = SetIp(LanMode::Ethernet, "00:1a:2b:e0:00:01");
        test.change(options);
        const LanCommandResult result = RunSetIp(options, EnglishStringTable());
        EXPECT_EQ(result.status, test.status) << test.message;
        EXPECT_EQ(result.message, test.message);
        EXPECT_EQ(SettingsTaken(), (std::vector<int>{test.settingsTaken, 1})) << test.message;
        if (test.outcome.empty()) {
            continue;
        }
        const nlohmann::json report = nlohmann::json::parse(result.output);
        EXPECT_EQ(report["macAddress"], "00:1a:2b:e0:00:01");
        EXPECT_EQ(report["outcome"], test.outcome);
        EXPECT_EQ(report["changed"], test.outcome != "unchanged");
        const nlohmann::json differences = test.outcome == "unchanged" ? nlohmann::json::array() : nlohmann::json::parse(
            R"([{"field": "printerPort", "before": 9100, "after": 9101}])");
        EXPECT_EQ(report["differences"], differences) << test.message;
    }
}

// A printer whose confirmation comes too late for its own wait does not confirm the next
// printer's setting, which that printer never answered.
TEST_F(LanCommandsTest, PlanTakesNoLateConfirmationForTheNextPrinter) {
    Start(2, 0);
    fleet->Printers()[0]->SetFaults({.replyDelay = 600ms});
    fleet->Printers()[1]->SetFaults({.silentToSetting = true});
    LanCommonOptions options = Options(LanMode::Ethernet, true);
    options.timeout = 1000ms;
    options.confirmationMs = 400;
    const LanCommandResult run =
        RunPlanWith(options, "mac,inactivity\n00:1a:2b:e0:00:01,60\n00:1a:2b:e0:00:02,60\n");
    EXPECT_EQ(OutcomesOf(run), (std::vector<std::string>{"not-confirmed", "not-confirmed"}));
    EXPECT_EQ(SettingsTaken(), (std::vector<int>{1, 1}));
}

// A missing printer, a silent one and a refused value do not stop the others; one that
// already holds its settings is sent nothing; a dry run judges the same and sends nothing.
TEST_F(LanCommandsTest, PlanReportsWhatBecameOfEachPrinter) {
    Start(5, 0);
    fleet->Printers()[2]->SetFaults({.silentToSetting = true});
    const std::string plan = "mac,ip,gateway,port\n"
                             "00:1a:2b:e0:00:01,10.0.11.1,10.0.0.1\n"
                             "00:1a:2b:e0:00:09,10.0.11.9,10.0.0.1\n"
                             "00:1a:2b:e0:00:03,10.0.11.3,10.0.0.1\n"
                             "00:1a:2b:e0:00:04,,,80\n"
                             "00:1a:2b:e0:00:05,127.0.10.5\n";
    const LanCommandResult dryRun = RunPlan(plan, true);
    EXPECT_EQ(dryRun.status, ExitStatus::PrinterFailed);
    EXPECT_EQ(OutcomesOf(dryRun),
              (std::vector<std::string>{"would-send", "not-found", "would-send", "refused", "unchanged"}));
    EXPECT_EQ(SettingsTaken(), (std::vector<int>{0, 0, 0, 0, 0}));

    progress.str("");
    const LanCommandResult run = RunPlan(plan);
    EXPECT_EQ(run.status, ExitStatus::PrinterFailed);
    EXPECT_EQ(OutcomesOf(run),
              (std::vector<std::string>{"set", "not-found", "not-confirmed", "refused", "unchanged"}));
    EXPECT_EQ(run.message, "1 set, 1 unchanged, 1 not found, 1 not confirmed, 1 refused");
    EXPECT_EQ(progress.str(), "[1/5] 00:1a:2b:e0:00:01 set\n"
                              "[2/5] 00:1a:2b:e0:00:09 not-found: no printer with this MAC address answered the search\n"
                              "[3/5] 00:1a:2b:e0:00:03 not-confirmed: the printer did not confirm the setting in time\n"
                              "[4/5] 00:1a:2b:e0:00:04 refused: " + TextOf(sid::kPortNotAvailable) + "\n"
                              "[5/5] 00:1a:2b:e0:00:05 unchanged\n");
    EXPECT_EQ(SettingsTaken(), (std::vector<int>{1, 0, 1, 0, 0}));
    EXPECT_EQ(fleet->Printers()[0]->Settings().ip, 0x0A000B01u);
}

// Two printers on one address after the plan: refused before anything is sent. Addresses
// that change hands within the plan are no clash.
TEST_F(LanCommandsTest, PlansThatLeaveTwoPrintersOnOneAddressAreRefused) {
    std::vector<sim::LanPrinterSettings> printers;
    for (int index = 1; index <= 3; ++index) {
        printers.push_back(sim::DefaultLanPrinter(sim::LanKind::Ethernet, index));
        printers.back().ip = 0x0A000A00u + static_cast<std::uint32_t>(index);
        printers.back().gateway = 0;
    }
    fleet = std::make_unique<sim::LanPrinterFleet>(printers, sim::LanFaultPlan{}, sim::LanFleetPorts{});
    ASSERT_TRUE(fleet->Start());
    const struct {
        std::string plan;
        ExitStatus status;
        std::string message;
    } cases[] = {
        {"00:1a:2b:e0:00:01,10.0.0.5\n00:1a:2b:e0:00:03,10.0.0.5", ExitStatus::BadUsage,
         "the plan is refused, nothing was sent: 10.0.0.5 would be the address of both line 1 and line 2"},
        {"00:1a:2b:e0:00:01,10.0.10.2", ExitStatus::BadUsage,
         "the plan is refused, nothing was sent: 10.0.10.2 would be the address of both line 1 and the printer "
         "00:1a:2b:e0:00:02, which keeps its address"},
        {"00:1a:2b:e0:00:01,10.0.10.3\n00:1a:2b:e0:00:03,10.0.10.1", ExitStatus::Done, "2 would send"},
        {"00:1a:2b:e0:00:01,10.0.10.2,,,on", ExitStatus::Done, "1 would send"},
    };
    for (const auto& test : cases) {
        const LanCommandResult result = RunPlan(test.plan, true);
        EXPECT_EQ(result.status, test.status) << test.plan;
        EXPECT_EQ(result.message, test.message);
    }
    EXPECT_EQ(SettingsTaken(), (std::vector<int>{0, 0, 0}));
}

TEST_F(LanCommandsTest, WebPrintsThePageAndOpensItOnRequest) {
    Start(0, 1);
    std::vector<std::string> opened;
    const UrlOpener opener = [&](const std::string& url) {
        opened.push_back(url);
        return opened.size() == 1;
    };
    WebOptions options{Options(LanMode::Wlan), "00:1a:2b:b0:00:01", false};
    EXPECT_EQ(RunWeb(options, opener).output, "http://127.0.20.1\n");
    EXPECT_TRUE(opened.empty());
    options.open = true;
    EXPECT_EQ(RunWeb(options, opener).status, ExitStatus::Done);
    EXPECT_EQ(RunWeb(options, opener).status, ExitStatus::NoDevice);
    EXPECT_EQ(opened, std::vector<std::string>(2, "http://127.0.20.1"));
}

}  // namespace
}  // namespace lanvane::cli
