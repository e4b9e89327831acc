#include "app/demo/DemoLanPrinters.h"

#include <cstdint>

#include "lan/core/FeatureCodes.h"
#include "protocol/AddressText.h"
#include "sim/DottedAddress.h"
#include "sim/LanPrinterSettings.h"
#include "sim/PrinterState.h"

namespace lanvane {

namespace {

constexpr char kLoopbackBroadcast[] = "127.255.255.255";

sim::LanPrinterSettings Printer(sim::LanKind kind, int index, std::uint8_t fwMajor, std::uint8_t fwMinor) {
    sim::LanPrinterSettings settings = sim::DefaultLanPrinter(kind, index);
    settings.fwMajor = fwMajor;
    settings.fwMinor = fwMinor;
    return settings;
}

// Three printers of each kind that differ in what the list and the setting dialog show.
std::vector<sim::LanPrinterSettings> DemoFleet() {
    std::vector<sim::LanPrinterSettings> printers;
    auto front = Printer(sim::LanKind::Ethernet, 1, 2, 31);
    front.port = 9100;
    printers.push_back(front);
    auto office = Printer(sim::LanKind::Ethernet, 2, 1, 7);
    office.dhcp = true;
    office.inactivity = 300;
    office.baudCode = 0xFD;  // 38400
    printers.push_back(office);
    auto labels = Printer(sim::LanKind::Ethernet, 3, 3, 2);
    labels.ip = sim::AddressOf(127, 0, 11, 40);
    labels.subnet = sim::AddressOf(255, 255, 255, 0);
    labels.gateway = sim::AddressOf(127, 0, 11, 1);
    labels.port = 515;
    labels.https = true;
    printers.push_back(labels);
    auto everything = Printer(sim::LanKind::Wlan, 1, 2, 4);
    everything.featureCode = 31;
    printers.push_back(everything);
    auto noCertificates = Printer(sim::LanKind::Wlan, 2, 2, 0);
    noCertificates.featureCode = 25;
    noCertificates.dhcp = true;
    printers.push_back(noCertificates);
    auto webOnly = Printer(sim::LanKind::Wlan, 3, 1, 12);
    webOnly.featureCode = 3;
    webOnly.https = true;
    printers.push_back(webOnly);
    return printers;
}

// What the wireless printer numbered `index` receives.
sim::PrinterState SurveyedPrinter(int index) {
    sim::PrinterState state = sim::DefaultPrinterState(2);
    if (index % 2 == 0) {
        state.networks.erase(state.networks.begin());
        state.networks.push_back({"Shop Floor", {0x00, 0x1B, 0x7A, 0x77, 0x01, 0x02}, 0, -66, 0x08});
    }
    return state;
}

}  // namespace

DemoLanPrinters::DemoLanPrinters() : fleet_(DemoFleet(), {}, {}) {}

DemoLanPrinters::~DemoLanPrinters() {
    Stop();
}

bool DemoLanPrinters::Start(std::string& problem, std::vector<std::string>& warnings) {
    if (!fleet_.Start()) {
        problem = "cannot open the UDP ports of the simulated LAN printers";
        return false;
    }
    int wireless = 0;
    for (const sim::LanPrinterResponder* printer : fleet_.Printers()) {
        const sim::LanPrinterSettings& settings = printer->Settings();
        const auto buttons = FeatureButtonsFor(settings.featureCode);
        if (settings.kind != sim::LanKind::Wlan || !buttons || !buttons->bssInfo) {
            continue;
        }
        surveyed_.push_back(std::make_unique<sim::SimulatedPrinter>(SurveyedPrinter(++wireless)));
        auto server = std::make_unique<sim::BssTcpServer>(*surveyed_.back(), AddressText(settings.ip));
        if (!server->Start()) {
            warnings.push_back("the survey port " + AddressText(settings.ip) + ":" +
                               std::to_string(sim::BssTcpServer::kDefaultPort) + " is taken");
            continue;
        }
        surveyPorts_.push_back(std::move(server));
    }
    return true;
}

void DemoLanPrinters::Stop() {
    for (auto& server : surveyPorts_) {
        server->Stop();
    }
    surveyPorts_.clear();
    fleet_.Stop();
}

LanNetworkOptions DemoLanPrinters::Network(const std::string& broadcastAddress) const {
    LanNetworkOptions network;
    network.broadcastAddress = broadcastAddress.empty() ? kLoopbackBroadcast : broadcastAddress;
    network.ethernet = {fleet_.EthernetPort(), 0};
    network.wlan = {fleet_.WlanPort(), 0};
    return network;
}

}  // namespace lanvane
