#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <signal.h>
#include <sys/ioctl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "CliRunner.h"
#include "SimRig.h"
#include "sim/SimRecordLayout.h"
#include "tests/link/PseudoTerminal.h"
#include "tests/link/linux/FakeTree.h"

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

    CliRun Run(const std::string& command, std::vector<std::string> arguments = {}, const std::string& input = {}) {
        arguments.insert(arguments.begin(), {command, "--usb", rig.DevicePath()});
        return RunCli(arguments, {}, std::chrono::milliseconds(10000), {}, {input, {}, {}});
    }

    sim::Bytes HeldRecord() { return sim::SimRecordLayout::Encode(rig.Printer().State().record); }

    SimRig rig{2};
    TempDir dir;
};

class CliLayoutTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { ASSERT_TRUE(rig.Serving()); }

    SimRig rig{GetParam()};
};

TEST_P(CliLayoutTest, ReadShowsTheRecordInTheVocabularyWithSecretsMasked) {
    const CliRun text = RunCli({"read", "--usb", rig.DevicePath()});
    ASSERT_EQ(text.status, kDone) << text.err;
    for (const char* row : {"macAddress       00:1b:7a:3c:5d:9e\n", "pskKey           ********\n"}) {
        EXPECT_TRUE(Contains(text.out, row)) << row << text.out;
    }
    EXPECT_FALSE(Contains(text.out, "vantrole-office-key"));

    const CliRun json = RunCli({"read", "--json", "--show-secrets", "--usb", rig.DevicePath()});
    ASSERT_EQ(json.status, kDone) << json.err;
    EXPECT_EQ(json.out.rfind("{\n  \"format\": 1,\n", 0), 0u) << json.out;
    const nlohmann::json config = JsonOf(json)["config"];
    EXPECT_EQ(config.size(), GetParam() == 2 ? 30u : 27u);
    EXPECT_EQ(config["pskKey"], "vantrole-office-key");
}

// read --json | write --set -: the masked secrets keep their values, so the printer
// already holds the record and nothing is written.
TEST_P(CliLayoutTest, ReadOutputWrittenBackIsUnchanged) {
    const CliRun read = RunCli({"read", "--json", "--usb", rig.DevicePath()});
    ASSERT_EQ(read.status, kDone) << read.err;
    const CliRun write = RunCli({"write", "--usb", rig.DevicePath(), "--set", "-"}, {},
                                std::chrono::milliseconds(10000), {}, {read.out, {}, {}});
    ASSERT_EQ(write.status, kDone) << write.err;
    EXPECT_EQ(write.out, "unchanged\n");
    EXPECT_EQ(write.err, "");
    EXPECT_FALSE(rig.Took(RequestKind::ConfigSet));
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, CliLayoutTest, ::testing::Values(1, 2));

