#include "UiTestSupport.h"

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/IpAddressControl.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"
#include "ui/RadioButton.h"
#include "ui/TabControl.h"

namespace lanvane::test {
namespace {

using ::testing::IsEmpty;

using ControlModelTest = UiTest;

TEST_F(ControlModelTest, ComboListSelectsTheEntryItsTextNames) {
    RecordingDialog dialog(ui, kForm);
    auto& list = dialog.Item<ComboBox>(kList);
    list.AddString("b");
    list.AddString("c");
    list.SetText("b");
    EXPECT_EQ(list.GetCurSel(), 0) << "SetText on a drop-down list selects the matching entry";
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), ComboBox::kNone);
}

TEST_F(ControlModelTest, IpAddressHoldsFirstOctetHighAndKnowsBlankFields) {
    RecordingDialog dialog(ui, kForm);
    auto& address = dialog.Item<IpAddressControl>(kAddress);
    EXPECT_TRUE(address.IsBlank());
    EXPECT_EQ(address.Address(), 0u);

    address.SetAddress(0);
    EXPECT_FALSE(address.IsBlank()) << "0.0.0.0 is an address, not a blank control";

    address.SetText("10..300.x");
    EXPECT_EQ(address.Text(), "10..255.");
    EXPECT_EQ(address.Field(1), std::nullopt);
    EXPECT_EQ(address.Address(), 0x0A00FF00u);
    EXPECT_THAT(dialog.log, IsEmpty());
}

void FillRows(ListView& list, int count) {
    list.InsertColumn(0, "No", 30, ColumnAlign::Center);
    list.InsertColumn(1, "IP Address", 130, ColumnAlign::Center);
    for (int row = 0; row < count; ++row) {
        list.InsertItem(row, std::to_string(row + 1));
        list.SetItemText(row, 1, "10.0.0." + std::to_string(row + 1));
        list.SetItemData(row, 25 + row);
    }
}

TEST_F(ControlModelTest, HandlerThatEmptiesTheListDuringANotificationIsSafe) {
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

TEST_F(ControlModelTest, RowKeysStayWithinTheListAndStartFromTheFocusedRow) {
    struct Case {
        int rows;
        int focused;  // -1: no row has the focus
        RowKey key;
        int expected;
    };
    const Case cases[] = {
        {0, -1, RowKey::Down, -1}, {0, -1, RowKey::End, -1}, {3, -1, RowKey::Up, 0},
        {3, -1, RowKey::Down, 0},  {3, 0, RowKey::Up, 0},    {3, 1, RowKey::Down, 2},
        {3, 2, RowKey::Down, 2},   {3, 2, RowKey::Home, 0},  {3, 0, RowKey::End, 2},
    };
    RecordingDialog dialog(ui, kForm);
    Within(dialog, [&](RecordingDialog& d) {
        auto& list = d.Item<ListView>(kRows);
        for (const Case& c : cases) {
            list.DeleteAllItems();
            FillRows(list, c.rows);
            if (c.focused >= 0) {
                list.UserClickRow(c.focused);
            }
            EXPECT_EQ(list.RowAfterKey(c.key), c.expected)
                << c.rows << " rows, focus " << c.focused << ", key " << static_cast<int>(c.key);
        }
    });
}

}  // namespace
}  // namespace lanvane::test
