#include "rules/ValueNames.h"

#include "resources/StringIds.h"

namespace lanvane::rules {
namespace {

struct TableIds {
    int firstId;  // the name of code 0; the codes that follow are named by the ids that follow
    int count;
};

TableIds IdsOf(ValueTable table) {
    switch (table) {
        case ValueTable::networkMode: return {sid::kNetworkModeInfra, 2};
        case ValueTable::ipAssignment: return {sid::kIpAssignmentManual, 2};
        case ValueTable::authentication: return {sid::kAuthenticationOpenSystem, 6};
        case ValueTable::cryptograph: return {sid::kCryptographNone, 6};
        case ValueTable::eapMode: return {sid::kEapPeap, 6};
        case ValueTable::onOff: return {sid::kDisable, 2};
    }
    return {0, 0};
}

}  // namespace

std::optional<std::string_view> ValueName(ValueTable table, int code, const StringTable& strings) {
    const TableIds ids = IdsOf(table);
    if (code < 0 || code >= ids.count) {
        return std::nullopt;
    }
    return strings.Text(ids.firstId + code);
}

std::string ValueText(ValueTable table, int code, const StringTable& strings) {
    const auto name = ValueName(table, code, strings);
    return name ? std::string(*name) : std::to_string(code);
}

}  // namespace lanvane::rules
