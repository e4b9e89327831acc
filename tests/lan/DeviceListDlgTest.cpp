#include "lan/windows/DeviceListDlg.h"

#include "lan/core/SetDatagrams.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "tests/lan/LanBytes.h"
#include "tests/lan/LanDialogSupport.h"
#include "ui/ListView.h"

namespace lanvane {
namespace {

using test::Datagram;
using test::PrinterPeer;
using test::TextOf;

WlanDeviceRecord Printer(std::uint8_t last, std::uint32_t ip, std::uint8_t featureCode = 0) {
    WlanDeviceRecord record;
    record.mac = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, last};
    record.ip = ip;
    record.subnet = 0xFFFFFF00u;
    record.gateway = 0xC0A80001u;
    record.port = 9100;
    record.fwMajor = 2;
    record.fwMinor = last;
    record.featureCode = featureCode;
    return record;
}

std::vector<std::uint8_t> ReplyOf(LanMode mode, const WlanDeviceRecord& record) {
    if (mode == LanMode::Ethernet) {
        const auto body = EncodeDeviceRecord(record);
        auto reply = Datagram("IMIN");
        reply.insert(reply.end(), body.begin(), body.end());
        return reply;
    }
    const auto body = EncodeWlanDeviceRecord(record);
    auto reply = Datagram("__[I_F]__[REG_RSP]");
    reply.insert(reply.end(), body.begin(), body.end());
    return reply;
}

struct ButtonStates {
    bool setting;
    bool bssInfo;
    bool certificateUpload;
    bool webConfig;

    bool operator==(const ButtonStates&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ButtonStates& states) {
    return out << "setting " << states.setting << ", bss " << states.bssInfo << ", certificate "
               << states.certificateUpload << ", web " << states.webConfig;
}

class DeviceListDlgTest : public test::LanDialogTest {
protected:
    void SetUp() override { UsePrinterPort(printer.Port()); }

    // "Search", answered by the printers given, and the whole search time.
    void SearchFinds(LanMode mode, std::vector<WlanDeviceRecord> printers) {
        driver.Then(Step::Click(ctl::kSearchButton)).Inspect([this, mode, printers](const HeadlessBackend&) {
            EXPECT_FALSE(printer.TakeRequest().empty());
            for (const auto& record : printers) {
                printer.Reply(ReplyOf(mode, record));
            }
        });
        if (!printers.empty()) {
            driver.Then(Step::Wait(500));
        }
        driver.Then(Step::Advance(1100));
    }

    void Check(std::function<void(CDeviceListDlg&)> check) {
        driver.Inspect([this, check](const HeadlessBackend&) { check(*window); });
    }

    static ButtonStates Buttons(const CDeviceListDlg& list) {
        return {list.GetDlgItem(ctl::kSettingButton).IsEnabled(), list.GetDlgItem(ctl::kBssInfoButton).IsEnabled(),
                list.GetDlgItem(ctl::kCertificateUploadButton).IsEnabled(),
                list.GetDlgItem(ctl::kWebConfigButton).IsEnabled()};
    }

    static const ListView& Rows(const CDeviceListDlg& list) { return list.Item<ListView>(ctl::kDeviceListView); }

    int Run(LanMode mode) {
        CDeviceListDlg list(context, mode);
        window = &list;
        return list.DoModal();
    }

