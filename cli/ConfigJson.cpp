#include "cli/ConfigJson.h"

#include <algorithm>
#include <limits>
#include <type_traits>

#include "protocol/AddressText.h"
#include "protocol/ConfigRecordLayout.h"

namespace lanvane::cli {
namespace {

using Refusal = std::optional<std::string>;

const RecordField* FindField(const std::string& name) {
    const auto fields = RecordFields();
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const RecordField& field) { return field.name == name; });
    return found == fields.end() ? nullptr : &*found;
}

Refusal TakeText(const nlohmann::json& value, std::size_t width, std::string& target) {
    if (!value.is_string()) {
        return "must be a string";
    }
    const auto& text = value.get_ref<const std::string&>();
    if (text.size() > width) {
        return "must be at most " + std::to_string(width) + " characters";
    }
    if (text.find('\0') != std::string::npos) {
        return "must not contain a NUL character";
    }
    target = text;
    return std::nullopt;
}

template <typename Number>
Refusal TakeNumber(const nlohmann::json& value, Number& target) {
    constexpr auto kMax = std::numeric_limits<Number>::max();
    const std::string range = "must be a whole number from 0 to " + std::to_string(kMax);
    const bool wholeAndNotNegative =
        value.is_number_unsigned() || (value.is_number_integer() && value.get<std::int64_t>() >= 0);
    if (!wholeAndNotNegative) {
        return range;
    }
    const auto number = value.get<std::uint64_t>();
    if (number > kMax) {
        return range;
    }
    target = static_cast<Number>(number);
    return std::nullopt;
}

Refusal TakeAddress(const nlohmann::json& value, std::uint32_t& target) {
    const auto address =
        value.is_string() ? ParseAddressText(value.get_ref<const std::string&>()) : std::nullopt;
    if (!address) {
        return "must be an IPv4 address written a.b.c.d";
    }
    target = *address;
    return std::nullopt;
}

Refusal TakeValue(const RecordField& field, const nlohmann::json& value, InterfaceConfig& config) {
    return std::visit(
        [&](auto member) -> Refusal {
            auto& target = config.*member;
            using Value = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                return TakeText(value, field.width, target);
            } else if constexpr (std::is_same_v<Value, std::uint32_t>) {
                return TakeAddress(value, target);
            } else {
                return TakeNumber(value, target);
            }
        },
        field.member);
}

}  // namespace

nlohmann::ordered_json ConfigToJson(const InterfaceConfig& config) {
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
    for (const RecordField& field : RecordFields()) {
        if (!field.OffsetIn(config.version)) {
            continue;
        }
        const std::string name(field.name);
        std::visit(
            [&](auto member) {
                const auto& value = config.*member;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::uint32_t>) {
                    fields[name] = AddressText(value);
                } else {
                    fields[name] = value;
                }
            },
            field.member);
    }
    return fields;
}

std::string ConfigJsonError::Text() const {
    return field.empty() ? reason : field + ": " + reason;
}

std::optional<ConfigJsonError> ApplyConfigJson(const nlohmann::json& settings, InterfaceConfig& config) {
    if (!settings.is_object()) {
        return ConfigJsonError{"", "the settings must be a JSON object of record fields"};
    }
    InterfaceConfig changed = config;
    for (const auto& [name, value] : settings.items()) {
        const RecordField* field = FindField(name);
        if (field == nullptr) {
            return ConfigJsonError{name, "no such field"};
        }
        if (!field->OffsetIn(config.version)) {
            return ConfigJsonError{name, "the printer's version " + std::to_string(config.version) +
                                             " record does not carry this field"};
        }
        if (Refusal refusal = TakeValue(*field, value, changed)) {
            return ConfigJsonError{name, *refusal};
        }
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
