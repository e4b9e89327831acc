#include "QtTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/IpAddressControl.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"
#include "ui/TabControl.h"
#include "ui/qt/IpAddressEdit.h"
#include "ui/qt/TemplateFont.h"

namespace lanvane::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class WidgetBindingTest : public QtTest {
protected:
    // Runs body inside the form's modal loop, then closes it.
    void Within(RecordingDialog& dialog, const std::function<void(QtDialogWindow&)>& body) {
        UiScript script(ui);
        script.WaitUntil([&] { return ui.WindowOf(dialog)->isActiveWindow(); })
            .Then([&] { body(*ui.WindowOf(dialog)); })
            .Then([&] { ui.CloseInnermost(); });
        script.Start();
        dialog.DoModal();
        EXPECT_TRUE(script.Finished());
    }

    template <class Widget>
    static Widget* As(QtDialogWindow& window, int id) {
        auto* widget = dynamic_cast<Widget*>(window.WidgetOf(id));
        EXPECT_NE(widget, nullptr) << "control " << id;
        return widget;
    }

    static void FillList(Dialog& dialog) {
        auto& rows = dialog.Item<ListView>(kRows);
        rows.InsertColumn(0, "Name", 80);
        rows.InsertColumn(1, "Address", 120, ColumnAlign::Right);
        for (const char* name : {"first", "second", "third"}) {
            const int row = rows.InsertItem(rows.GetItemCount(), name);
            rows.SetItemText(row, 1, std::string("127.0.0.") + std::to_string(row + 1));
        }
        rows.SetGridLines(true);
        rows.SetFullRowSelect(true);
    }

    RecordingDialog form{ui, kForm};
};

TEST_F(WidgetBindingTest, WindowFollowsTheTemplateInDialogUnitsOfItsFont) {
    Within(form, [](QtDialogWindow& window) {
        const DialogUnits units(TemplateFont(kForm));
        EXPECT_EQ(window.size(), units.Size(kForm.width, kForm.height));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Form"));
        for (const ControlTemplate& control : kForm.controls) {
            if (control.id != -1) {
                EXPECT_EQ(window.WidgetOf(control.id)->geometry(), units.Rect(control.rect)) << control.id;
            }
        }
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(window.isModal());
    });
}

