#pragma once

#include <QIcon>
#include <QWidget>
#include <memory>

#include "ui/Control.h"
#include "ui/qt/ControlBinding.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/WindowHost.h"

namespace lanvane {

// Makes the widget of a control kind inside parent, placed at the control's rectangle, and
// the binding that ties it to the model.
std::unique_ptr<ControlBinding> MakeBinding(Control& control, QWidget& parent, const DialogUnits& units,
                                            const QIcon& icon, WindowHost& host);

}  // namespace lanvane
