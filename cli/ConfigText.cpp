#include "cli/ConfigText.h"

#include <map>
#include <string_view>
#include <type_traits>

#include "rules/ValueNames.h"
#include "protocol/AddressText.h"
#include "protocol/ConfigRecordLayout.h"

namespace lanvane::cli {
namespace {

using rules::ValueTable;

const std::map<std::string_view, ValueTable> kNamedCodes = {
    {"networkMode", ValueTable::networkMode},   {"dhcp", ValueTable::ipAssignment},
    {"authentication", ValueTable::authentication}, {"cryptograph", ValueTable::cryptograph},
    {"eapMode", ValueTable::eapMode},           {"https", ValueTable::onOff},
    {"telnet", ValueTable::onOff},              {"ftp", ValueTable::onOff},
    {"snmp", ValueTable::onOff},
};

std::string CodeText(std::string_view field, int code, const StringTable& strings) {
    const auto table = kNamedCodes.find(field);
    if (table == kNamedCodes.end()) {
        return std::to_string(code);
    }
    const auto name = rules::ValueName(table->second, code, strings);
    return name ? std::to_string(code) + " (" + std::string(*name) + ")" : std::to_string(code);
}

}  // namespace

std::vector<TextRow> ConfigFieldRows(const InterfaceConfig& config, const StringTable& strings) {
    std::vector<TextRow> rows;
    for (const RecordField& field : RecordFields()) {
        if (!field.OffsetIn(config.version)) {
            continue;
        }
        std::visit(
            [&](auto member) {
                const auto& value = config.*member;
                using Value = std::decay_t<decltype(value)>;
                std::string text;
                if constexpr (std::is_same_v<Value, std::string>) {
                    text = value;
                } else if constexpr (std::is_same_v<Value, std::uint32_t>) {
                    text = AddressText(value);
                } else {
                    text = CodeText(field.name, value, strings);
                }
                rows.push_back({std::string(field.name), std::move(text)});
            },
            field.member);
    }
    return rows;
}

}  // namespace lanvane::cli
