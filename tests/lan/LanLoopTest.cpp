#include "lan/core/LanSearch.h"

#include "sim/LanPrinterFleet.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

using namespace std::chrono_literals;

// The search and set loops against simulated printers are also what lanvane-cli runs;
// tests/cli covers them there.

// The program's side over the loopback broadcast: the printers' ports from the fleet, a
// free local port of the system's choice.
LanNetworkOptions LoopbackNetwork(const sim::LanPrinterFleet& fleet) {
    LanNetworkOptions network;
    network.broadcastAddress = "127.255.255.255";
    network.ethernet = {fleet.EthernetPort(), 0};
    network.wlan = {fleet.WlanPort(), 0};
    return network;
}

TEST(LanLoopTest, ShortWlanReplyEndsTheSearchEarly) {
    sim::LanPrinterFleet fleet(0, 1, sim::LanFaultPlan{.shortenTo = 18}, {});
    ASSERT_TRUE(fleet.Start());
    LanDeviceLists lists;
    LanSearch search(LanMode::Wlan, LoopbackNetwork(fleet), lists);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunSearch(search, 1500ms), UdpResult::Ok);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);
    EXPECT_EQ(lists.Count(LanMode::Wlan), 0);
}

}  // namespace
}  // namespace lanvane
