#include "tools/scenario/win32/ControlActions.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "tools/scenario/WindowActionDispatch.h"
#include "ui/ListView.h"
#include "ui/win32/UserClicks.h"
#include "platform/win32/WideText.h"

namespace lanvane::scenario {

namespace {

const std::string kDone;

// The file name field of the open-file dialog: the explorer style's, then the old style's.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

LPARAM Point(LONG x, LONG y) { return MAKELPARAM(x, y); }

void ClickAt(HWND window, LONG x, LONG y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, Point(x, y));
}

void PressKey(HWND window, WPARAM key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 1);
}

// One WM_CHAR per UTF-16 unit, as the keyboard gives them.
void TypeCharacters(HWND edit, const std::string& text) {
    for (const wchar_t unit : win32::Utf8ToWide(text)) {
        SendMessageW(edit, WM_CHAR, unit, 1);
    }
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

bool IsClass(HWND window, const wchar_t* name) { return lstrcmpiW(ClassOf(window).c_str(), name) == 0; }

// The edit field that takes typing: the control itself, or a combo box's edit part.
HWND EditFieldOf(HWND window) {
    if (IsClass(window, WC_EDITW)) {
        return window;
    }
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (IsClass(window, WC_COMBOBOXW) && GetComboBoxInfo(window, &info) && info.hwndItem != info.hwndList &&
        info.hwndItem != nullptr && IsClass(info.hwndItem, WC_EDITW)) {
        return info.hwndItem;
    }
    return nullptr;
}

std::string Click(HWND window) {
    if (!IsClass(window, WC_BUTTONW)) {
        return "not a button";
    }
    SendMessageW(window, BM_CLICK, 0, 0);
    return kDone;
}

std::string Type(HWND window, const std::string& text) {
    HWND edit = EditFieldOf(window);
    if (edit == nullptr) {
        return "not an edit field";
    }
    SetFocus(edit);
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(edit));
    SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    TypeCharacters(edit, text);
    return kDone;
}

// Selects all and types over it; nothing to type deletes the selection.
std::string Replace(HWND window, const std::string& text) {
    HWND edit = EditFieldOf(window);
    if (edit == nullptr) {
        return "not an edit field";
    }
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    if (text.empty()) {
        PressKey(edit, VK_DELETE);
    } else {
        TypeCharacters(edit, text);
    }
    return kDone;
}

// Drops the list down, picks the entry and closes the list, as a click on the entry does.
std::string Choose(HWND window, int index) {
    if (!IsClass(window, WC_COMBOBOXW)) {
        return "not a drop-down list";
    }
    if (index < 0 || index >= static_cast<int>(SendMessageW(window, CB_GETCOUNT, 0, 0))) {
        return "no such entry";
    }
    SendMessageW(window, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const auto id = static_cast<WORD>(GetDlgCtrlID(window));
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(window));
    SendMessageW(window, CB_SHOWDROPDOWN, FALSE, 0);
    return kDone;
}

std::string SelectTab(HWND window, int index) {
    if (!IsClass(window, WC_TABCONTROLW)) {
        return "not a tab control";
    }
    return ClickTab(window, index) ? kDone : "no such tab";
}

std::string ClickRow(HWND window, Control& control, int row) {
    if (!IsClass(window, WC_LISTVIEWW)) {
        return "not a list";
    }
    if (row >= static_cast<int>(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0))) {
        return "no such row";
    }
    if (row >= 0) {
        ClickListRow(window, row);
        return kDone;
    }
    RECT inside{};
    GetClientRect(window, &inside);
    LVHITTESTINFO hit{};
    hit.pt = POINT{2, inside.bottom - 2};
    if (SendMessageW(window, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0) {
        ClickAt(window, hit.pt.x, hit.pt.y);
        return kDone;
    }
    // Every pixel holds a row: the click lands where the rows end, as below a full list.
    return static_cast<ListView&>(control).UserClickRow(-1) ? kDone : "the list took no click";
}

LONG LeftEdge(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.left;
}

std::string SetIpField(HWND window, int field, const std::string& digits) {
    if (!IsClass(window, WC_IPADDRESSW)) {
        return "not an IP address control";
    }
    std::vector<HWND> fields;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        fields.push_back(child);
    }
    std::sort(fields.begin(), fields.end(), [](HWND a, HWND b) { return LeftEdge(a) < LeftEdge(b); });
    if (field < 0 || field >= static_cast<int>(fields.size())) {
        return "no such field";
    }
    return Replace(fields[static_cast<std::size_t>(field)], digits);
}

