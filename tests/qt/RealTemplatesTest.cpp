#include "QtTestSupport.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/TabDisplayArea.h"
#include "ui/TabControl.h"

namespace lanvane::test {
namespace {

using ::testing::IsEmpty;

int LongestLine(const QFontMetrics& metrics, const QString& text) {
    int longest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        longest = std::max(longest, metrics.horizontalAdvance(line));
    }
    return longest;
}

int LongestWord(const QFontMetrics& metrics, const QString& text) {
    int longest = 0;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        longest = std::max(longest, metrics.horizontalAdvance(word));
    }
    return longest;
}

// The controls of a window whose text the widget cannot show whole.
std::vector<std::string> ClippedTexts(const QtDialogWindow& window) {
    std::vector<std::string> clipped;
    for (const auto& control : window.Model().Controls()) {
        QWidget* widget = window.WidgetOf(*control);
        const QFontMetrics metrics = widget->fontMetrics();
        bool fits = true;
        if (auto* button = dynamic_cast<QPushButton*>(widget)) {
            const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin);
            const auto lines = static_cast<int>(button->text().count(QLatin1Char('\n')) + 1);
            fits = LongestLine(metrics, button->text()) + 2 * margin <= widget->width() &&
                   lines * metrics.lineSpacing() <= widget->height();
        } else if (auto* choice = dynamic_cast<QAbstractButton*>(widget)) {
            fits = choice->sizeHint().width() <= widget->width();
        } else if (auto* label = dynamic_cast<QLabel*>(widget); label != nullptr && !label->text().isEmpty()) {
            fits = LongestWord(metrics, label->text()) <= widget->width() &&
                   label->heightForWidth(widget->width()) <= widget->height();
        } else if (auto* group = dynamic_cast<QGroupBox*>(widget)) {
            fits = metrics.horizontalAdvance(group->title()) + 4 * metrics.averageCharWidth() <= widget->width();
        }
        if (!fits) {
            clipped.push_back("dialog " + std::to_string(window.Model().Template().id) + " control " +
                              std::to_string(control->Id()) + " \"" + control->Text() + "\"");
        }
    }
    return clipped;
}

// Holds a page template over the display area of a tab control, as the configuration window does.
inline constexpr ControlTemplate kHostControls[] = {
    {1, ControlKind::TabControl, "", style::kNone, {7, 7, 242, 240}},
};
inline constexpr DialogTemplate kPageHost{900, "Host", "MS Shell Dlg", 8, 256, 254, kHostControls};

class RealTemplatesTest : public QtTest, public ::testing::WithParamInterface<const DialogTemplate*> {};

TEST_P(RealTemplatesTest, EveryTextFitsItsControlAndEveryControlLiesInTheWindow) {
    const DialogTemplate& source = *GetParam();
    RecordingDialog host(ui, source.child ? kPageHost : source);
    std::unique_ptr<RecordingDialog> page;
    if (source.child) {
        page = std::make_unique<RecordingDialog>(ui, source, &host);
        host.onInit = [&](RecordingDialog& self) {
            page->Create();
            page->MoveWindow(TabDisplayArea(self.Item<TabControl>(1).Rect()));
            page->ShowWindow(true);
        };
    }
    const Dialog& shown = source.child ? static_cast<const Dialog&>(*page) : host;
    UiScript script(ui);
    script.Then([&] {
        const QtDialogWindow& window = *ui.WindowOf(shown);
        EXPECT_THAT(ClippedTexts(window), IsEmpty());
        for (const auto& control : shown.Controls()) {
            EXPECT_TRUE(window.rect().contains(window.WidgetOf(*control)->geometry())) << control->Id();
        }
        if (!source.child) {
            EXPECT_FALSE(window.windowIcon().isNull());
        }
        ui.CloseInnermost();
    });
    script.Start();
    host.DoModal();
    EXPECT_TRUE(script.Finished());
}

std::string DialogName(const ::testing::TestParamInfo<const DialogTemplate*>& dialog) {
    return "dialog" + std::to_string(dialog.param->id);
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, RealTemplatesTest, ::testing::ValuesIn(AllDialogTemplates()), DialogName);

}  // namespace
}  // namespace lanvane::test
