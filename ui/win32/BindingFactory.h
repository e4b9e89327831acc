#pragma once

#include "ui/win32/WindowsHeader.h"

#include <memory>

#include "ui/Control.h"
#include "ui/win32/ControlBinding.h"
#include "ui/win32/WindowHost.h"

namespace lanvane {

// Makes the control window of one model on a dialog window, at the model's rectangle in the
// dialog's units and in the dialog's font, and binds it to the model.
std::unique_ptr<ControlBinding> MakeBinding(Control& control, HWND dialog, WindowHost& host);

}  // namespace lanvane
