#pragma once

#include <QFont>

#include "resources/DialogTemplate.h"

namespace lanvane {

// The font a template names, or the closest family this machine has: the classic shell
// dialog font and Verdana are rarely installed outside Windows.
QFont TemplateFont(const DialogTemplate& source);

}  // namespace lanvane
