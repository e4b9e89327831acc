#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/DialogTemplate.h"
#include "ui/Dialog.h"
#include "ui/qt/QtBackend.h"
#include "ui/qt/QtScript.h"

namespace lanvane::test {

// Control ids of the test form.
enum FormId : int {
    kRadioA = 10, kRadioB = 11, kCheck = 13, kRadioD = 14,
    kDigits = 20, kPlain = 21, kSecret = 23,
    kList = 30, kCombo = 31, kRows = 40, kBar = 50, kTabs = 60, kAddress = 70,
    kLabel = 80, kApply = 83,
};

inline constexpr ControlTemplate kFormControls[] = {
    {-1, ControlKind::GroupBox, "Choice", style::kNone, {4, 4, 100, 52}},
    {kRadioA, ControlKind::RadioButton, "A", style::kGroup | style::kTabStop, {10, 14, 40, 10}},
    {kRadioB, ControlKind::RadioButton, "B", style::kNone, {10, 26, 40, 10}},
    {kCheck, ControlKind::CheckBox, "Check", style::kGroup | style::kTabStop, {10, 40, 60, 10}},
    {kRadioD, ControlKind::RadioButton, "D", style::kGroup, {60, 14, 40, 10}},
    {kDigits, ControlKind::Edit, "", style::kGroup | style::kTabStop | style::kNumber | style::kRight,
     {110, 4, 60, 12}, 4},
    {kPlain, ControlKind::Edit, "", style::kTabStop, {110, 20, 60, 12}},
    {kSecret, ControlKind::Edit, "", style::kTabStop | style::kPassword, {110, 36, 60, 12}, 8},
    {kList, ControlKind::DropDownList, "", style::kTabStop, {180, 4, 60, 12}},
    {kCombo, ControlKind::DropDownCombo, "", style::kTabStop, {180, 20, 60, 12}, 6},
    {kRows, ControlKind::ListView, "", style::kTabStop | style::kSingleSelection, {4, 60, 236, 60}},
    {kBar, ControlKind::ProgressBar, "", style::kNone, {4, 124, 236, 8}},
    {kTabs, ControlKind::TabControl, "", style::kTabStop, {4, 136, 150, 40}},
    {kAddress, ControlKind::IpAddress, "", style::kTabStop, {160, 136, 80, 12}},
    {kLabel, ControlKind::StaticText, "Status", style::kNone, {160, 152, 80, 8}},
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

inline constexpr int kPageEdit = 100;
inline constexpr ControlTemplate kPageControls[] = {
    {kPageEdit, ControlKind::Edit, "", style::kTabStop, {4, 4, 60, 12}},
};
inline constexpr DialogTemplate kPage{501, "", "MS Shell Dlg", 8, 140, 20, kPageControls, true};

// A dialog whose handlers log what reaches them and run optional hooks.
class RecordingDialog : public Dialog {
public:
    using Dialog::Dialog;

    std::vector<std::string> log;
    std::function<void(RecordingDialog&)> onInit;
    std::function<void(RecordingDialog&, int, Notification)> onCommand;
    std::function<bool(RecordingDialog&, int, const NotifyMessage&)> onNotify;
    std::function<void(RecordingDialog&, int)> onTimer;
    std::function<void(RecordingDialog&, int)> onSocket;

    // The log entries that start with prefix.
    std::vector<std::string> Entries(const std::string& prefix) const;

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;
    bool OnNotify(int controlId, const NotifyMessage& message) override;
    void OnTimer(int timerId) override;
    void OnSocketReadable(int token) override;
    void OnCancel() override;
};

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
// Clicks a check box or radio button on its mark, the part Qt takes clicks on.
void ClickChoice(QWidget* widget);
// Types text into a widget as key presses.
void TypeInto(QWidget* widget, const QString& text);

}  // namespace lanvane::test
