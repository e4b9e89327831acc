#include "lan/SetDatagrams.h"

#include "resources/StringIds.h"
#include "tests/lan/LanBytes.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

using test::Datagram;
using test::Padded;

WlanDeviceRecord SampleWlanRecord() {
    auto bytes = test::SampleRecordBytes();
    bytes.push_back(31);
    bytes.push_back(0xA5);
    std::vector<std::uint8_t> raw(bytes.begin(), bytes.end());
    return DecodeWlanDeviceRecord(raw);
}

TEST(SetDatagramsTest, EthernetDatagramIsSettAndTheRecordWithoutItsHttpsFlag) {
    DeviceRecord record = SampleWlanRecord();
    record.port = 300;
    record.inactivity = 3600;
    const std::vector<std::uint8_t> expected = Datagram(
        "SETT", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 192, 168, 0, 50, 255, 255, 255, 0, 192, 168, 0, 1,
                 0x01, 0x2C, 0xFF, 2, 13, 0, 0x0E, 0x10});
    EXPECT_EQ(EthernetSetDatagram(record), expected);
    EXPECT_EQ(expected.size(), 30u);
}

TEST(SetDatagramsTest, WlanDatagramCarriesAllTwentyNineBytesAsReceived) {
    const std::vector<std::uint8_t> expected = Datagram(
        "__[I_F]__[PRT_SET]", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 192, 168, 0, 50, 255, 255, 255, 0, 192, 168,
                               0, 1, 0x23, 0x8C, 0xFF, 2, 13, 0, 0x01, 0x2C, 1, 31, 0xA5});
    EXPECT_EQ(WlanSetDatagram(SampleWlanRecord()), expected);
    EXPECT_EQ(expected.size(), 47u);
}

TEST(SetDatagramsTest, EthernetConfirmationNeedsFiveBytesOfSetc) {
    EXPECT_EQ(ClassifyConfirmation(LanMode::Ethernet, Datagram("SETC")), Confirmation::None);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Ethernet, Datagram("SETC", {0})), Confirmation::Setc);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Ethernet, Datagram("IMIN", {0})), Confirmation::None);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Ethernet, Padded(Datagram("__[I_F]__[SET_RSP]"), 19)),
              Confirmation::None);
}

TEST(SetDatagramsTest, WlanConfirmationTakesEitherHeaderFromNineteenBytes) {
    EXPECT_EQ(ClassifyConfirmation(LanMode::Wlan, Padded(Datagram("SETC"), 19)), Confirmation::Setc);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Wlan, Padded(Datagram("__[I_F]__[SET_RSP]"), 19)),
              Confirmation::SetResponse);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Wlan, Datagram("__[I_F]__[SET_RSP]")), Confirmation::None);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Wlan, Padded(Datagram("SETC"), 18)), Confirmation::None);
    EXPECT_EQ(ClassifyConfirmation(LanMode::Wlan, Padded(Datagram("__[I_F]__[REG_RSP]"), 47)), Confirmation::None);

    EXPECT_EQ(ConfirmationMessage(Confirmation::Setc), sid::kEthernetSettingCompleted);
    EXPECT_EQ(ConfirmationMessage(Confirmation::SetResponse), sid::kWlanSettingCompleted);
}

}  // namespace
}  // namespace lanvane
