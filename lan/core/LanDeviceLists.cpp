#include "lan/core/LanDeviceLists.h"

namespace lanvane {

void LanDeviceLists::Clear(LanMode mode) {
    if (mode == LanMode::Ethernet) {
        ethernet_.Clear();
    } else {
        wlan_.Clear();
    }
}

int LanDeviceLists::Count(LanMode mode) const {
    return mode == LanMode::Ethernet ? ethernet_.Count() : wlan_.Count();
}

DeviceRecord* LanDeviceLists::Nth(LanMode mode, int n) {
    if (mode == LanMode::Ethernet) {
        return ethernet_.Nth(n);
    }
    return wlan_.Nth(n);
}

const DeviceRecord* LanDeviceLists::Nth(LanMode mode, int n) const {
    if (mode == LanMode::Ethernet) {
        return ethernet_.Nth(n);
    }
    return wlan_.Nth(n);
}

std::string LanDeviceLists::From(LanMode mode, int n) const {
    return mode == LanMode::Ethernet ? ethernet_.From(n) : wlan_.From(n);
}

}  // namespace lanvane