TEST_F(CliAgainstSimTest, WriteSetsTheGivenFieldsAndShowsTheSummaryMasked) {
    const CliRun run = Run("write", {"--json", "--set", dir.WriteFile("set.json", R"({"printerName": "Front Desk",
        "ipAddress": "10.0.0.7", "gateway": "10.0.0.1", "inactivityTime": 600, "https": false, "networkMode": "adhoc", "adhocChannel": 11,
        "authentication": "open-system", "cryptograph": "wep128", "wepKey": "0123456789abcdef0123456789"})")});
    ASSERT_EQ(run.status, kDone) << run.err;
    EXPECT_EQ(run.err, "The configuration has been written. Restart the printer so that the new settings take "
                       "effect.\n");
    const nlohmann::json document = JsonOf(run);
    EXPECT_EQ(document["outcome"], "set");
    EXPECT_EQ(document["changed"], true);
    EXPECT_TRUE(Contains(document["differences"].dump(),
                         R"({"after":"********","before":"********","field":"wepKey"})")) << run.out;
    ASSERT_EQ(document["summary"].size(), 30u) << run.out;
    EXPECT_EQ(document["summary"][22]["value"], "********");
    const sim::PrinterRecord held = rig.Printer().State().record;
    EXPECT_EQ(held.ipAddress, 0x0A000007u);
    EXPECT_EQ(held.wepKey, "0123456789abcdef0123456789");
    EXPECT_EQ(held.ssid, "VT-Office") << "fields not given keep their values";
}

// Refusals of the document's shape and type (each type's is ConfigJsonTest's) and of the
// value rules (their edges are the rules' own tests), one of each kind of message: status 2
// naming the field, the value and the rule, before anything is sent. Values inside the rules
// pass a dry run, which shows what would change and writes nothing.
TEST_F(CliAgainstSimTest, RefusalsAndDryRunsLeaveThePrinterRecordByteForByte) {
    const struct {
        std::string settings;
        std::string error;
    } cases[] = {
        {R"([1, 2])", "the settings must be a JSON object of record fields"},
        {R"({"format": 1, "config": {"ssid": "Lab"}, "ssid": "Other"})",
         "ssid: a record field beside \"config\" is not set (put it inside \"config\")"},
        {R"({"printerPort": 80})", "printerPort: 80 refused: The port number is incorrect."},
        {R"({"pskKey": "1234567"})",
         "pskKey: a text of 7 characters refused: a WPA-PSK or WPA2-PSK passphrase has 8 to 63 printable ASCII "
         "characters, or is 64 hexadecimal digits"},
        {R"({"authentication": "open-system", "cryptograph": "aes"})",
         R"(cryptograph: "aes" refused: with authentication "open-system" it is one of: none, wep64, wep128)"},
        {R"({"gateway": "192.168.1.1"})",
         "gateway: \"192.168.1.1\" refused: The gateway cannot be used. The gateway must be an address in the "
         "printer's subnet, or 0.0.0.0 for none."},
    };
    const sim::Bytes before = HeldRecord();
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.settings);
        const CliRun run = Run("write", {"--set", "-"}, bad.settings);
        EXPECT_EQ(run.status, kBadUsage);
        EXPECT_EQ(run.err, "lanvane-cli: " + bad.error + "\n");
        EXPECT_EQ(run.out, "");
    }
    for (const char* accepted : {R"({"authentication": "wpa2", "eapMode": "peap"})",
                                 R"({"ipAddress": "10.20.30.40", "subnetMask": "255.255.255.0", "gateway": "0.0.0.0"})",
                                 R"({"dhcp": true, "ipAddress": "0.0.0.0", "subnetMask": "0.0.0.0"})"}) {
        EXPECT_EQ(Run("write", {"--set", "-", "--dry-run"}, accepted).status, kDone) << accepted;
    }
    const CliRun dryRun = Run("write", {"--set", "-", "--dry-run"}, R"({"ssid": "Office", "dhcp": true,
        "pskKey": "another-secret", "printerName": "VT-Printer"})");
    EXPECT_EQ(dryRun.status, kDone) << dryRun.err;
    EXPECT_EQ(dryRun.out, "would-send\n"
                          "FIELD   PRINTER    TO WRITE\n"
                          "dhcp    false      true\n"
                          "ssid    VT-Office  Office\n"
                          "pskKey  ********   ********\n");
    EXPECT_EQ(HeldRecord(), before);
    EXPECT_FALSE(rig.Took(RequestKind::ConfigSet));
}

