#include "lan/core/LanSearch.h"

#include "protocol/AddressText.h"
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

// Replies cut short, down to the bare header, are dropped and counted, never listed with
// zeros for what they lack; none ends the search, which lists the whole reply that comes
// after them. The cuts of each mode are DiscoveryTest's; the loop is the same for both.
TEST(LanLoopTest, RepliesCutShortAreCountedAndTheSearchGoesOn) {
    sim::LanPrinterFleet fleet(0, 3, {}, {});
    fleet.Printers()[0]->SetFaults({.shortenTo = 18});
    fleet.Printers()[1]->SetFaults({.shortenTo = 46});
    fleet.Printers()[2]->SetFaults({.replyDelay = 200ms});
    ASSERT_TRUE(fleet.Start());
    LanDeviceLists lists;
    LanSearch search(LanMode::Wlan, LoopbackNetwork(fleet), lists);
    ASSERT_EQ(RunSearch(search, 700ms), UdpResult::Ok);
    ASSERT_EQ(lists.Count(LanMode::Wlan), 1);
    EXPECT_EQ(lists.Nth(LanMode::Wlan, 1)->mac, fleet.Printers()[2]->Settings().mac);
    EXPECT_EQ(lists.From(LanMode::Wlan, 1), AddressText(fleet.Printers()[2]->Settings().ip)) << "its own address";
    EXPECT_EQ(search.Collector().TruncatedReplies(), 2);
}

}  // namespace
}  // namespace lanvane
