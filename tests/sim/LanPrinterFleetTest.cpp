#include "sim/LanPrinterFleet.h"

#include <gtest/gtest.h>

#include <string_view>

#include "sim/SocketCalls.h"

namespace lanvane::sim {
namespace {

using std::chrono::milliseconds;

constexpr std::uint32_t kLoopback = 0x7F000001;

// The datagrams that reach `socket` until none has come for `quiet`.
int CountReplies(NativeSocket socket, milliseconds quiet) {
    int replies = 0;
    std::vector<SocketWait> waits{{socket, kReadable, 0}};
    while (WaitForSockets(waits, static_cast<int>(quiet.count())) && waits[0].fired != 0) {
        std::uint8_t buffer[512];
        Endpoint sender;
        replies += ReceiveDatagram(socket, buffer, sender) >= 0 ? 1 : 0;
    }
    return replies;
}

// One thread serves every printer: a printer that waits long holds up no other, and Stop
// does not wait for it.
TEST(LanPrinterFleetTest, ASlowPrinterHoldsUpNoOtherAndStopEndsTheWaitAtOnce) {
    LanPrinterFleet fleet(2, 0, LanFaultPlan{}, LanFleetPorts{});
    ASSERT_TRUE(fleet.Start());
    fleet.Printers()[0]->SetFaults(LanFaultPlan{.replyDelay = milliseconds(5000)});
    fleet.Printers()[1]->SetFaults(LanFaultPlan{.replyDelay = milliseconds(100), .repeat = 2});
    std::uint16_t programPort = 0;
    const NativeSocket program = OpenDatagramSocket(0, programPort);
    ASSERT_NE(program, kNoSocket);
    constexpr std::string_view kFind = "FIND";
    ASSERT_EQ(SendDatagram(program, {reinterpret_cast<const std::uint8_t*>(kFind.data()), kFind.size()},
                           Endpoint{kLoopback, fleet.EthernetPort()}),
              Transfer::Done);
    EXPECT_EQ(CountReplies(program, milliseconds(1000)), 2);
    EXPECT_EQ(fleet.Printers()[1]->RepliesSent(), 2);

    const auto start = std::chrono::steady_clock::now();
    fleet.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1000));
    EXPECT_EQ(fleet.Printers()[0]->RepliesSent(), 0);
    CloseSocket(program);
}

}  // namespace
}  // namespace lanvane::sim
