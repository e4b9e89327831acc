#include "ui/qt/DialogUnits.h"

#include <QFontMetrics>
#include <QString>

namespace lanvane {

namespace {

// The horizontal base unit of the classic dialog font (8 pt at 96 dpi).
constexpr int kClassicBaseX = 6;

// Rounds value * numerator / denominator to the nearest integer.
int Scale(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

// The average width of the letters, rounded as the classic dialog manager does.
int AverageLetterWidth(const QFontMetrics& metrics) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font)
    : DialogUnits(AverageLetterWidth(QFontMetrics(font)), QFontMetrics(font).height()) {}

DialogUnits::DialogUnits(int baseX, int baseY) : baseX_(baseX > 0 ? baseX : 1), baseY_(baseY > 0 ? baseY : 1) {}

int DialogUnits::X(int units) const {
    return Scale(units, baseX_, 4);
}

int DialogUnits::Y(int units) const {
    return Scale(units, baseY_, 8);
}

QRect DialogUnits::Rect(const DialogRect& rect) const {
    const int left = X(rect.x);
    const int top = Y(rect.y);
    return {left, top, X(rect.x + rect.width) - left, Y(rect.y + rect.height) - top};
}

QSize DialogUnits::Size(int width, int height) const {
    return {X(width), Y(height)};
}

int DialogUnits::ClassicPixels(int pixels) const {
    return Scale(pixels, baseX_, kClassicBaseX);
}

}  // namespace lanvane
