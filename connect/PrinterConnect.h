#pragma once

#include <functional>
#include <optional>
#include <string>

#include "link/PrinterPortLike.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/PrinterConfigReader.h"
#include "protocol/Sleeper.h"

namespace lanvane {

// How a connect ended: the step that failed, or Connected.
enum class ConnectOutcome { Connected, NoDevice, PortOpenFailed, MakerNameMismatch, ReadFailed };

struct PrinterConnection {
    ConnectOutcome outcome = ConnectOutcome::NoDevice;
    ConfigReadResult printer;  // what the read found; complete when Connected
};

// The connect of the configuration window: open the chosen device as a USB
// printer or a serial port, then identify the printer and read its identification and record.
// A choice that names no device (`devicePath` empty) opens nothing, so the port is never
// opened under an old or a guessed name. `reading` is told when the read starts (true) and
// ends (false): the window shows its wait cursor over the read only. After a failed read
// the port stays open; the caller closes it once it has said why.
PrinterConnection ConnectPrinter(PrinterPortLike& port, bool usbDevice,
                                 const std::optional<std::string>& devicePath, ExchangeBuffers& buffers,
                                 const Sleeper& pause, const std::function<void(bool reading)>& reading = {});

// The message that reports a failed connect. A maker-name mismatch is reported by its own
// warning first, then by this one.
int ConnectFailureMessage(ConnectOutcome outcome, bool usbDevice);

}  // namespace lanvane
