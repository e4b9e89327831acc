#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>

#include "PosixTestIo.h"
#include "PrinterDriver.h"
#include "WireText.h"
#include "link/SocketCalls.h"
#include "protocol/AddressText.h"
#include "sim/SimRecordLayout.h"
#include "tests/support/posix/ChildProcess.h"
#include "tests/support/posix/TempDir.h"

namespace lanvane::sim {
namespace {

using namespace test;
using lanvane::test::ProgramRun;
using lanvane::test::TempDir;
using std::chrono::milliseconds;

// Runs the simulator until `done` holds, then stops it with SIGTERM.
ProgramRun RunSimUntil(std::vector<std::string> arguments, std::function<bool()> done) {
    arguments.insert(arguments.begin(), LANVANE_PRINTER_SIM);
    return lanvane::test::RunProgram(arguments, milliseconds(20000), {SIGTERM, std::move(done)});
}

nlohmann::json Dump(const TempDir& dir) {
    return nlohmann::json::parse(std::ifstream(dir / "state.json"), nullptr, false);
}

// A port of the given kind that was free a moment ago.
std::uint16_t FreePort(net::SocketKind kind) {
    const NativeSocket probe = net::OpenSocket(kind);
    net::BindAnyAddress(probe, 0);
    const std::uint16_t port = net::BoundPortOf(probe);
    net::CloseSocket(probe);
    return port;
}

bool SurveyAnswers(const std::string& address, std::uint16_t port) {
    const int fd = ConnectTo(*ParseAddressText(address), port);
    const bool answered = fd >= 0 && WriteWhole(fd, kBssReqFrame) && !ReadFor(fd, 1, milliseconds(1000)).empty();
    close(fd);
    return answered;
}

// The dump holds keys and passwords: owner only, also over a file that was readable by all.
TEST(PrinterSimProgram, ServesTheChannelAndDumpsWhatItHoldsOnExitForTheOwnerOnly) {
    TempDir dir;
    dir.WriteFile("state.json", "an earlier dump, longer than the new one would ever be");
    std::filesystem::permissions(dir / "state.json", std::filesystem::perms(0644));
    Bytes reply;
    const ProgramRun run = RunSimUntil(
        {"--layout", "2", "--link", dir / "printer", "--bss-port", "0", "--dump-on-exit", dir / "state.json"}, [&] {
            const int port = open((dir / "printer").c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
            if (port < 0) {
                return false;
            }
            PrinterRecord record = DefaultPrinterState(2).record;
            record.printerName = "Front Desk";
            WriteWhole(port, LinkRequestFor(Joined({Text("__[I_F]__[IF__SET]"), SimRecordLayout::Encode(record)})));
            reply = ReadFor(port, kIfSucReply.size(), milliseconds(1000));
            close(port);
            return true;
        });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("channel: /dev/pts/"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("bss: 127.0.0.1:"), std::string::npos) << run.out;
    EXPECT_EQ(reply, kIfSucReply);
    const nlohmann::json dump = Dump(dir);
    EXPECT_EQ(dump["record"]["printerName"], "Front Desk") << dump;
    EXPECT_EQ(dump["record"]["layout"], 2) << dump;
    EXPECT_EQ(dump["record"]["ipAddress"], "192.168.0.100") << dump;
    EXPECT_NE(dump.dump().find("\"if-set\""), std::string::npos) << dump;
    EXPECT_EQ(std::filesystem::status(dir / "state.json").permissions(), std::filesystem::perms(0600));
}

// A thousand printers of each kind in one process, each with its own MAC, address and
// survey port, answer one search each, every reply sent twice. Whether lanvane-cli's socket
// keeps every reply is the program's matter: the test holds the simulator to sending them.
TEST(PrinterSimProgram, AThousandPrintersOfEachKindAnswerOneSearchEach) {
    TempDir dir;
    const std::uint16_t ethernetPort = FreePort(net::SocketKind::Datagram);
    const std::uint16_t wlanPort = FreePort(net::SocketKind::Datagram);
    const std::uint16_t surveyPort = FreePort(net::SocketKind::Stream);
    const ProgramRun run = RunSimUntil(
        {"--bss-port", std::to_string(surveyPort), "--lan-ethernet", "1000", "--lan-wlan", "1000",
         "--lan-ethernet-port", std::to_string(ethernetPort), "--lan-wlan-port", std::to_string(wlanPort),
         "--lan-repeat", "2", "--dump-on-exit", dir / "state.json"},
        [&] {
            if (!SurveyAnswers("127.3.20.232", surveyPort)) {
                return false;
            }
            for (const auto& [mode, port] : {std::pair{"ethernet", ethernetPort}, std::pair{"wlan", wlanPort}}) {
                lanvane::test::RunProgram({LANVANE_CLI, "discover", "--mode", mode, "--broadcast", "127.255.255.255",
                                           "--printer-port", std::to_string(port), "--local-port", "0", "--timeout",
                                           "1500"},
                                          milliseconds(5000));
            }
            return true;
        });
    ASSERT_EQ(run.status, 0) << run.err;
    const auto printers = Dump(dir)["lanPrinters"];
    ASSERT_EQ(printers.size(), 2000u);
    std::set<std::string> macs;
    std::set<std::string> addresses;
    for (const auto& printer : printers) {
        EXPECT_EQ(printer["repliesSent"], 2) << printer;
        macs.insert(printer["mac"].get<std::string>());
        addresses.insert(printer["ip"].get<std::string>());
    }
    EXPECT_EQ(macs.size(), 2000u);
    EXPECT_EQ(addresses.size(), 2000u);
}

// A printer whose replies are cut short is listed by no search, and -v says what was dropped.
TEST(PrinterSimProgram, RepliesCutShortAreDroppedAndToldUnderVerbose) {
    const std::uint16_t ethernetPort = FreePort(net::SocketKind::Datagram);
    ProgramRun cli;
    const ProgramRun run = RunSimUntil(
        {"--no-bss", "--lan-ethernet", "1", "--lan-ethernet-port", std::to_string(ethernetPort), "--lan-shorten", "30"},
        [&] {
            cli = lanvane::test::RunProgram({LANVANE_CLI, "discover", "-v", "--mode", "ethernet", "--broadcast",
                                             "127.255.255.255", "--printer-port", std::to_string(ethernetPort),
                                             "--local-port", "0", "--timeout", "300"},
                                            milliseconds(5000));
            return cli.err.find("dropped") != std::string::npos;
        });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(cli.status, 1);
    EXPECT_NE(cli.err.find("lanvane-cli: 1 reply too short to hold a whole device record was dropped (from "
                           "127.0.10.1)\n"),
              std::string::npos)
        << cli.err;
}

// Refused at once, before a port is opened: a dump path found bad only at the end would lose
// the whole run's state, and a FIFO there would block the exit. The file that cannot be
// written is tried by an unprivileged user, as root writes any file.
TEST(PrinterSimProgram, RefusesBadOptionsAndPathsBeforeItStarts) {
    TempDir dir;
    std::filesystem::permissions(dir.Path(), std::filesystem::perms(0755));
    const std::string fifo = dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string locked = dir.WriteFile("locked.json", "");
    std::filesystem::permissions(locked, std::filesystem::perms(0444));
    const std::string file = dir.WriteFile("file", "");
    const std::vector<std::string> unprivileged =
        geteuid() == 0 ? std::vector<std::string>{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"}
                       : std::vector<std::string>{};
    const struct {
        std::vector<std::string> options;
        std::string error;
        int status = 2;
    } cases[] = {
        {{"--layout", "3"}, "--layout: 3 not in {1,2}"},
        {{"--fault", "melt"}, "--fault: melt not in"},
        {{"--lan-fault", "melt"}, "--lan-fault: melt not in"},
        {{"--bss-port", "70000"}, "--bss-port: Value 70000 not in range 0 to 65535\n"},
        {{"--dump-on-exit", dir.Path()}, "cannot write " + dir.Path().string() + ": it is a directory"},
        {{"--dump-on-exit", fifo}, "cannot write " + fifo + ": not a regular file (a FIFO or device is not written)"},
        {{"--dump-on-exit", dir / "none/state.json"}, "its folder " + (dir / "none") + " does not exist"},
        {{"--dump-on-exit", locked}, "cannot write " + locked + ": it cannot be written (Permission denied)"},
        {{"--link", file}, "place the link " + file, 1},
    };
    for (const auto& bad : cases) {
        std::vector<std::string> arguments = unprivileged;
        arguments.push_back(LANVANE_PRINTER_SIM);
        arguments.insert(arguments.end(), bad.options.begin(), bad.options.end());
        arguments.push_back("--no-bss");
        const ProgramRun run = lanvane::test::RunProgram(arguments, milliseconds(5000));
        EXPECT_EQ(run.status, bad.status) << bad.options[1];
        EXPECT_NE(run.err.find(bad.error), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace lanvane::sim
