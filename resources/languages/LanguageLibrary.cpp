// The whole of a language library: its table, handed to the program as text.
#include "resources/LanguageResources.h"

namespace {

constexpr char kTable[] =
#include "LanguageTableText.inc"
    ;

}  // namespace

extern "C" const lanvane::LanguageResources* LanvaneLanguageResources() {
    static const lanvane::LanguageResources resources{
        .version = lanvane::kLanguageResourcesVersion,
        .table = kTable,
    };
    return &resources;
}
