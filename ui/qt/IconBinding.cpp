#include "ui/qt/IconBinding.h"

namespace lanvane {

IconBinding::IconBinding(Control& icon, QLabel& widget, const QIcon& image, WindowHost& host)
    : ControlBinding(icon, widget, host) {
    widget.setPixmap(image.pixmap(widget.size()));
    widget.setAlignment(Qt::AlignCenter);
}

}  // namespace lanvane
