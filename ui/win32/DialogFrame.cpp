#include "ui/win32/DialogFrame.h"

#include "platform/win32/WideText.h"

namespace lanvane {

namespace {

constexpr int kClassicPointSize = 8;

short Units(int value) {
    return static_cast<short>(value);
}

}  // namespace

DWORD DialogFrame::StylesFor(const DialogTemplate& source) {
    if (source.child) {
        return WS_CHILD | DS_CONTROL | DS_SETFONT;
    }
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
}

// The layout of DLGTEMPLATEEX: version, signature, help id, extended style, style, item
// count, position and size, menu, class, title, then the font.
DialogFrame::DialogFrame(const DialogTemplate& source) {
    Add(1);
    Add(0xFFFF);
    AddDword(0);
    AddDword(source.child ? WS_EX_CONTROLPARENT : WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT);
    AddDword(StylesFor(source));
    Add(0);
    for (const int value : {0, 0, source.width, source.height}) {
        Add(static_cast<WORD>(Units(value)));
    }
    Add(0);
    Add(0);
    AddText(win32::Utf8ToWide(source.title));
    Add(static_cast<WORD>(source.fontPointSize > 0 ? source.fontPointSize : kClassicPointSize));
    Add(FW_NORMAL);
    Add(MAKEWORD(FALSE, DEFAULT_CHARSET));
    AddText(win32::Utf8ToWide(source.fontName.empty() ? std::string_view("MS Shell Dlg") : source.fontName));
}

void DialogFrame::AddDword(DWORD value) {
    Add(LOWORD(value));
    Add(HIWORD(value));
}

void DialogFrame::AddText(const std::wstring& text) {
    for (const wchar_t character : text) {
        Add(static_cast<WORD>(character));
    }
    Add(0);
}

}  // namespace lanvane
