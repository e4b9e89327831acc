#pragma once

#include "link/NativeHandle.h"

#include <memory>

namespace lanvane {

// The modem control lines of a serial port. The printer signals presence and readiness
// on CTS and DSR; DTR is kept off. Kept behind an interface because lines that have no
// modem control (pseudo-terminals) must still be testable as serial ports.
class ModemLines {
public:
    virtual ~ModemLines() = default;

    // False when the line states cannot be read.
    virtual bool ReadCtsDsr(NativeHandle handle, bool& cts, bool& dsr) = 0;
    virtual bool ClearDtr(NativeHandle handle) = 0;
};

// The modem lines of the real device, through the operating system.
std::unique_ptr<ModemLines> MakeSystemModemLines();

}  // namespace lanvane
