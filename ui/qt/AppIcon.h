#pragma once

#include <QIcon>

namespace lanvane {

// The program's own icon (resources/icons/lanvane.svg), drawn at each size when first asked for.
// Needs a running QGuiApplication.
QIcon AppIcon();

}  // namespace lanvane
