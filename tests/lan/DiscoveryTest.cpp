#include "lan/core/DiscoveryCollector.h"
#include "lan/core/DiscoveryDatagrams.h"

#include "tests/lan/LanBytes.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

using test::Datagram;
using test::Padded;

TEST(DiscoveryTest, EachModeTakesOnlyItsOwnHeaderFromItsMinimumLength) {
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Wlan, Datagram("__[I_F]__[REG_RSP]", {1})), DiscoveryVerdict::Device);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Ethernet, Padded(Datagram("__[I_F]__[REG_RSP]"), 47)),
              DiscoveryVerdict::Ignored);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Wlan, Padded(Datagram("IMIN"), 47)), DiscoveryVerdict::Ignored);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Ethernet, Datagram("")), DiscoveryVerdict::Ignored);
}

// A printer whose reply arrives twice is listed once, and a second printer with its MAC
// (another address) is kept aside; a new search hears it again.
TEST(DiscoveryTest, ListsAreNumberedFromOneOncePerMacAndEachSearchEmptiesOnlyItsOwn) {
    LanDeviceLists lists;
    DiscoveryCollector ethernet(LanMode::Ethernet, lists);
    DiscoveryCollector wlan(LanMode::Wlan, lists);
    ethernet.Take(Datagram("IMIN", {1}));
    ethernet.Take(Datagram("IMIN", {2}));
    EXPECT_EQ(ethernet.Take(Datagram("IMIN", {1, 0, 0, 0, 0, 0, 10})), DiscoveryVerdict::Ignored);
    ethernet.Take(Datagram("IMIN", {1, 0, 0, 0, 0, 0, 10}));
    ethernet.Take(Datagram("IMIN", {2}));
    ASSERT_EQ(ethernet.SharedMacs().size(), 1u) << "a second printer with a listed MAC, told once";
    EXPECT_EQ(ethernet.SharedMacs()[0].otherIp, 0x0A000000u);
    wlan.Take(Padded(Datagram("__[I_F]__[REG_RSP]"), 47));
    EXPECT_EQ(wlan.Take(Padded(Datagram("__[I_F]__[REG_RSP]"), 47)), DiscoveryVerdict::Ignored);
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 2);
    EXPECT_EQ(lists.Nth(LanMode::Ethernet, 1)->ip, 0u) << "the first reply stays";
    EXPECT_EQ(lists.Nth(LanMode::Ethernet, 2)->mac[0], 2);
    for (int missing : {0, -1, 3}) {
        EXPECT_EQ(lists.Nth(LanMode::Ethernet, missing), nullptr) << missing;
    }

    ethernet.Begin();
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 0);
    EXPECT_EQ(lists.Count(LanMode::Wlan), 1);
    EXPECT_EQ(ethernet.Take(Datagram("IMIN", {1})), DiscoveryVerdict::Device);
}

}  // namespace
}  // namespace lanvane
