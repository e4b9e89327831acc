#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ProgramSide.h"
#include "sim/posix/LanPrinterFleet.h"

namespace lanvane::sim {
namespace {

using std::chrono::milliseconds;
using test::ProgramSide;

TEST(LanPrinterFleetTest, EveryPrinterOfTheKindAnswersOneBroadcast) {
    LanPrinterFleet fleet(3, 1, LanFaultPlan{}, LanFleetPorts{});
    ASSERT_TRUE(fleet.Start());
    ASSERT_NE(fleet.EthernetPort(), 0);
    ASSERT_NE(fleet.WlanPort(), fleet.EthernetPort());
    ProgramSide program;
    program.Broadcast("FIND", fleet.EthernetPort());
    const auto replies = program.Replies(milliseconds(200));
    ASSERT_EQ(replies.size(), 3u);
    std::set<std::uint8_t> lastMacBytes;
    for (const Bytes& reply : replies) {
        ASSERT_EQ(reply.size(), 31u);
        EXPECT_EQ(std::string(reply.begin(), reply.begin() + 4), "IMIN");
        lastMacBytes.insert(reply[9]);
    }
    EXPECT_EQ(lastMacBytes, (std::set<std::uint8_t>{1, 2, 3}));

    program.Broadcast("__[I_F]__[PRT_REG]", fleet.WlanPort());
    const auto wlanReplies = program.Replies(milliseconds(200));
    ASSERT_EQ(wlanReplies.size(), 1u);
    EXPECT_EQ(wlanReplies[0].size(), 47u);
}

TEST(LanPrinterFleetTest, DelayedRepliesStillArriveAndStopEndsTheWaitAtOnce) {
    LanPrinterFleet fleet(1, 0, LanFaultPlan{.replyDelay = milliseconds(100), .repeat = 2}, LanFleetPorts{});
    ASSERT_TRUE(fleet.Start());
    ProgramSide program;
    program.Broadcast("FIND", fleet.EthernetPort());
    EXPECT_EQ(program.Replies(milliseconds(300)).size(), 2u);

    fleet.Printers()[0]->SetFaults(LanFaultPlan{.replyDelay = milliseconds(5000)});
    program.Broadcast("FIND", fleet.EthernetPort());
    program.Replies(milliseconds(50));
    const auto start = std::chrono::steady_clock::now();
    fleet.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1000));
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
