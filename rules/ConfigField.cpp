#include "rules/ConfigField.h"

namespace lanvane::rules {

std::string_view ConfigFieldName(ConfigField field) {
    switch (field) {
        case ConfigField::printerName: return "printerName";
        case ConfigField::printerPort: return "printerPort";
        case ConfigField::userId: return "userId";
        case ConfigField::userPassword: return "userPassword";
        case ConfigField::confirmPassword: return "confirmPassword";
        case ConfigField::https: return "https";
        case ConfigField::telnet: return "telnet";
        case ConfigField::ftp: return "ftp";
        case ConfigField::snmp: return "snmp";
        case ConfigField::setCommunity: return "setCommunity";
        case ConfigField::getCommunity: return "getCommunity";
        case ConfigField::trapCommunity: return "trapCommunity";
        case ConfigField::trapIpAddress: return "trapIpAddress";
        case ConfigField::networkMode: return "networkMode";
        case ConfigField::dhcp: return "dhcp";
        case ConfigField::ipAddress: return "ipAddress";
        case ConfigField::subnetMask: return "subnetMask";
        case ConfigField::gateway: return "gateway";
        case ConfigField::ssid: return "ssid";
        case ConfigField::inactivityTime: return "inactivityTime";
        case ConfigField::adhocChannel: return "adhocChannel";
        case ConfigField::p2pConnMode: return "p2pConnMode";
        case ConfigField::p2pChannel: return "p2pChannel";
        case ConfigField::p2pPinCode: return "p2pPinCode";
        case ConfigField::authentication: return "authentication";
        case ConfigField::cryptograph: return "cryptograph";
        case ConfigField::eapMode: return "eapMode";
        case ConfigField::wepKey: return "wepKey";
        case ConfigField::pskKey: return "pskKey";
        case ConfigField::authId: return "authId";
        case ConfigField::authPassword: return "authPassword";
    }
    return {};
}

}  // namespace lanvane::rules
