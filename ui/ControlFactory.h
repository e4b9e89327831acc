#pragma once

#include <memory>

#include "resources/DialogTemplate.h"
#include "ui/Control.h"

namespace lanvane {

// Builds the model that fits the template's kind.
std::unique_ptr<Control> MakeControl(ControlHost& host, const ControlTemplate& source);

}  // namespace lanvane
