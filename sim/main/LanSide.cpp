#include "sim/main/LanSide.h"

#include <cstdio>
#include <string>

namespace lanvane::sim {
namespace {

std::string Dotted(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFFu) + "." +
           std::to_string((address >> 8) & 0xFFu) + "." + std::to_string(address & 0xFFu);
}

std::string MacText(const std::array<std::uint8_t, 6>& mac) {
    char text[18];
    std::snprintf(text, sizeof(text), "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
    return text;
}

nlohmann::json SettingsToJson(const LanPrinterResponder& printer) {
    const LanPrinterSettings settings = printer.Settings();
    return {{"kind", settings.kind == LanKind::Wlan ? "wlan" : "ethernet"},
            {"mac", MacText(settings.mac)},
            {"ip", Dotted(settings.ip)},
            {"subnet", Dotted(settings.subnet)},
            {"gateway", Dotted(settings.gateway)},
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
        auto survey = std::make_unique<BssTcpServer>(printer_, Dotted(settings.ip), options_.bssPort);
        if (!survey->Start()) {
            errors << "lanvane-printer-sim: cannot listen on " << Dotted(settings.ip) << ':' << options_.bssPort
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
