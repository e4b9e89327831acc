#include "cli/SettingsDocument.h"

#include "cli/FieldCatalogue.h"

namespace lanvane::cli {

std::optional<std::string> SavedFromMac(const nlohmann::json& document) {
    if (!document.is_object() || !document.contains("identification") || !document["identification"].is_object()) {
        return std::nullopt;
    }
    const nlohmann::json& identification = document["identification"];
    if (!identification.contains("macAddress") || !identification["macAddress"].is_string()) {
        return std::nullopt;
    }
    return identification["macAddress"].get<std::string>();
}

std::vector<std::string> FieldsOutsideLayout(const nlohmann::json& settings, int version) {
    std::vector<std::string> outside;
    if (!settings.is_object()) {
        return outside;
    }
    for (const auto& [name, value] : settings.items()) {
        const FieldSpec* fieldSpec = FindFieldSpec(name);
        if (fieldSpec != nullptr && !fieldSpec->record->OffsetIn(version)) {
            outside.push_back(name);
        }
    }
    return outside;
}

nlohmann::json WithoutFields(nlohmann::json settings, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        settings.erase(name);
    }
    return settings;
}

std::string JoinedNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

}  // namespace lanvane::cli
