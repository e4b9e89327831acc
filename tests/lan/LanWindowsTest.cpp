#include "lan/windows/NetworkSettingDlg.h"
#include "lan/windows/SearchDlg.h"

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

// The LAN windows' faults that a scenario cannot stage: exact datagrams, replies at odd
// moments, local ports held by another program.
class LanWindowsTest : public test::LanDialogTest {
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

TEST_F(LanWindowsTest, WlanSaveSendsAllBytesAndTakesEitherConfirmation) {
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

TEST_F(LanWindowsTest, UnknownBaudCodeLeavesTheComboEmptyAndSendsZero) {
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

TEST_F(LanWindowsTest, ConfirmationDuringTheTimeOutMessageIsIgnored) {
    CNetworkSettingDlg setting(context, LanMode::Wlan, 1);
    driver.Then(Step::PressOk()).Then(Step::Advance(1000));
    PrinterAnswers({Padded(Datagram("SETC"), 19)});
    driver.Then(Step::AnswerMessageBox());
    EXPECT_EQ(setting.DoModal(), kIdOk);
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kLanSettingNotConfirmed)});
}

TEST_F(LanWindowsTest, LocalPortInUseIsReportedAndTheDialogStaysOpen) {
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

TEST_F(LanWindowsTest, SearchPortInUseIsReportedInsteadOfAnEmptyList) {
    const test::HeldPort held;
    context.network.ethernet.localPort = held.Port();
    lists.Ethernet().Append(DeviceRecord{});

    CSearchDlg search(context, LanMode::Ethernet);
    driver.Then(Step::AnswerMessageBox());
    EXPECT_EQ(search.DoModal(), kIdCancel);
    EXPECT_EQ(Messages(), std::vector<std::string>{test::TextOf(sid::kNetworkUnusable)});
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 0);
    EXPECT_EQ(ui.NowMs(), 0);
}

TEST_F(LanWindowsTest, SearchBroadcastThatCannotBeSentIsReported) {
    context.network.broadcastAddress = "broadcast.invalid";
    CSearchDlg search(context, LanMode::Wlan);
    driver.Then(Step::AnswerMessageBox());
    EXPECT_EQ(search.DoModal(), kIdCancel);
    EXPECT_EQ(Messages(), std::vector<std::string>{test::TextOf(sid::kNetworkUnusable)});
}

}  // namespace
}  // namespace lanvane
