#pragma once

#include <QFont>

#include "resources/DialogTemplate.h"

namespace lanvane {

// The font a template names, or the closest family this machine has: the classic shell
// dialog font and Verdana are rarely installed outside Windows. Installed CJK families
// follow as fallbacks, the one for the script of a CJK dialog font first; a template that
// names a CJK dialog font ("MS UI Gothic", "Gulim", "SimSun", "PMingLiU") is drawn in it.
QFont TemplateFont(const DialogTemplate& source);

}  // namespace lanvane
