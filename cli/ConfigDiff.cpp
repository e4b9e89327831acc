#include "cli/ConfigDiff.h"

#include <sstream>

#include "cli/FieldCatalogue.h"
#include "cli/TextTable.h"

namespace lanvane::cli {
namespace {

constexpr const char* kFormatMember = "format";

nlohmann::ordered_json ValueOf(const nlohmann::ordered_json& fields, const std::string& name) {
    const auto found = fields.find(name);
    return found != fields.end() ? *found : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json Shown(const std::string& field, const nlohmann::ordered_json& value, bool showSecrets) {
    const FieldSpec* fieldSpec = FindFieldSpec(field);
    // A secret of any type: a saved file may hold a key as a number.
    if (!showSecrets && fieldSpec != nullptr && fieldSpec->IsSecret() && !value.is_null()) {
        return std::string(kMaskedSecret);
    }
    return value;
}

std::string CellText(const nlohmann::ordered_json& value) {
    if (value.is_null()) {
        return "-";
    }
    return value.is_string() ? value.get<std::string>() : value.dump();
}

}  // namespace

std::vector<FieldChange> DiffConfigs(const nlohmann::ordered_json& before, const nlohmann::ordered_json& after) {
    std::vector<FieldChange> changes;
    for (const auto& [name, value] : before.items()) {
        if (name != kFormatMember && ValueOf(after, name) != value) {
            changes.push_back({name, value, ValueOf(after, name)});
        }
    }
    for (const auto& [name, value] : after.items()) {
        if (name != kFormatMember && !before.contains(name)) {
            changes.push_back({name, nullptr, value});
        }
    }
    return changes;
}

nlohmann::ordered_json ChangesToJson(const std::vector<FieldChange>& changes, bool showSecrets) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const FieldChange& change : changes) {
        list.push_back({{"field", change.field},
                        {"before", Shown(change.field, change.before, showSecrets)},
                        {"after", Shown(change.field, change.after, showSecrets)}});
    }
    return list;
}

std::string ChangesText(const std::vector<FieldChange>& changes, bool showSecrets, const std::string& beforeHeading,
                        const std::string& afterHeading) {
    if (changes.empty()) {
        return "no field differs\n";
    }
    std::vector<TextRow> rows{{"FIELD", beforeHeading, afterHeading}};
    for (const FieldChange& change : changes) {
        rows.push_back({change.field, CellText(Shown(change.field, change.before, showSecrets)),
                        CellText(Shown(change.field, change.after, showSecrets))});
    }
    std::ostringstream text;
    WriteColumns(text, rows);
    return text.str();
}

}  // namespace lanvane::cli
