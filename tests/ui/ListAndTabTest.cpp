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

TEST_F(ListAndTabTest, HandlerThatEmptiesTheListDuringANotificationIsSafe) {
    RecordingDialog dialog(ui, kForm);
    dialog.onNotify = [](RecordingDialog& d, int, const NotifyMessage& message) {
        if (message.newState == item_state::kNone) {
            d.Item<ListView>(kRows).DeleteAllItems();
        }
        return false;
    };
    Within(dialog, [](RecordingDialog& d) {
        auto& list = d.Item<ListView>(kRows);
        FillRows(list, 2);
        list.UserClickRow(0);
        EXPECT_TRUE(list.UserClickRow(1));
        EXPECT_EQ(list.GetItemCount(), 0);
    });
}

TEST_F(ListAndTabTest, ChangingHandlerCanRefuseOrRevertAfterTheChange) {
    RecordingDialog dialog(ui, kForm);
    int leaving = -1;
    bool revertPending = false;
    dialog.onNotify = [&](RecordingDialog& d, int, const NotifyMessage& message) {
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
    Within(dialog, [](RecordingDialog& d) {
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

}  // namespace
}  // namespace lanvane::test
