#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>

#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/FileDialogFilter.h"
#include "ui/qt/TemplateFont.h"
#include "ui/qt/WindowPicture.h"
#include "ui/qt/WrappedLabel.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;

TEST(DialogUnitsTest, ConvertsWithTheFontsBaseUnitsAndKeepsNeighboursTouching) {
    const DialogUnits units(6, 13);
    EXPECT_EQ(units.X(4), 6);
    EXPECT_EQ(units.Y(8), 13);
    EXPECT_EQ(units.Size(154, 266), QSize(231, 432));
    // 7 units = 10.5 pixels, rounded; the button beside it starts where it ends.
    const QRect first = units.Rect({7, 7, 50, 14});
    const QRect second = units.Rect({57, 7, 50, 14});
    EXPECT_EQ(first.x() + first.width(), second.x());
    EXPECT_EQ(first, QRect(11, 11, 75, 23));
}

TEST(TemplateFontTest, CjkDialogFontsDrawInTheirScriptsFamilyAndEveryFontFallsBackToCjk) {
    if (!QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK JP"))) {
        GTEST_SKIP() << "fonts-noto-cjk is not installed";
    }
    const std::pair<std::string_view, QString> expected[] = {
        {"MS UI Gothic", QStringLiteral("Noto Sans CJK JP")}, {"Gulim", QStringLiteral("Noto Sans CJK KR")},
        {"SimSun", QStringLiteral("Noto Sans CJK SC")},       {"PMingLiU", QStringLiteral("Noto Sans CJK TC")},
    };
    for (const auto& [dialogFont, family] : expected) {
        const DialogTemplate source{1, "", dialogFont, 8, 10, 10, {}};
        EXPECT_EQ(TemplateFont(source).families().value(0), family) << dialogFont;
    }
    EXPECT_TRUE(TemplateFont(*FindDialogTemplate(dlg::kSearch)).families().contains(QStringLiteral("Noto Sans CJK SC")));
}

TEST(FileDialogFilterTest, PairsBecomeNameFiltersWithTheirPatterns) {
    EXPECT_THAT(NameFilters("Original Certificate Format (*.*)|*|"),
                ElementsAre(QStringLiteral("Original Certificate Format (*.*) (*)")));
    EXPECT_THAT(NameFilters("Certificates|*.pem;*.crt|All files (*)|*|"),
                ElementsAre(QStringLiteral("Certificates (*.pem *.crt)"), QStringLiteral("All files (*)")));
    EXPECT_THAT(NameFilters(""), ElementsAre());
    EXPECT_THAT(NameFilters("No pattern||"), ElementsAre());
}

TEST(WrappedLabelTest, BreaksBetweenWordsOnlyWhenTheTextDoesNotFit) {
    const QFontMetrics metrics{QFont()};
    const QString text = QStringLiteral("Serial/USB Configuration");
    EXPECT_EQ(WrappedLabel(text, metrics, metrics.horizontalAdvance(text)), text);
    EXPECT_EQ(WrappedLabel(text, metrics, metrics.horizontalAdvance(text) - 1),
              QStringLiteral("Serial/USB\nConfiguration"));
    EXPECT_EQ(WrappedLabel(QStringLiteral("Unbreakable"), metrics, 1), QStringLiteral("Unbreakable"));
}

TEST(WindowPictureTest, ShowsTheContentsWholeUnderATitleBarInAThinFrame) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lanvane"));
    window.setFixedSize(120, 40);
    window.setStyleSheet(QStringLiteral("background: #ff0000"));
    const QImage picture = WindowPicture(window);
    EXPECT_EQ(picture.width(), 122);
    EXPECT_GT(picture.height(), 42) << "a title bar above the contents";
    EXPECT_EQ(picture.pixelColor(1, picture.height() - 2), QColor(Qt::red)) << "the contents at the bottom";
    EXPECT_NE(picture.pixelColor(1, 1), QColor(Qt::red)) << "the title bar at the top";
}

}  // namespace
}  // namespace lanvane::test
