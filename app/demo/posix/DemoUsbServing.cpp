#include "app/demo/DemoUsbServing.h"

#include <vector>

#include "sim/posix/PtyPrinterServer.h"

namespace lanvane {

struct DemoUsbServing::Backend {
    std::vector<std::unique_ptr<sim::PtyPrinterServer>> servers;
};

DemoUsbServing::DemoUsbServing() : backend_(std::make_unique<Backend>()) {}

DemoUsbServing::~DemoUsbServing() { Stop(); }

std::optional<std::string> DemoUsbServing::Serve(sim::SimulatedPrinter& printer, int) {
    auto server = std::make_unique<sim::PtyPrinterServer>(printer);
    if (!server->Start()) {
        return std::nullopt;
    }
    backend_->servers.push_back(std::move(server));
    return backend_->servers.back()->DevicePath();
}

void DemoUsbServing::Stop() {
    for (auto& server : backend_->servers) {
        server->Stop();
    }
    backend_->servers.clear();
}

PrinterPortLike& DemoUsbServing::Port(PrinterPortLike& systemPort) { return systemPort; }

}  // namespace lanvane
