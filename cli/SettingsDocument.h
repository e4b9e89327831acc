#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace lanvane::cli {

// What a settings document tells about the printer it was saved from.

// The MAC address in the identification data of a whole 'read --json' document; nothing for
// a plain object of fields.
std::optional<std::string> SavedFromMac(const nlohmann::json& document);

// The fields of `settings` that the record layout `version` does not carry, in document order.
std::vector<std::string> FieldsOutsideLayout(const nlohmann::json& settings, int version);

// `settings` without the members `names`.
nlohmann::json WithoutFields(nlohmann::json settings, const std::vector<std::string>& names);

// "a, b, c".
std::string JoinedNames(const std::vector<std::string>& names);

}  // namespace lanvane::cli
