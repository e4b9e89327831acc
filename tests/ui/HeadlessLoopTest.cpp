#include "UiTestSupport.h"

#include "tests/support/posix/SocketPair.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::SizeIs;

using HeadlessLoopTest = UiTest;

TEST_F(HeadlessLoopTest, SleepBlocksAndOverdueTicksComeAsOne) {
    RecordingDialog dialog(ui, kForm);
    dialog.onInit = [](RecordingDialog& d) { d.SetTimer(3, 100); };
    dialog.onCommand = [](RecordingDialog& d, int id, Notification) {
        if (id == kApply) {
            d.Ui().Sleep(1000);
            d.log.push_back("woke at " + std::to_string(d.Ui().NowMs()));
        }
    };
    driver.Then(Step::Click(kApply)).Then(Step::Advance(100)).Then(Step::Click(kIdOk));
    dialog.DoModal();
    EXPECT_THAT(dialog.log, ElementsAre("83 Clicked", "woke at 1000", "timer 3 at 1000", "timer 3 at 1100"));
}

TEST_F(HeadlessLoopTest, ReadableSocketReachesItsDialogOneDatagramAtATime) {
    SocketPair pair;
    RecordingDialog dialog(ui, kForm);
    dialog.onInit = [&pair](RecordingDialog& d) { d.WatchSocket(pair.Reader(), 1000); };
    dialog.onSocket = [&pair](RecordingDialog& d, int) {
        const std::string datagram = pair.Receive();
        d.log.push_back(datagram);
        if (datagram == "SETC") {
            d.UnwatchSocket(1000);
        }
    };
    pair.Send("IMIN");
    driver.Inspect([&pair](const HeadlessBackend&) {
              pair.Send("SETC");
              pair.Send("late");
          })
        .Then(Step::Wait(10))
        .Then(Step::Click(kIdOk));
    dialog.DoModal();
    EXPECT_THAT(dialog.log, ElementsAre("socket 1000", "IMIN", "socket 1000", "SETC"));
}

TEST(HeadlessLimitsTest, SocketThatStaysReadableCannotStarveTheDriver) {
    ScriptedDriver driver;
    HeadlessBackend ui(driver, HeadlessLimits{100, 5, 100});
    SocketPair pair;
    pair.Send("never read");
    RecordingDialog dialog(ui, kForm);
    dialog.onInit = [&pair](RecordingDialog& d) { d.WatchSocket(pair.Reader(), 9); };
    driver.Then(Step::Click(kIdOk));
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_THAT(dialog.log, SizeIs(5));
}

TEST_F(HeadlessLoopTest, DriverThatRunsOutClosesEveryWindow) {
    RecordingDialog outer(ui, kForm);
    RecordingDialog stubborn(ui, kSmall, &outer);
    RecordingDialog asking(ui, kSmall, &stubborn);
    int stubbornResult = -1;
    int askingResult = -1;
    outer.onCommand = [&](RecordingDialog&, int id, Notification) {
        if (id == kApply) {
            stubbornResult = stubborn.DoModal();
        }
    };
    stubborn.onInit = [&](RecordingDialog&) { askingResult = asking.DoModal(); };
    stubborn.onCancel = [](RecordingDialog&) {};  // refuses to close
    asking.onCancel = [](RecordingDialog& d) {
        d.MessageBox("Close anyway?", "Lanvane");
        d.EndDialog(kIdCancel);
    };
    driver.Then(Step::Click(kApply));
    EXPECT_EQ(outer.DoModal(), kIdCancel);
    EXPECT_EQ(askingResult, kIdCancel);
    EXPECT_EQ(stubbornResult, kIdCancel);
    ASSERT_THAT(ui.MessageBoxes(), SizeIs(1));
    EXPECT_TRUE(ui.MessageBoxes()[0].answered);
    EXPECT_FALSE(ui.IsClosingDown()) << "the next dialog starts afresh";
}

class EndlessDriver : public HeadlessDriver {
public:
    std::vector<std::string> rejections;
    Step NextStep(const HeadlessBackend&) override { return Step::Advance(1); }
    void OnStepRejected(const Step&, const std::string& reason) override { rejections.push_back(reason); }
};

TEST(HeadlessLimitsTest, DriverThatNeverEndsIsStoppedAfterItsStepLimit) {
    EndlessDriver driver;
    HeadlessBackend ui(driver, HeadlessLimits{50, 10, 10});
    RecordingDialog dialog(ui, kForm);
    EXPECT_EQ(dialog.DoModal(), kIdCancel);
    EXPECT_EQ(ui.StepsTaken(), 50);
    EXPECT_THAT(driver.rejections, ElementsAre(HasSubstr("step limit")));
}

}  // namespace
}  // namespace lanvane::test
