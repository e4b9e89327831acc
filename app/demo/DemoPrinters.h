#pragma once

#include <string>
#include <vector>

#include "app/demo/DemoLanPrinters.h"
#include "app/demo/DemoUsbPrinters.h"

namespace lanvane {

// Every simulated printer of the demo, on both roads.
struct DemoPrinters {
    // Starts them all; on failure says why. Warnings name what works only in part.
    bool Start(std::string& problem, std::vector<std::string>& warnings) {
        return usb.Start(problem) && lan.Start(problem, warnings);
    }

    DemoUsbPrinters usb;
    DemoLanPrinters lan;
};

}  // namespace lanvane
