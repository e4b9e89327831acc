#include "lan/windows/NetworkSettingDlg.h"

#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "tests/lan/LanBytes.h"
#include "tests/lan/LanDialogSupport.h"
#include "ui/ComboBox.h"
#include "ui/IpAddressControl.h"

namespace lanvane {
namespace {

using test::Datagram;
using test::Padded;
using test::PrinterPeer;
using test::TextOf;
using namespace std::chrono_literals;

std::vector<std::uint8_t> RecordBytes() {
    const auto values = test::SampleRecordBytes();
    return {values.begin(), values.end()};
}

class NetworkSettingDlgTest : public test::LanDialogTest {
protected:
    void SetUp() override {
        UsePrinterPort(printer.Port());
        lists.Ethernet().Append(DecodeDeviceRecord(RecordBytes()));
        auto wlan = RecordBytes();
        wlan.push_back(25);
        wlan.push_back(0xA5);
        lists.Wlan().Append(DecodeWlanDeviceRecord(wlan));
    }

    // The printer takes the set datagram and answers with `replies`.
    void PrinterAnswers(std::vector<std::vector<std::uint8_t>> replies) {
        driver.Inspect([this, replies](const HeadlessBackend&) {
            sent = printer.TakeRequest();
            for (const auto& reply : replies) {
                printer.Reply(reply);
            }
        });
        driver.Then(Step::Wait(500));
    }

    void TypeInto(int controlId, const std::string& text) {
        driver.Then(Step::Erase(controlId)).Then(Step::Type(controlId, text));
    }

    PrinterPeer printer;
    std::vector<std::uint8_t> sent;
};

TEST_F(NetworkSettingDlgTest, PortZeroOpensWithMessage36AndStaysUsable) {
    lists.Wlan().Nth(1)->port = 0;
    lists.Wlan().Nth(1)->fwMajor = 0;
    lists.Wlan().Nth(1)->fwMinor = 0;
    CNetworkSettingDlg setting(context, LanMode::Wlan, 1);
    driver.Then(Step::AnswerMessageBox()).Inspect([&](const HeadlessBackend& backend) {
        EXPECT_EQ(backend.ActiveDialog(), &setting);
        EXPECT_EQ(setting.GetWindowText(), "WLAN Configuration");
        EXPECT_EQ(setting.GetDlgItemText(ctl::kSettingFirmwareVersion), "N/A");
    });
    setting.DoModal();
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kCheckAddressOrPort)});
}

TEST_F(NetworkSettingDlgTest, TypedNumbersOutOfRangeAreResetWithTheirMessages) {
    CNetworkSettingDlg setting(context, LanMode::Ethernet, 1);
    TypeInto(ctl::kSettingLocalPort, "40000");
    driver.Then(Step::AnswerMessageBox());
    TypeInto(ctl::kSettingInactivity, "3601");
    driver.Then(Step::AnswerMessageBox()).Inspect([&](const HeadlessBackend&) {
        EXPECT_EQ(setting.GetDlgItemText(ctl::kSettingLocalPort), "9100");
        EXPECT_EQ(setting.GetDlgItemText(ctl::kSettingInactivity), "0");
    });
    setting.DoModal();
    EXPECT_EQ(Messages(), (std::vector<std::string>{TextOf(sid::kPortOutOfRange), TextOf(sid::kTimeNotSet)}));
}

TEST_F(NetworkSettingDlgTest, ReservedPortOnSaveIsRefusedAndNothingIsSent) {
    CNetworkSettingDlg setting(context, LanMode::Ethernet, 1);
    TypeInto(ctl::kSettingLocalPort, "3318");
    driver.Then(Step::PressOk()).Then(Step::AnswerMessageBox()).Inspect([&](const HeadlessBackend&) {
        EXPECT_EQ(setting.GetDlgItemText(ctl::kSettingLocalPort), "9100");
        EXPECT_EQ(setting.GetFocus(), &setting.GetDlgItem(ctl::kSettingLocalPort));
        EXPECT_TRUE(printer.TakeRequest(50ms).empty());
    });
    setting.DoModal();
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kPortNotAvailable)});
    EXPECT_EQ(lists.Ethernet().Nth(1)->port, 9100);
}

