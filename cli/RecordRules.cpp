#include "cli/RecordRules.h"

#include "cli/FieldCatalogue.h"
#include "cli/Reporter.h"
#include "resources/StringIds.h"
#include "rules/ManualAddressRules.h"
#include "rules/PskPassphrase.h"
#include "rules/SecurityCombination.h"

namespace lanvane::cli {
namespace {

// The value of `field` as a refusal names it.
std::string ShownValue(std::string_view field, const InterfaceConfig& config) {
    const nlohmann::ordered_json record = ConfigToJson(config, true);
    const std::string name(field);
    if (!record.contains(name)) {
        return "the value";
    }
    const FieldSpec* fieldSpec = FindFieldSpec(field);
    if (fieldSpec != nullptr && fieldSpec->IsSecret() && record[name].is_string()) {
        return "a text of " + std::to_string(record[name].get_ref<const std::string&>().size()) + " characters";
    }
    return record[name].dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// "one of: none, wep64, wep128", in the CLI's names for the codes.
std::string AllowedCodes(std::string_view field, std::span<const int> codes) {
    const FieldSpec* fieldSpec = FindFieldSpec(field);
    std::string text = "one of:";
    for (const int code : codes) {
        text += (code == codes.front() ? " " : ", ") + std::string(fieldSpec->CodeNameOf(code).value_or("?"));
    }
    return text;
}

ConfigJsonError CombinationRefusalOf(const rules::CombinationRefusal& refusal, const InterfaceConfig& wanted) {
    const std::string_view field = rules::ConfigFieldName(refusal.field);
    const std::string authentication = ShownValue("authentication", wanted);
    return {std::string(field), ShownValue(field, wanted) + " refused: with authentication " + authentication +
                                    " it is " + AllowedCodes(field, refusal.allowed)};
}

rules::SecuritySetting SecurityOf(const InterfaceConfig& config) {
    return {config.authentication, config.cryptograph, config.eapMode};
}

}  // namespace

std::optional<ConfigJsonError> CheckChangedValues(const InterfaceConfig& reported, const InterfaceConfig& wanted,
                                                  const StringTable& strings) {
    if (const auto refusal = rules::CheckSecurityChange(SecurityOf(reported), SecurityOf(wanted))) {
        return CombinationRefusalOf(*refusal, wanted);
    }
    if (const auto failure = rules::CheckAddressChange(AddressSettingOf(reported), AddressSettingOf(wanted))) {
        return PageRuleRefusal(rules::ConfigFieldName(failure->field), failure->messageId, wanted, strings);
    }
    return std::nullopt;
}

ConfigJsonError PageRuleRefusal(std::string_view field, int messageId, const InterfaceConfig& config,
                                const StringTable& strings) {
    const std::string rule = messageId == sid::kPskKeyIncorrect ? std::string(rules::kPskPassphraseRule)
                                                                : ShellWords(strings.Text(messageId));
    return {std::string(field), ShownValue(field, config) + " refused: " + rule};
}

}  // namespace lanvane::cli