// The loop reads Ctrl and Shift from the keyboard state, which posted keys do not change:
// they are held in it until the next action, by which time the posted keys have been taken.
void HoldModifiers(bool control, bool shift) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = control ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
}

// Scenario files name their data files by host paths; under Wine the host's root is drive Z.
std::string DialogPath(const std::string& path) {
    if (path.empty() || path.front() != '/') {
        return path;
    }
    std::string windowsPath = "Z:" + path;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    return windowsPath;
}

// The controls' side of each window action, for PerformWindowAction.
struct ControlDriver {
    Win32Backend& ui;

    HWND WindowOf(const Control& control) const { return ui.ControlWindow(control); }
    static bool IsUsable(HWND window) { return IsWindowEnabled(window) && IsWindowVisible(window); }

    static std::string OnWindow(HWND window, Control& control, const UserAction& action) {
        switch (action.kind) {
        case ActionKind::Click:
            return Click(window);
        case ActionKind::TypeText:
            return Type(window, action.text);
        case ActionKind::Erase:
            return Replace(window, {});
        case ActionKind::ReplaceText:
            return Replace(window, action.text);
        case ActionKind::Choose:
            return Choose(window, action.number);
        case ActionKind::SelectTab:
            return SelectTab(window, action.number);
        case ActionKind::ClickRow:
            return ClickRow(window, control, action.number);
        case ActionKind::SetIpField:
            return SetIpField(window, action.number, action.text);
        case ActionKind::Focus:
            SetFocus(window);
            return kDone;
        default:
            break;
        }
        return "not an action on a control";
    }

    // Posted, so that the dialog's own loop sees the key as it sees a typed one (Enter and
    // Escape are the dialog manager's).
    std::string PressInWindow(WPARAM key) const {
        Dialog* modal = ui.ActiveDialog();
        Win32DialogWindow* window = modal != nullptr ? ui.WindowOf(*modal) : nullptr;
        if (window == nullptr) {
            return "a message box or file dialog is open";
        }
        HWND focus = GetFocus();
        HWND target = focus != nullptr && IsChild(window->Handle(), focus) ? focus : window->Handle();
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, 1);
        return kDone;
    }

    std::string PressPageKey(const std::string& key) const {
        HoldModifiers(true, key == "ctrl+shift+tab");
        if (key == "ctrl+pagedown" || key == "ctrl+pageup") {
            return PressInWindow(key == "ctrl+pagedown" ? VK_NEXT : VK_PRIOR);
        }
        return PressInWindow(VK_TAB);
    }

    std::string AnswerMessageBox() const {
        HWND box = ui.PendingMessageBox() != nullptr ? ui.SystemDialogWindow() : nullptr;
        HWND ok = box != nullptr ? GetDlgItem(box, IDOK) : nullptr;
        if (ok == nullptr) {
            return "no message box is open";
        }
        PostMessageW(ok, BM_CLICK, 0, 0);
        return kDone;
    }

    std::string AnswerFileDialog(const std::vector<std::string>& paths) const {
        HWND chooser = ui.PendingFileDialog() != nullptr ? ui.SystemDialogWindow() : nullptr;
        if (chooser == nullptr) {
            return "no file dialog is open";
        }
        HWND name = GetDlgItem(chooser, kFileNameCombo);
        name = name != nullptr ? name : GetDlgItem(chooser, kFileNameEdit);
        if (paths.empty() || name == nullptr) {
            PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
            return kDone;
        }
        std::string names;
        for (const std::string& path : paths) {
            names += paths.size() == 1 ? DialogPath(path)
                                       : (names.empty() ? "" : " ") + ('"' + DialogPath(path) + '"');
        }
        SetWindowTextW(name, win32::Utf8ToWide(names).c_str());
        PostMessageW(chooser, WM_COMMAND, IDOK, 0);
        return kDone;
    }

    std::string PressEnter() const { return PressInWindow(VK_RETURN); }
    std::string PressEscape() const { return PressInWindow(VK_ESCAPE); }
};

}  // namespace

std::string PerformOnControls(Win32Backend& ui, const UserAction& action) {
    HoldModifiers(false, false);
    return PerformWindowAction(ControlDriver{ui}, action);
}

}  // namespace lanvane::scenario
