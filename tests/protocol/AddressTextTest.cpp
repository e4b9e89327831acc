#include <gtest/gtest.h>

#include "protocol/AddressText.h"

namespace lanvane {
namespace {

TEST(AddressTextTest, FirstOctetIsTheHighByte) {
    EXPECT_EQ(AddressText(0xC0A80064u), "192.168.0.100");
    EXPECT_EQ(AddressText(0u), "0.0.0.0");
    EXPECT_EQ(AddressText(0xFFFFFFFFu), "255.255.255.255");
}

TEST(AddressTextTest, ParsesWhatItWrites) {
    EXPECT_EQ(ParseAddressText("192.168.0.100"), 0xC0A80064u);
    EXPECT_EQ(ParseAddressText("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseAddressText("010.0.0.1"), 0x0A000001u);
}

TEST(AddressTextTest, RefusesAnythingButFourOctets) {
    for (const char* text : {"", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1.2.3.4 ", " 1.2.3.4", "1..3.4",
                             "1.2.3.-4", "1.2.3.0004", "a.b.c.d", "1.2.3.4/24", "0x1.2.3.4"}) {
        EXPECT_EQ(ParseAddressText(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace lanvane
