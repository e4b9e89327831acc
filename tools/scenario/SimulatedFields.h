#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/LanPrinterSettings.h"
#include "sim/PrinterRecord.h"

namespace lanvane::scenario {

// The fields of the simulated printers by name, as scenarios set and expect them: a USB
// printer's record fields by their names in the record ("printerName", "ssid", "ipAddress",
// ...) and a LAN printer's settings ("ip", "subnet", "port", "dhcp", ...). Texts as they are,
// addresses dotted, the MAC as 00-1A-2B-E0-00-01, flags 0 or 1, other numbers in decimal.
bool IsRecordField(std::string_view name);
bool IsLanField(std::string_view name);

std::optional<std::string> RecordFieldText(const sim::PrinterRecord& record, std::string_view name);
std::optional<std::string> LanFieldText(const sim::LanPrinterSettings& settings, std::string_view name);

// False when the name is unknown or the text does not fit the field.
bool SetRecordField(sim::PrinterRecord& record, std::string_view name, std::string_view text);
bool SetLanField(sim::LanPrinterSettings& settings, std::string_view name, std::string_view text);

// Every name, comma separated, for error messages.
std::string RecordFieldNames();
std::string LanFieldNames();

}  // namespace lanvane::scenario
