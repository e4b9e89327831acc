#include "UiTestSupport.h"

namespace lanvane::test {

int UiTest::Within(RecordingDialog& dialog, const std::function<void(RecordingDialog&)>& body) {
    driver.Inspect([&dialog, body](const HeadlessBackend& backend) {
        ASSERT_EQ(backend.ActiveDialog(), &dialog);
        body(dialog);
    });
    return dialog.DoModal();
}

void UiTest::TearDown() {
    if (!expectRejections) {
        EXPECT_THAT(driver.Rejections(), ::testing::IsEmpty());
    }
    EXPECT_EQ(ui.ModalDepth(), 0);
}

}  // namespace lanvane::test
