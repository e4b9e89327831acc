#include "protocol/AddressSetting.h"

namespace lanvane {

AddressSetting AddressSettingOf(const InterfaceConfig& config) {
    return {config.dhcp != 0, config.ipAddress, config.subnetMask, config.gateway};
}

}  // namespace lanvane
