#include "tools/scenario/ResourceNames.h"

#include <algorithm>
#include <iterator>

#include "resources/ResourceIds.h"

namespace lanvane::scenario {

namespace {

struct NamedId {
    std::string_view name;
    int id;
};

// Written at configure time from resources/ResourceIds.h: kControlNames and kDialogNames.
#include "ResourceNameTables.inc"

template <std::size_t N>
std::optional<int> Find(const NamedId (&table)[N], std::string_view name) {
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [name](const NamedId& entry) { return entry.name == name; });
    return found == std::end(table) ? std::nullopt : std::optional<int>(found->id);
}

}  // namespace

std::optional<int> ControlIdNamed(std::string_view name) { return Find(kControlNames, name); }

std::optional<int> DialogIdNamed(std::string_view name) { return Find(kDialogNames, name); }

}  // namespace lanvane::scenario
