#include "link/LineReadiness.h"

namespace lanvane {
namespace {

std::string LineStateText(bool cts, bool dsr) {
    if (!cts && !dsr) {
        return "CTS and DSR are off";
    }
    return !cts ? "CTS is off" : "DSR is off";
}

}  // namespace

LinkError CheckLineReady(ModemLines& lines, NativeHandle handle, const std::string& portName) {
    bool cts = false;
    bool dsr = false;
    if (!lines.ReadCtsDsr(handle, cts, dsr)) {
        return {LinkFailure::NotADevice, "open", portName, "it has no modem lines, so it is no serial port"};
    }
    if (!cts || !dsr) {
        return {LinkFailure::LineNotReady, "open", portName, LineStateText(cts, dsr)};
    }
    return {};
}

}  // namespace lanvane
