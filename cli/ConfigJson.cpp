#include "cli/ConfigJson.h"

#include <algorithm>
#include <type_traits>

#include "cli/FieldCatalogue.h"
#include "cli/JsonFormat.h"
#include "protocol/AddressText.h"

namespace lanvane::cli {
namespace {

constexpr std::size_t kShownValueLimit = 40;
constexpr const char* kFormatMember = "format";
constexpr const char* kConfigMember = "config";
// What 'read --json' and 'write --json' put around "config".
constexpr std::string_view kFrameMembers[] = {"format", "device", "makerName", "identification", "layout", "summary"};

using Refusal = std::optional<std::string>;

std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u; }));
}

// A text's length as the limit counts it, and as a person counts it when the two differ.
std::string LengthOf(const std::string& text) {
    const std::size_t characters = CharacterCount(text);
    const std::string bytes = std::to_string(text.size()) + " bytes";
    return characters == text.size() ? std::to_string(characters) + " characters"
                                     : std::to_string(characters) + " characters, " + bytes;
}

std::string KindOf(const nlohmann::json& value) {
    if (value.is_string()) {
        return "a text of " + LengthOf(value.get_ref<const std::string&>());
    }
    if (value.is_number()) {
        return "a number";
    }
    return value.is_boolean() ? "true or false" : value.is_null() ? "null" : value.is_array() ? "a list" : "an object";
}

// The value as the refusal names it: a secret by its kind and length only, whatever its
// type, a long text cut short.
std::string ShownValue(const FieldSpec& fieldSpec, const nlohmann::json& value) {
    if (fieldSpec.IsSecret()) {
        return KindOf(value);
    }
    std::string shown = value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    if (shown.size() > kShownValueLimit) {
        shown = shown.substr(0, kShownValueLimit) + "...";
    }
    if (fieldSpec.type == FieldType::Text && value.is_string() &&
        value.get_ref<const std::string&>().size() > fieldSpec.record->width) {
        shown += " (" + LengthOf(value.get_ref<const std::string&>()) + ")";
    }
    return shown;
}

std::optional<std::uint32_t> WholeNumber(const nlohmann::json& value, std::uint32_t maximum) {
    if (!value.is_number_integer() || (!value.is_number_unsigned() && value.get<std::int64_t>() < 0)) {
        return std::nullopt;
    }
    const auto number = value.get<std::uint64_t>();
    return number <= maximum ? std::optional(static_cast<std::uint32_t>(number)) : std::nullopt;
}

std::optional<std::string> TextOf(const FieldSpec& fieldSpec, const nlohmann::json& value) {
    if (!value.is_string()) {
        return std::nullopt;
    }
    const auto& text = value.get_ref<const std::string&>();
    if (text.size() > fieldSpec.record->width || text.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    if (fieldSpec.type == FieldType::Channel && text != "1" && text != "6" && text != "11") {
        return std::nullopt;
    }
    return text;
}

// The field's value as a number the record holds, or the text of a text field.
using Taken = std::variant<std::uint32_t, std::string>;

std::optional<Taken> Take(const FieldSpec& fieldSpec, const nlohmann::json& value, int version) {
    switch (fieldSpec.type) {
        case FieldType::Text:
        case FieldType::Secret:
        case FieldType::Channel: {
            auto text = TextOf(fieldSpec, value);
            return text ? std::optional<Taken>(std::move(*text)) : std::nullopt;
        }
        case FieldType::Switch:
            return value.is_boolean() ? std::optional<Taken>(value.get<bool>() ? 1u : 0u) : std::nullopt;
        case FieldType::Number: {
            const auto number = WholeNumber(value, fieldSpec.maximum);
            return number ? std::optional<Taken>(*number) : std::nullopt;
        }
        case FieldType::Address: {
            const auto address = value.is_string() ? ParseAddressText(value.get_ref<const std::string&>()) : std::nullopt;
            return address ? std::optional<Taken>(*address) : std::nullopt;
        }
        case FieldType::Code: {
            const auto code = value.is_string() ? fieldSpec.CodeOf(value.get_ref<const std::string&>()) : std::nullopt;
            // Wi-Fi Direct exists only in the version 2 record.
            if (!code || (fieldSpec.Name() == "networkMode" && *code == 2 && version != 2)) {
                return std::nullopt;
            }
            return static_cast<std::uint32_t>(*code);
        }
    }
    return std::nullopt;
}

void Store(const RecordField& field, Taken taken, InterfaceConfig& config) {
    std::visit(
        [&](auto member) {
            auto& target = config.*member;
            using Value = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                target = std::get<std::string>(std::move(taken));
            } else {
                target = static_cast<Value>(std::get<std::uint32_t>(taken));
            }
        },
        field.member);
}

