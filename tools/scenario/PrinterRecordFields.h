#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/PrinterRecord.h"

namespace lanvane::scenario {

// The simulated printer's record fields by their names in the record ("printerName",
// "ssid", "ipAddress", ...). Texts as they are, numbers in decimal, addresses dotted.
bool IsRecordField(std::string_view name);
std::optional<std::string> RecordFieldText(const sim::PrinterRecord& record, std::string_view name);
// False when the name is unknown or the text does not fit the field.
bool SetRecordField(sim::PrinterRecord& record, std::string_view name, std::string_view text);
// Every name, comma separated, for error messages.
std::string RecordFieldNames();

}  // namespace lanvane::scenario
