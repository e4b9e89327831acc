#include <array>

#include "resources/LanguageResources.h"
#include "resources/languages/German/GermanResources.h"

namespace {

constexpr std::array<const lanvane::DialogTemplate*, 2> kDialogs = {
    &lanvane::german::kMainMenuTemplate,
    &lanvane::german::kInterfaceConfigTemplate,
};

}  // namespace

extern "C" const lanvane::LanguageResources* LanvaneLanguageResources() {
    static const lanvane::LanguageResources resources{
        .version = lanvane::kLanguageResourcesVersion,
        .strings = lanvane::german::Strings(),
        .dialogs = kDialogs,
    };
    return &resources;
}