TEST_F(WidgetBindingTest, ProgramChangesReachTheWidgetsAndRaiseNothing) {
    form.onInit = [](RecordingDialog& dialog) {
        dialog.SetWindowText("Changed title");
        dialog.SetDlgItemText(kPlain, "plain text");
        dialog.SetDlgItemText(kDigits, "123456789");  // beyond the limit: the program may
        dialog.SetDlgItemText(kSecret, "hidden");
        dialog.CheckRadioButton(kRadioA, kRadioB, kRadioB);
        dialog.CheckDlgButton(kCheck, true);
        auto& list = dialog.Item<ComboBox>(kList);
        list.AddString("one");
        list.AddString("two");
        list.SetCurSel(1);
        dialog.Item<ComboBox>(kCombo).SetText("free");
        auto& bar = dialog.Item<ProgressBar>(kBar);
        bar.SetRange(0, 200);
        bar.SetPos(50);
        auto& tabs = dialog.Item<TabControl>(kTabs);
        tabs.InsertItem(0, "First");
        tabs.InsertItem(1, "Second & last");
        tabs.SetCurSel(1);
        dialog.Item<IpAddressControl>(kAddress).SetText("192.168..7");
        dialog.SetDlgItemText(kLabel, "Now Searching");
        dialog.EnableDlgItem(kApply, false);
        dialog.ShowDlgItem(kCheck, false);
        FillList(dialog);
    };
    Within(form, [&](QtDialogWindow& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Changed title"));
        EXPECT_EQ(As<QLineEdit>(window, kPlain)->text(), QStringLiteral("plain text"));
        EXPECT_EQ(As<QLineEdit>(window, kDigits)->text(), QStringLiteral("123456789"));
        EXPECT_EQ(As<QLineEdit>(window, kDigits)->alignment() & Qt::AlignRight, Qt::AlignRight);
        EXPECT_EQ(As<QLineEdit>(window, kSecret)->echoMode(), QLineEdit::Password);
        EXPECT_FALSE(As<QRadioButton>(window, kRadioA)->isChecked());
        EXPECT_TRUE(As<QRadioButton>(window, kRadioB)->isChecked());
        EXPECT_TRUE(As<QCheckBox>(window, kCheck)->isChecked());
        EXPECT_TRUE(As<QCheckBox>(window, kCheck)->isHidden());
        EXPECT_FALSE(window.WidgetOf(kApply)->isEnabled());
        auto* list = As<QComboBox>(window, kList);
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentText(), QStringLiteral("two"));
        EXPECT_EQ(As<QComboBox>(window, kCombo)->currentText(), QStringLiteral("free"));
        EXPECT_EQ(As<QProgressBar>(window, kBar)->maximum(), 200);
        EXPECT_EQ(As<QProgressBar>(window, kBar)->value(), 50);
        auto* tabs = As<QTabWidget>(window, kTabs);
        EXPECT_EQ(tabs->count(), 2);
        EXPECT_EQ(tabs->tabText(1), QStringLiteral("Second && last")) << "an ampersand, not a shortcut mark";
        EXPECT_EQ(tabs->currentIndex(), 1);
        auto* address = As<IpAddressEdit>(window, kAddress);
        EXPECT_EQ(address->FieldEdit(0).text(), QStringLiteral("192"));
        EXPECT_EQ(address->FieldEdit(2).text(), QString());
        EXPECT_EQ(address->FieldEdit(3).text(), QStringLiteral("7"));
        EXPECT_EQ(As<QLabel>(window, kLabel)->text(), QStringLiteral("Now Searching"));
        auto* rows = As<QTableWidget>(window, kRows);
        ASSERT_EQ(rows->rowCount(), 3);
        EXPECT_EQ(rows->horizontalHeaderItem(1)->text(), QStringLiteral("Address"));
        EXPECT_EQ(rows->item(2, 1)->text(), QStringLiteral("127.0.0.3"));
        EXPECT_EQ(rows->item(2, 1)->textAlignment() & Qt::AlignRight, Qt::AlignRight);
        EXPECT_TRUE(rows->showGrid());
        EXPECT_EQ(rows->selectionBehavior(), QAbstractItemView::SelectRows);

        form.Item<ListView>(kRows).DeleteItem(0);
        form.Item<ListView>(kRows).SetItemText(0, 0, "renamed");
        EXPECT_EQ(rows->rowCount(), 2);
        EXPECT_EQ(rows->item(0, 0)->text(), QStringLiteral("renamed"));
        form.Item<ListView>(kRows).SetItemState(1, item_state::kSelected | item_state::kFocused,
                                                item_state::kSelected | item_state::kFocused);
        EXPECT_TRUE(rows->selectionModel()->isRowSelected(1, {}));
        EXPECT_EQ(rows->currentRow(), 1);
    });
    EXPECT_THAT(form.Entries("20 "), IsEmpty());
    EXPECT_THAT(form.Entries("21 "), IsEmpty());
    EXPECT_THAT(form.Entries("60 "), IsEmpty());
    EXPECT_THAT(form.Entries("70 "), IsEmpty());
}

TEST_F(WidgetBindingTest, TypingKeepsTheLimitAndDigitsRulesAndRaisesOneChangePerCharacter) {
    Within(form, [&](QtDialogWindow& window) {
        TypeInto(window.WidgetOf(kDigits), QStringLiteral("12a345"));
        TypeInto(window.WidgetOf(kSecret), QStringLiteral("secret"));
        EXPECT_EQ(As<QLineEdit>(window, kDigits)->text(), QStringLiteral("1234"));
    });
    EXPECT_EQ(form.GetDlgItemText(kDigits), "1234");
    EXPECT_EQ(form.GetDlgItemText(kSecret), "secret");
    EXPECT_THAT(form.Entries("20 "), ElementsAre("20 FocusGained", "20 TextChanged", "20 TextChanged",
                                                 "20 TextChanged", "20 TextChanged", "20 FocusLost"));
}

