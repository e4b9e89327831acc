#include "sim/main/LanSide.h"

#include <string>

#include "sim/DottedAddress.h"
#include "sim/main/DumpTexts.h"

namespace lanvane::sim {
namespace {

nlohmann::json SettingsToJson(const LanPrinterResponder& printer) {
    const LanPrinterSettings settings = printer.Settings();
    return {{"kind", settings.kind == LanKind::Wlan ? "wlan" : "ethernet"},
            {"mac", MacColonText(settings.mac)},
            {"ip", DottedAddress(settings.ip)},
            {"subnet", DottedAddress(settings.subnet)},
            {"gateway", DottedAddress(settings.gateway)},
            {"port", settings.port},
            {"baudCode", settings.baudCode},
            {"dhcp", settings.dhcp},
            {"inactivity", settings.inactivity},
            {"featureCode", settings.featureCode},
            {"searchesAnswered", printer.SearchesAnswered()},
            {"settingsTaken", printer.SettingsTaken()},
            {"repliesSent", printer.RepliesSent()}};
}

}  // namespace

LanSide::LanSide(SimulatedPrinter& printer, const SimOptions& options)
    : options_(options),
      fleet_(options.lan.ethernetPrinters, options.lan.wlanPrinters, options.lan.faults,
             LanFleetPorts{options.lan.ethernetPort, options.lan.wlanPort, options.lan.replyPort}) {
    if (options.serveBss) {
        fleet_.ServeSurveys(printer, options.bssPort);
    }
}

bool LanSide::Start(std::ostream& errors) {
    if (!fleet_.Start()) {
        errors << "lanvane-printer-sim: cannot listen on " << fleet_.Problem() << '\n';
        return false;
    }
    return true;
}

void LanSide::Stop() { fleet_.Stop(); }

void LanSide::Describe(std::ostream& out) const {
    if (options_.lan.ethernetPrinters > 0) {
        out << "lan-ethernet: " << fleet_.EthernetPort() << '\n';
    }
    if (options_.lan.wlanPrinters > 0) {
        out << "lan-wlan: " << fleet_.WlanPort() << '\n';
    }
    for (const auto& survey : fleet_.Surveys()) {
        out << "lan-bss: " << survey->Address() << ':' << survey->Port() << '\n';
    }
}

nlohmann::json LanSide::ToJson() const {
    nlohmann::json printers = nlohmann::json::array();
    for (const LanPrinterResponder* printer : fleet_.Printers()) {
        printers.push_back(SettingsToJson(*printer));
    }
    return printers;
}

}  // namespace lanvane::sim
