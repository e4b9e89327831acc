#include "sim/BssTcpServer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "PosixTestIo.h"
#include "WireText.h"

namespace lanvane::sim {
namespace {

using namespace test;
using std::chrono::milliseconds;

PrinterState HomeOnly() {
    PrinterState state = DefaultPrinterState();
    state.networks = {{"Home", {0x00, 0x11, 0x22, 0x33, 0x44, 0x55}, 0, -60, 0x0C}};
    return state;
}

TEST(BssTcpServer, HangsUpWithoutAnswerWhenPlanned) {
    FaultPlan faults;
    faults.closeStreamWithoutAnswer = true;
    SimulatedPrinter printer(HomeOnly(), faults);
    BssTcpServer server(printer, "127.0.0.1", 0);
    ASSERT_TRUE(server.Start());
    const int link = ConnectTo(INADDR_LOOPBACK, server.Port());
    ASSERT_TRUE(WriteWhole(link, kBssReqFrame));
    std::uint8_t byte = 0;
    EXPECT_EQ(recv(link, &byte, 1, 0), 0);
    close(link);
}

TEST(BssTcpServer, StopsPromptlyWithAClientConnected) {
    SimulatedPrinter printer;
    BssTcpServer server(printer, "127.0.0.1", 0);
    ASSERT_TRUE(server.Start());
    const int link = ConnectTo(INADDR_LOOPBACK, server.Port());
    ASSERT_GE(link, 0);
    const auto started = std::chrono::steady_clock::now();
    server.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - started, milliseconds(500));
    EXPECT_LT(ConnectTo(INADDR_LOOPBACK, server.Port()), 0);
    close(link);
}

TEST(BssTcpServer, RefusesAnAddressItCannotRead) {
    SimulatedPrinter printer;
    BssTcpServer server(printer, "localhost", 0);
    EXPECT_FALSE(server.Start());
}

}  // namespace
}  // namespace lanvane::sim
