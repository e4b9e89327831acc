#include "rules/ValueNames.h"

#include <algorithm>

namespace lanvane::rules {

std::optional<std::string_view> ValueName(const RecordField& field, int code, const StringTable& strings) {
    const auto found = std::find_if(field.codes.begin(), field.codes.end(),
                                    [&](const CodeName& name) { return name.code == code; });
    if (found == field.codes.end() || found->summaryNameId == 0) {
        return std::nullopt;
    }
    return strings.Text(found->summaryNameId);
}

std::string ValueText(const RecordField& field, int code, const StringTable& strings) {
    const auto name = ValueName(field, code, strings);
    return name ? std::string(*name) : std::to_string(code);
}

}  // namespace lanvane::rules
