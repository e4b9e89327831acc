#pragma once

#include "link/PrinterDeviceSource.h"
#include "link/PrinterPortLike.h"
#include "protocol/Sleeper.h"
#include "resources/ResourceSet.h"
#include "resources/StringTable.h"
#include "ui/UiBackend.h"

namespace lanvane {

// What the configuration window needs from the program, handed down explicitly by the
// application: the dialog services, the texts, the one printer port, the devices it may
// open, and the pause the exchanges take (200 ms after the identification request, 50 ms
// after each certificate chunk). Everything referred to outlives the window.
struct EditorContext {
    UiBackend& ui;
    const StringTable& strings;
    PrinterPortLike& port;
    PrinterDeviceSource& devices;
    Sleeper pause;
    // The dialog templates in use (a language library's); the built-in ones when none.
    const ResourceSet* resources = nullptr;
};

}  // namespace lanvane
