#include "cli/Reporter.h"

#include <algorithm>

namespace lanvane::cli {

void Reporter::Say(int messageId) {
    Say(ShellWords(context_.strings.Text(messageId)));
}

void Reporter::Say(std::string_view message) {
    if (!context_.quiet) {
        context_.err << message << '\n';
    }
}

ExitStatus Reporter::Fail(ErrorKind kind, std::string_view message, std::string_view field) {
    context_.err << "lanvane-cli: ";
    if (!field.empty()) {
        context_.err << field << ": ";
    }
    context_.err << message << '\n';
    if (Json()) {
        nlohmann::ordered_json error{{"kind", ErrorKindName(kind)}, {"message", std::string(message)}};
        if (!field.empty()) {
            error["field"] = std::string(field);
        }
        Document({{"error", error}});
    }
    return StatusOf(kind);
}

ExitStatus Reporter::FailWith(ErrorKind kind, int messageId) {
    return Fail(kind, ShellWords(context_.strings.Text(messageId)));
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
    return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

}  // namespace lanvane::cli