    PrinterPeer printer;
    CDeviceListDlg* window = nullptr;
};

TEST_F(DeviceListDlgTest, EthernetWindowOpensEmptyWithItsButtons) {
    Check([](CDeviceListDlg& list) {
        const auto& columns = Rows(list).Columns();
        ASSERT_EQ(columns.size(), 7u);
        const std::vector<std::pair<std::string, int>> expected = {
            {"No", 30}, {"Mac Address", 140}, {"IP Address", 130}, {"Subnet", 130},
            {"Gateway", 130}, {"Port", 70}, {"Version", 70}};
        for (std::size_t index = 0; index < columns.size(); ++index) {
            EXPECT_EQ(columns[index].title, expected[index].first);
            EXPECT_EQ(columns[index].width, expected[index].second);
            EXPECT_EQ(columns[index].align, ColumnAlign::Center);
        }
        EXPECT_TRUE(Rows(list).HasGridLines());
        EXPECT_TRUE(Rows(list).IsFullRowSelect());
        EXPECT_EQ(Rows(list).GetItemCount(), 0);
        EXPECT_TRUE(list.GetDlgItem(ctl::kSettingButton).IsVisible());
        EXPECT_FALSE(list.GetDlgItem(ctl::kBssInfoButton).IsVisible());
        EXPECT_FALSE(list.GetDlgItem(ctl::kCertificateUploadButton).IsVisible());
        EXPECT_EQ(Buttons(list), (ButtonStates{false, false, false, false}));
        EXPECT_EQ(list.CurrentDevice(), -1);
    });
    EXPECT_EQ(Run(LanMode::Ethernet), kIdCancel);
    EXPECT_TRUE(printer.TakeRequest(std::chrono::milliseconds(50)).empty()) << "no search of its own";
}

TEST_F(DeviceListDlgTest, ActionsBeforeAnySearchAskForADevice) {
    Check([](CDeviceListDlg& list) {
        for (int id : {ctl::kSettingButton, ctl::kBssInfoButton, ctl::kWebConfigButton}) {
            list.EnableDlgItem(id, true);
        }
    });
    for (int id : {ctl::kSettingButton, ctl::kBssInfoButton, ctl::kWebConfigButton}) {
        driver.Then(Step::Click(id)).Then(Step::AnswerMessageBox());
    }
    Check([](CDeviceListDlg& list) { EXPECT_EQ(list.GetFocus(), &list.GetDlgItem(ctl::kDeviceListView)); });
    Run(LanMode::Wlan);
    EXPECT_EQ(Messages(), std::vector<std::string>(3, TextOf(sid::kSelectDevice)));
    EXPECT_TRUE(ui.OpenedUrls().empty());
}

TEST_F(DeviceListDlgTest, SearchListsTheDevicesAndPicksTheFirst) {
    WlanDeviceRecord unconfigured = Printer(0x5E, 0);
    unconfigured.fwMinor = 0;
    unconfigured.fwMajor = 0;
    SearchFinds(LanMode::Ethernet, {Printer(0x01, 0xC0A80032u), unconfigured});
    Check([](CDeviceListDlg& list) {
        const auto& rows = Rows(list);
        ASSERT_EQ(rows.GetItemCount(), 2);
        const std::vector<std::string> first = {"1", "00:1a:2b:3c:4d:01", "192.168.0.50", "255.255.255.0",
                                                "192.168.0.1", "9100", "2.1"};
        for (int column = 0; column < 7; ++column) {
            EXPECT_EQ(rows.GetItemText(0, column), first[static_cast<std::size_t>(column)]);
        }
        EXPECT_EQ(rows.GetItemText(1, 2), "Not Configuration");
        EXPECT_EQ(rows.GetItemText(1, 6), "N/A");
        EXPECT_EQ(rows.GetItemState(0, item_state::kSelected), item_state::kSelected);
        EXPECT_EQ(list.GetFocus(), &list.GetDlgItem(ctl::kDeviceListView));
        EXPECT_EQ(list.CurrentDevice(), 1);
        EXPECT_EQ(Buttons(list), (ButtonStates{true, false, false, true}));
    });
    driver.Then(Step::ClickRow(ctl::kDeviceListView, 1)).Then(Step::Click(ctl::kWebConfigButton));
    Run(LanMode::Ethernet);
    EXPECT_EQ(ui.OpenedUrls(), std::vector<std::string>{"http://0.0.0.0"});
}

TEST_F(DeviceListDlgTest, WlanFeatureCodesSetTheButtonsAndUnknownCodesLeaveThem) {
    SearchFinds(LanMode::Wlan, {Printer(1, 0x0A000001u, 25), Printer(2, 0x0A000002u, 7), Printer(3, 0x0A000003u, 4)});
    Check([](CDeviceListDlg& list) {
        EXPECT_EQ(Rows(list).GetItemData(2), 4);
        EXPECT_EQ(Buttons(list), (ButtonStates{true, true, false, true}));
    });
    driver.Then(Step::ClickRow(ctl::kDeviceListView, 1));
    Check([](CDeviceListDlg& list) {
        EXPECT_EQ(list.CurrentDevice(), 2);
        EXPECT_EQ(Buttons(list), (ButtonStates{true, true, false, true})) << "code 7 changes nothing";
    });
    driver.Then(Step::ClickRow(ctl::kDeviceListView, 2)).Then(Step::ClickRow(ctl::kDeviceListView, -1));
    Check([](CDeviceListDlg& list) {
        EXPECT_EQ(list.CurrentDevice(), 3) << "losing the selection still names the row";
        EXPECT_EQ(Buttons(list), (ButtonStates{false, false, true, false}));
    });
    driver.Then(Step::Click(ctl::kCertificateUploadButton)).Then(Step::AnswerMessageBox());
    SearchFinds(LanMode::Wlan, {});
    Check([](CDeviceListDlg& list) {
        EXPECT_EQ(Rows(list).GetItemCount(), 0);
        EXPECT_EQ(list.CurrentDevice(), -1);
        EXPECT_EQ(Buttons(list), (ButtonStates{false, false, false, false}));
    });
    Run(LanMode::Wlan);
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kCertificatesOverSerialUsb)});
}

