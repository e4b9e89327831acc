#include "connect/PrinterConnect.h"

#include "resources/StringIds.h"

namespace lanvane {
namespace {

ConnectOutcome OutcomeOfRead(ReadOutcome read) {
    switch (read) {
        case ReadOutcome::Ok: return ConnectOutcome::Connected;
        case ReadOutcome::MakerNameMismatch: return ConnectOutcome::MakerNameMismatch;
        default: return ConnectOutcome::ReadFailed;
    }
}

}  // namespace

PrinterConnection ConnectPrinter(PrinterPortLike& port, bool usbDevice,
                                 const std::optional<std::string>& devicePath, ExchangeBuffers& buffers,
                                 const Sleeper& pause, const std::function<void(bool reading)>& reading) {
    PrinterConnection connection;
    port.SetUsbDevice(usbDevice);
    if (!devicePath) {
        connection.outcome = ConnectOutcome::NoDevice;
        return connection;
    }
    port.SetPortName(*devicePath);
    if (!port.Open()) {
        connection.outcome = ConnectOutcome::PortOpenFailed;
        return connection;
    }
    if (reading) {
        reading(true);
    }
    connection.printer = ReadPrinterConfig(port, buffers, pause);
    if (reading) {
        reading(false);
    }
    connection.outcome = OutcomeOfRead(connection.printer.outcome);
    return connection;
}

int ConnectFailureMessage(ConnectOutcome outcome, bool usbDevice) {
    switch (outcome) {
        case ConnectOutcome::NoDevice: return usbDevice ? sid::kNoUsbDevice : sid::kPortOpenFailed;
        case ConnectOutcome::PortOpenFailed: return sid::kPortOpenFailed;
        default: return sid::kConnectFailed;
    }
}

}  // namespace lanvane
