#include <gtest/gtest.h>

#include "protocol/AddressText.h"

namespace lanvane {
namespace {

TEST(AddressTextTest, FirstOctetIsTheHighByteBothWays) {
    for (const auto& [value, text] : {std::pair{0xC0A80064u, "192.168.0.100"}, std::pair{0u, "0.0.0.0"},
                                      std::pair{0xFFFFFFFFu, "255.255.255.255"}}) {
        EXPECT_EQ(AddressText(value), text);
        EXPECT_EQ(ParseAddressText(text), value) << text;
    }
    EXPECT_EQ(ParseAddressText("010.0.0.1"), 0x0A000001u);
}

TEST(AddressTextTest, RefusesAnythingButFourOctets) {
    for (const char* text : {"", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1.2.3.4 ", " 1.2.3.4", "1..3.4",
                             "1.2.3.-4", "1.2.3.0004", "a.b.c.d", "1.2.3.4/24", "0x1.2.3.4"}) {
        EXPECT_EQ(ParseAddressText(text), std::nullopt) << text;
    }
}

TEST(AddressTextTest, MacTextsInBothFormsAndParsedInEither) {
    const MacAddress mac{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0xFE};
    EXPECT_EQ(MacText(mac), "00-1A-2B-3C-4D-FE");
    EXPECT_EQ(LanMacText(mac), "00:1a:2b:3c:4d:fe");
    EXPECT_EQ(ParseMacText("00:1a:2b:3c:4d:fe"), mac);
    EXPECT_EQ(ParseMacText("00-1A-2B-3C-4D-FE"), mac);
    for (const char* bad : {"", "00:1a:2b:3c:4d", "00:1a:2b:3c:4d:fe:6f", "0:1a:2b:3c:4d:fe", "00:1a:2b:3c:4d:fg",
                            "001a2b3c4dfe", "00:1a:2b:3c:4d:+f"}) {
        EXPECT_EQ(ParseMacText(bad), std::nullopt) << bad;
    }
}

}  // namespace
}  // namespace lanvane
