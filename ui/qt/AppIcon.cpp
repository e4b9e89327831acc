#include "ui/qt/AppIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace lanvane {

QIcon AppIcon() {
    QIcon drawn;
    QSvgRenderer renderer(QStringLiteral(":/icons/lanvane.svg"));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        drawn.addPixmap(pixmap);
    }
    return drawn;
}

}  // namespace lanvane
