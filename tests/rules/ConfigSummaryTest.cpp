#include <gtest/gtest.h>

#include <string>

#include "rules/ConfigSummary.h"
#include "resources/StringIds.h"

namespace lanvane::rules {
namespace {

// The row of a setting, by its 1-based number.
class ConfigSummaryTest : public ::testing::Test {
protected:
    std::string Value(int number) {
        return ConfigSummaryRows(config, EnglishStringTable()).at(static_cast<std::size_t>(number - 1)).value;
    }

    InterfaceConfig config;
};

TEST_F(ConfigSummaryTest, TextsStopAtTheirFieldWidthAndFirstZero) {
    config.printerName = std::string(64, 'N');
    EXPECT_EQ(Value(1), std::string(64, 'N'));
    config.printerName = std::string(70, 'N');
    EXPECT_EQ(Value(1), std::string(64, 'N'));
    config.ssid = std::string("office\0guest", 12);
    EXPECT_EQ(Value(15), "office");
}

// A code that its table does not name is shown as its number, never as a neighbour's name.
TEST_F(ConfigSummaryTest, CodesWithoutANameShowTheirNumber) {
    config.https = 1;
    config.telnet = 7;
    config.networkMode = 2;
    config.dhcp = 1;
    config.authentication = 5;
    config.cryptograph = 9;
    config.eapMode = 6;
    EXPECT_EQ(Value(5), "Enable");
    EXPECT_EQ(Value(6), "7");
    EXPECT_EQ(Value(13), "2");
    EXPECT_EQ(Value(17), "Automatic Allocation(DHCP)");
    EXPECT_EQ(Value(21), "WPA2");
    EXPECT_EQ(Value(22), "9");
    EXPECT_EQ(Value(25), "6");
    config.dhcp = 0;
    config.cryptograph = 5;
    config.eapMode = 0;
    EXPECT_EQ(Value(17), "Manual allocation");
    EXPECT_EQ(Value(22), "AES + TKIP");
    EXPECT_EQ(Value(25), "EAP-PEAP");
}

}  // namespace
}  // namespace lanvane::rules
