#include "sim/main/LanSide.h"

#include <string>

#include "sim/main/DumpTexts.h"

namespace lanvane::sim {
namespace {

nlohmann::json SettingsToJson(const LanPrinterResponder& printer) {
    const LanPrinterSettings settings = printer.Settings();
    return {{"kind", settings.kind == LanKind::Wlan ? "wlan" : "ethernet"},
            {"mac", MacColonText(settings.mac)},
            {"ip", DottedText(settings.ip)},
            {"subnet", DottedText(settings.subnet)},
            {"gateway", DottedText(settings.gateway)},
            {"port", settings.port},
            {"baudCode", settings.baudCode},
            {"dhcp", settings.dhcp},
            {"inactivity", settings.inactivity},
            {"featureCode", settings.featureCode},
            {"searchesAnswered", printer.SearchesAnswered()},
            {"settingsTaken", printer.SettingsTaken()}};
}

}  // namespace

LanSide::LanSide(SimulatedPrinter& printer, const SimOptions& options)
    : printer_(printer),
      options_(options),
      fleet_(options.lan.ethernetPrinters, options.lan.wlanPrinters, options.lan.faults,
             LanFleetPorts{options.lan.ethernetPort, options.lan.wlanPort, options.lan.replyPort}) {}

bool LanSide::Start(std::ostream& errors) {
    if (!fleet_.Start()) {
        errors << "lanvane-printer-sim: cannot bind the LAN ports\n";
        return false;
    }
    return !options_.serveBss || StartSurveys(errors);
}

bool LanSide::StartSurveys(std::ostream& errors) {
    for (const LanPrinterResponder* lanPrinter : fleet_.Printers()) {
        const LanPrinterSettings settings = lanPrinter->Settings();
        if (settings.kind != LanKind::Wlan) {
            continue;
        }
        auto survey = std::make_unique<BssTcpServer>(printer_, DottedText(settings.ip), options_.bssPort);
        if (!survey->Start()) {
            errors << "lanvane-printer-sim: cannot listen on " << DottedText(settings.ip) << ':' << options_.bssPort
                   << '\n';
            return false;
        }
        surveys_.push_back(std::move(survey));
    }
    return true;
}

void LanSide::Stop() {
    fleet_.Stop();
    surveys_.clear();
}

void LanSide::Describe(std::ostream& out) const {
    if (options_.lan.ethernetPrinters > 0) {
        out << "lan-ethernet: " << fleet_.EthernetPort() << '\n';
    }
    if (options_.lan.wlanPrinters > 0) {
        out << "lan-wlan: " << fleet_.WlanPort() << '\n';
    }
    for (const auto& survey : surveys_) {
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
