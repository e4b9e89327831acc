#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lanvane {

// The USB product id of our printers' interface, as UsbDeviceEntry holds it: the only
// USB devices the program offers.
inline constexpr std::string_view kPrinterProductId = "002B";

struct UsbDeviceEntry {
    // 1 + the number of earlier entries with the same product id.
    int instance = 0;
    // The path that opens the device.
    std::string devicePath;
    // USB001, USB002, ... by position in the list.
    std::string displayName;
    // Four upper-case hexadecimal digits each.
    std::string productId;
    std::string vendorId;
};

// The USB printer devices that are present and free to open, numbered afresh by every
// refresh. `systemRoot` and `deviceRoot` are where the system describes its devices and
// keeps their nodes; tests point them at a fake tree.
class CUsbDeviceList {
public:
    explicit CUsbDeviceList(std::filesystem::path systemRoot = "/sys",
                            std::filesystem::path deviceRoot = "/dev");

    // Enumerates anew; returns the number of devices found.
    std::size_t Refresh();
    void Clear();
    std::size_t Count() const { return entries_.size(); }
    // The entry at `index` in discovery order, or nullptr.
    const UsbDeviceEntry* GetAt(std::size_t index) const;
    // The first entry named `displayName`, else the last entry; nullptr when empty.
    const UsbDeviceEntry* FindByName(const std::string& displayName) const;

private:
    void Add(std::string devicePath, std::string vendorId, std::string productId);

    std::filesystem::path systemRoot_;
    std::filesystem::path deviceRoot_;
    std::vector<UsbDeviceEntry> entries_;
};

}  // namespace lanvane
