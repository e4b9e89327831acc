#include "lan/windows/LanMessage.h"

#include "resources/StringIds.h"

namespace lanvane {

void ShowLanMessage(Dialog& owner, const StringTable& strings, int messageId) {
    owner.MessageBox(strings.Text(messageId), strings.Text(sid::kAppCaption));
}

}  // namespace lanvane
