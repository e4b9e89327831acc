#include "UiTestSupport.h"

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/IpAddressControl.h"
#include "ui/ProgressBar.h"
#include "ui/RadioButton.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using ControlModelTest = UiTest;

TEST_F(ControlModelTest, UserClickOnRadioClearsOnlyItsOwnGroup) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        d.CheckRadioButton(kRadioA, kRadioC, kRadioA);
        d.CheckDlgButton(kRadioD, true);
        d.CheckDlgButton(kCheck, true);
        EXPECT_THAT(d.log, IsEmpty()) << "program calls stay silent";

        EXPECT_TRUE(d.Item<RadioButton>(kRadioC).UserClick());
        EXPECT_EQ(d.GetCheckedRadioButton(kRadioA, kRadioC), kRadioC);
        EXPECT_FALSE(d.IsDlgButtonChecked(kRadioA));
        EXPECT_TRUE(d.IsDlgButtonChecked(kRadioD)) << "radio D starts another group";
        EXPECT_TRUE(d.IsDlgButtonChecked(kCheck));

        EXPECT_TRUE(d.Item<RadioButton>(kRadioC).UserClick());
        EXPECT_THAT(d.log, ElementsAre("12 Clicked", "12 Clicked")) << "a marked radio still reports the click";
        EXPECT_TRUE(d.GetDlgItem(kRadioC).HasFocus());
    });
}

TEST_F(ControlModelTest, CheckBoxTogglesItselfAndProgramChecksDoNotTouchOthers) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& check = d.Item<CheckBox>(kCheck);
        check.UserClick();
        EXPECT_TRUE(check.IsChecked());
        check.UserClick();
        EXPECT_FALSE(check.IsChecked());

        d.CheckDlgButton(kRadioA, true);
        d.CheckDlgButton(kRadioB, true);
        EXPECT_TRUE(d.IsDlgButtonChecked(kRadioA)) << "a plain SetCheck does not clear the group";
        EXPECT_EQ(d.GetCheckedRadioButton(kRadioA, kRadioC), kRadioA);
        EXPECT_EQ(d.GetCheckedRadioButton(kRadioD, kRadioE), 0);
        EXPECT_THAT(d.log, ElementsAre("13 Clicked", "13 Clicked"));
    });
}

TEST_F(ControlModelTest, TypingRaisesTextChangedPerCharacterWithinLimitAndDigits) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& digits = d.Item<EditControl>(kDigits);
        EXPECT_EQ(digits.UserType("1a2b345"), 4);
        EXPECT_EQ(digits.Text(), "1234");
        EXPECT_THAT(d.log, ElementsAre("20 FocusGained", "20 TextChanged", "20 TextChanged", "20 TextChanged",
                                       "20 TextChanged"));
        d.log.clear();

        EXPECT_TRUE(digits.UserErase());
        EXPECT_FALSE(digits.UserErase()) << "nothing left to erase";
        EXPECT_THAT(d.log, ElementsAre("20 TextChanged"));
    });
}

TEST_F(ControlModelTest, SetTextIsSilentAndIgnoresTheTypingRules) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        d.SetDlgItemText(kDigits, "port 40000");
        EXPECT_EQ(d.GetDlgItemText(kDigits), "port 40000");
        EXPECT_EQ(d.GetDlgItemInt(kDigits), std::nullopt);
        d.SetDlgItemInt(kPlain, -42);
        EXPECT_EQ(d.GetDlgItemInt(kPlain), -42);
        d.SetDlgItemText(kPlain, "");
        EXPECT_EQ(d.GetDlgItemInt(kPlain), std::nullopt);
        d.SetDlgItemText(kPlain, "99999999999");
        EXPECT_EQ(d.GetDlgItemInt(kPlain), std::nullopt) << "out of int range";
        EXPECT_THAT(d.log, IsEmpty());
    });
}

TEST_F(ControlModelTest, ReadOnlyRefusesTypingAndMaskedShowsStars) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& fixed = d.Item<EditControl>(kReadOnly);
        EXPECT_EQ(fixed.UserType("x"), 0);
        EXPECT_FALSE(fixed.UserErase());
        EXPECT_EQ(fixed.Text(), "fixed");

        auto& secret = d.Item<EditControl>(kSecret);
        secret.UserType("pass word!");
        EXPECT_EQ(secret.Text(), "pass wor");
        EXPECT_EQ(secret.DisplayText(), "********");
    });
}

TEST_F(ControlModelTest, ReplacingTheWholeTextFiltersAndNotifiesOnce) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& digits = d.Item<EditControl>(kDigits);
        d.SetFocus(kDigits);
        d.log.clear();
        EXPECT_TRUE(digits.UserReplaceText("9x10077"));
        EXPECT_EQ(digits.Text(), "9100");
        EXPECT_FALSE(digits.UserReplaceText("9100"));
        EXPECT_THAT(d.log, ElementsAre("20 TextChanged"));
    });
}