// A document saved from another printer is refused unless --any-printer; fields the
// printer's layout lacks are named, and left out with --drop-unsupported.
TEST(CliRestoreTest, SavedDocumentsAreCheckedAgainstThePrinter) {
    SimRig older(1);
    TempDir dir;
    const auto write = [&](const std::string& document, std::vector<std::string> options) {
        options.insert(options.begin(), {"write", "--usb", older.DevicePath(), "--set", "-", "--json"});
        return RunCli(options, {}, std::chrono::milliseconds(10000), {}, {document, {}, {}});
    };
    const std::string saved = R"({"identification": {"macAddress": "00:1b:7a:00:00:01"}, "layout": 2,
        "config": {"ssid": "Moved", "p2pChannel": "6", "p2pPinCode": "12345678"}})";
    const CliRun other = write(saved, {});
    EXPECT_EQ(other.status, kBadUsage);
    EXPECT_EQ(JsonOf(other)["error"]["message"],
              "the settings were saved from the printer 00:1b:7a:00:00:01, not from this one (00:1b:7a:3c:5d:9e); "
              "--any-printer writes them all the same");
    const CliRun lacking = write(saved, {"--any-printer"});
    EXPECT_EQ(lacking.status, kBadUsage);
    EXPECT_EQ(JsonOf(lacking)["error"], nlohmann::json::parse(R"({"kind": "invalid-value", "field": "p2pChannel",
        "message": "the printer's layout 1 record lacks p2pChannel, p2pPinCode; --drop-unsupported writes the other fields"})"));
    EXPECT_FALSE(older.Took(RequestKind::ConfigSet));

    const std::string own = R"({"identification": {"macAddress": "00:1B:7A:3C:5D:9E"},
        "config": {"ssid": "Moved", "p2pChannel": "6", "p2pPinCode": "12345678"}})";
    const CliRun dropped = write(own, {"--drop-unsupported"});
    ASSERT_EQ(dropped.status, kDone) << dropped.err;
    EXPECT_EQ(JsonOf(dropped)["dropped"], nlohmann::json::parse(R"(["p2pChannel", "p2pPinCode"])"));
    EXPECT_TRUE(Contains(dropped.err, "dropped: the printer's layout 1 record lacks p2pChannel, p2pPinCode\n"))
        << dropped.err;
    EXPECT_EQ(older.Printer().State().record.ssid, "Moved");
}

TEST_F(CliAgainstSimTest, InputFilesAreCheckedBeforeTheyAreRead) {
    const std::string fifo = dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = dir.WriteFile("huge.json", std::string((1 << 20) + 1, ' '));
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{"write", "--set", dir.Path().string()}, "cannot read " + dir.Path().string() + ": it is a directory"},
        {{"write", "--set", huge}, huge + " is too large (at most 1048576 bytes)"},
        {{"cert", "--kind", "ca", "--file", fifo}, "cannot read " + fifo + ": not a regular file (a FIFO or device is not read)"},
    };
    for (const auto& bad : cases) {
        std::vector<std::string> arguments = bad.arguments;
        arguments.insert(arguments.end(), {"--usb", rig.DevicePath(), "--json"});
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, kBadUsage) << run.err;
        EXPECT_EQ(JsonOf(run)["error"], nlohmann::json({{"kind", "invalid-file"}, {"message", bad.error}}));
    }
    EXPECT_TRUE(rig.Printer().History().empty());
}

// Over the LAN the documented example runs it (CliDocsTest).
TEST_F(CliAgainstSimTest, BssOverTheUsbPort) {
    const CliRun usb = Run("bss");
    ASSERT_EQ(usb.status, kDone) << usb.err;
    EXPECT_TRUE(Contains(usb.out, "3   Warehouse-2  00:1b:7a:a0:b0:c0  Infrastructure  -60   WPA/WPA2\n")) << usb.out;

    const CliRun lan = RunCli({"bss", "--ip", "127.0.0.1:" + std::to_string(rig.SurveyPort()), "--json"});
    ASSERT_EQ(lan.status, kDone) << lan.err;
    EXPECT_EQ(JsonOf(lan)["networks"][2]["mode"], "infra");
    EXPECT_EQ(JsonOf(lan)["networks"][2]["security"], "wpa/wpa2");
    for (const char* address : {"127.0.0.1:", "127.0.0.1:0", "127.0.0.1:65536", "127.0.0.1:x"}) {
        EXPECT_EQ(RunCli({"bss", "--ip", address}).status, kBadUsage) << address;
    }
}

