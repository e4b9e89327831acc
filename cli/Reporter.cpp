#include "cli/Reporter.h"

#include <algorithm>

#include "link/InterruptRelease.h"

#include "cli/VisibleText.h"

namespace lanvane::cli {

void Reporter::Say(int messageId) {
    Say(ShellWords(context_.strings.Text(messageId)));
}

void Reporter::Say(std::string_view message) {
    if (!context_.quiet) {
        context_.err << VisibleText(message) << '\n';
    }
}

ExitStatus Reporter::Fail(ErrorKind kind, std::string_view message, std::string_view field) {
    // A message may quote what the user or a printer gave: a device path, a plan cell.
    context_.err << "lanvane-cli: ";
    if (!field.empty()) {
        context_.err << VisibleText(field) << ": ";
    }
    context_.err << VisibleText(message) << '\n';
    if (Json()) {
        nlohmann::ordered_json error{{"kind", ErrorKindName(kind)}, {"message", std::string(message)}};
        if (!field.empty()) {
            error["field"] = std::string(field);
        }
        Document({{"error", error}});
    }
    return StatusOf(kind);
}

void Reporter::Document(const nlohmann::ordered_json& body) {
    context_.out << DocumentText(body);
}

std::string ShellWords(std::string_view dialogText) {
    std::string words;
    while (!dialogText.empty()) {
        const std::size_t end = std::min(dialogText.find('\n'), dialogText.size());
        const std::string_view line = dialogText.substr(0, end);
        if (!line.starts_with("Please")) {
            words += (words.empty() ? "" : " ") + std::string(line);
        }
        dialogText.remove_prefix(std::min(end + 1, dialogText.size()));
    }
    return words;
}

std::string DocumentText(const nlohmann::ordered_json& body) {
    nlohmann::ordered_json document{{"format", kJsonFormat}};
    document.update(body);
    // Texts from a printer need not be UTF-8; what JSON cannot carry is replaced.
    return VisibleJson(document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)) + '\n';
}

void ReportInterruptionsInDocument() {
    // The document is made now, around a mark where the signal handler puts its words.
    constexpr std::string_view kMark = "@interruption@";
    static const std::string document =
        DocumentText({{"error", {{"kind", "interrupted"}, {"message", std::string(kMark)}}}});
    static const std::string opening = document.substr(0, document.find(kMark));
    static const std::string closing = document.substr(document.find(kMark) + kMark.size());
    ReportInterruptOnOutput(opening.c_str(), closing.c_str());
}

}  // namespace lanvane::cli
