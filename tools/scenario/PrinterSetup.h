#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "link/UsbDeviceList.h"
#include "sim/FaultPlan.h"
#include "sim/LanFaultPlan.h"
#include "sim/LanPrinterSettings.h"

namespace lanvane::scenario {

// A record field given by name and value, as a scenario writes it ("ssid", "Office").
struct FieldValue {
    std::string field;
    std::string value;

    bool operator==(const FieldValue&) const = default;
};

// A simulated printer as a scenario starts it.
struct PrinterSetup {
    int layout = 1;                        // record layout: 1 (603 bytes) or 2 (616 bytes)
    std::optional<std::string> makerName;  // the printer's own when not given
    std::string productId{kPrinterProductId};  // USB product id, as the device list shows it
    sim::FaultPlan faults;
    std::vector<FieldValue> fields;        // record fields that differ from the default printer
    bool noNetworks = false;               // the printer receives no wireless network
};

// A simulated printer on the LAN as a scenario starts it: the default printer of its kind
// and number, changed as told.
struct LanPrinterSetup {
    sim::LanKind kind = sim::LanKind::Ethernet;
    std::vector<FieldValue> fields;  // settings by name (SimulatedFields.h)
    sim::LanFaultPlan faults;
    bool noNetworks = false;  // a wireless printer that receives no wireless network
};

}  // namespace lanvane::scenario
