#include "ui/qt/FileDialogFilter.h"

#include "ui/qt/QtText.h"

namespace lanvane {

QStringList NameFilters(std::string_view filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        const QString& description = parts[index];
        const QString patterns = parts[index + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        if (patterns.isEmpty()) {
            continue;
        }
        const QString tail = QStringLiteral("(%1)").arg(patterns);
        filters.append(description.endsWith(tail) ? description : QStringLiteral("%1 %2").arg(description, tail));
    }
    return filters;
}

}  // namespace lanvane
