#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <netinet/in.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "CliRunner.h"
#include "SimRig.h"
#include "tests/link/PseudoTerminal.h"

namespace lanvane::cli::test {
namespace {

using sim::RequestKind;

constexpr int kDone = 0;
constexpr int kPrinterFailed = 1;
constexpr int kBadUsage = 2;
constexpr int kNoDevice = 3;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

nlohmann::json JsonOf(const CliRun& run) {
    return nlohmann::json::parse(run.out, nullptr, false);
}

class CliAgainstSimTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(rig.Serving()); }

    CliRun Run(const std::string& command, std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.begin(), {command, "--usb", rig.DevicePath()});
        return RunCli(arguments);
    }

    SimRig rig{2};
    TempDir dir;
};

class CliLayoutTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { ASSERT_TRUE(rig.Serving()); }

    SimRig rig{GetParam()};
};

TEST_P(CliLayoutTest, ReadShowsIdentificationLayoutAndEveryFieldAsTextAndJson) {
    const CliRun text = RunCli({"read", "--usb", rig.DevicePath()});
    ASSERT_EQ(text.status, kDone) << text.err;
    EXPECT_TRUE(Contains(text.out, "firmwareVersion  VT-IF 2.31.07\n")) << text.out;
    EXPECT_TRUE(Contains(text.out, "macAddress       00-1B-7A-3C-5D-9E\n")) << text.out;
    EXPECT_TRUE(Contains(text.out, "layout           " + std::to_string(GetParam()) + "\n")) << text.out;
    EXPECT_TRUE(Contains(text.out, "authentication   3 (WPA2-PSK)\n")) << text.out;
    EXPECT_TRUE(Contains(text.out, "trapIpAddress    192.168.0.10\n")) << text.out;
    EXPECT_EQ(Contains(text.out, "p2pPinCode"), GetParam() == 2) << text.out;

    const CliRun json = RunCli({"read", "--json", "--usb", rig.DevicePath()});
    ASSERT_EQ(json.status, kDone) << json.err;
    const nlohmann::json document = JsonOf(json);
    ASSERT_TRUE(document.is_object()) << json.out;
    EXPECT_EQ(document["makerName"], "Vantrole Systemtechnik AG");
    EXPECT_EQ(document["identification"]["updateDate"], "2023-11-14 09:30:00");
    EXPECT_EQ(document["layout"], GetParam());
    const nlohmann::json& config = document["config"];
    EXPECT_EQ(config.size(), GetParam() == 2 ? 30u : 27u);
    EXPECT_EQ(config["printerName"], "VT-Printer");
    EXPECT_EQ(config["ipAddress"], "192.168.0.100");
    EXPECT_EQ(config["printerPort"], 9100);
    EXPECT_EQ(config.contains("p2pChannel"), GetParam() == 2);
}

TEST_P(CliLayoutTest, WriteSetsTheFileOnTheRecordAndShowsTheSummary) {
    TempDir dir;
    const std::string settings =
        dir.WriteFile("set.json", R"({"printerName": "Front Desk", "ipAddress": "10.0.0.7",
                                     "inactivityTime": 600, "https": 0})");
    const CliRun run = RunCli({"write", "--usb", rig.DevicePath(), "--set", settings});
    ASSERT_EQ(run.status, kDone) << run.err;
    EXPECT_TRUE(Contains(run.err, "The configuration has been completed.\nReset the printer.")) << run.err;
    EXPECT_TRUE(Contains(run.out, "1   Printer Name                              Front Desk\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "18  IP Address                                10.0.0.7\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "5   Https                                     Disable\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, GetParam() == 2 ? "30  P2P Pin Code                              12345670\n"
                                                  : "30  P2P Pin Code\n"))
        << run.out;

    const sim::PrinterRecord held = rig.Printer().State().record;
    EXPECT_EQ(held.layout, GetParam());
    EXPECT_EQ(held.printerName, "Front Desk");
    EXPECT_EQ(held.ipAddress, 0x0A000007u);
    EXPECT_EQ(held.inactivityTime, 600);
    EXPECT_EQ(held.ssid, "VT-Office");

    const nlohmann::json readBack = JsonOf(RunCli({"read", "--json", "--usb", rig.DevicePath()}));
    EXPECT_EQ(readBack["config"]["printerName"], "Front Desk");
    EXPECT_EQ(readBack["config"]["ipAddress"], "10.0.0.7");
    EXPECT_EQ(readBack["config"]["https"], 0);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, CliLayoutTest, ::testing::Values(1, 2));

