#include "ui/ProgramMessages.h"

#include "resources/StringIds.h"

namespace lanvane {

void ShowMessage(Dialog& owner, const StringTable& strings, int messageId) {
    owner.MessageBox(strings.Text(messageId), strings.Text(sid::kAppCaption));
}

void ShowMessageText(Dialog& owner, const StringTable& strings, std::string_view text) {
    owner.MessageBox(text, strings.Text(sid::kAppCaption));
}

void ShowWarning(Dialog& owner, const StringTable& strings, int messageId) {
    owner.MessageBox(strings.Text(messageId), strings.Text(sid::kWarningCaption),
                     MessageBoxIcon::Exclamation);
}

}  // namespace lanvane
