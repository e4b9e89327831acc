#include "ui/qt/TemplateFont.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace lanvane {

namespace {

// The CJK families of fonts-noto-cjk, keyed by the dialog fonts the language libraries name
// for Japanese, Korean, Simplified and Traditional Chinese. Han characters are drawn
// differently in each, so the one that matches the language goes first.
struct CjkFont {
    const char* dialogFont;
    const char* family;
};
constexpr CjkFont kCjkFonts[] = {
    {"ms ui gothic", "Noto Sans CJK JP"},
    {"gulim", "Noto Sans CJK KR"},
    {"simsun", "Noto Sans CJK SC"},
    {"pmingliu", "Noto Sans CJK TC"},
};

// Families that come close in shape and width, best first. DejaVu Sans grew out of Bitstream
// Vera, which was drawn alongside Verdana; Tahoma is the shell dialog font of later systems.
QStringList LatinCandidates(const QString& family) {
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

// The CJK families in the order a template font asks for them: its own script first.
QStringList CjkCandidates(const QString& family) {
    const QString folded = family.toCaseFolded();
    QStringList candidates;
    for (const CjkFont& font : kCjkFonts) {
        if (folded == QLatin1String(font.dialogFont)) {
            candidates.prepend(QLatin1String(font.family));
        } else {
            candidates.append(QLatin1String(font.family));
        }
    }
    return candidates;
}

bool NamesCjkFont(const QString& family) {
    const QString folded = family.toCaseFolded();
    return std::ranges::any_of(kCjkFonts,
                               [&folded](const CjkFont& font) { return folded == QLatin1String(font.dialogFont); });
}

// The families this machine has, asked of the font database once per run: every window
// asks about the same few candidates, and each question would list the families anew.
const QStringList& InstalledFamilies() {
    static const QStringList families = QFontDatabase::families();
    return families;
}

// Installed families only: the first draws the text and gives the dialog units, the others
// fill in the characters it lacks, script by script.
QStringList Installed(const QStringList& candidates) {
    QStringList installed;
    for (const QString& family : candidates) {
        if (InstalledFamilies().contains(family, Qt::CaseInsensitive) && !installed.contains(family)) {
            installed.append(family);
        }
    }
    return installed;
}

}  // namespace

QFont TemplateFont(const DialogTemplate& source) {
    const QString family = QString::fromUtf8(source.fontName.data(), static_cast<qsizetype>(source.fontName.size()));
    QStringList candidates = CjkCandidates(family);
    if (NamesCjkFont(family)) {
        candidates.append(LatinCandidates(QStringLiteral("MS Shell Dlg")));
    } else {
        candidates = LatinCandidates(family) + candidates;
    }
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    const QStringList installed = Installed(candidates);
    if (!installed.isEmpty()) {
        font.setFamilies(installed);
    }
    font.setPointSize(source.fontPointSize > 0 ? source.fontPointSize : 8);
    return font;
}

}  // namespace lanvane
