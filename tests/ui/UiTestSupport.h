#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "resources/DialogTemplate.h"
#include "ui/Dialog.h"
#include "ui/headless/HeadlessBackend.h"
#include "tools/driver/ScriptedDriver.h"
#include "tests/support/RecordingDialog.h"

namespace lanvane::test {

// Control ids of the test form.
enum FormId : int {
    kRadioA = 10, kRadioB = 11, kRadioC = 12, kCheck = 13, kRadioD = 14, kRadioE = 15,
    kDigits = 20, kPlain = 21, kReadOnly = 22, kSecret = 23,
    kList = 30, kCombo = 31,
    kRows = 40, kMultiRows = 41,
    kBar = 50, kTabs = 60, kAddress = 70,
    kLabel = 80, kDisabledButton = 81, kHiddenButton = 82, kApply = 83,
};

inline constexpr ControlTemplate kFormControls[] = {
    {kRadioA, ControlKind::RadioButton, "A", style::kGroup | style::kTabStop, {}},
    {kRadioB, ControlKind::RadioButton, "B", style::kNone, {}},
    {kRadioC, ControlKind::RadioButton, "C", style::kNone, {}},
    {kCheck, ControlKind::CheckBox, "Check", style::kGroup | style::kTabStop, {}},
    {kRadioD, ControlKind::RadioButton, "D", style::kGroup, {}},
    {kRadioE, ControlKind::RadioButton, "E", style::kNone, {}},
    {kDigits, ControlKind::Edit, "", style::kGroup | style::kTabStop | style::kNumber, {}, 4},
    {kPlain, ControlKind::Edit, "", style::kTabStop, {}},
    {kReadOnly, ControlKind::Edit, "fixed", style::kReadOnly, {}},
    {kSecret, ControlKind::Edit, "", style::kPassword, {}, 8},
    {kList, ControlKind::DropDownList, "", style::kTabStop, {}},
    {kCombo, ControlKind::DropDownCombo, "", style::kTabStop, {}},
    {kRows, ControlKind::ListView, "", style::kSingleSelection, {}},
    {kMultiRows, ControlKind::ListView, "", style::kNone, {}},
    {kBar, ControlKind::ProgressBar, "", style::kNone, {}},
    {kTabs, ControlKind::TabControl, "", style::kNone, {10, 20, 200, 100}},
    {kAddress, ControlKind::IpAddress, "", style::kNone, {}},
    {-1, ControlKind::StaticText, "Label", style::kNone, {}},
    {kLabel, ControlKind::StaticText, "Status", style::kNone, {}},
    {kDisabledButton, ControlKind::PushButton, "Off", style::kDisabled, {}},
    {kHiddenButton, ControlKind::PushButton, "Gone", style::kHidden, {}},
    {kApply, ControlKind::PushButton, "Apply", style::kNone, {}},
    {kIdOk, ControlKind::DefaultPushButton, "OK", style::kTabStop, {}},
    {kIdCancel, ControlKind::PushButton, "Cancel", style::kTabStop, {}},
};
inline constexpr DialogTemplate kForm{100, "Form", "MS Shell Dlg", 8, 300, 200, kFormControls};

// Two pages that both hold an edit field 100 and a button 101.
inline constexpr int kPageEdit = 100;
inline constexpr int kPageButton = 101;
inline constexpr ControlTemplate kPageControls[] = {
    {kPageEdit, ControlKind::Edit, "", style::kTabStop, {}},
    {kPageButton, ControlKind::PushButton, "Go", style::kTabStop, {}},
};
inline constexpr DialogTemplate kFirstPage{501, "", "MS Shell Dlg", 8, 200, 80, kPageControls, true};
inline constexpr DialogTemplate kSecondPage{502, "", "MS Shell Dlg", 8, 200, 80, kPageControls, true};

inline constexpr ControlTemplate kBoxControls[] = {
    {kIdOk, ControlKind::DefaultPushButton, "OK", style::kTabStop, {}},
    {kIdCancel, ControlKind::PushButton, "Cancel", style::kTabStop, {}},
};
inline constexpr DialogTemplate kSmall{200, "Small", "MS Shell Dlg", 8, 100, 50, kBoxControls};

// One headless backend with a scripted driver; Within runs checks inside a dialog's loop.
class UiTest : public ::testing::Test {
protected:
    // Runs body while dialog is the innermost modal window, then ends it. Returns the result.
    int Within(RecordingDialog& dialog, const std::function<void(RecordingDialog&)>& body);
    RecordingDialog& Active() const;
    void TearDown() override;

    ScriptedDriver driver;
    HeadlessBackend ui{driver};
    bool expectRejections = false;
};

}  // namespace lanvane::test
