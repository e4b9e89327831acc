#pragma once

#include <string>

#include "link/LinkError.h"
#include "protocol/ByteChannel.h"

namespace lanvane {

// The printer port as the configuration window drives it: choose the kind and the name,
// open, exchange bytes, close. CPrinterPort is the real one; tests and the demo put a
// simulated printer behind the same calls.
class PrinterPortLike : public ByteChannel {
public:
    virtual void SetUsbDevice(bool usbDevice) = 0;
    virtual void SetPortName(std::string portName) = 0;
    // Opens the device named by the port name; an open port stays open and reports success.
    virtual bool Open() = 0;
    // Releases the device; harmless on a closed port.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Why the last failed operation failed; a port that cannot tell reports no failure.
    virtual LinkError LastError() const { return {}; }
};

}  // namespace lanvane
