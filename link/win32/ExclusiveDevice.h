#pragma once

#include "link/LinkError.h"
#include "link/NativeHandle.h"

#include <string>

namespace lanvane::win32 {

// How a device is driven: a serial port through the line's own time-outs, a USB printer
// through overlapped I/O that the program bounds itself.
enum class DeviceIo { Serial, Overlapped };

// Opens a device for reading and writing, for this process alone: a device that another
// open (here or in another program) holds cannot be had. Files and directories are refused
// before a byte could be written to them. A serial port's line settings are kept for the
// close. Returns the handle, or kNoHandle with `error` telling why.
NativeHandle OpenExclusive(const std::string& path, DeviceIo io, LinkError& error);

// Gives the device up again: the line settings found at the open come back, the handle closes.
void CloseExclusive(NativeHandle handle);

// Gives up every device still held, as CloseExclusive does. Safe to call from the console
// control handler's thread while another thread uses the device.
void ReleaseHeldDevices();

}  // namespace lanvane::win32