TEST_F(WidgetBindingTest, RadioClickClearsItsTemplateGroupOnlyAndStaysMarkedWhenClickedAgain) {
    form.onInit = [](RecordingDialog& dialog) {
        dialog.CheckRadioButton(kRadioA, kRadioB, kRadioA);
        dialog.CheckDlgButton(kRadioD, true);
    };
    Within(form, [&](QtDialogWindow& window) {
        ClickChoice(window.WidgetOf(kRadioB));
        ClickChoice(window.WidgetOf(kRadioB));
        ClickChoice(window.WidgetOf(kCheck));
        EXPECT_FALSE(As<QRadioButton>(window, kRadioA)->isChecked());
        EXPECT_TRUE(As<QRadioButton>(window, kRadioB)->isChecked());
        EXPECT_TRUE(As<QRadioButton>(window, kRadioD)->isChecked());
        EXPECT_TRUE(As<QCheckBox>(window, kCheck)->isChecked());
    });
    EXPECT_FALSE(form.IsDlgButtonChecked(kRadioA));
    EXPECT_TRUE(form.IsDlgButtonChecked(kRadioB));
    EXPECT_TRUE(form.IsDlgButtonChecked(kRadioD)) << "another group";
    EXPECT_TRUE(form.IsDlgButtonChecked(kCheck));
    EXPECT_THAT(form.Entries("11 "), ElementsAre("11 Clicked", "11 Clicked"));
}

TEST_F(WidgetBindingTest, PickingAnEntryRaisesSelectionChangedThenConfirmed) {
    form.onInit = [](RecordingDialog& dialog) {
        for (auto id : {kList, kCombo}) {
            dialog.Item<ComboBox>(id).AddString("one");
            dialog.Item<ComboBox>(id).AddString("two");
        }
        dialog.Item<ComboBox>(kCombo).SetCurSel(1);
    };
    Within(form, [&](QtDialogWindow& window) {
        QTest::keyClick(window.WidgetOf(kList), Qt::Key_Down);
        auto* combo = As<QComboBox>(window, kCombo);
        combo->lineEdit()->selectAll();
        TypeInto(combo->lineEdit(), QStringLiteral("free text"));
        EXPECT_EQ(combo->currentText(), QStringLiteral("free t")) << "the combo's limit";
    });
    EXPECT_EQ(form.Item<ComboBox>(kList).GetCurSel(), 0);
    EXPECT_EQ(form.GetDlgItemText(kList), "one");
    EXPECT_THAT(form.Entries("30 "), ElementsAre("30 FocusGained", "30 SelectionChanged", "30 SelectionConfirmed",
                                                 "30 FocusLost"));
    EXPECT_EQ(form.GetDlgItemText(kCombo), "free t");
    EXPECT_EQ(form.Item<ComboBox>(kCombo).GetCurSel(), ComboBox::kNone);
}

TEST_F(WidgetBindingTest, ClickingRowsSelectsThroughTheModelAndAnEmptyAreaClearsTheSelection) {
    form.onInit = [](RecordingDialog& dialog) { FillList(dialog); };
    Within(form, [&](QtDialogWindow& window) {
        auto* rows = As<QTableWidget>(window, kRows);
        const QPoint second = rows->visualItemRect(rows->item(1, 0)).center();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, second);
        EXPECT_TRUE(rows->selectionModel()->isRowSelected(1, {}));
        QTest::keyClick(rows, Qt::Key_Down);
        EXPECT_TRUE(rows->selectionModel()->isRowSelected(2, {}));
        EXPECT_FALSE(rows->selectionModel()->isRowSelected(1, {}));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, QPoint(5, rows->viewport()->height() - 3));
        EXPECT_FALSE(rows->selectionModel()->hasSelection());
    });
    const auto& rows = form.Item<ListView>(kRows);
    EXPECT_EQ(rows.GetNextItem(-1, item_state::kSelected), -1);
    EXPECT_EQ(rows.GetNextItem(-1, item_state::kFocused), 2) << "the focus stays";
    EXPECT_THAT(form.Entries("40 ItemChanged"),
                ElementsAre("40 ItemChanged 1 0>3", "40 ItemChanged 1 3>0", "40 ItemChanged 2 0>3",
                            "40 ItemChanged 2 3>1"));
}

