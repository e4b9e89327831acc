#include <CLI/CLI.hpp>

#include <memory>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigDiff.h"
#include "cli/ConfigJson.h"
#include "cli/InputFile.h"
#include "cli/JsonReader.h"
#include "cli/Reporter.h"

namespace lanvane::cli {
namespace {

// Saved configurations are small; anything far larger is not one.
constexpr std::uintmax_t kMaxConfigBytes = 1 << 20;

struct DiffOptions {
    std::string before;
    std::string after;
    bool exitCode = false;
};

// The object of record fields of a saved configuration: the output of 'read --json' or
// a settings document.
std::optional<nlohmann::ordered_json> LoadConfig(const std::string& path, CliContext& context, Reporter& reporter) {
    std::string text;
    if (InputRefusal refusal = ReadInputFile(path, kMaxConfigBytes, context.in, text)) {
        reporter.Fail(ErrorKind::InvalidFile, *refusal);
        return std::nullopt;
    }
    const std::string name = path == "-" ? "the standard input" : path;
    const auto reading = ReadJsonDocument<nlohmann::ordered_json>(text, name);
    if (reading.refusal) {
        reporter.Fail(ErrorKind::InvalidFile, *reading.refusal);
        return std::nullopt;
    }
    const nlohmann::ordered_json& fields = ConfigObjectOf(reading.document);
    if (!fields.is_object()) {
        reporter.Fail(ErrorKind::InvalidFile, name + " is not a JSON object of record fields");
        return std::nullopt;
    }
    if (const auto error = CheckDocumentFrame(reading.document)) {
        reporter.Fail(ErrorKind::InvalidFile, name + ": " + error->Text());
        return std::nullopt;
    }
    return fields;
}

ExitStatus RunDiff(const DiffOptions& options, CliContext& context) {
    Reporter reporter(context);
    if (options.before == "-" && options.after == "-") {
        return reporter.Fail(ErrorKind::Usage, "only one of the two files may be the standard input");
    }
    const auto before = LoadConfig(options.before, context, reporter);
    const auto after = before ? LoadConfig(options.after, context, reporter) : std::nullopt;
    if (!after) {
        return ExitStatus::BadUsage;
    }
    const std::vector<FieldChange> changes = DiffConfigs(*before, *after);
    if (reporter.Json()) {
        reporter.Document({{"before", options.before},
                           {"after", options.after},
                           {"differences", ChangesToJson(changes, context.showSecrets)}});
    } else {
        if (!context.quiet) {
            reporter.Out() << ChangesText(changes, context.showSecrets, options.before, options.after);
        }
    }
    return options.exitCode && !changes.empty() ? ExitStatus::Differ : ExitStatus::Done;
}

}  // namespace

void AddDiffCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<DiffOptions>();
    CLI::App* command = app.add_subcommand(
        "diff", "Show the fields that differ between two saved configurations (outputs of 'read --json' or "
                "settings files). Exit 0 whether or not they differ, unless --exit-code.");
    command->add_option("BEFORE", options->before, "the first configuration; - reads the standard input")
        ->required()
        ->type_name("FILE|-");
    command->add_option("AFTER", options->after, "the second configuration")->required()->type_name("FILE|-");
    command->add_flag("--exit-code", options->exitCode, "exit 1 when the two differ, 0 when they are the same");
    command->footer("Examples:\n"
                    "  lanvane-cli diff monday.json tuesday.json\n"
                    "  lanvane-cli diff saved.json wanted.json --exit-code -q || echo 'they differ'\n"
                    "  lanvane-cli read --usb USB001 --json | lanvane-cli diff saved.json - --json");
    command->callback([options, &context] { context.exitStatus = RunDiff(*options, context); });
}

}  // namespace lanvane::cli