TEST_F(ControlModelTest, ChoosingAnEntryNotifiesButSetCurSelDoesNot) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& list = d.Item<ComboBox>(kList);
        for (const char* text : {"1200", "2400", "4800"}) {
            list.AddString(text);
        }
        EXPECT_EQ(list.SetCurSel(1), 1);
        EXPECT_EQ(list.Text(), "2400");
        EXPECT_EQ(list.SetCurSel(9), ComboBox::kNone);
        EXPECT_EQ(list.Text(), "");
        EXPECT_THAT(d.log, IsEmpty());

        EXPECT_TRUE(list.UserChoose(2));
        EXPECT_FALSE(list.UserChoose(3));
        EXPECT_EQ(list.GetCurSel(), 2);
        EXPECT_THAT(d.log, ElementsAre("30 FocusGained", "30 SelectionChanged", "30 SelectionConfirmed"));
        EXPECT_EQ(list.UserType("1"), 0) << "a drop-down list has no edit field";
    });
}

TEST_F(ControlModelTest, ComboEditTypingClearsTheSelection) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& combo = d.Item<ComboBox>(kCombo);
        combo.AddString("9600");
        combo.AddString("19200");
        combo.SetCurSel(0);
        d.SetFocus(kCombo);
        d.log.clear();
        EXPECT_EQ(combo.UserType("12"), 2);
        EXPECT_EQ(combo.Text(), "960012");
        EXPECT_EQ(combo.GetCurSel(), ComboBox::kNone);
        EXPECT_THAT(d.log, ElementsAre("31 TextChanged", "31 TextChanged"));
        combo.SetText("abc");
        EXPECT_EQ(combo.Text(), "abc");
    });
}

TEST_F(ControlModelTest, ComboListKeepsSelectionInStepWithInsertAndDelete) {
    TestDialog dialog(ui, kForm);
    auto& list = dialog.Item<ComboBox>(kList);
    list.AddString("b");
    list.AddString("c");
    list.SetCurSel(1);
    EXPECT_EQ(list.InsertString(0, "a"), 0);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.InsertString(5, "z"), ComboBox::kNone);
    EXPECT_TRUE(list.DeleteString(0));
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_TRUE(list.DeleteString(1));
    EXPECT_EQ(list.GetCurSel(), ComboBox::kNone);
    EXPECT_EQ(list.Text(), "");
    list.SetText("b");
    EXPECT_EQ(list.GetCurSel(), 0) << "SetText on a drop-down list selects the matching entry";
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), ComboBox::kNone);
}

TEST_F(ControlModelTest, ProgressPositionStaysInRange) {
    TestDialog dialog(ui, kForm);
    auto& bar = dialog.Item<ProgressBar>(kBar);
    bar.SetRange(0, 1000);
    EXPECT_EQ(bar.SetPos(300), 0);
    EXPECT_EQ(bar.GetPos(), 300);
    bar.SetPos(1200);
    EXPECT_EQ(bar.GetPos(), 1000);
    bar.SetPos(-5);
    EXPECT_EQ(bar.GetPos(), 0);
    bar.SetPos(800);
    bar.SetRange(0, 100);
    EXPECT_EQ(bar.GetPos(), 100) << "a narrower range pulls the position in";
}

TEST_F(ControlModelTest, IpAddressHoldsFirstOctetHighAndKnowsBlankFields) {
    TestDialog dialog(ui, kForm);
    auto& address = dialog.Item<IpAddressControl>(kAddress);
    EXPECT_TRUE(address.IsBlank());
    std::uint32_t value = 1;
    EXPECT_EQ(address.GetAddress(value), 0);
    EXPECT_EQ(value, 0u);

    address.SetAddress(0xC0A8010Au);
    EXPECT_EQ(address.Text(), "192.168.1.10");
    EXPECT_EQ(address.Field(0), 192);
    EXPECT_EQ(address.GetAddress(value), 4);
    EXPECT_EQ(value, 0xC0A8010Au);

    address.SetAddress(0);
    EXPECT_FALSE(address.IsBlank()) << "0.0.0.0 is an address, not a blank control";
    address.ClearAddress();
    EXPECT_TRUE(address.IsBlank());

    address.SetText("10..300.x");
    EXPECT_EQ(address.Text(), "10..255.");
    EXPECT_EQ(address.GetAddress(value), 2);
    EXPECT_EQ(value, 0x0A00FF00u);
    EXPECT_THAT(dialog.log, IsEmpty());
}

TEST_F(ControlModelTest, UserFieldEditsRaiseOneNotificationPerChangedField) {
    TestDialog dialog(ui, kForm);
    Within(dialog, [](TestDialog& d) {
        auto& address = d.Item<IpAddressControl>(kAddress);
        address.SetAddress(0x0A000001u);
        EXPECT_TRUE(address.UserSetField(0, "172"));
        EXPECT_FALSE(address.UserSetField(0, "172")) << "same value";
        EXPECT_TRUE(address.UserSetField(3, "999"));
        EXPECT_TRUE(address.UserSetField(1, ""));
        EXPECT_FALSE(address.UserSetField(2, "1x"));
        EXPECT_FALSE(address.UserSetField(4, "1"));
        EXPECT_EQ(address.Text(), "172..0.255");
        EXPECT_THAT(d.log, ElementsAre("70 FieldChanged 0=172", "70 FieldChanged 3=255", "70 FieldChanged 1=-1"));
    });
}

}  // namespace
}  // namespace lanvane::test
