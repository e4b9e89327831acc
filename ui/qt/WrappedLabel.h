#pragma once

#include <QFontMetrics>
#include <QString>

namespace lanvane {

// Breaks text between words so that each line fits width pixels where it can.
QString WrappedLabel(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace lanvane
