#pragma once

#include <span>

#include "resources/DialogTemplate.h"
#include "resources/StringTable.h"

// The parts of the German language library.
namespace lanvane::german {

std::span<const StringEntry> Strings();

extern const DialogTemplate kMainMenuTemplate;
extern const DialogTemplate kInterfaceConfigTemplate;

}  // namespace lanvane::german
