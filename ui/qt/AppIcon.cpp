#include "ui/qt/AppIcon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

namespace lanvane {
namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Draws the icon from its SVG at a size the first time that size is asked for, and keeps
// it: a window that shows no icon costs no drawing at all.
class SvgIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawPixmap(rect, Drawn(rect.size()));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override { return Drawn(size); }

    QIconEngine* clone() const override { return new SvgIconEngine(*this); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : kIconSizes) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }

private:
    QPixmap Drawn(const QSize& size) {
        const quint64 key = (static_cast<quint64>(size.width()) << 32) | static_cast<quint32>(size.height());
        const auto found = drawn_.constFind(key);
        if (found != drawn_.constEnd()) {
            return *found;
        }
        if (!renderer_) {
            renderer_ = std::make_shared<QSvgRenderer>(QStringLiteral(":/icons/lanvane.svg"));
        }
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer_->render(&painter);
        painter.end();
        drawn_.insert(key, pixmap);
        return pixmap;
    }

    std::shared_ptr<QSvgRenderer> renderer_;
    QHash<quint64, QPixmap> drawn_;
};

}  // namespace

QIcon AppIcon() {
    return QIcon(new SvgIconEngine);
}

}  // namespace lanvane