TEST_F(DeviceListDlgTest, WebPageFollowsTheHttpsFlag) {
    WlanDeviceRecord secure = Printer(1, 0xC0A80032u, 31);
    secure.https = 1;
    SearchFinds(LanMode::Wlan, {secure});
    driver.Then(Step::Click(ctl::kWebConfigButton));
    Run(LanMode::Wlan);
    EXPECT_EQ(ui.OpenedUrls(), std::vector<std::string>{"https://192.168.0.50"});
}

TEST_F(DeviceListDlgTest, DeviceGoneFromTheListAsksForANewSearch) {
    SearchFinds(LanMode::Wlan, {Printer(1, 0x0A000001u, 31), Printer(2, 0x0A000002u, 31)});
    driver.Then(Step::ClickRow(ctl::kDeviceListView, 1));
    driver.Inspect([this](const HeadlessBackend&) { lists.Wlan().Clear(); });
    driver.Then(Step::Click(ctl::kWebConfigButton)).Then(Step::AnswerMessageBox());
    driver.Then(Step::Click(ctl::kBssInfoButton)).Then(Step::AnswerMessageBox());
    Run(LanMode::Wlan);
    EXPECT_EQ(Messages(), std::vector<std::string>(2, TextOf(sid::kSearchDeviceAgain)));
    EXPECT_TRUE(ui.OpenedUrls().empty());
}

TEST_F(DeviceListDlgTest, ConfirmedSettingWaitsThenSearchesAgain) {
    for (const auto& [mode, settle] : {std::pair{LanMode::Ethernet, 3000}, std::pair{LanMode::Wlan, 1000}}) {
        const std::int64_t start = ui.NowMs();
        SearchFinds(mode, {Printer(1, 0x0A000001u, 25)});
        driver.Then(Step::Click(ctl::kSettingButton)).Then(Step::PressOk());
        driver.Inspect([this, mode](const HeadlessBackend&) {
            EXPECT_FALSE(printer.TakeRequest().empty());
            printer.Reply(mode == LanMode::Ethernet ? Datagram("SETC", {0}) : test::Padded(Datagram("SETC"), 19));
        });
        driver.Then(Step::Wait(500)).Then(Step::AnswerMessageBox());
        driver.Inspect([this, start, settle](const HeadlessBackend& backend) {
            EXPECT_NE(backend.ActiveDialog(), window) << "the search runs again";
            EXPECT_EQ(backend.NowMs() - start, 1100 + settle);
            EXPECT_FALSE(printer.TakeRequest().empty());
            printer.Reply(ReplyOf(LanMode::Wlan, Printer(9, 0x0A000009u, 25)));
            printer.Reply(ReplyOf(LanMode::Ethernet, Printer(9, 0x0A000009u, 25)));
        });
        driver.Then(Step::Wait(500)).Then(Step::Advance(1100));
        Check([](CDeviceListDlg& list) { EXPECT_EQ(Rows(list).GetItemText(0, 1), "00:1a:2b:3c:4d:09"); });
        Run(mode);
    }
}

TEST_F(DeviceListDlgTest, CancelledSettingGivesTheFocusBackWithoutSearching) {
    SearchFinds(LanMode::Ethernet, {Printer(1, 0x0A000001u)});
    driver.Then(Step::Click(ctl::kSettingButton)).Then(Step::PressCancel());
    Check([this](CDeviceListDlg& list) {
        EXPECT_EQ(ui.ActiveDialog(), &list);
        EXPECT_EQ(ui.NowMs(), 1100);
        EXPECT_EQ(list.GetFocus(), &list.GetDlgItem(ctl::kDeviceListView));
    });
    Run(LanMode::Ethernet);
}

}  // namespace
}  // namespace lanvane
