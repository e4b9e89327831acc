#include <gtest/gtest.h>

#include "protocol/InterfaceConfig.h"

namespace lanvane {
namespace {

TEST(CodeNames, EachTableNamesItsCodesAndNothingBeyond) {
    EXPECT_EQ(AuthenticationName(0), "Open System");
    EXPECT_EQ(AuthenticationName(5), "WPA2");
    EXPECT_EQ(AuthenticationName(6), std::nullopt);
    EXPECT_EQ(CryptographName(5), "AES + TKIP");
    EXPECT_EQ(CryptographName(-1), std::nullopt);
    EXPECT_EQ(NetworkModeName(0), "Infra Network");
    EXPECT_EQ(NetworkModeName(1), "Adhoc");
    EXPECT_EQ(NetworkModeName(2), std::nullopt);  // Wi-Fi Direct has no name here
    EXPECT_EQ(IpAssignmentName(0), "Manual allocation");
    EXPECT_EQ(IpAssignmentName(1), "Automatic Allocation(DHCP)");
    EXPECT_EQ(IpAssignmentName(2), std::nullopt);
    EXPECT_EQ(EapModeName(2), "EAP-TLS");
    EXPECT_EQ(EapModeName(5), "NONE");
    EXPECT_EQ(EapModeName(255), std::nullopt);
    EXPECT_EQ(EnableName(1), "Enable");
    EXPECT_EQ(EnableName(2), std::nullopt);
}

TEST(P2pChannel, MatchesTheThreeZeroPaddedChannelTexts) {
    const std::uint8_t one[3] = {'1', 0, 0};
    const std::uint8_t six[3] = {'6', 0, 0};
    const std::uint8_t eleven[3] = {'1', '1', 0};
    const std::uint8_t oneWithGarbage[3] = {'1', 0, 'x'};
    const std::uint8_t empty[3] = {0, 0, 0};
    EXPECT_EQ(P2pChannelIndex(one), 0);
    EXPECT_EQ(P2pChannelIndex(six), 1);
    EXPECT_EQ(P2pChannelIndex(eleven), 2);
    EXPECT_EQ(P2pChannelIndex(oneWithGarbage), std::nullopt);
    EXPECT_EQ(P2pChannelIndex(empty), std::nullopt);

    EXPECT_EQ(P2pChannelIndex("11"), 2);
    EXPECT_EQ(P2pChannelIndex("2"), std::nullopt);
    EXPECT_EQ(P2pChannelIndex("1100"), std::nullopt);
    EXPECT_EQ(P2pChannelText(1), "6");
    EXPECT_EQ(P2pChannelText(3), "");
}

}  // namespace
}  // namespace lanvane
