// The Win32 backend at real windows: what the user does to a control window reaches the
// model through its user entry points and raises the same notifications as headless;
// what the program does reaches the window and stays silent.
// The system's header goes before the dialog layer's.
#include "ui/win32/WindowsHeader.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "link/UdpSocket.h"
#include "tests/support/RecordingDialog.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/IpAddressControl.h"
#include "ui/ListView.h"
#include "ui/RadioButton.h"
#include "ui/TabControl.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Script.h"

namespace lanvane {
namespace {

using test::RecordingDialog;
using ::testing::ElementsAre;

enum Id : int { kCheck = 10, kRadioA, kRadioB, kEdit, kList, kRows, kTabs, kAddress, kLabel };

constexpr ControlTemplate kControls[] = {
    {kCheck, ControlKind::CheckBox, "Check", style::kTabStop, {8, 8, 60, 10}},
    {kRadioA, ControlKind::RadioButton, "A", style::kGroup | style::kTabStop, {8, 20, 40, 10}},
    {kRadioB, ControlKind::RadioButton, "B", style::kNone, {50, 20, 40, 10}},
    {kEdit, ControlKind::Edit, "", style::kTabStop | style::kNumber, {8, 34, 60, 12}, 4},
    {kList, ControlKind::DropDownList, "", style::kTabStop, {8, 50, 60, 12}},
    {kRows, ControlKind::ListView, "", style::kSingleSelection | style::kTabStop, {8, 66, 120, 50}},
    {kTabs, ControlKind::TabControl, "", style::kNone, {140, 8, 100, 40}},
    {kAddress, ControlKind::IpAddress, "", style::kTabStop, {140, 56, 100, 12}},
    {kLabel, ControlKind::StaticText, "Label", style::kNone, {140, 74, 100, 10}},
    {kIdOk, ControlKind::DefaultPushButton, "OK", style::kTabStop, {140, 120, 50, 14}},
    {kIdCancel, ControlKind::PushButton, "Cancel", style::kTabStop, {194, 120, 50, 14}},
};
constexpr DialogTemplate kForm{300, "Form", "MS Shell Dlg", 8, 250, 140, kControls};

constexpr int kPageEdit = 100;
constexpr ControlTemplate kPageControls[] = {
    {kPageEdit, ControlKind::Edit, "", style::kTabStop, {4, 4, 60, 12}},
};
constexpr DialogTemplate kPage{301, "", "MS Shell Dlg", 8, 90, 24, kPageControls, true};

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

void Fill(RecordingDialog& dialog) {
    dialog.Item<ComboBox>(kList).AddString("one");
    dialog.Item<ComboBox>(kList).AddString("two");
    auto& rows = dialog.Item<ListView>(kRows);
    rows.InsertColumn(0, "Name", 80);
    rows.InsertItem(0, "first");
    rows.InsertItem(1, "second");
    dialog.Item<TabControl>(kTabs).InsertItem(0, "General");
    dialog.Item<TabControl>(kTabs).InsertItem(1, "More");
}

class Win32BackendTest : public ::testing::Test {
protected:
    HWND Window(int id) const { return ui.ControlWindow(dialog.GetDlgItem(id)); }
    HWND Frame() const { return ui.WindowOf(dialog)->Handle(); }
    void Command(int id, int code) const {
        SendMessageW(Frame(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Window(id)));
    }
    // Runs the dialog, taking each step on its own turn of the loop; false when cut short.
    bool Run(const std::vector<std::function<void()>>& steps) {
        for (const auto& step : steps) {
            script.Then(step);
        }
        return Play();
    }
    bool Play() {
        script.Start();
        result = dialog.DoModal();
        return script.Finished();
    }

    Win32Backend ui;
    RecordingDialog dialog{ui, kForm};
    Win32Script script{ui, 20000, [this] {
                           ui.CloseInnermost();
                           return ui.ModalDepth() == 0;
                       }};
    int result = 0;

