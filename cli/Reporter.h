#pragma once

#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace lanvane::cli {

// How a command tells its outcome: messages go to the user on the message stream; results
// go to the output stream, as aligned text or, with --json, as one JSON document (on
// failure {"error": {"message", "status"[, "field"]}}).
class Reporter {
public:
    Reporter(CliContext& context, bool json) : context_(context), json_(json) {}

    bool Json() const { return json_; }
    const StringTable& Strings() const { return context_.strings; }
    std::ostream& Out() { return context_.out; }

    // A message of the program, by its string table id.
    void Say(int messageId);
    // Reports a failure and returns its status. `field` names the input field at fault.
    ExitStatus Fail(ExitStatus status, std::string_view message, std::string_view field = {});
    ExitStatus FailWith(ExitStatus status, int messageId);
    // The result document of a --json run.
    void Document(const nlohmann::ordered_json& document);

private:
    CliContext& context_;
    bool json_;
};

}  // namespace lanvane::cli