TEST(CliDeviceTest, DevicesThatCannotBeUsedAreNamedWithWhatFailed) {
    TempDir dir;
    lanvane::test::PseudoTerminal terminal;
    const std::string file = dir.WriteFile("v.txt", "IMPORTANT DATA\n");
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* kind;
        std::string message;
    } cases[] = {
        {{"read", "--usb", dir / "lp0"}, kNoDevice, "not-found",
         "cannot open " + (dir / "lp0") + ": not found (No such file or directory); 'lanvane-cli ports' lists the "
                                          "devices present"},
        {{"read", "--usb", file}, kNoDevice, "not-a-device",
         "cannot open " + file + ": not a device (not a character device); name a printer device such as "
                                 "/dev/usb/lp0 or /dev/ttyS0"},
        {{"read", "--serial", terminal.SlavePath()}, kNoDevice, "not-a-device",
         "cannot open " + terminal.SlavePath() + ": not a device (it has no modem lines, so it is no serial port); "
                                                  "name a printer device such as /dev/usb/lp0 or /dev/ttyS0"},
        {{"read", "--usb", "USB001", "--sys-root", dir / "sys", "--dev-root", dir / "dev"}, kNoDevice, "not-found",
         "no USB printer named USB001 is connected ('lanvane-cli ports' lists them)"},
    };
    for (const auto& each : cases) {
        std::vector<std::string> arguments = each.arguments;
        arguments.push_back("--json");
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, each.status) << run.err;
        EXPECT_EQ(JsonOf(run)["error"], nlohmann::json({{"kind", each.kind}, {"message", each.message}}));
    }
    std::stringstream content;
    content << std::ifstream(file).rdbuf();
    EXPECT_EQ(content.str(), "IMPORTANT DATA\n");
}

// A device this user may not open: the message names the group to join. Needs root to
// hand the device to the group and to run lanvane-cli as another user.
TEST(CliDeviceTest, APermissionDeniedNamesTheGroupThatOwnsTheDevice) {
    const group* dialout = getgrnam("dialout");
    if (geteuid() != 0 || access("/usr/bin/setpriv", X_OK) != 0 || dialout == nullptr) {
        GTEST_SKIP() << "needs root, setpriv and the group dialout";
    }
    lanvane::test::PseudoTerminal terminal;
    const std::string device = terminal.SlavePath();
    ASSERT_EQ(chown(device.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(device.c_str(), 0660), 0);
    const CliRun run = RunCli({"read", "--usb", device}, {}, std::chrono::milliseconds(10000), {},
                              {{}, {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"}, {}});
    EXPECT_EQ(run.status, kNoDevice);
    EXPECT_EQ(run.err, "lanvane-cli: cannot open " + device +
                           ": permission denied; join the group 'dialout' that owns it (sudo "
                           "usermod -aG dialout $USER, then log in again), or install the udev rule that comes with "
                           "the lanvane package\n");
}

TEST(CliPrinterTest, AnotherMakersPrinterIsNamedAsSuch) {
    sim::FaultPlan faults;
    faults.wrongMakerName = true;
    SimRig rig(2, faults);
    const CliRun run = RunCli({"read", "--usb", rig.DevicePath(), "--json"});
    EXPECT_EQ(run.status, kPrinterFailed);
    EXPECT_EQ(JsonOf(run)["error"]["kind"], "wrong-maker");
    EXPECT_FALSE(rig.Took(RequestKind::SystemRequest));
}

// A silent printer is "no reply" once the read's time-out has passed, never another maker.
TEST(CliPrinterTest, SilentPrinterIsNoReplyAfterTheTimeout) {
    sim::FaultPlan faults;
    faults.noAnswer = true;
    SimRig rig(2, faults);
    const auto started = std::chrono::steady_clock::now();
    const CliRun run = RunCli({"read", "--usb", rig.DevicePath(), "--timeout", "500"});
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1500));
    EXPECT_EQ(run.status, kPrinterFailed);
    EXPECT_EQ(run.err, "lanvane-cli: no reply from the printer on " + rig.DevicePath() +
                           " while identifying the printer; is it switched on and connected?\n");
}

// The common options are the main program's, taken before the command name as after it
// (CliDocsTest runs --json and --timeout both ways); here what -q and -v do to a read.
TEST_F(CliAgainstSimTest, QuietSaysNothingAndVerboseTracesTheExchanges) {
    const CliRun quiet = RunCli({"-q", "read", "--usb", rig.DevicePath()});
    EXPECT_EQ(quiet.status, kDone) << quiet.err;
    EXPECT_EQ(quiet.err, "");
    EXPECT_NE(quiet.out, "");
    const CliRun verbose = Run("read", {"-v"});
    EXPECT_EQ(verbose.status, kDone) << verbose.err;
    EXPECT_TRUE(Contains(verbose.err, "lanvane-cli: sent 3 of 3 bytes in ")) << verbose.err;
}

TEST(CliDiffTest, DiffListsTheFieldsThatDifferWithSecretsMasked) {
    const TempDir dir;
    const std::string before = dir.WriteFile("a.json", R"({"format": 1, "layout": 2, "config": {"ssid": "A",
        "dhcp": false, "pskKey": "one", "printerPort": 9100}})");
    const std::string after = dir.WriteFile("b.json", R"({"ssid": "B", "pskKey": "two", "printerPort": 9100,
        "p2pChannel": "6"})");
    const CliRun text = RunCli({"diff", before, after});
    EXPECT_EQ(text.status, kDone) << text.err;
    EXPECT_EQ(text.out, "FIELD       " + before + "  " + after + "\n" +
                            "ssid        A" + std::string(before.size() - 1, ' ') + "  B\n" +
                            "dhcp        false" + std::string(before.size() - 5, ' ') + "  -\n" +
                            "pskKey      ********" + std::string(before.size() - 8, ' ') + "  ********\n" +
                            "p2pChannel  -" + std::string(before.size() - 1, ' ') + "  6\n");
    const CliRun json = RunCli({"diff", before, after, "--json", "--show-secrets"});
    EXPECT_EQ(JsonOf(json)["differences"][2], nlohmann::json::parse(R"({"field": "pskKey", "before": "one",
        "after": "two"})"));
    EXPECT_EQ(RunCli({"diff", before, dir.WriteFile("c.json", "[]")}).status, kBadUsage);
    EXPECT_EQ(RunCli({"diff", before, after, "--exit-code"}).status, 1);
    EXPECT_EQ(RunCli({"diff", "--exit-code", before, before}).status, kDone);

    // A key saved as a number is still a key.
    const CliRun numericKey = RunCli({"diff", after, dir.WriteFile("d.json", R"({"wepKey": 1234567890})")});
    EXPECT_FALSE(Contains(numericKey.out, "1234567890")) << numericKey.out;
    EXPECT_TRUE(Contains(numericKey.out, "  ********\n")) << numericKey.out;
}

