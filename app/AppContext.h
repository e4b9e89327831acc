#pragma once

#include "app/LanRoad.h"
#include "app/MenuWindows.h"
#include "link/PrinterDeviceSource.h"
#include "link/PrinterPortLike.h"
#include "resources/ResourceSet.h"
#include "ui/UiBackend.h"

namespace lanvane {

// What the program's windows share for the whole run, handed down explicitly instead of
// living in globals. The objects belong to whoever starts the program (its main, a test,
// the scenario runner) and outlive the main menu.
struct AppContext {
    UiBackend& ui;
    // The string table and dialog templates in use: English, or a language library's.
    const ResourceSet& resources;
    MenuWindows& windows;
    // The one printer port of the run, and the devices the Serial/USB road offers.
    PrinterPortLike& port;
    PrinterDeviceSource& devices;
    // The device lists, network and waits of the LAN road.
    LanRoad& lan;
};

}  // namespace lanvane
