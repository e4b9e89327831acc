#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/DialogTemplate.h"
#include "ui/Dialog.h"
#include "ui/qt/QtBackend.h"
#include "ui/qt/QtScript.h"
#include "tests/support/RecordingDialog.h"

namespace lanvane::test {

inline constexpr int kApply = 83;

inline constexpr ControlTemplate kFormControls[] = {
    {kApply, ControlKind::PushButton, "Apply", style::kTabStop, {4, 182, 50, 14}},
    {kIdOk, ControlKind::DefaultPushButton, "OK", style::kTabStop, {136, 182, 50, 14}},
    {kIdCancel, ControlKind::PushButton, "Cancel", style::kTabStop, {190, 182, 50, 14}},
};
inline constexpr DialogTemplate kForm{100, "Form", "MS Shell Dlg", 8, 244, 200, kFormControls};

inline constexpr ControlTemplate kBoxControls[] = {
    {kIdOk, ControlKind::DefaultPushButton, "OK", style::kTabStop, {4, 30, 40, 14}},
    {kIdCancel, ControlKind::PushButton, "Cancel", style::kTabStop, {50, 30, 40, 14}},
};
inline constexpr DialogTemplate kSmall{200, "Small", "MS Shell Dlg", 8, 100, 50, kBoxControls};

// A script whose time limit fails the test and closes every window.
class UiScript : public QtScript {
public:
    explicit UiScript(QtBackend& ui, int timeLimitMs = 5000);
};

// A fresh backend per test; the QApplication lives in main.
class QtTest : public ::testing::Test {
protected:
    QtBackend ui;
};

// Clicks a widget with the mouse as the user would.
void ClickWidget(QWidget* widget);

}  // namespace lanvane::test
