#include "link/PrinterPort.h"

#include <utility>

namespace lanvane {

CPrinterPort::CPrinterPort() : CPrinterPort(PortTimings{}, MakeSystemModemLines()) {}

CPrinterPort::CPrinterPort(PortTimings timings, std::unique_ptr<ModemLines> modemLines)
    : timings_(timings), modemLines_(std::move(modemLines)) {}

CPrinterPort::~CPrinterPort() {
    ReleaseDevice();
}

bool CPrinterPort::Open() {
    if (open_) {
        return true;
    }
    open_ = usbDevice_ ? OpenUsbDevice() : OpenComPort();
    return open_;
}

}  // namespace lanvane