TEST_F(CliAgainstSimTest, WriteRefusedByARecordRuleWritesNothing) {
    const sim::PrinterRecord before = rig.Printer().State().record;
    const CliRun run = Run("write", {"--set", dir.WriteFile("set.json", R"({"printerPort": 80})")});
    EXPECT_EQ(run.status, kBadUsage);
    EXPECT_EQ(run.err, "printerPort: The port number is incorrect.\nPlease try again.\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(rig.Printer().State().record, before);
    EXPECT_FALSE(rig.Took(RequestKind::ConfigSet));
}

TEST_F(CliAgainstSimTest, BssOverTheLanAndOverTheUsbPort) {
    const CliRun lan = RunCli({"bss", "--ip", "127.0.0.1", "--tcp-port", std::to_string(rig.SurveyPort()), "--json"});
    ASSERT_EQ(lan.status, kDone) << lan.err;
    const nlohmann::json networks = JsonOf(lan)["networks"];
    ASSERT_EQ(networks.size(), 4u) << lan.out;
    EXPECT_EQ(networks[0], nlohmann::json::parse(R"({"no": 1, "ssid": "VT-Office", "bssid": "00-1B-7A-10-20-30",
        "mode": "Infrastructure", "rssi": -48, "security": "WPA2"})"));
    EXPECT_EQ(networks[3]["mode"], "Ad hoc");

    const CliRun usb = Run("bss");
    ASSERT_EQ(usb.status, kDone) << usb.err;
    EXPECT_TRUE(Contains(usb.err, "The BSS information has been imported successfully.")) << usb.err;
    EXPECT_TRUE(Contains(usb.out, "No  SSID         BSSID              Mode            RSSI  Security\n")) << usb.out;
    EXPECT_TRUE(Contains(usb.out, "3   Warehouse-2  00-1B-7A-A0-B0-C0  Infrastructure  -60   WPA/WPA2\n")) << usb.out;
    EXPECT_TRUE(rig.Took(RequestKind::BssRequest));
}

std::uint16_t ClosedLoopbackPort() {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(listener, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
    close(listener);
    return ntohs(address.sin_port);
}

TEST(CliBssTest, NoPrinterOnTheSurveyPortIsAMissingDevice) {
    const std::string port = std::to_string(ClosedLoopbackPort());
    const CliRun run = RunCli({"bss", "--ip", "127.0.0.1", "--tcp-port", port});
    EXPECT_EQ(run.status, kNoDevice);
    EXPECT_EQ(run.err,
              "Failed to import the BSS information.\nPlease check the IP address or port number to connect to.\n"
              "cannot connect to 127.0.0.1:" + port + ": refused: Connection refused\n");
}

TEST_F(CliAgainstSimTest, CertificateIsCheckedAndUploaded) {
    const std::string pem = "-----BEGIN CERTIFICATE-----\n" + std::string(700, 'Q') + "\n-----END CERTIFICATE-----\n";
    const CliRun run = Run("cert", {"--kind", "client-pem", "--file", dir.WriteFile("client.pem", pem)});
    ASSERT_EQ(run.status, kDone) << run.err;
    EXPECT_TRUE(Contains(run.err, "The certificate file is selected.\n")) << run.err;
    EXPECT_TRUE(Contains(run.err, "100%\n")) << run.err;
    EXPECT_TRUE(Contains(run.err, "The certificate document has been uploaded successfully.\nReset the printer.\n"));
    const auto certificates = rig.Printer().State().certificates;
    ASSERT_EQ(certificates.count(3), 1u);
    EXPECT_TRUE(certificates.at(3).complete);
    EXPECT_EQ(std::string(certificates.at(3).data.begin(), certificates.at(3).data.end()), pem);
}

TEST(CliDeviceTest, DevicesThatCannotBeFoundOrOpened) {
    TempDir dir;
    const CliRun missing = RunCli({"read", "--usb", dir / "printer"});
    EXPECT_EQ(missing.status, kNoDevice);
    EXPECT_EQ(missing.err, "Unable to open the port.\ncannot open " + (dir / "printer") +
                               ": not found: No such file or directory\n");

    // A file given as a printer is neither written to nor taken for another maker's printer.
    const std::string file = dir.WriteFile("v.txt", "IMPORTANT DATA\n");
    const CliRun notADevice = RunCli({"read", "--usb", file});
    EXPECT_EQ(notADevice.status, kNoDevice);
    EXPECT_EQ(notADevice.err, "Unable to open the port.\ncannot open " + file +
                                  ": not a device: not a character device\n");
    std::stringstream content;
    content << std::ifstream(file).rdbuf();
    EXPECT_EQ(content.str(), "IMPORTANT DATA\n");

    const CliRun unlisted = RunCli({"read", "--usb", "USB001", "--sys-root", dir / "sys", "--dev-root", dir / "dev"});
    EXPECT_EQ(unlisted.status, kNoDevice);
    EXPECT_EQ(unlisted.err, "Unable to connect to the USB device.\n");

    const CliRun json = RunCli({"read", "--json", "--serial", dir / "ttyS0"});
    EXPECT_EQ(json.status, kNoDevice);
    EXPECT_EQ(JsonOf(json)["error"]["message"],
              "Unable to open the port.\ncannot open " + (dir / "ttyS0") + ": not found: No such file or directory");
}

TEST_F(CliAgainstSimTest, APseudoTerminalHasNoModemLinesSoItCannotOpenAsASerialPort) {
    const CliRun run = RunCli({"read", "--serial", rig.DevicePath()});
    EXPECT_EQ(run.status, kNoDevice);
    EXPECT_EQ(run.err, "Unable to open the port.\ncannot open " + rig.DevicePath() +
                           ": not a device: it has no modem lines, so it is no serial port\n");
    EXPECT_TRUE(rig.Printer().History().empty());
}

// A USB tree in which lp0 is the simulated printer and lp1 another product.
class CliUsbListTest : public CliAgainstSimTest {
protected:
    void SetUp() override {
        CliAgainstSimTest::SetUp();
        AddUsbPrinter(0, "002b", rig.DevicePath());
        AddUsbPrinter(1, "0010", otherPrinter.SlavePath());
    }

    void AddUsbPrinter(int number, const std::string& productId, const std::string& node) const {
        namespace fs = std::filesystem;
        const fs::path usbDevice = dir.Path() / "sys/devices/usb1" / ("1-" + std::to_string(number));
        fs::create_directories(usbDevice / "1-1:1.0");
        dir.WriteFile("sys/devices/usb1/1-" + std::to_string(number) + "/idVendor", "0dd4\n");
        dir.WriteFile("sys/devices/usb1/1-" + std::to_string(number) + "/idProduct", productId + "\n");
        const fs::path nodeDir = dir.Path() / "sys/class/usbmisc" / ("lp" + std::to_string(number));
        fs::create_directories(nodeDir);
        fs::create_symlink(usbDevice / "1-1:1.0", nodeDir / "device");
        fs::create_directories(dir.Path() / "dev/usb");
        fs::create_symlink(node, dir.Path() / "dev/usb" / ("lp" + std::to_string(number)));
    }

    CliRun RunWithTree(std::vector<std::string> arguments) const {
        arguments.insert(arguments.end(), {"--sys-root", dir / "sys", "--dev-root", dir / "dev"});
        return RunCli(arguments);
    }

    lanvane::test::PseudoTerminal otherPrinter;
};

TEST_F(CliUsbListTest, PortsListsTheUsbPrintersAndOnlyOurProductOpensByName) {
    const CliRun list = RunWithTree({"ports", "--json"});
    ASSERT_EQ(list.status, kDone) << list.err;
    const nlohmann::json usb = JsonOf(list)["usb"];
    ASSERT_EQ(usb.size(), 2u) << list.out;
    EXPECT_EQ(usb[0], nlohmann::json::parse(R"({"displayName": "USB001", "devicePath": ")" + (dir / "dev/usb/lp0") +
                                            R"(", "vendorId": "0DD4", "productId": "002B", "supported": true})"));
    EXPECT_EQ(usb[1]["supported"], false);

    const CliRun read = RunWithTree({"read", "--usb", "USB001"});
    EXPECT_EQ(read.status, kDone) << read.err;

    const CliRun refused = RunWithTree({"read", "--usb", "USB002"});
    EXPECT_EQ(refused.status, kNoDevice);
    EXPECT_EQ(refused.err, "Unable to connect to the USB device.\n");
}

TEST(CliPrinterTest, AnotherMakersPrinterIsRefused) {
    sim::FaultPlan faults;
    faults.wrongMakerName = true;
    SimRig rig(2, faults);
    const CliRun run = RunCli({"read", "--usb", rig.DevicePath()});
    EXPECT_EQ(run.status, kPrinterFailed);
    EXPECT_EQ(run.err, "This printer don't match our company name.\nFailed to connect to the printer.\n");
    EXPECT_FALSE(rig.Took(RequestKind::SystemRequest));
}

TEST(CliPrinterTest, SilentPrinterEndsWithAFailureAfterTheShortenedWaits) {
    sim::FaultPlan faults;
    faults.noAnswer = true;
    SimRig rig(2, faults);
    const auto started = std::chrono::steady_clock::now();
    const CliRun run = RunCli({"read", "--usb", rig.DevicePath(), "--attempts", "1", "--attempt-wait-ms", "100"});
    EXPECT_EQ(run.status, kPrinterFailed);
    EXPECT_EQ(run.err, "No reply from the printer on " + rig.DevicePath() + ".\nFailed to connect to the printer.\n");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(3));
}

