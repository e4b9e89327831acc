#pragma once

#include "resources/StringTable.h"
#include "ui/Dialog.h"

namespace lanvane {

// One OK-only message box without icon: the text of string `messageId` under the
// program's caption.
void ShowLanMessage(Dialog& owner, const StringTable& strings, int messageId);

}  // namespace lanvane
