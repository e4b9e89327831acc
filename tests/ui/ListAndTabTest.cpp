#include "UiTestSupport.h"

#include "ui/ListView.h"
#include "ui/TabControl.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint32_t kBoth = item_state::kSelected | item_state::kFocused;

using ListAndTabTest = UiTest;

void FillRows(ListView& list, int count) {
    list.InsertColumn(0, "No", 30, ColumnAlign::Center);
    list.InsertColumn(1, "IP Address", 130, ColumnAlign::Center);
    for (int row = 0; row < count; ++row) {
        list.InsertItem(row, std::to_string(row + 1));
        list.SetItemText(row, 1, "10.0.0." + std::to_string(row + 1));
        list.SetItemData(row, 25 + row);
    }
}

TEST_F(ListAndTabTest, ListHoldsColumnsCellsAndItemData) {
    TestDialog dialog(ui, kForm);
    auto& list = dialog.Item<ListView>(kRows);
    FillRows(list, 3);
    EXPECT_EQ(list.InsertItem(99, "4"), 3) << "an index beyond the end appends";
    EXPECT_EQ(list.InsertColumn(5, "x", 10), -1);
    EXPECT_EQ(list.Columns().size(), 2u);
    EXPECT_EQ(list.GetItemText(1, 1), "10.0.0.2");
    EXPECT_EQ(list.GetItemText(3, 1), "") << "a cell never set reads empty";
    EXPECT_EQ(list.GetItemText(7, 0), "");
    EXPECT_EQ(list.GetItemData(2), 27);
    EXPECT_FALSE(list.SetItemText(7, 0, "x"));

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemText(0, 0), "2");
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListAndTabTest, ProgramStateChangesNotifyLikeTheClassicListView) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& list = d.Item<ListView>(kRows);
        FillRows(list, 3);
        EXPECT_THAT(d.log, IsEmpty()) << "inserting rows raises nothing";

        list.SetSelectionMark(0);
        list.SetItemState(0, kBoth, kBoth);
        list.SetItemState(2, kBoth, kBoth);
        EXPECT_THAT(d.log, ElementsAre("40 ItemChanged 0 0>3", "40 ItemChanged 0 3>0", "40 ItemChanged 2 0>3"));
        EXPECT_EQ(list.GetNextItem(-1, item_state::kSelected), 2);
        EXPECT_EQ(list.GetNextItem(2, item_state::kSelected), -1);
    });
}

TEST_F(ListAndTabTest, UserClicksMoveSelectionAndAnEmptyAreaKeepsTheFocus) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& list = d.Item<ListView>(kRows);
        FillRows(list, 4);
        EXPECT_TRUE(list.UserClickRow(3));
        EXPECT_TRUE(list.UserClickRow(1));
        EXPECT_EQ(list.GetSelectionMark(), 1);
        EXPECT_TRUE(list.UserClickRow(-1));
        EXPECT_FALSE(list.UserClickRow(4));
        EXPECT_THAT(d.log, ElementsAre("40 ItemChanged 3 0>3", "40 ItemChanged 3 3>0", "40 ItemChanged 1 0>3",
                                       "40 ItemChanged 1 3>1"));
        EXPECT_EQ(list.GetItemState(1, kBoth), item_state::kFocused);
        EXPECT_EQ(d.GetFocus(), &list);
    });
}

TEST_F(ListAndTabTest, MultiSelectionListKeepsOthersOnProgramSelect) {
    TestDialog dialog(ui, kForm);
    auto& list = dialog.Item<ListView>(kMultiRows);
    FillRows(list, 3);
    list.SetItemState(0, item_state::kSelected, item_state::kSelected);
    list.SetItemState(2, item_state::kSelected, item_state::kSelected);
    EXPECT_EQ(list.GetItemState(0, item_state::kSelected), item_state::kSelected);
    list.SetItemState(-1, item_state::kNone, item_state::kSelected);
    EXPECT_EQ(list.GetNextItem(-1, item_state::kSelected), -1);
}

