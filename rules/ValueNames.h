#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "protocol/ConfigFieldTable.h"
#include "resources/StringTable.h"

namespace lanvane::rules {

// The summary's name of a field's `code` ("Infra Network", "WPA2", "Enable"), from the
// field's code table; empty when the table does not name the code, so that nothing is looked
// up past a table's end.
std::optional<std::string_view> ValueName(const RecordField& field, int code, const StringTable& strings);

// The name of `code`, or the code in decimal when the table does not name it.
std::string ValueText(const RecordField& field, int code, const StringTable& strings);

}  // namespace lanvane::rules