// A result that cannot be written is a failure naming the output, never an empty backup
// with status 0. The closed output is also no place for the device to land on.
TEST_F(CliAgainstSimTest, AnOutputThatCannotBeWrittenEndsWithStatus3NamingIt) {
    const struct {
        const char* redirection;
        std::string reason;
    } cases[] = {
        {"> /dev/full", std::strerror(ENOSPC)},
        {">&-", "it is closed"},
    };
    for (const auto& each : cases) {
        const CliRun run = RunCli({"read", "--json", "--usb", rig.DevicePath()}, {}, std::chrono::milliseconds(10000),
                                  {}, {{}, {}, each.redirection});
        EXPECT_EQ(run.status, kNoDevice) << each.redirection;
        EXPECT_EQ(run.err, "lanvane-cli: cannot write the standard output: " + each.reason + "\n");
    }
}

// What acts on a terminal is shown escaped on every stream: a printer's name with a C1
// control and a right-to-left override, in text and in JSON (as \u escapes, so its value
// stays exact), and a device path echoed in a message.
TEST_F(CliAgainstSimTest, TextsThatActOnATerminalAreEscapedOnEveryStream) {
    sim::PrinterState state = rig.Printer().State();
    state.record.printerName = "Lab\xc2\x9b" "2J\xe2\x80\xae" "kcab";
    rig.Printer().SetState(state);
    const CliRun json = Run("read", {"--json"});
    EXPECT_TRUE(Contains(json.out, R"("printerName": "Lab\u009b2J\u202ekcab")")) << json.out;
    const CliRun text = Run("read");
    EXPECT_TRUE(Contains(text.out, "Lab\\u009b2J\\u202ekcab\n")) << text.out;

    const CliRun path = RunCli({"read", "--usb", dir / "lp\x1b]0;owned\x07"});
    EXPECT_EQ(path.status, kNoDevice);
    EXPECT_TRUE(Contains(path.err, "lp\\e]0;owned\\x07: not found")) << path.err;
}

