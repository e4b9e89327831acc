#include "cli/Reporter.h"

namespace lanvane::cli {

void Reporter::Say(int messageId) {
    context_.err << context_.strings.Text(messageId) << '\n';
}

ExitStatus Reporter::Fail(ExitStatus status, std::string_view message, std::string_view field) {
    if (!field.empty()) {
        context_.err << field << ": ";
    }
    context_.err << message << '\n';
    if (json_) {
        nlohmann::ordered_json error{{"message", std::string(message)}, {"status", static_cast<int>(status)}};
        if (!field.empty()) {
            error["field"] = std::string(field);
        }
        Document({{"error", error}});
    }
    return status;
}

ExitStatus Reporter::FailWith(ExitStatus status, int messageId) {
    return Fail(status, context_.strings.Text(messageId));
}

void Reporter::Document(const nlohmann::ordered_json& document) {
    // Texts from a printer need not be UTF-8; what JSON cannot carry is replaced.
    context_.out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                 << '\n';
}

}  // namespace lanvane::cli
