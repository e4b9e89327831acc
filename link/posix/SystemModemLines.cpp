#include "link/ModemLines.h"

#include <sys/ioctl.h>

namespace lanvane {
namespace {

class SystemModemLines final : public ModemLines {
public:
    bool ReadCtsDsr(NativeHandle handle, bool& cts, bool& dsr) override {
        int status = 0;
        if (ioctl(handle, TIOCMGET, &status) != 0) {
            return false;
        }
        cts = (status & TIOCM_CTS) != 0;
        dsr = (status & TIOCM_DSR) != 0;
        return true;
    }

    bool ClearDtr(NativeHandle handle) override {
        int dtr = TIOCM_DTR;
        return ioctl(handle, TIOCMBIC, &dtr) == 0;
    }
};

}  // namespace

std::unique_ptr<ModemLines> MakeSystemModemLines() {
    return std::make_unique<SystemModemLines>();
}

}  // namespace lanvane
