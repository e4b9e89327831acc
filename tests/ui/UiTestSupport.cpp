#include "UiTestSupport.h"

namespace lanvane::test {

std::string Describe(Notification code) {
    switch (code) {
    case Notification::Clicked: return "Clicked";
    case Notification::TextChanged: return "TextChanged";
    case Notification::FocusGained: return "FocusGained";
    case Notification::FocusLost: return "FocusLost";
    case Notification::SelectionChanged: return "SelectionChanged";
    case Notification::SelectionConfirmed: return "SelectionConfirmed";
    }
    return "?";
}

namespace {

std::string Describe(const NotifyMessage& message) {
    switch (message.code) {
    case NotifyCode::ListItemChanged:
        return "ItemChanged " + std::to_string(message.item) + " " + std::to_string(message.oldState) + ">" +
               std::to_string(message.newState);
    case NotifyCode::TabSelChanging: return "SelChanging";
    case NotifyCode::TabSelChange: return "SelChange";
    case NotifyCode::IpFieldChanged:
        return "FieldChanged " + std::to_string(message.item) + "=" + std::to_string(message.value);
    }
    return "?";
}

}  // namespace

bool TestDialog::OnInitDialog() {
    if (onInit) {
        onInit(*this);
    }
    return focusFirstTabStop;
}

void TestDialog::OnCommand(int controlId, Notification code) {
    log.push_back(std::to_string(controlId) + " " + Describe(code));
    if (onCommand) {
        onCommand(*this, controlId, code);
    }
}

bool TestDialog::OnNotify(int controlId, const NotifyMessage& message) {
    log.push_back(std::to_string(controlId) + " " + Describe(message));
    return onNotify ? onNotify(*this, controlId, message) : false;
}

void TestDialog::OnTimer(int timerId) {
    log.push_back("timer " + std::to_string(timerId) + " at " + std::to_string(Ui().NowMs()));
    if (onTimer) {
        onTimer(*this, timerId);
    }
}

void TestDialog::OnSocketReadable(int token) {
    log.push_back("socket " + std::to_string(token));
    if (onSocket) {
        onSocket(*this, token);
    }
}

void TestDialog::OnCancel() {
    log.push_back("cancel");
    if (onCancel) {
        onCancel(*this);
    } else {
        Dialog::OnCancel();
    }
}

void TestDialog::OnDestroy() {
    if (onDestroy) {
        onDestroy(*this);
    }
}

int UiTest::Within(TestDialog& dialog, const std::function<void(TestDialog&)>& body) {
    driver.Inspect([&dialog, body](const HeadlessBackend& backend) {
        ASSERT_EQ(backend.ActiveDialog(), &dialog);
        body(dialog);
    });
    return dialog.DoModal();
}

TestDialog& UiTest::Active() const {
    return dynamic_cast<TestDialog&>(*ui.ActiveDialog());
}

void UiTest::TearDown() {
    if (!expectRejections) {
        EXPECT_THAT(driver.Rejections(), ::testing::IsEmpty());
    }
    EXPECT_EQ(ui.ModalDepth(), 0);
}

}  // namespace lanvane::test
