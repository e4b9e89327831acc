#include "sim/PrinterState.h"

#include "sim/DottedAddress.h"
#include "sim/WireConstants.h"

namespace lanvane::sim {
namespace {

PrinterRecord DefaultRecord(int layout) {
    PrinterRecord record;
    record.layout = layout == 2 ? 2 : 1;
    record.printerName = "VT-Printer";
    record.networkMode = 0;
    record.dhcp = 0;
    record.ipAddress = AddressOf(192, 168, 0, 100);
    record.subnetMask = AddressOf(255, 255, 255, 0);
    record.gateway = AddressOf(192, 168, 0, 1);
    record.ssid = "VT-Office";
    record.authentication = 3;
    record.cryptograph = 4;
    record.pskKey = "vantrole-office-key";
    record.adhocChannel = 6;
    record.eapMode = 5;
    record.authId = "vt-station";
    record.authPassword = "station-secret";
    if (record.layout == 2) {
        record.p2pConnMode = 1;
        record.p2pPinCode = "12345670";
        record.p2pChannel = "6";
    }
    record.userId = "admin";
    record.userPassword = "vtadmin";
    record.printerPort = 9100;
    record.https = 1;
    record.telnet = 0;
    record.ftp = 1;
    record.snmp = 1;
    record.setCommunity = "private";
    record.getCommunity = "public";
    record.trapCommunity = "vt-trap";
    record.trapIpAddress = AddressOf(192, 168, 0, 10);
    record.inactivityTime = 300;
    return record;
}

std::vector<BssNetwork> DefaultNetworks() {
    return {
        {"VT-Office", {0x00, 0x1B, 0x7A, 0x10, 0x20, 0x30}, 0, -48, 0x08},
        {"Guest WiFi", {0x02, 0x1B, 0x7A, 0x44, 0x55, 0x66}, 0, -71, 0x00},
        {"Warehouse-2", {0x00, 0x1B, 0x7A, 0xA0, 0xB0, 0xC0}, 0, -60, 0x0C},
        {"Lab Adhoc", {0x06, 0x11, 0x22, 0x33, 0x44, 0x55}, 1, -83, 0x01},
    };
}

}  // namespace

PrinterState DefaultPrinterState(int layout) {
    PrinterState state;
    state.makerName = std::string(wire::kMakerName);
    state.identity.firmwareVersion = "VT-IF 2.31.07";
    state.identity.updateDate = "2023-11-14 09:30:00";
    state.identity.mac = {0x00, 0x1B, 0x7A, 0x3C, 0x5D, 0x9E};
    state.record = DefaultRecord(layout);
    state.networks = DefaultNetworks();
    return state;
}

}  // namespace lanvane::sim
