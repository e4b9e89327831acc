#pragma once

#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanNetworkOptions.h"
#include "lan/core/LanTimings.h"
#include "link/TcpLink.h"
#include "link/TcpTimings.h"
#include "resources/ResourceSet.h"
#include "resources/StringTable.h"
#include "ui/UiBackend.h"

#include <cstdint>

namespace lanvane {

// What the LAN windows need from the program, handed down explicitly by the application:
// the dialog services, the texts, the two device lists of the run, where the datagrams go,
// the waits, and how the BSS survey reaches a printer. Everything referred to outlives
// the windows.
struct LanContext {
    UiBackend& ui;
    const StringTable& strings;
    LanDeviceLists& lists;
    LanNetworkOptions network;
    LanTimings timings;
    TcpTimings surveyTimings;
    std::uint16_t surveyPort = CTcpLink::kPrinterPort;
    // The dialog templates in use (a language library's); the built-in ones when none.
    const ResourceSet* resources = nullptr;
};

}  // namespace lanvane
