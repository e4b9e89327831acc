#include "lan/windows/NetworkSettingDlg.h"
#include "lan/windows/SearchDlg.h"

#include "link/UdpSocket.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "tests/lan/LanBytes.h"
#include "tools/driver/ScriptedDriver.h"
#include "ui/ComboBox.h"
#include "ui/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

using test::Datagram;
using test::Padded;

std::vector<std::uint8_t> RecordBytes() {
    const auto values = test::SampleRecordBytes();
    return {values.begin(), values.end()};
}

std::string TextOf(int messageId) {
    return std::string(EnglishStringTable().Text(messageId));
}

// Where the test's printer socket answers from.
constexpr const char* kPrinterAddress = "127.0.0.1";

// The LAN windows' faults that a scenario cannot stage: exact datagrams, replies at odd
// moments, local ports held by another program. The printer is a socket of the test's at
// a free port on the loopback broadcast.
class LanWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(printer.Bind(), UdpResult::Ok);
        context.network.broadcastAddress = "127.255.255.255";
        context.network.ethernet = {printer.BoundPort(), 0};
        context.network.wlan = {printer.BoundPort(), 0};
        lists.Ethernet().Append(*DecodeDeviceRecord(RecordBytes()), kPrinterAddress);
        auto wlan = RecordBytes();
        wlan.push_back(25);
        wlan.push_back(0xA5);
        lists.Wlan().Append(*DecodeWlanDeviceRecord(wlan), kPrinterAddress);
    }

    void TearDown() override {
        EXPECT_TRUE(driver.Rejections().empty()) << driver.Rejections().front();
        for (const MessageBoxRecord& record : ui.MessageBoxes()) {
            EXPECT_EQ(record.request.caption, "Lanvane");
            EXPECT_EQ(record.request.icon, MessageBoxIcon::None);
        }
    }

    // The printer takes the set datagram and answers its sender with `replies`.
    void PrinterAnswers(std::vector<std::vector<std::uint8_t>> replies) {
        driver.Inspect([this, replies](const HeadlessBackend&) {
            UdpDatagram datagram;
            ASSERT_TRUE(printer.WaitReadable(std::chrono::milliseconds(1000)));
            ASSERT_EQ(printer.GetData(datagram), UdpResult::Ok);
            sent.assign(datagram.View().begin(), datagram.View().end());
            printer.SetRemoteHost(datagram.senderAddress);
            printer.SetRemotePort(datagram.senderPort);
            for (const auto& reply : replies) {
                ASSERT_EQ(printer.SendData(reply), UdpResult::Ok);
            }
        });
        driver.Then(Step::Wait(500));
    }

    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const MessageBoxRecord& record : ui.MessageBoxes()) {
            texts.push_back(record.request.text);
        }
        return texts;
    }

    ScriptedDriver driver;
    HeadlessBackend ui{driver};
    LanDeviceLists lists;
    LanContext context{ui, EnglishStringTable(), lists, {}, {}, {}, 0};
    CUdpSocket printer;
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
    CUdpSocket held;
    ASSERT_EQ(held.Bind(), UdpResult::Ok);
    context.network.ethernet.localPort = held.BoundPort();
    CNetworkSettingDlg setting(context, LanMode::Ethernet, 1);
    driver.Then(Step::PressOk()).Then(Step::AnswerMessageBox()).Inspect([&](const HeadlessBackend& backend) {
        EXPECT_EQ(backend.ActiveDialog(), &setting);
        EXPECT_EQ(backend.WaitCursorShown(), 0);
    });
    EXPECT_EQ(setting.DoModal(), kIdCancel);
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kNetworkUnusable)});
}

// A search whose local port another program holds, or whose broadcast cannot be sent, is
// reported instead of an empty list.
TEST_F(LanWindowsTest, SearchThatCannotBeMadeIsReportedInsteadOfAnEmptyList) {
    CUdpSocket held;
    ASSERT_EQ(held.Bind(), UdpResult::Ok);
    context.network.ethernet.localPort = held.BoundPort();
    lists.Ethernet().Append(DeviceRecord{});
    CSearchDlg search(context, LanMode::Ethernet);
    driver.Then(Step::AnswerMessageBox());
    EXPECT_EQ(search.DoModal(), kIdCancel);
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 0);
    EXPECT_EQ(ui.NowMs(), 0);

    context.network.broadcastAddress = "broadcast.invalid";
    CSearchDlg wlanSearch(context, LanMode::Wlan);
    driver.Then(Step::AnswerMessageBox());
    EXPECT_EQ(wlanSearch.DoModal(), kIdCancel);
    EXPECT_EQ(Messages(), std::vector<std::string>(2, TextOf(sid::kNetworkUnusable)));
}

}  // namespace
}  // namespace lanvane
