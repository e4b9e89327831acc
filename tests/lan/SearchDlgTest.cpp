#include "lan/windows/SearchDlg.h"

#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "tests/lan/LanBytes.h"
#include "tests/lan/LanDialogSupport.h"
#include "ui/ProgressBar.h"

namespace lanvane {
namespace {

using test::Datagram;
using test::Padded;
using test::PrinterPeer;
using namespace std::chrono_literals;

class SearchDlgTest : public test::LanDialogTest {
protected:
    void SetUp() override { UsePrinterPort(printer.Port()); }

    std::string Status(const CSearchDlg& search) const { return search.GetDlgItemText(ctl::kSearchStatus); }
    int Progress(const CSearchDlg& search) const {
        return search.Item<ProgressBar>(ctl::kSearchProgress).GetPos();
    }

    // The printer answers the request with these datagrams; the dialog takes them all.
    void AnswerWith(std::vector<std::vector<std::uint8_t>> replies) {
        driver.Inspect([this, replies](const HeadlessBackend&) {
            request = printer.TakeRequest();
            for (const auto& reply : replies) {
                printer.Reply(reply);
            }
        });
        driver.Then(Step::Wait(500));
    }

    PrinterPeer printer;
    std::vector<std::uint8_t> request;
};

TEST_F(SearchDlgTest, ElevenTicksOfDotsThenTheDialogClosesByItself) {
    CSearchDlg search(context, LanMode::Ethernet);
    const std::string searching = test::TextOf(sid::kNowSearching);
    driver.Inspect([&](const HeadlessBackend&) {
        EXPECT_EQ(Status(search), "") << "shown from the first tick on";
        EXPECT_EQ(search.Item<ProgressBar>(ctl::kSearchProgress).Upper(), 1000);
    });
    const std::vector<std::string> expected = {
        searching + ".",         searching + "..",      searching + "...",     searching + "....",
        searching + ".....",     searching + "......",  searching + ".......", searching + "........",
        searching + ".........", searching};
    for (std::size_t tick = 0; tick < expected.size(); ++tick) {
        driver.Then(Step::Advance(100)).Inspect([&, tick](const HeadlessBackend& backend) {
            ASSERT_EQ(backend.ActiveDialog(), &search);
            EXPECT_EQ(Status(search), expected[tick]) << "tick " << tick + 1;
            EXPECT_EQ(Progress(search), static_cast<int>(100 * (tick + 1)));
        });
    }
    driver.Then(Step::Advance(100));

    EXPECT_EQ(search.DoModal(), kIdCancel);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(ui.NowMs(), 1100);
    EXPECT_EQ(Status(search), searching + ".");
    EXPECT_EQ(Progress(search), 1000);
}

TEST_F(SearchDlgTest, EthernetRepliesNeedImInAndFiveBytes) {
    lists.Ethernet().Append(DeviceRecord{});
    CSearchDlg search(context, LanMode::Ethernet);
    const auto reply = Datagram("IMIN", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 10, 0, 0, 7});
    AnswerWith({reply, Datagram("IMIN"), Padded(Datagram("SETC"), 31), Datagram("IMIN", {0x42}), reply});
    driver.Then(Step::Advance(1100));
    search.DoModal();

    EXPECT_EQ(request, Datagram("FIND"));
    ASSERT_EQ(lists.Count(LanMode::Ethernet), 2) << "the earlier device is gone, the twin answer dropped";
    EXPECT_EQ(lists.Ethernet().Nth(1)->ip, 0x0A000007u);
    DeviceRecord oneByte;
    oneByte.mac[0] = 0x42;
    EXPECT_EQ(*lists.Ethernet().Nth(2), oneByte);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SearchDlgTest, WlanShortDatagramEndsTheSearchAtOnceKeepingEarlierRecords) {
    lists.Ethernet().Append(DeviceRecord{});
    CSearchDlg search(context, LanMode::Wlan);
    AnswerWith({Padded(Datagram("__[I_F]__[SET_RSP]"), 47), Padded(Datagram("__[I_F]__[REG_RSP]", {7}), 47),
                Datagram("__[I_F]__[REG_RSP]")});
    driver.Then(Step::Advance(1100));
    search.DoModal();

    EXPECT_EQ(request, Datagram("__[I_F]__[PRT_REG]"));
    EXPECT_EQ(ui.NowMs(), 0) << "no tick was needed";
    ASSERT_EQ(lists.Count(LanMode::Wlan), 1);
    EXPECT_EQ(lists.Wlan().Nth(1)->mac[0], 7);
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 1) << "the other mode's list stays";
}

TEST_F(SearchDlgTest, CancelBeforeTheFirstTickStopsTheSearch) {
    CSearchDlg search(context, LanMode::Ethernet);
    driver.Then(Step::PressCancel()).Then(Step::Advance(2000));
    EXPECT_EQ(search.DoModal(), kIdCancel);
    EXPECT_EQ(ui.NowMs(), 0);
    EXPECT_EQ(Status(search), "");
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 0);
}

TEST_F(SearchDlgTest, PortInUseIsReportedInsteadOfAnEmptyList) {
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

TEST_F(SearchDlgTest, BroadcastThatCannotBeSentIsReported) {
    context.network.broadcastAddress = "broadcast.invalid";
    CSearchDlg search(context, LanMode::Wlan);
    driver.Then(Step::AnswerMessageBox());
    EXPECT_EQ(search.DoModal(), kIdCancel);
    EXPECT_EQ(Messages(), std::vector<std::string>{test::TextOf(sid::kNetworkUnusable)});
}

}  // namespace
}  // namespace lanvane
