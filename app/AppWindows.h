#pragma once

#include "app/MenuWindows.h"

namespace lanvane {

// The program's own windows behind the main menu's roads, built from the context.
class AppWindows final : public MenuWindows {
public:
    void RunEthernetConfiguration(AppContext& context) override;
    void RunWlanConfiguration(AppContext& context) override;
    void RunSerialUsbConfiguration(AppContext& context) override;
};

}  // namespace lanvane
