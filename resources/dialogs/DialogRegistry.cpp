#include <algorithm>
#include <array>

#include "resources/DialogTemplates.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane {
namespace {

constexpr std::array<const DialogTemplate*, 13> kTemplates = {
    &dialogs::kMainMenuTemplate,       &dialogs::kSystemPageTemplate,
    &dialogs::kNetworkSettingTemplate, &dialogs::kDeviceListTemplate,
    &dialogs::kSearchTemplate,         &dialogs::kInterfaceConfigTemplate,
    &dialogs::kProtocolPageTemplate,   &dialogs::kBssPageTemplate,
    &dialogs::kNetworkPageTemplate,    &dialogs::kAuthPageTemplate,
    &dialogs::kCertPageTemplate,       &dialogs::kBssInfoTemplate,
    &dialogs::kSummaryTemplate,
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    const auto found = std::ranges::find(kTemplates, id, &DialogTemplate::id);
    return found == kTemplates.end() ? nullptr : *found;
}

std::span<const DialogTemplate* const> AllDialogTemplates() {
    return kTemplates;
}

}  // namespace lanvane
