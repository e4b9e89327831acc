#include "ui/qt/TemplateFont.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace lanvane {

namespace {

// Families that come close in shape and width, best first. DejaVu Sans grew out of Bitstream
// Vera, which was drawn alongside Verdana; Tahoma is the shell dialog font of later systems.
QStringList Candidates(const QString& family) {
    const QString folded = family.toCaseFolded();
    if (folded == QStringLiteral("verdana")) {
        return {family, QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
                QStringLiteral("Noto Sans")};
    }
    if (folded.startsWith(QStringLiteral("ms shell dlg")) || folded == QStringLiteral("ms sans serif") ||
        folded == QStringLiteral("tahoma")) {
        return {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")};
    }
    return {family, QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")};
}

}  // namespace

QFont TemplateFont(const DialogTemplate& source) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    for (const QString& family : Candidates(QString::fromUtf8(source.fontName.data(),
                                                                 static_cast<qsizetype>(source.fontName.size())))) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSize(source.fontPointSize > 0 ? source.fontPointSize : 8);
    return font;
}

}  // namespace lanvane
