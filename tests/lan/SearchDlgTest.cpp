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
