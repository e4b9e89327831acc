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
    lastError_ = {};
    open_ = usbDevice_ ? OpenUsbDevice() : OpenComPort();
    return open_;
}

std::chrono::milliseconds CPrinterPort::WriteLimit(std::size_t length) const {
    if (usbDevice_) {
        return timings_.usbWriteLimit;
    }
    return timings_.writeConstant + timings_.writePerByte * static_cast<std::chrono::milliseconds::rep>(length);
}

void CPrinterPort::Fail(LinkFailure kind, const char* operation, std::string reason) {
    lastError_ = LinkError{kind, operation, portName_, std::move(reason)};
}

}  // namespace lanvane
