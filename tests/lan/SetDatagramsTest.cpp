#include "lan/core/SetDatagrams.h"

#include "tests/lan/LanBytes.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

using test::Datagram;
using test::Padded;

// The windows' tests cover the accepted forms; these are the ones just outside them.
TEST(SetDatagramsTest, ConfirmationsJustShortOrOfTheOtherModeAreNone) {
    EXPECT_EQ(ClassifyConfirmation(LanMode::Ethernet, Datagram("IMIN", {0})), Confirmation::None);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Ethernet, Padded(Datagram("__[I_F]__[SET_RSP]"), 19)),
              Confirmation::None);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Wlan, Datagram("__[I_F]__[SET_RSP]")), Confirmation::None);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Wlan, Padded(Datagram("SETC"), 18)), Confirmation::None);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Wlan, Padded(Datagram("__[I_F]__[REG_RSP]"), 47)), Confirmation::None);
}

}  // namespace
}  // namespace lanvane
