#include "ui/win32/BindingFactory.h"

#include <commctrl.h>

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/IpAddressControl.h"
#include "ui/ListView.h"
#include "ui/ProgressBar.h"
#include "ui/PushButton.h"
#include "ui/RadioButton.h"
#include "ui/TabControl.h"
#include "ui/win32/ComboBinding.h"
#include "ui/win32/EditBinding.h"
#include "ui/win32/IpAddressBinding.h"
#include "ui/win32/ListViewBinding.h"
#include "ui/win32/SimpleBindings.h"
#include "ui/win32/TabBinding.h"
#include "platform/win32/WideText.h"

namespace lanvane {

namespace {

// A drop-down list's window reaches down over its open list, as in dialog resources.
constexpr int kDropDownUnits = 80;

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle = 0;
};

DWORD EditStyle(const Control& control) {
    DWORD style = ES_LEFT;
    if (control.HasStyle(style::kRight)) {
        style = ES_RIGHT;
    } else if (control.HasStyle(style::kCenter)) {
        style = ES_CENTER;
    }
    if (control.HasStyle(style::kAutoHScroll) || !control.HasStyle(style::kMultiLine)) {
        style |= ES_AUTOHSCROLL;
    }
    if (control.HasStyle(style::kMultiLine)) {
        style |= ES_MULTILINE;
    }
    if (control.HasStyle(style::kPassword)) {
        style |= ES_PASSWORD;
    }
    if (control.HasStyle(style::kNumber)) {
        style |= ES_NUMBER;
    }
    return style;
}

// A label underlines its access key and passes it to the control after it; a value shows
// an ampersand as it is.
DWORD StaticStyle(const Control& control) {
    DWORD style = SS_LEFT;
    if (control.HasStyle(style::kCenter)) {
        style = SS_CENTER;
    } else if (control.HasStyle(style::kRight)) {
        style = SS_RIGHT;
    }
    if (control.HasStyle(style::kNoPrefix)) {
        style |= SS_NOPREFIX;
    }
    return control.HasStyle(style::kBorder) ? style | SS_SUNKEN : style;
}

DWORD ListStyle(const Control& control) {
    DWORD style = LVS_REPORT;
    if (control.HasStyle(style::kSingleSelection)) {
        style |= LVS_SINGLESEL;
    }
    if (control.HasStyle(style::kShowSelectionAlways)) {
        style |= LVS_SHOWSELALWAYS;
    }
    return style;
}

WindowKind KindOf(const Control& control) {
    switch (control.Kind()) {
    case ControlKind::PushButton:
        return {WC_BUTTONW, DWORD{BS_PUSHBUTTON} | (control.HasStyle(style::kMultiLine) ? BS_MULTILINE : 0)};
    case ControlKind::DefaultPushButton:
        return {WC_BUTTONW, DWORD{BS_DEFPUSHBUTTON} | (control.HasStyle(style::kMultiLine) ? BS_MULTILINE : 0)};
    case ControlKind::RadioButton:
        return {WC_BUTTONW, BS_RADIOBUTTON};
    case ControlKind::CheckBox:
        return {WC_BUTTONW, BS_CHECKBOX};
    case ControlKind::Edit:
        return {WC_EDITW, EditStyle(control), WS_EX_CLIENTEDGE};
    case ControlKind::GroupBox:
        return {WC_BUTTONW, BS_GROUPBOX};
    case ControlKind::DropDownList:
        return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL};
    case ControlKind::DropDownCombo:
        return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL};
    case ControlKind::ListView:
        return {WC_LISTVIEWW, ListStyle(control), WS_EX_CLIENTEDGE};
    case ControlKind::ProgressBar:
        return {PROGRESS_CLASSW, 0};
    case ControlKind::TabControl:
        return {WC_TABCONTROLW, WS_CLIPSIBLINGS};
    case ControlKind::IpAddress:
        return {WC_IPADDRESSW, 0};
    case ControlKind::Icon:
        return {WC_STATICW, SS_ICON | SS_CENTERIMAGE};
    case ControlKind::StaticText:
        break;
    }
    return {WC_STATICW, StaticStyle(control)};
}

bool IsDropDown(ControlKind kind) {
    return kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo;
}

HWND MakeWindow(const Control& control, HWND dialog) {
    const WindowKind kind = KindOf(control);
    DialogRect units = control.Rect();
    if (IsDropDown(control.Kind())) {
        units.height += kDropDownUnits;
    }
    RECT rect{units.x, units.y, units.x + units.width, units.y + units.height};
    MapDialogRect(dialog, &rect);
    DWORD style = WS_CHILD | kind.style;
    if (control.HasStyle(style::kTabStop)) {
        style |= WS_TABSTOP;
    }
    if (control.HasStyle(style::kGroup)) {
        style |= WS_GROUP;
    }
    const std::wstring text = control.Kind() == ControlKind::Icon ? std::wstring() : win32::Utf8ToWide(control.Text());
    HWND window = CreateWindowExW(kind.extendedStyle, kind.className, text.c_str(), style, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, dialog,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.Id())),
                                  GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0)), FALSE);
    return window;
}

int HorizontalBaseUnit(HWND dialog) {
    RECT rect{0, 0, 4, 8};
    MapDialogRect(dialog, &rect);
    return rect.right > 0 ? rect.right : 1;
}

template <class Model>
Model& As(Control& control) {
    return static_cast<Model&>(control);
}

}  // namespace

std::unique_ptr<ControlBinding> MakeBinding(Control& control, HWND dialog, WindowHost& host) {
    HWND window = MakeWindow(control, dialog);
    switch (control.Kind()) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return std::make_unique<ButtonBinding>(As<PushButton>(control), window, host);
    case ControlKind::RadioButton:
        return std::make_unique<CheckableBinding>(As<RadioButton>(control), window, host);
    case ControlKind::CheckBox:
        return std::make_unique<CheckableBinding>(As<CheckBox>(control), window, host);
    case ControlKind::Edit:
        return std::make_unique<EditBinding>(As<EditControl>(control), window, host);
    case ControlKind::DropDownList:
    case ControlKind::DropDownCombo:
        return std::make_unique<ComboBinding>(As<ComboBox>(control), window, host);
    case ControlKind::ListView:
        return std::make_unique<ListViewBinding>(As<ListView>(control), window, HorizontalBaseUnit(dialog), host);
    case ControlKind::ProgressBar:
        return std::make_unique<ProgressBinding>(As<ProgressBar>(control), window, host);
    case ControlKind::TabControl:
        return std::make_unique<TabBinding>(As<TabControl>(control), window, host);
    case ControlKind::IpAddress:
        return std::make_unique<IpAddressBinding>(As<IpAddressControl>(control), window, host);
    case ControlKind::Icon:
        return std::make_unique<IconBinding>(control, window, host);
    case ControlKind::GroupBox:
    case ControlKind::StaticText:
        break;
    }
    return std::make_unique<TextBinding>(control, window, host);
}

}  // namespace lanvane
