#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "LayoutRules.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/TabDisplayArea.h"

namespace lanvane::test {
namespace {

using ::testing::IsEmpty;

std::string Name(const DialogTemplate& dialog) {
    return "dialog " + std::to_string(dialog.id);
}

TEST(DialogLayoutTest, ControlIdsAreUniqueWithinEachDialog) {
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        EXPECT_THAT(DuplicateControlIds(*dialog), IsEmpty()) << Name(*dialog);
    }
}

TEST(DialogLayoutTest, EveryControlLiesInsideItsDialog) {
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        EXPECT_THAT(ControlsOutsideDialog(*dialog), IsEmpty()) << Name(*dialog);
    }
}

TEST(DialogLayoutTest, SiblingControlsDoNotOverlap) {
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        EXPECT_THAT(OverlappingControls(*dialog), IsEmpty()) << Name(*dialog);
    }
}

TEST(DialogLayoutTest, TextsFitTheirControls) {
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        EXPECT_THAT(TextsThatDoNotFit(*dialog), IsEmpty()) << Name(*dialog);
    }
}

TEST(DialogLayoutTest, RadioGroupsAreMarked) {
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        EXPECT_THAT(UnmarkedRadioGroups(*dialog), IsEmpty()) << Name(*dialog);
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

TEST(DialogLayoutTest, OnlyPagesGoWithoutTitle) {
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        EXPECT_EQ(dialog->child, dialog->title.empty()) << Name(*dialog);
    }
}

// The rules above must notice real faults, or the passing suite says nothing.
constexpr ControlTemplate kFaultyControls[] = {
    {1, ControlKind::PushButton, "Overlapped", style::kNone, {0, 0, 60, 14}},
    {2, ControlKind::PushButton, "Overlapping", style::kNone, {50, 0, 60, 14}},
    {1,
     ControlKind::StaticText,
     "A label far too long for its place",
     style::kNone,
     {0, 20, 40, 8}},
    {4, ControlKind::RadioButton, "Ungrouped", style::kNone, {0, 30, 60, 10}},
    {5, ControlKind::Edit, "", style::kNone, {0, 40, 60, 12}},
    {6, ControlKind::GroupBox, "Frame", style::kNone, {90, 30, 40, 40}},
};
constexpr DialogTemplate kFaulty{7, "Faulty", "MS Shell Dlg", 8, 120, 60, kFaultyControls};

TEST(LayoutRulesTest, NoticeRepeatedIds) {
    EXPECT_THAT(DuplicateControlIds(kFaulty), ::testing::SizeIs(1));
}

TEST(LayoutRulesTest, NoticeControlsBeyondTheDialogEdge) {
    EXPECT_THAT(ControlsOutsideDialog(kFaulty), ::testing::SizeIs(1));  // the frame
}

TEST(LayoutRulesTest, NoticeOverlapsButAcceptFramesAroundTheirContent) {
    EXPECT_THAT(OverlappingControls(kFaulty), ::testing::SizeIs(1));
    constexpr ControlTemplate kFramed[] = {
        {-1, ControlKind::GroupBox, "Frame", style::kNone, {0, 0, 100, 40}},
        {1, ControlKind::Edit, "", style::kNone, {8, 12, 60, 12}},
        {2, ControlKind::Edit, "", style::kHidden, {8, 12, 60, 12}},
    };
    EXPECT_THAT(OverlappingControls({7, "", "MS Shell Dlg", 8, 120, 60, kFramed}), IsEmpty());
}

TEST(LayoutRulesTest, NoticeTextsWiderThanTheirControls) {
    EXPECT_THAT(TextsThatDoNotFit(kFaulty), ::testing::SizeIs(1));
    constexpr ControlTemplate kButton[] = {
        {1, ControlKind::PushButton, "Fits at 8 pt", style::kNone, {0, 0, 54, 14}}};
    EXPECT_THAT(TextsThatDoNotFit({7, "", "MS Shell Dlg", 8, 120, 60, kButton}), IsEmpty());
    EXPECT_THAT(TextsThatDoNotFit({7, "", "Verdana", 10, 120, 60, kButton}), ::testing::SizeIs(1));
}

TEST(LayoutRulesTest, NoticeRadioGroupsWithoutStartOrEnd) {
    EXPECT_THAT(UnmarkedRadioGroups(kFaulty), ::testing::SizeIs(2));
}

}  // namespace
}  // namespace lanvane::test