    void SetUp() override {
        script.WaitUntil([this] { return ui.ActiveDialog() == &dialog; });
    }
};

// What the number field refuses is taken out of the window too.
TEST_F(Win32BackendTest, UserInputRaisesNotificationsAndProgramChangesStaySilent) {
    dialog.onInit = Fill;
    ASSERT_TRUE(Run({
        [&] { SendMessageW(Window(kCheck), BM_CLICK, 0, 0); },
        [&] { SendMessageW(Window(kRadioB), BM_CLICK, 0, 0); },
        [&] { SetWindowTextW(Window(kEdit), L"12a"); },
        [&] {
            EXPECT_EQ(TextOf(Window(kEdit)), L"12") << "the window shows what the model took";
            dialog.SetDlgItemText(kEdit, "777");
        },
        [&] {
            SendMessageW(Window(kList), CB_SETCURSEL, 1, 0);
            Command(kList, CBN_SELCHANGE);
        },
        [&] {
            RECT row{LVIR_BOUNDS, 0, 0, 0};
            SendMessageW(Window(kRows), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
            SendMessageW(Window(kRows), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.left + 4, row.top + 2));
        },
        [&] {
            SendMessageW(Window(kTabs), TCM_SETCURSEL, 1, 0);
            NMHDR header{Window(kTabs), static_cast<UINT_PTR>(kTabs), static_cast<UINT>(TCN_SELCHANGE)};
            SendMessageW(Frame(), WM_NOTIFY, kTabs, reinterpret_cast<LPARAM>(&header));
        },
        [&] { SendMessageW(Window(kIdCancel), BM_CLICK, 0, 0); },
    }));
    EXPECT_EQ(result, kIdCancel);
    EXPECT_TRUE(dialog.Item<CheckBox>(kCheck).IsChecked());
    EXPECT_TRUE(dialog.Item<RadioButton>(kRadioB).IsChecked());
    EXPECT_FALSE(dialog.Item<RadioButton>(kRadioA).IsChecked());
    EXPECT_EQ(dialog.GetDlgItemText(kEdit), "777");
    EXPECT_EQ(dialog.Item<ComboBox>(kList).GetCurSel(), 1);
    EXPECT_EQ(dialog.Item<ListView>(kRows).GetNextItem(-1, item_state::kSelected), 1);
    EXPECT_EQ(dialog.Item<TabControl>(kTabs).GetCurSel(), 1);
    std::vector<std::string> userLog;
    for (const std::string& entry : dialog.log) {
        if (entry.find("Focus") == std::string::npos) {
            userLog.push_back(entry);
        }
    }
    EXPECT_THAT(userLog, ElementsAre("10 Clicked", "12 Clicked", "13 TextChanged", "14 SelectionChanged",
                                     "14 SelectionConfirmed", "15 ItemChanged 1 0>3", "16 SelChanging",
                                     "16 SelChange", "cancel"));
}

TEST_F(Win32BackendTest, TimersSocketsAndANestedMessageBoxComeThroughTheLoops) {
    CUdpSocket receiver;
    receiver.SetLocalPort(0);
    ASSERT_EQ(receiver.Bind(), UdpResult::Ok);
    CUdpSocket sender;
    sender.SetRemoteHost("127.0.0.1");
    sender.SetRemotePort(receiver.BoundPort());
    dialog.onInit = [&receiver](RecordingDialog& self) {
        self.SetTimer(5, 10);
        self.WatchSocket(receiver.Fd(), 9);
    };
    dialog.onSocket = [&receiver](RecordingDialog&, int) {
        UdpDatagram datagram;
        receiver.GetData(datagram);
    };
    script.Then([&] { dialog.MessageBox("Text", "Caption", MessageBoxIcon::Information); })
        .Then([&] {
            ASSERT_NE(ui.PendingMessageBox(), nullptr);
            EXPECT_NE(ui.SystemDialogWindow(), nullptr);
            EXPECT_FALSE(dialog.AcceptsInput());
            sender.SendData(std::vector<std::uint8_t>{1});
        })
        .WaitUntil([&] { return !dialog.Entries("socket").empty() && !dialog.Entries("timer 5").empty(); })
        .Then([&] {
            EXPECT_NE(ui.PendingMessageBox(), nullptr);
            ui.CloseInnermost();
        })
        .WaitUntil([&] { return ui.ActiveDialog() == &dialog; })
        .Then([&] { dialog.EndDialog(kIdOk); });
    ASSERT_TRUE(Play());
    EXPECT_EQ(result, kIdOk);
    ASSERT_EQ(ui.MessageBoxes().size(), 1U);
    EXPECT_EQ(ui.MessageBoxes()[0].caption, "Caption");
}

// Enter on a push button clicks that button, elsewhere the template's default button, as
// the model's UserOk does; Escape cancels even with the Cancel button disabled.
TEST_F(Win32BackendTest, EnterAndEscapeActAsInTheModels) {
    const struct {
        int focus;
        WPARAM key;
        int result;
    } cases[] = {
        {kCheck, VK_RETURN, kIdOk},
        {kEdit, VK_RETURN, kIdOk},
        {kIdCancel, VK_RETURN, kIdCancel},
        {kEdit, VK_ESCAPE, kIdCancel},
    };
    for (const auto& each : cases) {
        RecordingDialog form(ui, kForm);
        Win32Script keys(ui, 20000, [this] {
            ui.CloseInnermost();
            return ui.ModalDepth() == 0;
        });
        keys.WaitUntil([&] { return ui.ActiveDialog() == &form; })
            .Then([&] {
                SetFocus(ui.ControlWindow(form.GetDlgItem(kIdCancel)));
                SetFocus(ui.ControlWindow(form.GetDlgItem(each.focus)));
                form.EnableDlgItem(kIdCancel, each.key == VK_RETURN);
            })
            .Then([&] {
                PostMessageW(GetFocus(), WM_KEYDOWN, each.key, 1);
                PostMessageW(GetFocus(), WM_KEYUP, each.key, 1);
            });
        keys.Start();
        EXPECT_EQ(form.DoModal(), each.result) << each.focus;
        EXPECT_TRUE(keys.Finished());
    }
}

// An IP address control's fields are child windows with ids of their own; disabling the
// control must not take Enter away from the dialog's default button.
TEST_F(Win32BackendTest, EnterReachesTheDefaultButtonBesideADisabledAddress) {
    dialog.onCommand = [](RecordingDialog& self, int id, Notification code) {
        if (id == kCheck && code == Notification::Clicked) {
            self.EnableDlgItem(kAddress, false);
        }
    };
    ASSERT_TRUE(Run({
        [&] {
            HWND field = GetWindow(Window(kAddress), GW_CHILD);
            SetFocus(field);
            PostMessageW(field, WM_CHAR, L'7', 1);
        },
        [&] { SendMessageW(Window(kCheck), BM_CLICK, 0, 0); },
        [&] {
            PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
            PostMessageW(GetFocus(), WM_KEYUP, VK_RETURN, 1);
        },
    }));
    EXPECT_EQ(result, kIdOk);
    EXPECT_FALSE(dialog.Entries("17 FieldChanged 0=7").empty());
}

// A blocking exchange keeps the window painted, and nothing else happens meanwhile: the
// user's keys and the ticks wait until the handler has returned.
TEST_F(Win32BackendTest, PaintingDuringAnExchangeTakesNoInputAndNoTicks) {
    bool painted = false;
    std::size_t ticksDuring = 1;
    script.Then([&] {
        dialog.SetTimer(5, 1);
        RedrawWindow(Frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        PostMessageW(Window(kEdit), WM_KEYDOWN, VK_ESCAPE, 1);
        const auto ticksBefore = dialog.Entries("timer").size();
        Sleep(30);
        ui.PumpPaint();
        painted = GetUpdateRect(Frame(), nullptr, FALSE) == FALSE;
        ticksDuring = dialog.Entries("timer").size() - ticksBefore;
        EXPECT_FALSE(dialog.IsEnded());
    });
    ASSERT_TRUE(Play());
    EXPECT_TRUE(painted);
    EXPECT_EQ(ticksDuring, 0U);
    EXPECT_EQ(result, kIdCancel);
}

TEST_F(Win32BackendTest, APageIsAChildWindowAtItsPlacementWithItsOwnNotifications) {
    RecordingDialog page(ui, kPage, &dialog);
    dialog.onInit = [&page](RecordingDialog&) {
        page.Create();
        page.MoveWindow(DialogRect{144, 20, 90, 24});
        page.ShowWindow(true);
    };
    ASSERT_TRUE(Run({
        [&] {
            HWND pageWindow = ui.WindowOf(page)->Handle();
            EXPECT_EQ(GetParent(pageWindow), Frame());
            EXPECT_TRUE(IsWindowVisible(pageWindow));
            RECT expected{144, 20, 144 + 90, 20 + 24};
            MapDialogRect(Frame(), &expected);
            RECT shown{};
            GetWindowRect(pageWindow, &shown);
            MapWindowPoints(nullptr, Frame(), reinterpret_cast<POINT*>(&shown), 2);
            EXPECT_EQ(shown.left, expected.left);
            EXPECT_EQ(shown.bottom, expected.bottom);
            SetWindowTextW(ui.ControlWindow(page.GetDlgItem(kPageEdit)), L"9");
        },
        [&] { page.ShowWindow(false); },
        [&] {
            EXPECT_FALSE(IsWindowVisible(ui.WindowOf(page)->Handle()));
            dialog.EndDialog(kIdOk);
        },
    }));
    EXPECT_EQ(page.GetDlgItemText(kPageEdit), "9");
    EXPECT_FALSE(page.Entries("100 TextChanged").empty());
    EXPECT_TRUE(dialog.Entries("100").empty());
}

}  // namespace
}  // namespace lanvane
