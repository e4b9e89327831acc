#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "rules/ConfigSummary.h"
#include "resources/StringIds.h"

namespace lanvane::rules {
namespace {

using ::testing::SizeIs;

// The row of a setting, by its 1-based number.
class ConfigSummaryTest : public ::testing::Test {
protected:
    std::string Value(int number) {
        return ConfigSummaryRows(config, EnglishStringTable()).at(static_cast<std::size_t>(number - 1)).value;
    }

    InterfaceConfig config;
};

// Thirty rows in both layouts; the Wi-Fi Direct ones stay empty for version 1.
TEST_F(ConfigSummaryTest, WifiDirectRowsOnlyForTheExtendedRecord) {
    config.p2pConnMode = 1;
    config.p2pChannel = "11";
    config.p2pPinCode = "12345670";
    EXPECT_THAT(ConfigSummaryRows(config, EnglishStringTable()), SizeIs(30));
    EXPECT_EQ(Value(28), "");
    EXPECT_EQ(Value(29), "");
    EXPECT_EQ(Value(30), "");
    config.version = 2;
    EXPECT_THAT(ConfigSummaryRows(config, EnglishStringTable()), SizeIs(30));
    EXPECT_EQ(Value(28), "1");
    EXPECT_EQ(Value(29), "11");
    EXPECT_EQ(Value(30), "12345670");
}

TEST_F(ConfigSummaryTest, NumbersAndAddresses) {
    config.printerPort = 0x7FFF;
    config.inactivityTime = 0x0E10;
    config.trapIpAddress = 0xC0A8000A;
    config.subnetMask = 0xFFFFFF00;
    EXPECT_EQ(Value(2), "32767");
    EXPECT_EQ(Value(16), "3600");
    EXPECT_EQ(Value(11), "192.168.0.10");
    EXPECT_EQ(Value(19), "255.255.255.0");
    EXPECT_EQ(Value(14), "-");
    config.adhocChannel = 11;
    EXPECT_EQ(Value(14), "11");
}

TEST_F(ConfigSummaryTest, KeysOnlyWhereTheSecurityUsesThem) {
    config.wepKey = "abcde";
    config.pskKey = "psk-secret";
    config.authId = "station";
    config.authPassword = "pass";
    config.eapMode = 2;

    config.authentication = 2;
    config.cryptograph = 4;
    EXPECT_EQ(Value(23), "");
    EXPECT_EQ(Value(24), "psk-secret");
    EXPECT_EQ(Value(25), "NONE");
    EXPECT_EQ(Value(26), "");

    config.authentication = 0;
    config.cryptograph = 3;
    EXPECT_EQ(Value(23), "");
    EXPECT_EQ(Value(24), "");

    config.cryptograph = 1;
    EXPECT_EQ(Value(23), "abcde");

    config.authentication = 4;
    config.cryptograph = 3;
    EXPECT_EQ(Value(21), "WPA");
    EXPECT_EQ(Value(25), "EAP-TLS");
    EXPECT_EQ(Value(26), "station");
    EXPECT_EQ(Value(27), "pass");
}

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
    config.networkMode = 1;
    EXPECT_EQ(Value(17), "Manual allocation");
    EXPECT_EQ(Value(13), "Adhoc");
}

TEST_F(ConfigSummaryTest, NamesComeFromTheGivenTable) {
    constexpr std::array entries = {StringEntry{sid::kSummarySsid, "Netzname"},
                                    StringEntry{sid::kNetworkModeInfra, "Infrastruktur"}};
    const StringTable german(entries);
    const auto rows = ConfigSummaryRows(config, german);
    EXPECT_EQ(rows[14].name, "Netzname");
    EXPECT_EQ(rows[12].value, "Infrastruktur");
}

}  // namespace
}  // namespace lanvane::rules
