#pragma once

#include <string_view>

#include "resources/StringTable.h"
#include "ui/Dialog.h"

namespace lanvane {

// A message of the program's windows: the text of `messageId` under the program's caption,
// OK only, no icon.
void ShowMessage(Dialog& owner, const StringTable& strings, int messageId);
// The same for a text the program composed (a message with a command in it).
void ShowMessageText(Dialog& owner, const StringTable& strings, std::string_view text);

// The one message with its own caption: "Warning", with the exclamation icon.
void ShowWarning(Dialog& owner, const StringTable& strings, int messageId);

}  // namespace lanvane
