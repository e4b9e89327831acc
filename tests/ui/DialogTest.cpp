#include "UiTestSupport.h"

#include "ui/EditControl.h"
#include "ui/PushButton.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

using DialogTest = UiTest;

TEST_F(DialogTest, NestedModalLoopsEndInsideOutWithTheirResults) {
    RecordingDialog outer(ui, kForm);
    RecordingDialog inner(ui, kSmall, &outer);
    std::vector<std::string> order;
    outer.onCommand = [&](RecordingDialog&, int id, Notification) {
        if (id == kApply) {
            order.push_back("inner returned " + std::to_string(inner.DoModal()));
        }
    };
    inner.onCancel = [&](RecordingDialog& d) {
        const int answer = d.MessageBox("Sure?", "Lanvane", MessageBoxIcon::Exclamation);
        order.push_back("box returned " + std::to_string(answer));
        d.EndDialog(answer + 5);
    };
    driver.Then(Step::Click(kApply))
        .Inspect([&](const HeadlessBackend& backend) {
            EXPECT_EQ(backend.ActiveDialog(), &inner);
            EXPECT_EQ(backend.ModalDepth(), 2);
            EXPECT_FALSE(outer.Item<PushButton>(kApply).UserClick()) << "the outer dialog takes no input";
        })
        .Then(Step::PressCancel())
        .Inspect([&](const HeadlessBackend& backend) {
            ASSERT_NE(backend.PendingMessageBox(), nullptr);
            EXPECT_EQ(backend.PendingMessageBox()->request.text, "Sure?");
            EXPECT_EQ(backend.ActiveDialog(), nullptr);
            EXPECT_EQ(backend.ModalDepth(), 3);
            EXPECT_FALSE(inner.AcceptsInput());
        })
        .Then(Step::AnswerMessageBox(kIdOk))
        .Then(Step::Click(kIdOk));

    EXPECT_EQ(outer.DoModal(), kIdOk);
    EXPECT_THAT(order, ElementsAre("box returned 1", "inner returned 6"));
    ASSERT_THAT(ui.MessageBoxes(), SizeIs(1));
    EXPECT_EQ(ui.MessageBoxes()[0].request.caption, "Lanvane");
    EXPECT_EQ(ui.MessageBoxes()[0].request.icon, MessageBoxIcon::Exclamation);
    EXPECT_TRUE(driver.Finished());
}

TEST_F(DialogTest, DisabledHiddenAndMissingControlsRefuseTheUser) {
    expectRejections = true;
    RecordingDialog dialog(ui, kForm);
    driver.Then(Step::Click(kDisabledButton))
        .Then(Step::Click(kHiddenButton))
        .Then(Step::Click(999))
        .Then(Step::Type(kIdOk, "x"))
        .Then(Step::AnswerMessageBox());
    dialog.DoModal();
    EXPECT_THAT(dialog.log, ElementsAre("cancel"));
    ASSERT_THAT(driver.Rejections(), SizeIs(5));
    EXPECT_THAT(driver.Rejections()[0], HasSubstr("disabled, hidden"));
    EXPECT_THAT(driver.Rejections()[2], HasSubstr("no such control"));
    EXPECT_THAT(driver.Rejections()[3], HasSubstr("not an edit field"));
    EXPECT_THAT(driver.Rejections()[4], HasSubstr("no such window"));
}

TEST_F(DialogTest, PagesStartHiddenAndOnlyTheShownEnabledPageTakesInput) {
    expectRejections = true;
    RecordingDialog window(ui, kForm);
    RecordingDialog first(ui, kFirstPage, &window);
    RecordingDialog second(ui, kSecondPage, &window);
    window.onInit = [&](RecordingDialog&) {
        EXPECT_TRUE(first.Create());
        EXPECT_TRUE(second.Create());
        EXPECT_FALSE(first.Create());
    };
    driver.Then(Step::Click(kPageButton))
        .Inspect([&](const HeadlessBackend&) { second.ShowWindow(true); })
        .Then(Step::Click(kPageButton))
        .Then(Step::Type(kPageEdit, "abc", first.Template().id))
        .Then(Step::Type(kPageEdit, "xy", second.Template().id))
        .Inspect([&](const HeadlessBackend&) { second.EnableWindow(false); })
        .Then(Step::Click(kPageButton))
        .Then(Step::Click(kIdOk));

    EXPECT_EQ(window.DoModal(), kIdOk);
    EXPECT_THAT(second.log, ElementsAre("101 Clicked", "100 FocusGained", "100 TextChanged", "100 TextChanged",
                                        "100 FocusLost"));
    EXPECT_THAT(first.log, IsEmpty());
    EXPECT_EQ(first.GetDlgItemText(kPageEdit), "");
    EXPECT_THAT(driver.Rejections(), SizeIs(3));
    EXPECT_FALSE(first.IsCreated()) << "pages go with their window";
    EXPECT_EQ(window.GetFocus(), nullptr);
}

TEST_F(DialogTest, PageTimersStopWhenTheWindowCloses) {
    RecordingDialog window(ui, kForm);
    RecordingDialog page(ui, kFirstPage, &window);
    window.onInit = [&](RecordingDialog&) {
        page.Create();
        page.SetTimer(5, 100);
    };
    driver.Then(Step::Advance(250)).Then(Step::Click(kIdOk));
    window.DoModal();
    RecordingDialog later(ui, kSmall);
    driver.Then(Step::Advance(1000)).Then(Step::Click(kIdOk));
    later.DoModal();
    EXPECT_THAT(page.log, ElementsAre("timer 5 at 100", "timer 5 at 200"));
}

TEST(DialogDeathTest, AskingForAMissingControlStopsWithItsId) {
    ScriptedDriver driver;
    HeadlessBackend ui(driver);
    RecordingDialog dialog(ui, kForm);
    EXPECT_DEATH(dialog.GetDlgItem(999), "no control 999");
    EXPECT_DEATH(dialog.Item<EditControl>(kApply), "no control 83");
}

}  // namespace
}  // namespace lanvane::test
