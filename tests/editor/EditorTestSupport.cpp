#include "EditorTestSupport.h"

#include <utility>

namespace lanvane::test {

Step EditorDriver::NextStep(const HeadlessBackend& ui) {
    if (ui.PendingMessageBox() != nullptr) {
        if (whenMessageShown_) {
            whenMessageShown_();
        }
        return Step::AnswerMessageBox();
    }
    if (ui.PendingFileDialog() != nullptr) {
        std::vector<std::string> paths;
        if (!fileAnswers_.empty()) {
            paths = std::move(fileAnswers_.front());
            fileAnswers_.pop_front();
        }
        return Step::AnswerFileDialog(std::move(paths));
    }
    return ScriptedDriver::NextStep(ui);
}

EditorTest::EditorTest(int layout)
    : printer(sim::DefaultPrinterState(layout)), devices({UsbDevice("USB001", kPrinterDevice)}) {}

void EditorTest::Run() {
    CInterfaceConfigDlg dialog(context);
    window = &dialog;
    dialog.DoModal();
    window = nullptr;
}

std::vector<std::string> EditorTest::Messages() const {
    std::vector<std::string> texts;
    for (std::size_t index = messagesSeen_; index < ui.MessageBoxes().size(); ++index) {
        texts.push_back(ui.MessageBoxes()[index].request.text);
    }
    return texts;
}

std::string EditorTest::LastMessage() const {
    const auto texts = Messages();
    return texts.empty() ? std::string() : texts.back();
}

void EditorTest::EditRecord(const std::function<void(sim::PrinterRecord&)>& edit) {
    sim::PrinterState state = printer.State();
    edit(state.record);
    printer.SetState(state);
}

bool EditorTest::PrinterReceived(sim::RequestKind kind) const {
    for (const sim::HandledRequest& request : printer.History()) {
        if (request.kind == kind) {
            return true;
        }
    }
    return false;
}

void EditorTest::Connect() {
    driver.Then(Step::Click(ctl::kConnectButton));
}

void EditorTest::SelectTab(int index) {
    driver.Then(Step::SelectTab(ctl::kConfigTab, index));
}

void EditorTest::Click(int controlId, int pageId) {
    driver.Then(Step::Click(controlId, pageId));
}

void EditorTest::Type(int controlId, const std::string& text, int pageId) {
    driver.Then(Step::Type(controlId, text, pageId));
}

void EditorTest::Erase(int controlId, int pageId) {
    driver.Then(Step::Erase(controlId, pageId));
}

int EditorTest::FocusId() const {
    const Control* focus = window->GetFocus();
    return focus == nullptr ? 0 : focus->Id();
}

void EditorTest::TearDown() {
    if (!expectRejections) {
        EXPECT_THAT(driver.Rejections(), ::testing::IsEmpty());
    }
}

UsbDeviceEntry UsbDevice(std::string displayName, std::string devicePath, std::string productId) {
    UsbDeviceEntry entry;
    entry.instance = 1;
    entry.devicePath = std::move(devicePath);
    entry.displayName = std::move(displayName);
    entry.productId = std::move(productId);
    entry.vendorId = "0FE6";
    return entry;
}

}  // namespace lanvane::test
