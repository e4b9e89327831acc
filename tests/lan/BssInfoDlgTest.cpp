#include "lan/windows/BssInfoDlg.h"
#include "lan/windows/DeviceListDlg.h"

#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "sim/SimulatedPrinter.h"
#include "sim/posix/BssTcpServer.h"
#include "tests/lan/LanBytes.h"
#include "tests/lan/LanDialogSupport.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"

namespace lanvane {
namespace {

using test::TextOf;
using namespace std::chrono_literals;

// A printer's TCP survey port on 127.0.0.1 at a free port.
class BssInfoDlgTest : public test::LanDialogTest {
protected:
    void Serve(sim::PrinterState state) {
        printer.SetState(std::move(state));
        ASSERT_TRUE(survey.Start());
        context.surveyPort = survey.Port();
        context.surveyTimings = TcpTimings{1000ms, 500ms};
    }

    static const ListView& Rows(const CBssInfoDlg& dialog) { return dialog.Item<ListView>(ctl::kBssDialogList); }
    static int Progress(const CBssInfoDlg& dialog) { return dialog.Item<ProgressBar>(ctl::kBssDialogProgress).GetPos(); }

    sim::SimulatedPrinter printer;
    sim::BssTcpServer survey{printer, "127.0.0.1", 0};
};

TEST_F(BssInfoDlgTest, SurveyStartsByItselfAfter300Milliseconds) {
    Serve(sim::DefaultPrinterState());
    CBssInfoDlg dialog(context, "127.0.0.1");
    driver.Then(Step::Advance(299)).Inspect([&](const HeadlessBackend&) {
        EXPECT_TRUE(Messages().empty());
        const auto& columns = Rows(dialog).Columns();
        ASSERT_EQ(columns.size(), 6u);
        EXPECT_EQ(columns[3].title, "Mode");
        EXPECT_EQ(columns[2].width, 150);
        EXPECT_TRUE(Rows(dialog).HasGridLines());
    });
    driver.Then(Step::Advance(1)).Then(Step::AnswerMessageBox()).Inspect([&](const HeadlessBackend&) {
        ASSERT_EQ(Rows(dialog).GetItemCount(), 4);
        EXPECT_EQ(Rows(dialog).GetItemText(0, 0), "1");
        EXPECT_EQ(Rows(dialog).GetItemText(0, 1), "VT-Office");
        EXPECT_EQ(Progress(dialog), 0);
    });
    driver.Then(Step::Advance(5000));
    driver.Then(Step::Click(ctl::kBssDialogGetButton)).Then(Step::AnswerMessageBox());
    driver.Inspect([&](const HeadlessBackend&) { EXPECT_EQ(Rows(dialog).GetItemCount(), 4) << "replaced, not added"; });
    driver.Then(Step::Click(ctl::kCancel));
    EXPECT_EQ(dialog.DoModal(), kIdCancel);
    EXPECT_EQ(Messages(), std::vector<std::string>(2, TextOf(sid::kBssImported)));
    EXPECT_EQ(ui.WaitCursorShown(), 2);
    EXPECT_EQ(ui.WaitCursorDepth(), 0);
}

TEST_F(BssInfoDlgTest, SurveyWithoutNetworksSucceedsOverAnEmptyList) {
    sim::PrinterState state = sim::DefaultPrinterState();
    state.networks.clear();
    Serve(state);
    CBssInfoDlg dialog(context, "127.0.0.1");
    driver.Then(Step::Advance(300)).Then(Step::AnswerMessageBox());
    dialog.DoModal();
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kBssImported)});
    EXPECT_EQ(Rows(dialog).GetItemCount(), 0);
}

TEST_F(BssInfoDlgTest, NoPrinterListeningShowsTheFailureOverAnEmptyList) {
    Serve(sim::DefaultPrinterState());
    survey.Stop();
    CBssInfoDlg dialog(context, "127.0.0.1");
    driver.Then(Step::Advance(300)).Then(Step::AnswerMessageBox());
    dialog.DoModal();
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kBssImportFailed)});
    EXPECT_EQ(Rows(dialog).GetItemCount(), 0);
    EXPECT_EQ(Progress(dialog), 0);
}

TEST_F(BssInfoDlgTest, DeviceListSurveysTheChosenWirelessPrinter) {
    Serve(sim::DefaultPrinterState());
    test::PrinterPeer wireless;
    UsePrinterPort(wireless.Port());
    WlanDeviceRecord record;
    record.ip = 0x7F000001u;
    record.featureCode = 25;
    const auto body = EncodeWlanDeviceRecord(record);
    auto reply = test::Datagram("__[I_F]__[REG_RSP]");
    reply.insert(reply.end(), body.begin(), body.end());

    CDeviceListDlg list(context, LanMode::Wlan);
    driver.Then(Step::Click(ctl::kSearchButton)).Inspect([&](const HeadlessBackend&) {
        wireless.TakeRequest();
        wireless.Reply(reply);
    });
    driver.Then(Step::Wait(500)).Then(Step::Advance(1100)).Then(Step::Click(ctl::kBssInfoButton));
    driver.Then(Step::Advance(300)).Then(Step::AnswerMessageBox()).Inspect([](const HeadlessBackend& backend) {
        const auto* dialog = dynamic_cast<const CBssInfoDlg*>(backend.ActiveDialog());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Rows(*dialog).GetItemCount(), 4);
    });
    driver.Then(Step::PressCancel());
    driver.Inspect([&](const HeadlessBackend& backend) {
        EXPECT_EQ(backend.ActiveDialog(), &list);
        EXPECT_EQ(list.GetFocus(), &list.GetDlgItem(ctl::kDeviceListView));
    });
    list.DoModal();
    EXPECT_EQ(Messages(), std::vector<std::string>{TextOf(sid::kBssImported)});
}

}  // namespace
}  // namespace lanvane
