#include "lan/DiscoveryCollector.h"
#include "lan/DiscoveryDatagrams.h"

#include "tests/lan/LanBytes.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

using test::Datagram;
using test::Padded;

std::vector<std::uint8_t> Text(std::string_view text) {
    return Datagram(text);
}

TEST(DiscoveryTest, RequestsAreTheBareTags) {
    EXPECT_EQ(DiscoveryRequest(LanMode::Ethernet), Text("FIND"));
    EXPECT_EQ(DiscoveryRequest(LanMode::Wlan), Text("__[I_F]__[PRT_REG]"));
}

TEST(DiscoveryTest, EthernetRepliesNeedFiveBytesAndTheImInHeader) {
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Ethernet, Text("IMIN")), DiscoveryVerdict::Ignored);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Ethernet, Datagram("IMIN", {1})), DiscoveryVerdict::Device);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Ethernet, Datagram("IMIM", {1})), DiscoveryVerdict::Ignored);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Ethernet, Text("")), DiscoveryVerdict::Ignored);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Ethernet, Padded(Text("__[I_F]__[REG_RSP]"), 47)),
              DiscoveryVerdict::Ignored);
}

TEST(DiscoveryTest, WlanShortDatagramEndsTheSearchAndWrongHeadersAreIgnored) {
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Wlan, Text("__[I_F]__[REG_RSP]")), DiscoveryVerdict::EndsSearch);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Wlan, Text("FIND")), DiscoveryVerdict::EndsSearch);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Wlan, Padded(Text("__[I_F]__[REG_RSP]"), 19)),
              DiscoveryVerdict::Device);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Wlan, Padded(Text("__[I_F]__[SET_RSP]"), 47)),
              DiscoveryVerdict::Ignored);
}

TEST(DiscoveryTest, CollectorNumbersRepliesInArrivalOrderWithoutMerging) {
    LanDeviceLists lists;
    DiscoveryCollector collector(LanMode::Ethernet, lists);
    collector.Begin();
    const auto reply = Datagram("IMIN", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 10, 0, 0, 7});
    EXPECT_EQ(collector.Take(reply), DiscoveryVerdict::Device);
    EXPECT_EQ(collector.Take(Datagram("SETC", {1})), DiscoveryVerdict::Ignored);
    EXPECT_EQ(collector.Take(reply), DiscoveryVerdict::Device);
    ASSERT_EQ(lists.Count(LanMode::Ethernet), 2);
    EXPECT_EQ(lists.Ethernet().Nth(1)->ip, 0x0A000007u);
    EXPECT_EQ(*lists.Ethernet().Nth(1), *lists.Ethernet().Nth(2));
    EXPECT_EQ(lists.Nth(LanMode::Ethernet, 0), nullptr);
    EXPECT_EQ(lists.Nth(LanMode::Ethernet, -1), nullptr);
    EXPECT_EQ(lists.Nth(LanMode::Ethernet, 3), nullptr);
}

TEST(DiscoveryTest, ShortReplyGivesARecordOfZerosAfterItsBytes) {
    LanDeviceLists lists;
    DiscoveryCollector collector(LanMode::Ethernet, lists);
    collector.Take(Datagram("IMIN", {0x42}));
    DeviceRecord expected;
    expected.mac[0] = 0x42;
    EXPECT_EQ(*lists.Ethernet().Nth(1), expected);
}

TEST(DiscoveryTest, SearchOfOneModeLeavesTheOtherModesList) {
    LanDeviceLists lists;
    DiscoveryCollector ethernet(LanMode::Ethernet, lists);
    DiscoveryCollector wlan(LanMode::Wlan, lists);
    ethernet.Take(Datagram("IMIN", {1}));
    wlan.Take(Padded(Text("__[I_F]__[REG_RSP]"), 47));
    wlan.Take(Padded(Text("__[I_F]__[REG_RSP]"), 47));

    wlan.Begin();
    EXPECT_EQ(lists.Count(LanMode::Wlan), 0);
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 1);
    ethernet.Begin();
    wlan.Take(Padded(Text("__[I_F]__[REG_RSP]"), 47));
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 0);
    EXPECT_EQ(lists.Count(LanMode::Wlan), 1);
}

}  // namespace
}  // namespace lanvane
