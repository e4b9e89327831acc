#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace lanvane::cli {

// One field that differs: its value on each side, null where that side lacks it.
struct FieldChange {
    std::string field;
    nlohmann::ordered_json before;
    nlohmann::ordered_json after;
};

// The fields of two objects of record fields that differ, in the order of `before`, then
// the fields only `after` has. A "format" member is no field.
std::vector<FieldChange> DiffConfigs(const nlohmann::ordered_json& before, const nlohmann::ordered_json& after);

// Secrets shown as the mask, unless `showSecrets`: a changed secret is listed, its value not.
nlohmann::ordered_json ChangesToJson(const std::vector<FieldChange>& changes, bool showSecrets);
// Aligned rows under the headings FIELD, `beforeHeading`, `afterHeading`; a line saying so
// when nothing differs.
std::string ChangesText(const std::vector<FieldChange>& changes, bool showSecrets, const std::string& beforeHeading,
                        const std::string& afterHeading);

}  // namespace lanvane::cli
