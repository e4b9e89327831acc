#include <gtest/gtest.h>

#include "protocol/InterfaceConfig.h"

namespace lanvane {
namespace {

TEST(CodeNames, EachTableNamesItsLastCodeAndNothingBeyond) {
    EXPECT_EQ(AuthenticationName(5), "WPA2");
    EXPECT_EQ(AuthenticationName(6), std::nullopt);
    EXPECT_EQ(CryptographName(5), "AES + TKIP");
    EXPECT_EQ(CryptographName(-1), std::nullopt);
    EXPECT_EQ(NetworkModeName(1), "Adhoc");
    EXPECT_EQ(NetworkModeName(2), std::nullopt);  // Wi-Fi Direct has no name here
    EXPECT_EQ(IpAssignmentName(1), "Automatic Allocation(DHCP)");
    EXPECT_EQ(IpAssignmentName(2), std::nullopt);
    EXPECT_EQ(EapModeName(5), "NONE");
    EXPECT_EQ(EapModeName(255), std::nullopt);
    EXPECT_EQ(EnableName(1), "Enable");
    EXPECT_EQ(EnableName(2), std::nullopt);
}

TEST(P2pChannel, MatchesTheThreeZeroPaddedChannelTexts) {
    const std::uint8_t fields[][3] = {{'1', 0, 0}, {'6', 0, 0}, {'1', '1', 0}, {'1', 0, 'x'}, {}};
    EXPECT_EQ(P2pChannelIndex(fields[0]), 0);
    EXPECT_EQ(P2pChannelIndex(fields[1]), 1);
    EXPECT_EQ(P2pChannelIndex(fields[2]), 2);
    EXPECT_EQ(P2pChannelIndex(fields[3]), std::nullopt);
    EXPECT_EQ(P2pChannelIndex(fields[4]), std::nullopt);

    EXPECT_EQ(P2pChannelIndex("11"), 2);
    EXPECT_EQ(P2pChannelIndex("2"), std::nullopt);
    EXPECT_EQ(P2pChannelIndex("1100"), std::nullopt);
    EXPECT_EQ(P2pChannelText(1), "6");
    EXPECT_EQ(P2pChannelText(3), "");
}

}  // namespace
}  // namespace lanvane
