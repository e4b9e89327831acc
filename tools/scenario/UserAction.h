#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/scenario/ControlRef.h"

namespace lanvane::scenario {

// One thing the user does, as a scenario hands it to the backend that plays it: the
// headless backend turns it into a step of its loop; a widget backend would drive its
// widgets' user entry points.
enum class ActionKind : std::uint8_t {
    Click,
    TypeText,        // characters typed one by one at the end of the field
    Erase,           // select all and delete
    ReplaceText,     // select all and type over it: the whole text at once
    Choose,          // drop-down entry by index
    SelectTab,       // tab by index
    ClickRow,        // list row, -1 for an empty area
    SetIpField,      // one field of an IP address control, "" for blank
    Focus,
    PressEnter,
    PressEscape,
    PageKey,         // text names the key ("ctrl+tab"); number 1 forward, -1 back
    Advance,         // virtual time passes
    Wait,            // real time, bounded, for a watched socket
    AnswerMessageBox,
    AnswerFileDialog,  // no paths: cancel
    End,               // nothing more: close every window
};

struct UserAction {
    ActionKind kind = ActionKind::End;
    ControlRef control;
    std::string text;
    int number = 0;  // index, row, field or milliseconds
    std::vector<std::string> paths;
};

}  // namespace lanvane::scenario
