#include <arpa/inet.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "PosixTestIo.h"
#include "PrinterDriver.h"
#include "ProgramSide.h"
#include "WireText.h"
#include "sim/SimRecordLayout.h"

namespace lanvane::sim {
namespace {

using namespace test;
using std::chrono::milliseconds;

std::string LineValue(const std::string& text, const std::string& key) {
    const std::size_t at = text.find(key);
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t start = at + key.size();
    return text.substr(start, text.find('\n', start) - start);
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The dump holds keys and passwords: owner only, also over a file that was readable by all.
TEST(PrinterSimProgram, ServesTheChannelAndDumpsWhatItHoldsOnExitForTheOwnerOnly) {
    TempDir dir;
    const int earlier = open((dir / "state.json").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(write(earlier, "an earlier dump, longer than the new one would ever be", 20), 20);
    fchmod(earlier, 0644);
    close(earlier);
    ChildProcess sim(LANVANE_PRINTER_SIM, {"--layout", "2", "--link", dir / "printer", "--bss-port", "0", "--dump-on-exit",
                    dir / "state.json"});
    ASSERT_TRUE(sim.Running());
    const std::string output = sim.OutputUntil("bss: ");
    EXPECT_EQ(LineValue(output, "channel: ").rfind("/dev/pts/", 0), 0u) << output;
    EXPECT_EQ(LineValue(output, "bss: ").rfind("127.0.0.1:", 0), 0u) << output;

    const int port = open((dir / "printer").c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(port, 0);
    PrinterRecord record = DefaultPrinterState(2).record;
    record.printerName = "Front Desk";
    ASSERT_TRUE(WriteWhole(port, LinkRequestFor(Joined({Text("__[I_F]__[IF__SET]"), SimRecordLayout::Encode(record)}))));
    EXPECT_EQ(ReadFor(port, kIfSucReply.size(), milliseconds(1000)), kIfSucReply);
    close(port);

    EXPECT_EQ(sim.StopWith(SIGTERM), 0);
    const std::string dump = FileText(dir / "state.json");
    EXPECT_NE(dump.find("\"printerName\": \"Front Desk\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"layout\": 2"), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"ipAddress\": \"192.168.0.100\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"if-set\""), std::string::npos) << dump;
    EXPECT_EQ(dump.rfind("{", 0), 0u) << dump;
    struct stat status {};
    ASSERT_EQ(stat((dir / "state.json").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600);
}

TEST(PrinterSimProgram, AnswersLanSearchesAsSeveralPrintersAndDumpsTheirSettings) {
    TempDir dir;
    ChildProcess sim(LANVANE_PRINTER_SIM, {"--no-bss", "--lan-ethernet", "2", "--lan-wlan", "1", "--lan-ethernet-port", "0",
                    "--lan-wlan-port", "0", "--lan-repeat", "2", "--dump-on-exit", dir / "state.json"});
    const std::string output = sim.OutputUntil("lan-wlan: ");
    const int ethernetPort = std::atoi(LineValue(output, "lan-ethernet: ").c_str());
    ASSERT_GT(ethernetPort, 0) << output;
    ProgramSide program;
    program.Broadcast("FIND", static_cast<std::uint16_t>(ethernetPort));
    EXPECT_EQ(program.Replies(milliseconds(300)).size(), 4u) << "two printers, each reply sent twice";

    EXPECT_EQ(sim.StopWith(SIGTERM), 0);
    const std::string dump = FileText(dir / "state.json");
    EXPECT_NE(dump.find("\"mac\": \"00:1a:2b:e0:00:02\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"ip\": \"127.0.20.1\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"searchesAnswered\": 1"), std::string::npos) << dump;
}

int ConnectTo(const std::string& addressAndPort) {
    const std::size_t colon = addressAndPort.find(':');
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<std::uint16_t>(std::atoi(addressAndPort.c_str() + colon + 1)));
    inet_pton(AF_INET, addressAndPort.substr(0, colon).c_str(), &peer.sin_addr);
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof(peer)) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// The MACs lanvane-cli listed in one search of `mode`.
std::set<std::string> ListedByTheProgram(const std::string& mode, const std::string& port) {
    ChildProcess cli(LANVANE_CLI, {"discover", "--mode", mode, "--broadcast", "127.255.255.255", "--printer-port",
                                   port, "--local-port", "0", "--search-ms", "1500", "--json"});
    const auto listed = nlohmann::json::parse(cli.OutputUntilEnd(milliseconds(5000)), nullptr, false);
    std::set<std::string> macs;
    for (const auto& device : listed.is_object() ? listed["devices"] : nlohmann::json::array()) {
        macs.insert(device.value("mac", ""));
    }
    return macs;
}

// A thousand printers of each kind in one process, each with its own MAC, address and
// survey port, answer one search each. Whether the program's socket keeps every reply is
// the program's matter: the test holds the simulator to sending them and prints what the
// program listed.
TEST(PrinterSimProgram, AThousandPrintersOfEachKindAnswerOneSearchEach) {
    TempDir dir;
    ChildProcess sim(LANVANE_PRINTER_SIM, {"--bss-port", "0", "--lan-ethernet", "1000", "--lan-wlan", "1000",
                                           "--lan-ethernet-port", "0", "--lan-wlan-port", "0", "--dump-on-exit",
                                           dir / "state.json"});
    const std::string output = sim.OutputUntil("lan-bss: 127.3.20.232:");
    const int survey = ConnectTo("127.3.20.232" + LineValue(output, "lan-bss: 127.3.20.232"));
    ASSERT_GE(survey, 0) << output;
    ASSERT_TRUE(WriteWhole(survey, kBssReqFrame));
    EXPECT_FALSE(ReadFor(survey, 1, milliseconds(1000)).empty());
    close(survey);

    const auto ethernet = ListedByTheProgram("ethernet", LineValue(output, "lan-ethernet: "));
    const auto wlan = ListedByTheProgram("wlan", LineValue(output, "lan-wlan: "));
    std::cout << "lanvane-cli listed " << ethernet.size() << " of 1000 Ethernet and " << wlan.size()
              << " of 1000 WLAN printers\n";

    ASSERT_EQ(sim.StopWith(SIGTERM), 0);
    const auto printers = nlohmann::json::parse(FileText(dir / "state.json"))["lanPrinters"];
    ASSERT_EQ(printers.size(), 2000u);
    std::set<std::string> macs;
    std::set<std::string> addresses;
    for (const auto& printer : printers) {
        EXPECT_EQ(printer["repliesSent"], 1) << printer;
        macs.insert(printer["mac"].get<std::string>());
        addresses.insert(printer["ip"].get<std::string>());
    }
    EXPECT_EQ(macs.size(), 2000u);
    EXPECT_EQ(addresses.size(), 2000u);
}

TEST(PrinterSimProgram, RefusesAnUnknownLayoutOrFault) {
    ChildProcess layout(LANVANE_PRINTER_SIM, {"--layout", "3", "--no-bss"});
    EXPECT_NE(layout.Wait(), 0);
    ChildProcess fault(LANVANE_PRINTER_SIM, {"--fault", "melt", "--no-bss"});
    EXPECT_NE(fault.Wait(), 0);
    ChildProcess lanFault(LANVANE_PRINTER_SIM, {"--lan-fault", "melt", "--no-bss"});
    EXPECT_NE(lanFault.Wait(), 0);
}

}  // namespace
}  // namespace lanvane::sim
