#include "tools/scenario/headless/HeadlessScreen.h"

namespace lanvane::scenario {

const MessageBoxRequest* HeadlessScreen::OpenMessageBox() const {
    const MessageBoxRecord* record = ui_.PendingMessageBox();
    return record == nullptr ? nullptr : &record->request;
}

const FileDialogRequest* HeadlessScreen::OpenFileDialog() const {
    const FileDialogRecord* record = ui_.PendingFileDialog();
    return record == nullptr ? nullptr : &record->request;
}

}  // namespace lanvane::scenario
