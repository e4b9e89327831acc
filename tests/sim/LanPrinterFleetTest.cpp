#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ProgramSide.h"
#include "sim/posix/LanPrinterFleet.h"

namespace lanvane::sim {
namespace {

using std::chrono::milliseconds;
using test::ProgramSide;

// One thread serves every printer: a printer that waits long holds up no other, and Stop
// does not wait for it.
TEST(LanPrinterFleetTest, ASlowPrinterHoldsUpNoOtherAndStopEndsTheWaitAtOnce) {
    LanPrinterFleet fleet(2, 0, LanFaultPlan{}, LanFleetPorts{});
    ASSERT_TRUE(fleet.Start());
    fleet.Printers()[0]->SetFaults(LanFaultPlan{.replyDelay = milliseconds(5000)});
    fleet.Printers()[1]->SetFaults(LanFaultPlan{.replyDelay = milliseconds(100), .repeat = 2});
    ProgramSide program;
    program.Broadcast("FIND", fleet.EthernetPort());
    EXPECT_EQ(program.Replies(milliseconds(300)).size(), 2u);
    EXPECT_EQ(fleet.Printers()[1]->RepliesSent(), 2);

    const auto start = std::chrono::steady_clock::now();
    fleet.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1000));
    EXPECT_EQ(fleet.Printers()[0]->RepliesSent(), 0);
}

TEST(LanPrinterFleetTest, PortHeldByAnotherProgramFailsTheStart) {
    const int holder = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    socklen_t size = sizeof address;
    ASSERT_EQ(bind(holder, reinterpret_cast<const sockaddr*>(&address), size), 0);
    getsockname(holder, reinterpret_cast<sockaddr*>(&address), &size);
    LanPrinterFleet fleet(1, 0, LanFaultPlan{}, LanFleetPorts{.ethernet = ntohs(address.sin_port)});
    EXPECT_FALSE(fleet.Start());
    close(holder);
}

}  // namespace
}  // namespace lanvane::sim
