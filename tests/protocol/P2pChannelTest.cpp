#include <gtest/gtest.h>

#include "protocol/InterfaceConfig.h"

namespace lanvane {
namespace {

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
