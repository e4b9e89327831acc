#include "tools/scenario/BenchDeviceSource.h"

#include <cstdio>

namespace lanvane::scenario {
namespace {

// An id free for private use, so that no real maker is named.
constexpr const char* kVendorId = "F055";

std::string DisplayName(int position) {
    char name[16];
    std::snprintf(name, sizeof name, "USB%03d", position);
    return name;
}

}  // namespace

std::vector<UsbDeviceEntry> BenchDeviceSource::UsbDevices() {
    std::vector<UsbDeviceEntry> entries;
    for (const PrinterBench::UsbPrinter& usb : bench_.UsbPrinters()) {
        entries.push_back({PrinterBench::UsbPath(usb.number), DisplayName(static_cast<int>(entries.size()) + 1),
                           usb.productId, kVendorId});
    }
    return entries;
}

}  // namespace lanvane::scenario
