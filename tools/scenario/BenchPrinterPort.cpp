#include "tools/scenario/BenchPrinterPort.h"

namespace lanvane::scenario {

bool BenchPrinterPort::Open() {
    if (IsOpen()) {
        return true;
    }
    const auto number = PrinterBench::NumberOfUsbPath(portName_);
    sim::SimulatedPrinter* printer = usbDevice_ && number ? bench_.Printer(*number) : nullptr;
    if (printer == nullptr) {
        return false;
    }
    channel_ = std::make_unique<sim::SimulatedPrinterChannel>(*printer);
    return true;
}

bool BenchPrinterPort::Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
    count = 0;
    return IsOpen() && channel_->Read(buffer, capacity, count);
}

std::size_t BenchPrinterPort::Write(const std::uint8_t* buffer, std::size_t length) {
    return IsOpen() ? channel_->Write(buffer, length) : 0;
}

}  // namespace lanvane::scenario
