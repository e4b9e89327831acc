#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "LayoutRules.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceSet.h"
#include "resources/TabDisplayArea.h"
#include "tests/resources/LanguageTableFiles.h"

namespace lanvane::test {
namespace {

using ::testing::IsEmpty;
using ::testing::SizeIs;

std::string Name(const DialogTemplate& dialog) {
    return "dialog " + std::to_string(dialog.id);
}

// Ids unique, no overlaps, radio groups marked. Whether texts fit and controls lie inside
// the window is measured with the real fonts in the Qt tests.
TEST(DialogLayoutTest, EveryTemplateKeepsTheLayoutRules) {
    using Rule = std::vector<std::string> (*)(const DialogTemplate&);
    for (const Rule rule : {DuplicateControlIds, OverlappingControls, UnmarkedRadioGroups}) {
        for (const DialogTemplate* dialog : AllDialogTemplates()) {
            EXPECT_THAT(rule(*dialog), IsEmpty()) << Name(*dialog);
        }
    }
}

// A language's size changes make no controls overlap.
TEST(DialogLayoutTest, EveryLanguageKeepsControlsApart) {
    for (const char* language : kTranslations) {
        const ResourceSet translated(ReadLanguageTable(ReadTable(language)));
        for (const DialogTemplate* english : AllDialogTemplates()) {
            const DialogTemplate& dialog = translated.Dialog(english->id);
            EXPECT_THAT(OverlappingControls(dialog), IsEmpty()) << language << " " << Name(dialog);
        }
    }
}

TEST(DialogLayoutTest, PagesFitTheDisplayAreaOfTheConfigurationTab) {
    const DialogTemplate* window = FindDialogTemplate(dlg::kInterfaceConfig);
    ASSERT_NE(window, nullptr);
    const auto tab = std::ranges::find(window->controls, ctl::kConfigTab, &ControlTemplate::id);
    ASSERT_NE(tab, window->controls.end());
    const DialogRect area = TabDisplayArea(tab->rect);
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        if (!dialog->child) continue;
        EXPECT_LE(dialog->width, area.width) << Name(*dialog);
        EXPECT_LE(dialog->height, area.height) << Name(*dialog);
    }
}

// The rules above must notice real faults, or the passing suite says nothing.
constexpr ControlTemplate kFaultyControls[] = {
    {1, ControlKind::PushButton, "Overlapped", style::kNone, {0, 0, 60, 14}},
    {2, ControlKind::PushButton, "Overlapping", style::kNone, {50, 0, 60, 14}},
    {1, ControlKind::StaticText, "Repeated id", style::kNone, {0, 20, 40, 8}},
    {4, ControlKind::RadioButton, "Ungrouped", style::kNone, {0, 30, 60, 10}},
    {5, ControlKind::Edit, "", style::kNone, {0, 40, 60, 12}},
};
constexpr DialogTemplate kFaulty{7, "Faulty", "MS Shell Dlg", 8, 120, 60, kFaultyControls};

TEST(LayoutRulesTest, NoticeEachKindOfFault) {
    EXPECT_THAT(DuplicateControlIds(kFaulty), SizeIs(1));
    EXPECT_THAT(OverlappingControls(kFaulty), SizeIs(1));
    EXPECT_THAT(UnmarkedRadioGroups(kFaulty), SizeIs(2));
}

}  // namespace
}  // namespace lanvane::test
