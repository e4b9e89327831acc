#include "lan/core/BaudTable.h"
#include "lan/core/FeatureCodes.h"
#include "lan/core/NetworkSettingRules.h"

#include "resources/StringIds.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

NetworkSettingValues ManualValues() {
    return {.ip = 0xC0A8000Au, .subnet = 0xFFFFFF00u, .gateway = 0xC0A80001u, .localPort = 9100,
            .inactivity = 0, .dhcp = false, .baudIndex = 7};
}

// Past the table's end code 0 goes out (unknown codes and rates: LanWindowsTest, LanCommandsTest).
TEST(SettingRulesTest, AnIndexPastTheBaudTableSendsCodeZero) {
    EXPECT_EQ(BaudCodeOfIndex(9), 0);
}

TEST(SettingRulesTest, FeatureCodesSetTheFourButtons) {
    EXPECT_EQ(FeatureButtonsFor(0), FeatureButtons{});
    EXPECT_EQ(FeatureButtonsFor(25), (FeatureButtons{.setting = true, .bssInfo = true, .webConfig = true}));
    EXPECT_EQ(FeatureButtonsFor(31), (FeatureButtons{true, true, true, true}));
    EXPECT_EQ(FeatureButtonsFor(7), std::nullopt);
}

TEST(SettingRulesTest, TypedNumbersOutOfRangeAreCorrected) {
    EXPECT_EQ(CorrectLocalPort(32767), std::nullopt);
    EXPECT_EQ(CorrectLocalPort(40000), (FieldCorrection{sid::kPortOutOfRange, 9100}));
    EXPECT_EQ(CorrectLocalPort(-1), (FieldCorrection{sid::kPortOutOfRange, 9100}));
    EXPECT_EQ(CorrectInactivity(3600), std::nullopt);
    EXPECT_EQ(CorrectInactivity(3601), (FieldCorrection{sid::kTimeNotSet, 0}));
}

TEST(SettingRulesTest, ValuesAreWrittenInPlaceAndAZeroAddressIsRefusedAfterwards) {
    DeviceRecord record;
    record.mac = {1, 2, 3, 4, 5, 6};
    record.https = 1;
    NetworkSettingValues values = ManualValues();
    values.localPort = 300;
    values.inactivity = 3600;
    ASSERT_EQ(ApplySettingValues(values, record), SaveOutcome::Send);
    EXPECT_EQ(record.ip, values.ip);
    EXPECT_EQ(record.port, 300);
    EXPECT_EQ(record.inactivity, 3600);
    EXPECT_EQ(record.baudCode, 0xFF);
    EXPECT_EQ(record.mac, (MacAddress{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(record.https, 1);

    values.ip = 0;
    values.dhcp = true;
    values.baudIndex = -1;
    EXPECT_EQ(ApplySettingValues(values, record), SaveOutcome::AddressCannotBeUsed);
    EXPECT_EQ(record.dhcp, 1) << "the record keeps what was written";
    EXPECT_EQ(record.baudCode, 0);
    EXPECT_EQ(SaveOutcomeMessage(SaveOutcome::AddressCannotBeUsed), sid::kAddressCannotBeUsed);
}

// Out-of-range numbers the printer reported go back as they are; changed ones, any that
// would not fit the datagram, and reserved ports are refused before anything is written.
TEST(SettingRulesTest, OnlyChangedUnfittingOrReservedNumbersAreRefused) {
    struct Row {
        long localPort;
        long inactivity;
        SaveOutcome outcome;
    };
    const Row rows[] = {
        {40000, 5000, SaveOutcome::Send},
        {40001, 5000, SaveOutcome::PortOutOfRange},
        {40000, 5001, SaveOutcome::InactivityOutOfRange},
        {65616, 5000, SaveOutcome::PortOutOfRange},  // would wrap to the reserved port 80
        {40000, 70000, SaveOutcome::InactivityOutOfRange},
        {-1, 5000, SaveOutcome::PortOutOfRange},
        {80, 5000, SaveOutcome::ReservedPort},   {443, 5000, SaveOutcome::ReservedPort},
        {23, 5000, SaveOutcome::ReservedPort},   {21, 5000, SaveOutcome::ReservedPort},
        {25, 5000, SaveOutcome::ReservedPort},   {3318, 5000, SaveOutcome::ReservedPort},
    };
    for (const Row& row : rows) {
        DeviceRecord record;
        record.port = 40000;
        record.inactivity = 5000;
        const DeviceRecord reported = record;
        NetworkSettingValues values = ManualValues();
        values.localPort = row.localPort;
        values.inactivity = row.inactivity;
        EXPECT_EQ(ApplySettingValues(values, record), row.outcome) << row.localPort << " " << row.inactivity;
        if (row.outcome != SaveOutcome::Send) {
            EXPECT_EQ(record, reported) << "nothing is written";
        }
    }
    EXPECT_EQ(SaveOutcomeMessage(SaveOutcome::ReservedPort), sid::kPortNotAvailable);
}

// A manual address is judged once it differs from the record's, before anything is written;
// the one the printer reported goes back as it came, and DHCP needs none.
TEST(SettingRulesTest, ChangedManualAddressesAreJudgedBeforeAnythingIsWritten) {
    DeviceRecord record;
    record.ip = 0x7F000A01u;  // 127.0.10.1 by 255.0.0.0 via 127.0.0.1
    record.subnet = 0xFF000000u;
    record.gateway = 0x7F000001u;
    const DeviceRecord reported = record;
    NetworkSettingValues values = SettingValuesOf(record);
    values.localPort = 9100;
    EXPECT_EQ(CheckSettingAddress(values, record), std::nullopt);
    values.gateway = 0x7F0A0001u;
    EXPECT_EQ(ApplySettingValues(values, record), SaveOutcome::AddressRefused);
    EXPECT_EQ(record, reported);
    EXPECT_EQ(CheckSettingAddress(values, record)->messageId, sid::kAddressIsLoopback);
    EXPECT_EQ(SaveOutcomeMessage(SaveOutcome::AddressRefused), 0);
    values.dhcp = true;
    EXPECT_EQ(ApplySettingValues(values, record), SaveOutcome::Send);
}

TEST(SettingRulesTest, ValuesOfARecordUnknownBaudCodeHaveNoIndex) {
    DeviceRecord record;
    record.baudCode = 0x12;
    record.dhcp = 5;
    record.port = 515;
    const NetworkSettingValues values = SettingValuesOf(record);
    EXPECT_EQ(values.baudIndex, -1);
    EXPECT_TRUE(values.dhcp);
    EXPECT_EQ(values.localPort, 515);
}

}  // namespace
}  // namespace lanvane
