#pragma once

namespace lanvane {

struct AppContext;

// The windows behind the main menu's road buttons. Each call constructs its window, runs
// it modally and destroys it; nothing is returned. Tests put their own in the context.
class MenuWindows {
public:
    virtual ~MenuWindows() = default;
    virtual void RunEthernetConfiguration(AppContext& context) = 0;
    virtual void RunWlanConfiguration(AppContext& context) = 0;
    virtual void RunSerialUsbConfiguration(AppContext& context) = 0;
};

}  // namespace lanvane
