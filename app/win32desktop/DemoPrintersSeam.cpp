#include "app/demo/DemoPrinters.h"
#include "app/win32desktop/Win32Demo.h"

namespace lanvane {

namespace {

// The demo module's printers behind the desktop program's seam.
class DemoOfBothRoads final : public Win32Demo {
public:
    bool Start(std::string& problem, std::vector<std::string>& warnings) override {
        return printers_.Start(problem, warnings);
    }
    PrinterDeviceSource& Devices() override { return printers_.usb.Devices(); }
    PrinterPortLike& Port(PrinterPortLike& systemPort) override { return printers_.usb.Port(systemPort); }
    LanNetworkOptions Network(const std::string& broadcastAddress) const override {
        return printers_.lan.Network(broadcastAddress);
    }

private:
    DemoPrinters printers_;
};

}  // namespace

std::unique_ptr<Win32Demo> MakeWin32Demo() { return std::make_unique<DemoOfBothRoads>(); }

}  // namespace lanvane
