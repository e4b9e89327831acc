// Every built-in window's controls as the system's accessibility reads them (oleacc).
#include "ui/win32/WindowsHeader.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "resources/DialogTemplates.h"
#include "tests/support/RecordingDialog.h"
#include "ui/AccessibleName.h"
#include "ui/win32/Win32Backend.h"
#include "platform/win32/WideText.h"

namespace lanvane {
namespace {

using test::RecordingDialog;

constexpr DialogTemplate kPageHost{399, "Host", "MS Shell Dlg", 8, 400, 260, {}};

// What the system's accessibility reads as the window's name; nothing when it gives none.
std::optional<std::string> SystemName(HWND window) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr) {
        return std::nullopt;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT result = accessible->get_accName(self, &name);
    accessible->Release();
    if (result != S_OK || name == nullptr) {
        return std::nullopt;
    }
    std::string text = win32::WideToUtf8(name);
    SysFreeString(name);
    return text;
}

struct Findings {
    std::vector<std::string> wrong;
    std::vector<std::string> unchecked;
};

// A control with a text of its own must be read by it. A field is read by the label just
// before it in z-order, which the backend makes its previous window; where the system reads
// the field's own contents instead (Wine), that is listed as not checked.
void CheckControls(Win32Backend& ui, const Dialog& dialog, Findings& findings) {
    const DialogTemplate& source = dialog.Template();
    for (std::size_t index = 0; index < dialog.Controls().size(); ++index) {
        const Control& control = *dialog.Controls()[index];
        if (control.Kind() == ControlKind::StaticText || control.Kind() == ControlKind::Icon) {
            continue;
        }
        const std::string where = "window " + std::to_string(source.id) + " control " + std::to_string(control.Id());
        const std::string expected = AccessibleName(source, index, dialog.GetWindowText());
        HWND window = ui.ControlWindow(control);
        if (const auto label = NamedByOwnText(control.Kind()) ? std::nullopt : LabelIndex(source, index)) {
            if (GetWindow(window, GW_HWNDPREV) != ui.ControlWindow(*dialog.Controls()[*label])) {
                findings.wrong.push_back(where + ": its label is not the window before it");
            }
        }
        const auto read = SystemName(window);
        if (read && SpokenText(*read) == expected) {
            continue;
        }
        const std::string found = read ? "\"" + *read + "\"" : "no name";
        // A name the system reads must be right; where it reads none (Wine's oleacc) it is
        // listed as not checked.
        (read && NamedByOwnText(control.Kind()) ? findings.wrong : findings.unchecked)
            .push_back(where + ": expected \"" + expected + "\", the system reads " + found);
    }
}

TEST(Win32AccessibilityTest, TheSystemReadsEveryControlOfEveryWindowByItsName) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    Findings findings;
    for (const DialogTemplate* source : AllDialogTemplates()) {
        Win32Backend ui;
        RecordingDialog window(ui, source->child ? kPageHost : *source);
        std::optional<RecordingDialog> page;
        if (source->child) {
            page.emplace(ui, *source, &window);
        }
        window.onInit = [&](RecordingDialog& self) {
            if (page) {
                page->Create();
                page->SetWindowText("Page");
            }
            CheckControls(ui, page ? static_cast<Dialog&>(*page) : self, findings);
            self.EndDialog(kIdCancel);
        };
        window.DoModal();
    }
    CoUninitialize();
    for (const std::string& finding : findings.wrong) {
        ADD_FAILURE() << finding;
    }
    // Printed for the record: what this system's accessibility could not confirm.
    for (const std::string& finding : findings.unchecked) {
        std::printf("not checked: %s\n", finding.c_str());
    }
}

}  // namespace
}  // namespace lanvane
