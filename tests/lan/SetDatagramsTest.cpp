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

// A set is confirmed by the printer it went to alone: the same datagram from any other
// address, or while the printer's address is not known, confirms nothing.
TEST(SetDatagramsTest, OnlyThePrintersOwnAddressConfirms) {
    const auto setc = Datagram("SETC", {0});
    EXPECT_EQ(ConfirmationFrom(LanMode::Ethernet, setc, "127.0.10.1", "127.0.10.1"), Confirmation::Setc);
    const std::pair<const char*, const char*> strangers[] = {
        {"127.0.10.2", "127.0.10.1"}, {"127.0.10.10", "127.0.10.1"}, {"127.0.10.1", ""}, {"", ""}};
    for (const auto& [sender, printer] : strangers) {
        EXPECT_EQ(ConfirmationFrom(LanMode::Ethernet, setc, sender, printer), Confirmation::None) << sender;
    }
    EXPECT_EQ(ConfirmationFrom(LanMode::Ethernet, Datagram("SETC"), "127.0.10.1", "127.0.10.1"), Confirmation::None);
}

}  // namespace
}  // namespace lanvane