// A USB tree in which lp0 is the simulated printer and lp1 another product.
class CliUsbListTest : public CliAgainstSimTest {
protected:
    void SetUp() override {
        CliAgainstSimTest::SetUp();
        tree.AddUsbPrinter(0, "0dd4", "002b", rig.DevicePath());
        tree.AddUsbPrinter(1, "0dd4", "0010", otherPrinter.SlavePath());
    }

    CliRun RunWithTree(std::vector<std::string> arguments) const {
        arguments.insert(arguments.end(), {"--sys-root", tree.Root() / "sys", "--dev-root", tree.Root() / "dev"});
        return RunCli(arguments);
    }

    lanvane::test::FakeTree tree;
    lanvane::test::PseudoTerminal otherPrinter;
};

// lp0 takes the settings, lp2 (a version 1 printer) refuses a Wi-Fi Direct field: each
// is reported on its own under the name 'ports' gives it; lp1 of another product is left alone.
TEST_F(CliUsbListTest, WriteToEveryUsbPrinterReportsEachPrinter) {
    SimRig older{1};
    ASSERT_TRUE(older.Serving());
    tree.AddUsbPrinter(2, "0dd4", "002b", older.DevicePath());
    const CliRun run = RunWithTree({"write", "--all-usb", "--set",
                                    dir.WriteFile("set.json", R"({"ssid": "Bench", "p2pChannel": "11"})"), "--json"});
    EXPECT_EQ(run.status, kBadUsage) << run.err;
    const nlohmann::json printers = JsonOf(run)["printers"];
    ASSERT_EQ(printers.size(), 2u) << run.out;
    EXPECT_EQ(printers[0]["name"], "USB001");
    EXPECT_EQ(printers[0]["macAddress"], "00:1b:7a:3c:5d:9e");
    EXPECT_EQ(printers[0]["outcome"], "set");
    EXPECT_EQ(printers[1]["name"], "USB003");
    EXPECT_EQ(printers[1]["error"]["field"], "p2pChannel");
    EXPECT_EQ(printers[1]["outcome"], "refused");
    EXPECT_EQ(rig.Printer().State().record.ssid, "Bench");
    EXPECT_FALSE(older.Took(RequestKind::ConfigSet));
}

TEST_F(CliUsbListTest, PortsListsTheUsbPrintersAndOnlyOurProductOpensByName) {
    const CliRun list = RunWithTree({"ports", "--json"});
    ASSERT_EQ(list.status, kDone) << list.err;
    const nlohmann::json usb = JsonOf(list)["usb"];
    ASSERT_EQ(usb.size(), 2u) << list.out;
    EXPECT_EQ(usb[0], nlohmann::json::parse(R"({"name": "USB001", "path": ")" + (tree.Root() / "dev/usb/lp0").string() +
                                            R"(", "accessible": true, "busy": false, "vendorId": "0DD4", "productId": "002B",
                                            "supported": true})"));
    EXPECT_EQ(usb[1]["supported"], false);

    const CliRun read = RunWithTree({"read", "--usb", "USB001"});
    EXPECT_EQ(read.status, kDone) << read.err;

    const CliRun refused = RunWithTree({"read", "--usb", "USB002"});
    EXPECT_EQ(refused.status, kNoDevice) << refused.err;
}

