#include "UiTestSupport.h"

#include "ui/EditControl.h"
#include "ui/PushButton.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::SizeIs;

using DialogTest = UiTest;

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

TEST_F(DialogTest, PageTimersStopWhenTheWindowCloses) {
    RecordingDialog window(ui, kForm);
    RecordingDialog page(ui, kPage, &window);
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
