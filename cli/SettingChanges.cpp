#include "cli/SettingChanges.h"

namespace lanvane::cli {

NetworkSettingValues LayOver(const SettingChanges& changes, NetworkSettingValues values) {
    values.ip = changes.ip.value_or(values.ip);
    values.subnet = changes.mask.value_or(values.subnet);
    values.gateway = changes.gateway.value_or(values.gateway);
    values.dhcp = changes.dhcp.value_or(values.dhcp);
    values.localPort = changes.port.value_or(values.localPort);
    values.inactivity = changes.inactivity.value_or(values.inactivity);
    values.baudIndex = changes.baudIndex.value_or(values.baudIndex);
    return values;
}

}  // namespace lanvane::cli
