#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/FieldCatalogue.h"
#include "cli/Reporter.h"
#include "cli/TextTable.h"

namespace lanvane::cli {
namespace {

std::string_view TypeName(FieldType type) {
    switch (type) {
        case FieldType::Text: return "text";
        case FieldType::Secret: return "secret";
        case FieldType::Switch: return "switch";
        case FieldType::Code: return "code";
        case FieldType::Number: return "number";
        case FieldType::Address: return "address";
        case FieldType::Channel: return "channel";
    }
    return "text";
}

std::string_view Layouts(const FieldSpec& fieldSpec) {
    return fieldSpec.record->OffsetIn(1) ? "1, 2" : "2";
}

nlohmann::ordered_json FieldJson(const FieldSpec& fieldSpec) {
    nlohmann::ordered_json field{{"name", fieldSpec.Name()}, {"type", TypeName(fieldSpec.type)}, {"allowed", fieldSpec.Allowed()}};
    if (fieldSpec.type == FieldType::Code) {
        nlohmann::ordered_json codes = nlohmann::ordered_json::array();
        for (const CodeName& code : fieldSpec.codes) {
            codes.push_back(code.name);
        }
        field["codes"] = codes;
    }
    field["layouts"] = fieldSpec.record->OffsetIn(1) ? nlohmann::ordered_json{1, 2} : nlohmann::ordered_json{2};
    return field;
}

void RunFields(CliContext& context) {
    Reporter reporter(context);
    if (reporter.Json()) {
        nlohmann::ordered_json fields = nlohmann::ordered_json::array();
        for (const FieldSpec& fieldSpec : FieldSpecs()) {
            fields.push_back(FieldJson(fieldSpec));
        }
        reporter.Document({{"fields", fields}});
        return;
    }
    std::vector<TextRow> rows{{"Field", "Type", "Layouts", "Allowed"}};
    for (const FieldSpec& fieldSpec : FieldSpecs()) {
        rows.push_back({std::string(fieldSpec.Name()), std::string(TypeName(fieldSpec.type)), std::string(Layouts(fieldSpec)),
                        fieldSpec.Allowed()});
    }
    WriteColumns(reporter.Out(), rows);
}

}  // namespace

void AddFieldsCommand(CLI::App& app, CliContext& context) {
    CLI::App* command = app.add_subcommand("fields", "List every field 'write --set' takes, with its type, range or codes.");
    command->footer("Examples:\n  lanvane-cli fields\n  lanvane-cli fields --json");
    command->callback([&context] { RunFields(context); });
}

}  // namespace lanvane::cli
