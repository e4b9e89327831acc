#include "rules/ConfigSummary.h"

#include <algorithm>
#include <string_view>

#include "protocol/AddressText.h"
#include "protocol/ConfigFieldTable.h"
#include "rules/ValueCodes.h"
#include "rules/ValueNames.h"
#include "resources/StringIds.h"

namespace lanvane::rules {

namespace {

using C = InterfaceConfig;

bool Is(const RecordField& field, FieldMember member) {
    return &field == &FieldOf(member);
}

std::string FieldText(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, std::min(text.find('\0'), width)));
}

std::string ValueTextOf(const RecordField& field, const InterfaceConfig& config, const StringTable& strings) {
    switch (field.type) {
        case ValueType::Text:
        case ValueType::Channel: return FieldText(TextIn(field, config), field.width);
        case ValueType::Address: return AddressText(NumberIn(field, config));
        case ValueType::Switch:
        case ValueType::Code: return ValueText(field, static_cast<int>(NumberIn(field, config)), strings);
        case ValueType::Number: break;
    }
    return std::to_string(NumberIn(field, config));
}

// Keys and EAP credentials are shown only where the authentication and cryptograph use
// them; a field the record's version lacks stays empty.
bool IsShown(const RecordField& field, const InterfaceConfig& config) {
    if (Is(field, &C::wepKey)) {
        return IsWepCryptograph(config.cryptograph);
    }
    if (Is(field, &C::pskKey)) {
        return IsWpaCryptograph(config.cryptograph) && IsPskKind(config.authentication);
    }
    if (Is(field, &C::authId) || Is(field, &C::authPassword)) {
        return IsEapKind(config.authentication);
    }
    return field.IsIn(config.version);
}

std::string SummaryValue(const RecordField& field, const InterfaceConfig& config, const StringTable& strings) {
    if (Is(field, &C::eapMode) && !IsEapKind(config.authentication)) {
        return std::string(strings.Text(sid::kEapNone));
    }
    if (Is(field, &C::adhocChannel) && config.adhocChannel == 0) {
        return "-";
    }
    return IsShown(field, config) ? ValueTextOf(field, config, strings) : std::string();
}

}  // namespace

std::vector<ConfigSummaryRow> ConfigSummaryRows(const InterfaceConfig& config, const StringTable& strings) {
    std::vector<ConfigSummaryRow> rows(RecordFields().size());
    for (const RecordField& field : RecordFields()) {
        rows[static_cast<std::size_t>(field.summary.order)] = {std::string(strings.Text(field.summary.labelId)),
                                                                SummaryValue(field, config, strings)};
    }
    return rows;
}

}  // namespace lanvane::rules
