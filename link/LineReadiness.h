#pragma once

#include "link/LinkError.h"
#include "link/NativeHandle.h"
#include "link/PrinterPort.h"

#include <string>

namespace lanvane {

// Whether the printer on an open serial line is there and ready: CTS and DSR both on.
// A line whose states cannot be read has no modem control and so is no serial port.
// Returns no failure when the printer is ready.
LinkError CheckLineReady(ModemLines& lines, NativeHandle handle, const std::string& portName);

}  // namespace lanvane