// An interrupted command gives the device back (no exclusive mode left behind) and says
// what the printer may hold.
TEST(CliPrinterTest, InterruptedCommandsReleaseTheDeviceAndSayWhatWasCut) {
    const struct {
        int signal;
        sim::RequestKind silentAt;
        std::vector<std::string> command;
        int status;
        const char* said;
    } cases[] = {
        {SIGINT, RequestKind::ConfigSet, {"write", "--set"}, 130,
         "lanvane-cli: interrupted by SIGINT while writing the configuration record: the printer may hold a "
         "partial record; read it back before use\n"},
        {SIGTERM, RequestKind::SystemRequest, {"read"}, 143,
         "lanvane-cli: interrupted by SIGTERM while reading the printer's configuration: nothing on the printer "
         "was changed\n"},
    };
    TempDir dir;
    const std::string settings = dir.WriteFile("set.json", "{}");
    for (const auto& each : cases) {
        sim::FaultPlan faults;
        faults.noAnswerTo = each.silentAt;
        SimRig rig(2, faults);
        std::vector<std::string> arguments = each.command;
        if (arguments.back() == "--set") {
            arguments.push_back(settings);
        }
        arguments.insert(arguments.end(), {"--usb", rig.DevicePath()});
        const CliRun run = RunCli(arguments, ReadWaits{1, 5000}, std::chrono::seconds(4),
                                  {each.signal, [&] { return rig.Took(each.silentAt); }});
        EXPECT_EQ(run.status, each.status);
        EXPECT_EQ(run.err, each.said);
        int exclusive = 1;
        const int fd = open(rig.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(fd, 0) << "the device is still held";
        ioctl(fd, TIOCGEXCL, &exclusive);
        close(fd);
        EXPECT_EQ(exclusive, 0) << "the exclusive mode was left behind";
    }
}

TEST(CliUsageTest, BadUsageEndsWithStatus2) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {},
             {"read"},
             {"read", "--usb", "USB001", "--serial", "ttyS0"},
             {"read", "--ip", "127.0.0.1"},
             {"bss", "--ip", "not-an-address"},
             {"cert", "--usb", "USB001", "--kind", "root", "--file", "x.pem"},
             {"write", "--usb", "USB001"},
         }) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, kBadUsage) << ::testing::PrintToString(arguments) << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(RunCli({"--help"}).status, kDone);
}

}  // namespace
}  // namespace lanvane::cli::test
