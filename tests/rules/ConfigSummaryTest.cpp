#include <gtest/gtest.h>

#include "editor/rules/ConfigSummary.h"
#include "editor/rules/ValueCodes.h"
#include "editor/rules/ValueNames.h"
#include "resources/StringIds.h"

namespace lanvane::rules {
namespace {

InterfaceConfig WrittenRecord(int version) {
    InterfaceConfig config;
    config.version = version;
    config.printerName = "Front Desk";
    config.printerPort = 9100;
    config.userId = "admin";
    config.userPassword = "secret";
    config.https = 1;
    config.snmp = 1;
    config.setCommunity = "private";
    config.getCommunity = "public";
    config.trapIpAddress = 0xC0A8000Au;
    config.trapCommunity = "trap";
    config.networkMode = mode_code::kInfra;
    config.adhocChannel = 11;
    config.ssid = "office";
    config.inactivityTime = 3600;
    config.dhcp = 1;
    config.ipAddress = 0xC0A80064u;
    config.subnetMask = 0xFFFFFF00u;
    config.gateway = 0xC0A80001u;
    config.authentication = auth_code::kWpaPsk;
    config.cryptograph = crypt_code::kAes;
    config.wepKey = "1234567890";
    config.pskKey = "passphrase";
    config.eapMode = 2;
    config.authId = "station";
    config.authPassword = "station-secret";
    config.p2pConnMode = 1;
    config.p2pChannel = "11";
    config.p2pPinCode = "12345670";
    return config;
}

std::vector<std::string> Values(const InterfaceConfig& config) {
    std::vector<std::string> values;
    for (const SummaryRow& row : ConfigSummaryRows(config, EnglishStringTable())) {
        values.push_back(row.value);
    }
    return values;
}

TEST(ConfigSummaryTest, ThirtyNumberedRowsNamedFromTheStringTable) {
    const auto rows = ConfigSummaryRows(WrittenRecord(2), EnglishStringTable());
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows[0], (SummaryRow{1, "Printer Name", "Front Desk"}));
    EXPECT_EQ(rows[16].name, "IP Assignment method");
    EXPECT_EQ(rows[26].name, "Auth Password/Certification Key(EAP-TLS)");
    EXPECT_EQ(rows[29], (SummaryRow{30, "P2P Pin Code", "12345670"}));
    const StringTable translated(std::vector<StringEntry>{{sid::kSummaryPrinterName, "Druckername"}});
    EXPECT_EQ(ConfigSummaryRows(WrittenRecord(2), translated)[0].name, "Druckername");
}

TEST(ConfigSummaryTest, ValuesOfAVersion2Record) {
    const std::vector<std::string> expected = {
        "Front Desk", "9100", "admin", "secret", "Enable", "Disable", "Disable", "Enable",
        "private", "public", "192.168.0.10", "trap", "Infra Network", "11", "office", "3600",
        "Automatic Allocation(DHCP)", "192.168.0.100", "255.255.255.0", "192.168.0.1",
        "WPA-PSK", "AES", "", "passphrase", "NONE", "", "", "1", "11", "12345670"};
    EXPECT_EQ(Values(WrittenRecord(2)), expected);
}

TEST(ConfigSummaryTest, Version1LeavesTheWifiDirectRowsEmpty) {
    const auto values = Values(WrittenRecord(1));
    EXPECT_EQ(values[27], "");
    EXPECT_EQ(values[28], "");
    EXPECT_EQ(values[29], "");
    EXPECT_EQ(values[0], "Front Desk");
}

TEST(ConfigSummaryTest, KeysShowOnlyWhereTheirCryptographUsesThem) {
    InterfaceConfig config = WrittenRecord(1);
    config.authentication = auth_code::kOpenSystem;
    config.cryptograph = crypt_code::kTkip;
    EXPECT_EQ(Values(config)[22], "");
    EXPECT_EQ(Values(config)[23], "");

    config.cryptograph = crypt_code::kWep128;
    EXPECT_EQ(Values(config)[22], "1234567890");
    EXPECT_EQ(Values(config)[23], "");
}

TEST(ConfigSummaryTest, EapRowsShowUnderWpaAndWpa2Only) {
    InterfaceConfig config = WrittenRecord(1);
    config.authentication = auth_code::kWpa;
    auto values = Values(config);
    EXPECT_EQ(values[24], "EAP-TLS");
    EXPECT_EQ(values[25], "station");
    EXPECT_EQ(values[26], "station-secret");
    EXPECT_EQ(values[23], "");

    config.authentication = auth_code::kWpa2Psk;
    values = Values(config);
    EXPECT_EQ(values[24], "NONE");
    EXPECT_EQ(values[25], "");
}

TEST(ConfigSummaryTest, CodesWithoutANameShowAsTheirNumber) {
    InterfaceConfig config = WrittenRecord(2);
    config.networkMode = mode_code::kWifiDirect;
    config.cryptograph = 9;
    config.https = 7;
    config.dhcp = 2;
    config.authentication = auth_code::kWpa2;
    config.eapMode = 200;
    const auto values = Values(config);
    EXPECT_EQ(values[12], "2");
    EXPECT_EQ(values[21], "9");
    EXPECT_EQ(values[4], "7");
    EXPECT_EQ(values[16], "2");
    EXPECT_EQ(values[24], "200");
}

TEST(ConfigSummaryTest, NumbersAtTheirLimitsAndAnUnsetAdhocChannel) {
    InterfaceConfig config = WrittenRecord(1);
    config.printerPort = 32767;
    config.inactivityTime = 65535;
    config.adhocChannel = 0;
    const auto values = Values(config);
    EXPECT_EQ(values[1], "32767");
    EXPECT_EQ(values[15], "65535");
    EXPECT_EQ(values[13], "-");
}

TEST(ConfigSummaryTest, TextsShowAsWrittenCutToTheirFieldWidth) {
    InterfaceConfig config = WrittenRecord(2);
    config.printerName = std::string(64, 'N') + "overflow";
    config.p2pPinCode = "1234567890123";
    const auto values = Values(config);
    EXPECT_EQ(values[0], std::string(64, 'N'));
    EXPECT_EQ(values[29], "123456789");
}

TEST(ValueNamesTest, NamesComeFromTheTableAndNeverFromPastItsEnd) {
    EXPECT_EQ(ValueName(ValueTable::cryptograph, 5, EnglishStringTable()), "AES + TKIP");
    EXPECT_EQ(ValueName(ValueTable::eapMode, 0, EnglishStringTable()), "EAP-PEAP");
    EXPECT_EQ(ValueName(ValueTable::onOff, 2, EnglishStringTable()), std::nullopt);
    EXPECT_EQ(ValueName(ValueTable::authentication, -1, EnglishStringTable()), std::nullopt);
    EXPECT_EQ(ValueText(ValueTable::networkMode, 2, EnglishStringTable()), "2");
}

}  // namespace
}  // namespace lanvane::rules
