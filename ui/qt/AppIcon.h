#pragma once

#include <QIcon>

namespace lanvane {

// The program's own icon (resources/icons/lanvane.svg), drawn at the usual icon sizes.
// Needs a running QGuiApplication.
QIcon AppIcon();

}  // namespace lanvane
