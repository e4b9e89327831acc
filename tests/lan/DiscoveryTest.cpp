#include "lan/core/DiscoveryCollector.h"
#include "lan/core/DiscoveryDatagrams.h"

#include "tests/lan/LanBytes.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

using test::Datagram;
using test::Padded;

std::vector<std::uint8_t> EthernetReply(int macStart) {
    return Padded(Datagram("IMIN", {macStart}), DiscoveryReplySize(LanMode::Ethernet));
}

std::vector<std::uint8_t> WlanReply() {
    return Padded(Datagram("__[I_F]__[REG_RSP]"), DiscoveryReplySize(LanMode::Wlan));
}

// A reply is whole or it is dropped: every cut of a whole reply, down to nothing, is
// Truncated (never a record padded with zeros), and no datagram of any length ends a search.
TEST(DiscoveryTest, OnlyWholeRepliesOfTheModesOwnHeaderAreDevices) {
    for (const auto& [mode, whole] :
         {std::pair{LanMode::Ethernet, EthernetReply(1)}, std::pair{LanMode::Wlan, WlanReply()}}) {
        for (std::size_t length = 0; length < whole.size(); ++length) {
            EXPECT_EQ(ClassifyDiscoveryReply(mode, std::span(whole).first(length)), DiscoveryVerdict::Truncated)
                << length;
        }
        EXPECT_EQ(ClassifyDiscoveryReply(mode, whole), DiscoveryVerdict::Device);
        EXPECT_EQ(ClassifyDiscoveryReply(mode, Padded(whole, 512)), DiscoveryVerdict::Device);
    }
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Ethernet, WlanReply()), DiscoveryVerdict::Ignored);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Wlan, Padded(EthernetReply(1), 47)), DiscoveryVerdict::Ignored);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Wlan, Datagram("X")), DiscoveryVerdict::Ignored);
    EXPECT_EQ(ClassifyDiscoveryReply(LanMode::Wlan, Padded(Datagram("__[I_F]__[SET_RSP]"), 47)),
              DiscoveryVerdict::Ignored);
}

// A printer whose reply arrives twice is listed once, with the address it answered from, and
// a second printer with its MAC (another address) is kept aside, told once; a reply cut short is
// counted and not listed; a new search hears everything again.
TEST(DiscoveryTest, ListsAreNumberedFromOneOncePerMacAndEachSearchEmptiesOnlyItsOwn) {
    LanDeviceLists lists;
    DiscoveryCollector ethernet(LanMode::Ethernet, lists);
    DiscoveryCollector wlan(LanMode::Wlan, lists);
    ethernet.Take(EthernetReply(1), "127.0.10.1");
    ethernet.Take(EthernetReply(2), "127.0.10.2");
    auto again = EthernetReply(1);
    again[10] = 10;
    EXPECT_EQ(ethernet.Take(again, "127.0.10.9"), DiscoveryVerdict::Ignored);
    ethernet.Take(again, "127.0.10.9");
    ethernet.Take(EthernetReply(2), "127.0.10.2");
    ASSERT_EQ(ethernet.SharedMacs().size(), 1u) << "a second printer with a listed MAC, told once";
    EXPECT_EQ(ethernet.SharedMacs()[0].otherIp, 0x0A000000u);
    EXPECT_EQ(ethernet.Take(Datagram("IMIN", {3}), "127.0.10.3"), DiscoveryVerdict::Truncated);
    wlan.Take(WlanReply());
    EXPECT_EQ(wlan.Take(WlanReply()), DiscoveryVerdict::Ignored);
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 2);
    EXPECT_EQ(lists.Nth(LanMode::Ethernet, 1)->ip, 0u) << "the first reply stays";
    EXPECT_EQ(lists.From(LanMode::Ethernet, 1), "127.0.10.1");
    EXPECT_EQ(lists.Nth(LanMode::Ethernet, 2)->mac[0], 2);
    EXPECT_EQ(ethernet.TruncatedReplies(), 1);
    EXPECT_EQ(ethernet.TruncatedFrom(), std::set<std::string>{"127.0.10.3"});
    for (int missing : {0, -1, 3}) {
        EXPECT_EQ(lists.Nth(LanMode::Ethernet, missing), nullptr) << missing;
        EXPECT_EQ(lists.From(LanMode::Ethernet, missing), "") << missing;
    }

    ethernet.Begin();
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 0);
    EXPECT_EQ(ethernet.TruncatedReplies(), 0);
    EXPECT_TRUE(ethernet.SharedMacs().empty());
    EXPECT_EQ(lists.Count(LanMode::Wlan), 1);
    EXPECT_EQ(ethernet.Take(EthernetReply(1)), DiscoveryVerdict::Device);
}

}  // namespace
}  // namespace lanvane
