#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "tools/scenario/ControlRef.h"
#include "tools/scenario/PrinterSetup.h"
#include "ui/MessageBoxRequest.h"

namespace lanvane::scenario {

// The commands of a scenario file, one per line. Actions act as the user; printer commands
// prepare the simulated printers; expectations check what the program shows or the printer
// holds.
namespace command {

struct Click {
    ControlRef control;
};
// Replaces the field's text as a user does (select all, type over it), or with append set
// types at the end of what is there.
struct Type {
    ControlRef control;
    std::string text;
    bool append = false;
};
struct Erase {
    ControlRef control;
};
// An entry of a drop-down list, by index or by its text.
struct Choose {
    ControlRef control;
    std::optional<int> index;
    std::string entry;
};
// A tab by index or label; without a control, the window's tab control.
struct SelectTab {
    std::optional<ControlRef> control;
    std::optional<int> index;
    std::string label;
};
struct ClickRow {
    ControlRef control;
    int row = 0;
};
// The four fields of an IP address control; an empty field is typed blank.
struct SetAddress {
    ControlRef control;
    std::array<std::string, 4> fields;
};
struct Focus {
    ControlRef control;
};
struct PressEnter {};
struct PressEscape {};
// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown or Ctrl+PageUp: the next or previous page.
struct PageKey {
    std::string key;
    bool forward = true;
};
struct Advance {
    int ms = 0;
};
struct Wait {
    int ms = 0;
};
struct AnswerMessage {};
// Files for the open-file dialog that is open or opens next; none cancels it.
struct PickFiles {
    std::vector<std::string> paths;
};
struct StartPrinter {
    PrinterSetup setup;
};
struct StartLanPrinter {
    LanPrinterSetup setup;
};
// Replaces a printer's faults with those the options name (checked against the printer's
// kind when it runs: USB faults for a USB printer, LAN faults for a LAN one).
struct ChangeFaults {
    std::optional<int> printer;  // 1-based; the last started when not given
    std::vector<FieldValue> options;
};

// The open message box; it is answered with OK once it matches.
struct ExpectMessage {
    std::string text;
    std::optional<std::string> caption;
    std::optional<MessageBoxIcon> icon;
};
struct ExpectNoMessage {};
struct ExpectDialog {
    int dialogId = 0;
};
struct ExpectTitle {
    std::string title;
};
struct ExpectClosed {};
// The web page the program opened last.
struct ExpectUrl {
    std::string url;
};

enum class Property {
    Text,
    Enabled,
    Disabled,
    Visible,
    Hidden,
    Checked,
    Unchecked,
    Focus,
    Selection,
    Items,
    Rows,
    Row,
    Progress,
};

struct ExpectControl {
    ControlRef control;
    Property property = Property::Text;
    std::string text;                // Text
    int number = 0;                  // Selection, Rows, Row (the row), Progress
    std::vector<std::string> texts;  // Items, Row (its cells from the first column)
};

struct ExpectPrinterField {
    std::optional<int> printer;
    std::string field;
    std::string value;
};
// A certificate of a kind (1 CA, 2 Client Key, 3 Client PEM) received whole and equal to a
// file, or (no path) none received whole.
struct ExpectCertificate {
    std::optional<int> printer;
    int kind = 1;
    std::optional<std::string> path;
};
// Requests of a kind the printer took: a USB printer's request kinds (if-set, ...), or a
// LAN printer's "search" and "setting".
struct ExpectRequests {
    std::optional<int> printer;
    std::string kind;
    int count = 0;
};

}  // namespace command

using CommandBody =
    std::variant<command::Click, command::Type, command::Erase, command::Choose, command::SelectTab,
                 command::ClickRow, command::SetAddress, command::Focus, command::PressEnter,
                 command::PressEscape, command::PageKey, command::Advance, command::Wait, command::AnswerMessage,
                 command::PickFiles, command::StartPrinter, command::StartLanPrinter, command::ChangeFaults,
                 command::ExpectMessage, command::ExpectNoMessage, command::ExpectDialog,
                 command::ExpectTitle, command::ExpectClosed, command::ExpectUrl, command::ExpectControl,
                 command::ExpectPrinterField, command::ExpectCertificate, command::ExpectRequests>;

struct ScenarioCommand {
    int line = 0;
    std::string source;  // the line as written, without comment
    CommandBody body;
};

struct ParseError {
    int line = 0;
    std::string message;
};

struct Scenario {
    std::string name;  // the file, for reports
    std::vector<ScenarioCommand> commands;
    std::vector<ParseError> errors;
};

}  // namespace lanvane::scenario
