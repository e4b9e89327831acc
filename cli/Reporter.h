#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/CliContext.h"
#include "cli/ErrorKind.h"
#include "cli/JsonFormat.h"

namespace lanvane::cli {

// A message of the windows as a shell shows it: on one line, without the lines that ask
// for another try in a window ("Please try again.").
std::string ShellWords(std::string_view dialogText);

// The text of a JSON document: "format" first, then the members of `body`, indented.
std::string DocumentText(const nlohmann::ordered_json& body);

// Under --json an interruption (Ctrl-C, SIGTERM) also ends in one document on the output
// stream: {"format", "error": {"kind": "interrupted", "message"}}.
void ReportInterruptionsInDocument();

// How a command tells its outcome: messages go to the user on the message stream (none
// under --quiet but errors); results go to the output stream, as aligned text or, with
// --json, as one JSON document. A failure is, under --json, {"format", "error": {"kind",
// "message"[, "field"]}} on the output stream as well.
class Reporter {
public:
    explicit Reporter(CliContext& context) : context_(context) {}

    bool Json() const { return context_.json; }
    bool ShowSecrets() const { return context_.showSecrets; }
    const StringTable& Strings() const { return context_.strings; }
    std::ostream& Out() { return context_.out; }

    // A message of the program, by its string table id, or its own words.
    void Say(int messageId);
    void Say(std::string_view message);
    // Reports a failure and returns the status it ends the program with. `field` names
    // the input field at fault.
    ExitStatus Fail(ErrorKind kind, std::string_view message, std::string_view field = {});
    // The result document of a --json run; "format" is put first.
    void Document(const nlohmann::ordered_json& body);

private:
    CliContext& context_;
};

}  // namespace lanvane::cli
