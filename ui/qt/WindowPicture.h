#pragma once

#include <QImage>
#include <QWidget>

namespace lanvane {

// A picture of a top-level window as a user sees it: its contents under a plain title bar
// with the window's icon and title, in a thin frame. Works on any platform plugin, also
// offscreen, where the window system draws no frames.
QImage WindowPicture(QWidget& window);

}  // namespace lanvane
