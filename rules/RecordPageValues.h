#pragma once

#include "protocol/InterfaceConfig.h"
#include "protocol/PageValues.h"

// The record's fields as the configuration pages hold them, and back, as the field table
// places them: a choice is the field's code, a number or address is the field's value.
namespace lanvane::rules {

// The values a page shows for a record: a field the record's version lacks keeps the
// page's default (version 1 carries no PIN and shows the default PIN), the confirmation
// repeats the password and the address is the one reported.
void LoadPageValues(const InterfaceConfig& config, SystemPageValues& values);
void LoadPageValues(const InterfaceConfig& config, ProtocolPageValues& values);
void LoadPageValues(const InterfaceConfig& config, NetworkPageValues& values);
void LoadPageValues(const InterfaceConfig& config, AuthPageValues& values);

// Every page's values of a record. Unlike the window's loading, no mode is adjusted, so
// the checks judge the record as it stands.
ConfigPageValues PageValuesFromConfig(const InterfaceConfig& config);

// Puts a page's values into the record; a choice of none (-1) leaves its field as the
// printer gave it.
void ApplyPageValues(const SystemPageValues& values, InterfaceConfig& record);
void ApplyPageValues(const ProtocolPageValues& values, InterfaceConfig& record);
void ApplyPageValues(const NetworkPageValues& values, InterfaceConfig& record);
void ApplyPageValues(const AuthPageValues& values, InterfaceConfig& record);

}  // namespace lanvane::rules
