#include "link/UsbDeviceList.h"

#include "link/NaturalOrder.h"
#include "link/posix/ExclusiveDevice.h"
#include "link/linux/SysfsValue.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <system_error>

namespace lanvane {
namespace {

namespace fs = std::filesystem;

bool IsPrinterNodeName(const std::string& name) {
    return name.size() > 2 && name.rfind("lp", 0) == 0 &&
           std::all_of(name.begin() + 2, name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// The usblp nodes that the system lists (lp0, lp1, ...), by number.
std::vector<std::string> PrinterNodeNames(const fs::path& systemRoot) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(systemRoot / "class" / "usbmisc", error)) {
        std::string name = entry.path().filename().string();
        if (IsPrinterNodeName(name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& left, const std::string& right) {
        return NaturalLess(left, right);
    });
    return names;
}

// A USB id file holds four hexadecimal digits; they are kept in upper case.
std::optional<std::string> ReadUsbId(const fs::path& file) {
    std::optional<std::string> id = sysfs::ReadValue(file);
    if (!id || id->size() != 4 ||
        !std::all_of(id->begin(), id->end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; })) {
        return std::nullopt;
    }
    std::transform(id->begin(), id->end(), id->begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return id;
}

// The node's `device` link leads to its USB interface; the ids belong to the USB device
// that holds the interface.
fs::path UsbDeviceDirOf(const fs::path& nodeDir) {
    std::error_code error;
    const fs::path interfaceDir = fs::canonical(nodeDir / "device", error);
    return error ? fs::path{} : interfaceDir.parent_path();
}

// What keeps the device from being opened now; None when it is free.
LinkFailure OpenFailureOf(const std::string& path) {
    LinkError error;
    const int fd = posix::OpenExclusive(path, error);
    if (fd < 0) {
        return error.Failed() ? error.kind : LinkFailure::IoError;
    }
    posix::CloseExclusive(fd);
    return LinkFailure::None;
}

}  // namespace

std::size_t CUsbDeviceList::Refresh() {
    Clear();
    for (const std::string& name : PrinterNodeNames(systemRoot_)) {
        const fs::path usbDeviceDir = UsbDeviceDirOf(systemRoot_ / "class" / "usbmisc" / name);
        if (usbDeviceDir.empty()) {
            continue;
        }
        std::optional<std::string> vendorId = ReadUsbId(usbDeviceDir / "idVendor");
        std::optional<std::string> productId = ReadUsbId(usbDeviceDir / "idProduct");
        std::string devicePath = (deviceRoot_ / "usb" / name).string();
        if (!vendorId || !productId) {
            continue;
        }
        const LinkFailure openFailure = OpenFailureOf(devicePath);
        if (openFailure == LinkFailure::None || listing_ == UsbListing::EveryPresent) {
            Add(std::move(devicePath), std::move(*vendorId), std::move(*productId), openFailure);
        }
    }
    return Count();
}

}  // namespace lanvane