TEST_F(ListAndTabTest, HandlerThatEmptiesTheListDuringANotificationIsSafe) {
    TestDialog dialog(ui, kForm);
    dialog.onNotify = [](TestDialog& d, int, const NotifyMessage& message) {
        if (message.newState == item_state::kNone) {
            d.Item<ListView>(kRows).DeleteAllItems();
        }
        return false;
    };
    Within(dialog, [](TestDialog& d) {
        auto& list = d.Item<ListView>(kRows);
        FillRows(list, 2);
        list.UserClickRow(0);
        EXPECT_TRUE(list.UserClickRow(1));
        EXPECT_EQ(list.GetItemCount(), 0);
    });
}

TEST_F(ListAndTabTest, UserTabChoiceRaisesChangingThenChange) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& tabs = d.Item<TabControl>(kTabs);
        tabs.InsertItem(0, "System & Information");
        tabs.InsertItem(1, "Protocol");
        tabs.InsertItem(2, "Cerification");
        EXPECT_EQ(tabs.GetCurSel(), 0) << "the first item inserted is selected";
        EXPECT_FALSE(tabs.UserSelectTab(0)) << "the selected tab again changes nothing";
        EXPECT_TRUE(tabs.UserSelectTab(2));
        EXPECT_EQ(tabs.SetCurSel(1), 2);
        EXPECT_EQ(tabs.SetCurSel(7), -1);
        EXPECT_EQ(tabs.GetCurSel(), 1);
        EXPECT_THAT(d.log, ElementsAre("60 SelChanging", "60 SelChange"));
    });
}

TEST_F(ListAndTabTest, ChangingHandlerCanRefuseOrRevertAfterTheChange) {
    TestDialog dialog(ui, kForm);
    int leaving = -1;
    bool revertPending = false;
    dialog.onNotify = [&](TestDialog& d, int, const NotifyMessage& message) {
        auto& tabs = d.Item<TabControl>(kTabs);
        if (message.code == NotifyCode::TabSelChanging) {
            leaving = tabs.GetCurSel();
            revertPending = leaving == 0;
            return leaving == 2;  // tab 2 vetoes at once, tab 0 is reverted afterwards
        }
        if (message.code == NotifyCode::TabSelChange && revertPending) {
            revertPending = false;
            tabs.SetCurSel(leaving);
        }
        return false;
    };
    Within(dialog, [](TestDialog& d) {
        auto& tabs = d.Item<TabControl>(kTabs);
        for (const char* label : {"a", "b", "c"}) {
            tabs.InsertItem(tabs.GetItemCount(), label);
        }
        EXPECT_TRUE(tabs.UserSelectTab(1)) << "the selection moves before it is reverted";
        EXPECT_EQ(tabs.GetCurSel(), 0);
        tabs.SetCurSel(2);
        EXPECT_FALSE(tabs.UserSelectTab(1));
        EXPECT_EQ(tabs.GetCurSel(), 2);
        EXPECT_THAT(d.log, ElementsAre("60 SelChanging", "60 SelChange", "60 SelChanging"));
    });
}

TEST_F(ListAndTabTest, DisabledTabControlTakesNoChoiceAndGivesPagesAnArea) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& tabs = d.Item<TabControl>(kTabs);
        tabs.InsertItem(0, "a");
        tabs.InsertItem(1, "b");
        tabs.Enable(false);
        EXPECT_FALSE(tabs.UserSelectTab(1));
        EXPECT_THAT(d.log, IsEmpty());
        const DialogRect area = tabs.DisplayRect();
        EXPECT_EQ(area.x, 12);
        EXPECT_EQ(area.y, 20 + TabControl::kTabStripHeight);
        EXPECT_EQ(area.width, 196);
        EXPECT_EQ(area.height, 100 - TabControl::kTabStripHeight - 2);
    });
}

}  // namespace
}  // namespace lanvane::test