// As a user who may open lp1 only: lp0 is listed all the same, marked. Needs root to run
// lanvane-cli as another user.
TEST_F(CliUsbListTest, PortsMarksTheDevicesThisUserMayNotOpen) {
    if (geteuid() != 0 || access("/usr/bin/setpriv", X_OK) != 0) {
        GTEST_SKIP() << "needs root and setpriv";
    }
    std::filesystem::permissions(tree.Root(), std::filesystem::perms::others_read | std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add);
    ASSERT_EQ(chmod(rig.DevicePath().c_str(), 0600), 0);
    ASSERT_EQ(chmod(otherPrinter.SlavePath().c_str(), 0666), 0);
    const std::vector<std::string> asNobody = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    const CliRun list = RunCli({"ports", "--json", "--sys-root", tree.Root() / "sys", "--dev-root", tree.Root() / "dev"}, {},
                               std::chrono::milliseconds(10000), {}, {{}, asNobody, {}});
    ASSERT_EQ(list.status, kDone) << list.err;
    const nlohmann::json usb = JsonOf(list)["usb"];
    ASSERT_EQ(usb.size(), 2u) << list.out;
    EXPECT_EQ(usb[0]["accessible"], false);
    EXPECT_EQ(usb[1]["accessible"], true);
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
        {SIGTERM, RequestKind::SystemRequest, {"read", "--json"}, 143,
         "lanvane-cli: interrupted by SIGTERM while reading the printer's configuration: nothing on the printer "
         "was changed\n"},
    };
    TempDir dir;
    const std::string settings = dir.WriteFile("set.json", R"({"ssid": "Elsewhere"})");
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
        if (each.command.back() == "--json") {
            // The output is still one document.
            const std::string said = std::string(each.said).substr(std::strlen("lanvane-cli: "));
            EXPECT_EQ(JsonOf(run), nlohmann::json({{"format", 1},
                                                   {"error", {{"kind", "interrupted"},
                                                              {"message", said.substr(0, said.size() - 1)}}}}))
                << run.out;
        }
        int exclusive = 1;
        const int fd = open(rig.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(fd, 0) << "the device is still held";
        ioctl(fd, TIOCGEXCL, &exclusive);
        close(fd);
        EXPECT_EQ(exclusive, 0) << "the exclusive mode was left behind";
    }
}

// Once the record went out, a missing answer may hide a record the printer took.
TEST(CliPrinterTest, AWriteLeftWithoutAnswerSaysThePrinterMayHoldTheRecord) {
    sim::FaultPlan faults;
    faults.noAnswerTo = RequestKind::ConfigSet;
    SimRig rig(2, faults);
    TempDir dir;
    const CliRun run =
        RunCli({"write", "--usb", rig.DevicePath(), "--set", dir.WriteFile("set.json", R"({"printerName": "Front Desk"})")},
               ReadWaits{1, 500});
    EXPECT_EQ(run.status, kPrinterFailed);
    EXPECT_TRUE(Contains(run.err, "; the printer may already hold the new record: read it back before writing again\n"))
        << run.err;
}

TEST(CliUsageTest, UsageErrorsEndWithStatus2AndAreJsonUnderJson) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate"},
             {"read"},
             {"read", "--usb", "USB001", "--serial", "ttyS0"},
             {"cert", "--usb", "USB001", "--kind", "root", "--file", "x.pem"},
             {"discover", "--mode", "ethernet", "--broadcast", "foo"},
             {"read", "--usb", "USB001", "--timeout", "0"},
             {"read", "--serial", ""},
         }) {
        std::vector<std::string> withJson = arguments;
        withJson.push_back("--json");
        const CliRun run = RunCli(withJson);
        EXPECT_EQ(run.status, kBadUsage) << ::testing::PrintToString(arguments) << run.err;
        EXPECT_EQ(JsonOf(run)["error"]["kind"], "usage") << run.out;
    }
    EXPECT_TRUE(Contains(RunCli({"frobnicate"}).err, "unknown command 'frobnicate'"));
    EXPECT_TRUE(Contains(RunCli({"read", "--serial", ""}).err, "--serial: an empty value names no device"));
    const CliRun help = RunCli({"cert", "--help"});
    EXPECT_EQ(help.status, kDone);
    EXPECT_TRUE(Contains(help.out, "--kind ca|client-key|client-pem")) << help.out;
    EXPECT_TRUE(Contains(help.out, "Examples:")) << help.out;
    EXPECT_TRUE(Contains(RunCli({"--help"}).out, "Exit codes:"));
}

}  // namespace
}  // namespace lanvane::cli::test