TEST_F(WidgetBindingTest, ARefusedTabPutsTheStripBack) {
    bool refuse = true;
    form.onInit = [](RecordingDialog& dialog) {
        auto& tabs = dialog.Item<TabControl>(kTabs);
        tabs.InsertItem(0, "First");
        tabs.InsertItem(1, "Second");
    };
    form.onNotify = [&](RecordingDialog&, int, const NotifyMessage& message) {
        return refuse && message.code == NotifyCode::TabSelChanging;
    };
    Within(form, [&](QtDialogWindow& window) {
        auto* tabs = As<QTabWidget>(window, kTabs);
        QTabBar* strip = tabs->tabBar();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(1).center());
        EXPECT_EQ(tabs->currentIndex(), 0);
        refuse = false;
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(1).center());
        EXPECT_EQ(tabs->currentIndex(), 1);
    });
    EXPECT_EQ(form.Item<TabControl>(kTabs).GetCurSel(), 1);
    EXPECT_THAT(form.Entries("60 "), ElementsAre("60 SelChanging", "60 SelChanging", "60 SelChange"));
}

TEST_F(WidgetBindingTest, AddressFieldsGoThroughTheModelWhichCapsThemAt255) {
    Within(form, [&](QtDialogWindow& window) {
        auto* address = As<IpAddressEdit>(window, kAddress);
        TypeInto(&address->FieldEdit(0), QStringLiteral("300"));
        EXPECT_EQ(address->FieldEdit(0).text(), QStringLiteral("255"));
        TypeInto(&address->FieldEdit(1), QStringLiteral("1"));
        TypeInto(&address->FieldEdit(1), QStringLiteral("x"));
    });
    EXPECT_EQ(form.GetDlgItemText(kAddress), "255.1..");
    EXPECT_THAT(form.Entries("70 "), ElementsAre("70 FieldChanged 0=3", "70 FieldChanged 0=30",
                                                 "70 FieldChanged 0=255", "70 FieldChanged 1=1"));
}

TEST_F(WidgetBindingTest, FocusFollowsTheUsersClicksAndTheProgramsSetFocus) {
    Within(form, [&](QtDialogWindow& window) {
        ClickWidget(window.WidgetOf(kPlain));
        EXPECT_EQ(form.GetFocus(), form.FindControl(kPlain));
        form.SetFocus(kDigits);
        EXPECT_EQ(window.focusWidget(), window.WidgetOf(kDigits));
    });
    EXPECT_THAT(form.Entries("21 "), ElementsAre("21 FocusGained", "21 FocusLost"));
    EXPECT_THAT(form.Entries("20 "), Contains("20 FocusGained"));
}

TEST_F(WidgetBindingTest, APageLiesOverItsParentAtItsPlacementAndTakesItsOwnInput) {
    RecordingDialog page(ui, kPage, &form);
    form.onInit = [&](RecordingDialog& dialog) {
        page.Create();
        page.MoveWindow(dialog.Item<TabControl>(kTabs).DisplayRect());
        page.ShowWindow(true);
    };
    Within(form, [&](QtDialogWindow& window) {
        QtDialogWindow* pageWindow = ui.WindowOf(page);
        ASSERT_NE(pageWindow, nullptr);
        EXPECT_EQ(pageWindow->parentWidget(), &window);
        EXPECT_EQ(pageWindow->geometry(), window.Units().Rect(form.Item<TabControl>(kTabs).DisplayRect()));
        EXPECT_TRUE(pageWindow->isVisible());
        TypeInto(pageWindow->WidgetOf(kPageEdit), QStringLiteral("ab"));
        page.ShowWindow(false);
        EXPECT_FALSE(pageWindow->isVisible());
    });
    EXPECT_EQ(page.GetDlgItemText(kPageEdit), "ab");
    EXPECT_THAT(page.Entries("100 "), ElementsAre("100 FocusGained", "100 TextChanged", "100 TextChanged"));
    EXPECT_THAT(form.Entries("100 "), IsEmpty());
}

}  // namespace
}  // namespace lanvane::test
