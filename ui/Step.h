#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/DialogResult.h"

namespace lanvane {

enum class StepKind : std::uint8_t {
    Click,             // push button, radio button or check box
    Type,              // characters into an edit field or combo edit field, one by one
    Erase,             // select all and delete in an edit field or combo edit field
    Replace,           // select all and type over it: the whole text replaced at once
    Choose,            // an entry of a drop-down list or combo
    SelectTab,         // a tab of a tab control
    ClickRow,          // a list view row, or -1 for an empty area
    SetIpField,        // digits (or "" for blank) into one field of an IP address control
    Focus,             // move the focus to a control
    PressOk,           // Enter in the innermost dialog
    PressCancel,       // Escape in the innermost dialog
    SwitchPage,        // Ctrl+Tab (number 1) or Ctrl+Shift+Tab (number -1) in the innermost dialog
    Advance,           // let virtual time pass; what falls due fires in order
    Wait,              // wait (real time, bounded) for a watched socket to have data
    AnswerMessageBox,  // answer the open message box
    AnswerFileDialog,  // answer the open file dialog; no paths means cancel
    End,               // nothing more: every open window is cancelled
};

// A control of the innermost modal dialog. pageId 0 looks in the dialog first, then in its
// shown pages; otherwise the page whose template id is pageId.
struct Target {
    int controlId = 0;
    int pageId = 0;
};

// One user action, as the headless loop asks a driver for it.
struct Step {
    StepKind kind = StepKind::End;
    Target target;
    std::string text;                // Type, Replace, SetIpField
    int number = 0;                  // index, row, field, milliseconds or answer
    std::vector<std::string> paths;  // AnswerFileDialog

    static Step Click(int controlId, int pageId = 0);
    static Step Type(int controlId, std::string text, int pageId = 0);
    static Step Erase(int controlId, int pageId = 0);
    static Step Replace(int controlId, std::string text, int pageId = 0);
    static Step Choose(int controlId, int index, int pageId = 0);
    static Step SelectTab(int controlId, int index, int pageId = 0);
    static Step ClickRow(int controlId, int row, int pageId = 0);
    static Step SetIpField(int controlId, int field, std::string digits, int pageId = 0);
    static Step Focus(int controlId, int pageId = 0);
    static Step PressOk();
    static Step PressCancel();
    static Step SwitchPage(bool forward);
    static Step Advance(int ms);
    static Step Wait(int ms);
    static Step AnswerMessageBox(int answer = kIdOk);
    static Step AnswerFileDialog(std::vector<std::string> paths);
    static Step End();

    // "Type 'abc' into 1018", for rejection reports.
    std::string Describe() const;
};

}  // namespace lanvane
