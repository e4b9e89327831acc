#include "ui/qt/WindowPicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace lanvane {

namespace {

constexpr int kBorder = 1;
constexpr int kIconSize = 16;
constexpr int kPadding = 6;

}  // namespace

QImage WindowPicture(QWidget& window) {
    const QPixmap contents = window.grab();
    const QFontMetrics metrics(window.font());
    const int titleHeight = std::max(kIconSize, metrics.height()) + 2 * kPadding;
    QImage picture(contents.width() + 2 * kBorder, contents.height() + titleHeight + 2 * kBorder,
                   QImage::Format_ARGB32);
    picture.fill(QColor(0x4c, 0x56, 0x6a));
    QPainter painter(&picture);
    const QRect title(kBorder, kBorder, contents.width(), titleHeight);
    painter.fillRect(title, QColor(0x2e, 0x34, 0x40));
    int textLeft = title.left() + kPadding;
    if (!window.windowIcon().isNull()) {
        const QRect icon(textLeft, title.top() + (titleHeight - kIconSize) / 2, kIconSize, kIconSize);
        window.windowIcon().paint(&painter, icon);
        textLeft = icon.right() + 1 + kPadding;
    }
    painter.setPen(Qt::white);
    painter.setFont(window.font());
    const QRect text(textLeft, title.top(), title.right() - textLeft - kPadding, titleHeight);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                     metrics.elidedText(window.windowTitle(), Qt::ElideRight, text.width()));
    painter.drawPixmap(kBorder, kBorder + titleHeight, contents);
    painter.end();
    return picture;
}

}  // namespace lanvane