nlohmann::ordered_json ValueToJson(const FieldSpec& fieldSpec, const InterfaceConfig& config, bool showSecrets) {
    return std::visit(
        [&](auto member) -> nlohmann::ordered_json {
            const auto& value = config.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
                return fieldSpec.IsSecret() && !showSecrets ? std::string(kMaskedSecret) : value;
            } else if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::uint32_t>) {
                return AddressText(value);
            } else {
                if (fieldSpec.type == FieldType::Switch && value <= 1) {
                    return value == 1;
                }
                if (const auto name = fieldSpec.CodeNameOf(value); fieldSpec.type == FieldType::Code && name) {
                    return std::string(*name);
                }
                return value;
            }
        },
        fieldSpec.record->member);
}

}  // namespace

nlohmann::ordered_json ConfigToJson(const InterfaceConfig& config, bool showSecrets) {
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
    for (const FieldSpec& fieldSpec : FieldSpecs()) {
        if (fieldSpec.record->OffsetIn(config.version)) {
            fields[std::string(fieldSpec.Name())] = ValueToJson(fieldSpec, config, showSecrets);
        }
    }
    return fields;
}

std::string ConfigJsonError::Text() const {
    return field.empty() ? reason : field + ": " + reason;
}

template <typename Json>
std::optional<ConfigJsonError> FormatRefusal(const Json& format) {
    if (format == kJsonFormat) {
        return std::nullopt;
    }
    return ConfigJsonError{kFormatMember, format.dump(-1, ' ', false, Json::error_handler_t::replace) +
                                              " is not a format this lanvane-cli reads (" +
                                              std::to_string(kJsonFormat) + ")"};
}

template <typename Json>
std::optional<ConfigJsonError> FrameRefusal(const Json& document) {
    if (!document.is_object()) {
        return std::nullopt;
    }
    if (const auto format = document.find(kFormatMember); format != document.end()) {
        if (auto refusal = FormatRefusal(*format)) {
            return refusal;
        }
    }
    if (!document.contains(kConfigMember) || !document[kConfigMember].is_object()) {
        return std::nullopt;
    }
    for (const auto& [name, value] : document.items()) {
        if (name == kConfigMember || std::find(std::begin(kFrameMembers), std::end(kFrameMembers), name) !=
                                         std::end(kFrameMembers)) {
            continue;
        }
        return ConfigJsonError{name, FindFieldSpec(name) != nullptr
                                         ? "a record field beside \"config\" is not set (put it inside \"config\")"
                                         : "no member of a saved configuration (record fields go inside \"config\")"};
    }
    return std::nullopt;
}

std::optional<ConfigJsonError> CheckDocumentFrame(const nlohmann::json& document) { return FrameRefusal(document); }

std::optional<ConfigJsonError> CheckDocumentFrame(const nlohmann::ordered_json& document) {
    return FrameRefusal(document);
}

template <typename Json>
const Json& ConfigObjectIn(const Json& document) {
    if (document.is_object() && document.contains("config") && document["config"].is_object()) {
        return document["config"];
    }
    return document;
}

const nlohmann::json& ConfigObjectOf(const nlohmann::json& document) { return ConfigObjectIn(document); }

const nlohmann::ordered_json& ConfigObjectOf(const nlohmann::ordered_json& document) {
    return ConfigObjectIn(document);
}

std::optional<ConfigJsonError> ApplyConfigJson(const nlohmann::json& settings, InterfaceConfig& config) {
    if (!settings.is_object()) {
        return ConfigJsonError{"", "the settings must be a JSON object of record fields"};
    }
    InterfaceConfig changed = config;
    for (const auto& [name, value] : settings.items()) {
        if (name == kFormatMember) {
            if (auto refusal = FormatRefusal(value)) {
                return refusal;
            }
            continue;
        }
        const FieldSpec* fieldSpec = FindFieldSpec(name);
        if (fieldSpec == nullptr) {
            return ConfigJsonError{name, "no such field ('lanvane-cli fields' lists them)"};
        }
        if (!fieldSpec->record->OffsetIn(config.version)) {
            return ConfigJsonError{name, "the printer's version " + std::to_string(config.version) +
                                             " record does not carry this field"};
        }
        // A masked secret, or the printer's own value, goes back as the printer holds it:
        // a read record is written back unchanged even where it holds what a user may not set.
        if ((fieldSpec->IsSecret() && value == kMaskedSecret) ||
            nlohmann::json(ValueToJson(*fieldSpec, config, true)) == value) {
            continue;
        }
        auto taken = Take(*fieldSpec, value, config.version);
        if (!taken) {
            return ConfigJsonError{name, ShownValue(*fieldSpec, value) + " is not allowed (" + fieldSpec->Allowed() + ")"};
        }
        Store(*fieldSpec->record, std::move(*taken), changed);
    }
    config = std::move(changed);
    return std::nullopt;
}

std::optional<ConfigJsonError> CheckConfigJson(const nlohmann::json& settings) {
    InterfaceConfig everyField;
    everyField.version = 2;
    return ApplyConfigJson(settings, everyField);
}

}  // namespace lanvane::cli
