#include "rules/PageValuesFromConfig.h"

#include "rules/NetworkPageRules.h"
#include "rules/ValueCodes.h"

namespace lanvane::rules {

namespace {

bool IsExtendedRecord(const InterfaceConfig& config) {
    return config.version == 2;
}

SystemPageValues SystemValues(const InterfaceConfig& config) {
    return {config.printerName, config.printerPort, config.userId, config.userPassword,
            config.userPassword};
}

ProtocolPageValues ProtocolValues(const InterfaceConfig& config) {
    return {config.https,        config.telnet,        config.ftp,
            config.snmp,         config.getCommunity,  config.setCommunity,
            config.trapCommunity, config.trapIpAddress};
}

NetworkPageValues NetworkValues(const InterfaceConfig& config) {
    NetworkPageValues values;
    values.networkMode = config.networkMode;
    values.ipAssignment = config.dhcp != 0 ? ip_assignment_code::kAutomatic : ip_assignment_code::kManual;
    values.adhocChannel = config.adhocChannel;
    values.ssid = config.ssid;
    values.inactivityTime = config.inactivityTime;
    values.ipAddress = config.ipAddress;
    values.subnetMask = config.subnetMask;
    values.gateway = config.gateway;
    values.reportedAddress = AddressSettingOf(config);
    if (IsExtendedRecord(config)) {
        values.p2pConnMode = config.p2pConnMode;
        values.p2pChannel = config.p2pChannel;
        values.p2pPinCode = config.p2pPinCode;
    } else {
        values.p2pPinCode = kDefaultPinCode;
    }
    return values;
}

AuthPageValues AuthValues(const InterfaceConfig& config) {
    return {config.authentication, config.cryptograph, config.eapMode, config.wepKey,
            config.pskKey,         config.authId,      config.authPassword};
}

}  // namespace

ConfigPageValues PageValuesFromConfig(const InterfaceConfig& config) {
    return {SystemValues(config), ProtocolValues(config), NetworkValues(config), AuthValues(config),
            IsExtendedRecord(config)};
}

}  // namespace lanvane::rules
