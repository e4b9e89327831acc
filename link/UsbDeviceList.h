#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "link/DeviceRoots.h"
#include "link/LinkError.h"

namespace lanvane {

// The USB product id of our printers' interface, as UsbDeviceEntry holds it: the only
// USB devices the program offers.
inline constexpr std::string_view kPrinterProductId = "002B";

struct UsbDeviceEntry {
    // The path that opens the device.
    std::string devicePath;
    // USB001, USB002, ... by position in the list.
    std::string displayName;
    // Four upper-case hexadecimal digits each.
    std::string productId;
    std::string vendorId;
    // Why it cannot be opened now (busy, permission denied); listed only by a list of
    // every present device.
    LinkFailure openFailure = LinkFailure::None;
};

// Which devices a list holds: those free to open (the windows offer only these), or every
// present one with why it cannot be opened (lanvane-cli, which names what is in the way).
enum class UsbListing { FreeToOpen, EveryPresent };

// The USB printer devices that are present (and, by default, free to open), numbered
// afresh by every refresh. `systemRoot` and `deviceRoot` are where the system describes its devices and
// keeps their nodes; tests point them at a fake tree.
class CUsbDeviceList {
public:
    explicit CUsbDeviceList(std::filesystem::path systemRoot = DefaultSystemRoot(),
                            std::filesystem::path deviceRoot = DefaultDeviceRoot(),
                            UsbListing listing = UsbListing::FreeToOpen);

    // Enumerates anew; returns the number of devices found.
    std::size_t Refresh();
    void Clear();
    std::size_t Count() const { return entries_.size(); }
    // The entry at `index` in discovery order, or nullptr.
    const UsbDeviceEntry* GetAt(std::size_t index) const;

private:
    void Add(std::string devicePath, std::string vendorId, std::string productId, LinkFailure openFailure);

    std::filesystem::path systemRoot_;
    std::filesystem::path deviceRoot_;
    UsbListing listing_;
    std::vector<UsbDeviceEntry> entries_;
};

}  // namespace lanvane