TEST_F(NetworkSettingDlgTest, ZeroAddressIsWrittenButNotSentEvenWithDhcp) {
    CNetworkSettingDlg setting(context, LanMode::Ethernet, 1);
    for (int field : {0, 1, 3}) {  // 192.168.0.50 becomes 0.0.0.0
        driver.Then(Step::SetIpField(ctl::kSettingIpAddress, field, "0"));
    }
    driver.Then(Step::Click(ctl::kSettingDhcp)).Then(Step::PressOk()).Then(Step::AnswerMessageBox());
    driver.Inspect([&](const HeadlessBackend&) { EXPECT_TRUE(printer.TakeRequest(50ms).empty()); });
    setting.DoModal();
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kAddressCannotBeUsed)});
    EXPECT_EQ(lists.Ethernet().Nth(1)->ip, 0u);
    EXPECT_EQ(lists.Ethernet().Nth(1)->dhcp, 1);
}

TEST_F(NetworkSettingDlgTest, WlanSaveSendsAllBytesAndTakesEitherConfirmation) {
    for (const auto& [confirmation, message] :
         {std::pair{Padded(Datagram("SETC"), 19), sid::kEthernetSettingCompleted},
          std::pair{Padded(Datagram("__[I_F]__[SET_RSP]"), 19), sid::kWlanSettingCompleted}}) {
        CNetworkSettingDlg setting(context, LanMode::Wlan, 1);
        driver.Then(Step::PressOk());
        PrinterAnswers({Datagram("__[I_F]__[SET_RSP]"), confirmation});
        driver.Then(Step::AnswerMessageBox());
        EXPECT_EQ(setting.DoModal(), kIdOk);
        EXPECT_EQ(Messages().back(), TextOf(message));
    }
    EXPECT_EQ(Messages().size(), 2u);
    auto expected = Datagram("__[I_F]__[PRT_SET]");
    const auto record = RecordBytes();
    expected.insert(expected.end(), record.begin(), record.end());
    expected.push_back(25);
    expected.push_back(0xA5);
    EXPECT_EQ(sent, expected);
}

TEST_F(NetworkSettingDlgTest, UnknownBaudCodeLeavesTheComboEmptyAndSendsZero) {
    lists.Ethernet().Nth(1)->baudCode = 0x12;
    CNetworkSettingDlg setting(context, LanMode::Ethernet, 1);
    driver.Inspect([&](const HeadlessBackend&) {
        EXPECT_FALSE(setting.GetDlgItem(ctl::kSettingBaudRate).IsEnabled());
        EXPECT_EQ(setting.Item<ComboBox>(ctl::kSettingBaudRate).GetCurSel(), ComboBox::kNone);
    });
    driver.Then(Step::PressOk());
    PrinterAnswers({Datagram("SETC", {0})});
    driver.Then(Step::AnswerMessageBox());
    setting.DoModal();
    ASSERT_EQ(sent.size(), 30u);
    EXPECT_EQ(sent[4 + 20], 0);
}

TEST_F(NetworkSettingDlgTest, ConfirmationDuringTheTimeOutMessageIsIgnored) {
    CNetworkSettingDlg setting(context, LanMode::Wlan, 1);
    driver.Then(Step::PressOk()).Then(Step::Advance(1000));
    PrinterAnswers({Padded(Datagram("SETC"), 19)});
    driver.Then(Step::AnswerMessageBox());
    EXPECT_EQ(setting.DoModal(), kIdOk);
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kLanSettingNotConfirmed)});
}

TEST_F(NetworkSettingDlgTest, EmptyNumberFieldSavesNothingSilently) {
    CNetworkSettingDlg setting(context, LanMode::Ethernet, 1);
    driver.Then(Step::Erase(ctl::kSettingInactivity)).Then(Step::PressOk()).Inspect([&](const HeadlessBackend&) {
        EXPECT_TRUE(printer.TakeRequest(50ms).empty());
    });
    setting.DoModal();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(lists.Ethernet().Nth(1)->inactivity, 300);
}

TEST_F(NetworkSettingDlgTest, LocalPortInUseIsReportedAndTheDialogStaysOpen) {
    const test::HeldPort held;
    context.network.ethernet.localPort = held.Port();
    CNetworkSettingDlg setting(context, LanMode::Ethernet, 1);
    driver.Then(Step::PressOk()).Then(Step::AnswerMessageBox()).Inspect([&](const HeadlessBackend& backend) {
        EXPECT_EQ(backend.ActiveDialog(), &setting);
        EXPECT_EQ(backend.WaitCursorShown(), 0);
    });
    EXPECT_EQ(setting.DoModal(), kIdCancel);
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kNetworkUnusable)});
}

}  // namespace
}  // namespace lanvane
