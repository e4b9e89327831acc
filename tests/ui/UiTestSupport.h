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
enum FormId : int { kList = 30, kRows = 40, kAddress = 70, kDisabledButton = 81, kHiddenButton = 82, kApply = 83 };

inline constexpr ControlTemplate kFormControls[] = {
    {kList, ControlKind::DropDownList, "", style::kNone, {}},
    {kRows, ControlKind::ListView, "", style::kSingleSelection, {}},
    {kAddress, ControlKind::IpAddress, "", style::kNone, {}},
    {kDisabledButton, ControlKind::PushButton, "Off", style::kDisabled, {}},
    {kHiddenButton, ControlKind::PushButton, "Gone", style::kHidden, {}},
    {kApply, ControlKind::PushButton, "Apply", style::kNone, {}},
    {kIdOk, ControlKind::DefaultPushButton, "OK", style::kTabStop, {}},
    {kIdCancel, ControlKind::PushButton, "Cancel", style::kTabStop, {}},
};
inline constexpr DialogTemplate kForm{100, "Form", "MS Shell Dlg", 8, 300, 200, kFormControls};

inline constexpr ControlTemplate kPageControls[] = {
    {100, ControlKind::Edit, "", style::kTabStop, {}},
};
inline constexpr DialogTemplate kPage{501, "", "MS Shell Dlg", 8, 200, 80, kPageControls, true};

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
    void TearDown() override;

    ScriptedDriver driver;
    HeadlessBackend ui{driver};
    bool expectRejections = false;
};

}  // namespace lanvane::test
