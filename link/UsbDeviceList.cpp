#include "link/UsbDeviceList.h"

#include <cstdio>
#include <utility>

namespace lanvane {
namespace {

std::string DisplayNameAt(std::size_t position) {
    char name[32];
    std::snprintf(name, sizeof name, "USB%03zu", position);
    return name;
}

}  // namespace

CUsbDeviceList::CUsbDeviceList(std::filesystem::path systemRoot, std::filesystem::path deviceRoot,
                               UsbListing listing)
    : systemRoot_(std::move(systemRoot)), deviceRoot_(std::move(deviceRoot)), listing_(listing) {}

void CUsbDeviceList::Clear() {
    entries_.clear();
}

const UsbDeviceEntry* CUsbDeviceList::GetAt(std::size_t index) const {
    return index < entries_.size() ? &entries_[index] : nullptr;
}

void CUsbDeviceList::Add(std::string devicePath, std::string vendorId, std::string productId,
                         LinkFailure openFailure) {
    UsbDeviceEntry entry;
    entry.devicePath = std::move(devicePath);
    entry.displayName = DisplayNameAt(entries_.size() + 1);
    entry.productId = std::move(productId);
    entry.vendorId = std::move(vendorId);
    entry.openFailure = openFailure;
    entries_.push_back(std::move(entry));
}

}  // namespace lanvane
