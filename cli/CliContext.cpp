#include "cli/CliContext.h"

#include <CLI/CLI.hpp>

#include <chrono>

namespace lanvane::cli {

namespace {

// Hidden, and the last of repeated values counts, so that a test may override its defaults.
CLI::Option* Hidden(CLI::Option* option) {
    return option->group("")->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void AddMilliseconds(CLI::App& app, const std::string& name, std::chrono::milliseconds& target) {
    Hidden(app.add_option_function<int>(
               name, [&target](const int& milliseconds) { target = std::chrono::milliseconds(milliseconds); }))
        ->check(CLI::PositiveNumber);
}

}  // namespace

void AddHiddenTestOptions(CLI::App& app, CliContext& context) {
    app.fallthrough();
    Hidden(app.add_option("--attempts", context.portTimings.attempts))->check(CLI::PositiveNumber);
    AddMilliseconds(app, "--attempt-wait-ms", context.portTimings.attemptWait);
    AddMilliseconds(app, "--burst-gap-ms", context.portTimings.burstGap);
    Hidden(app.add_option("--tcp-port", context.surveyPort));
    Hidden(app.add_option("--sys-root", context.systemRoot));
    Hidden(app.add_option("--dev-root", context.deviceRoot));
}

int RunCli(CLI::App& app, int argc, const char* const* argv, CliContext& context) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int helpStatus = app.exit(error, context.out, context.err);
        return helpStatus == 0 ? 0 : static_cast<int>(ExitStatus::BadUsage);
    }
    return static_cast<int>(context.exitStatus);
}

}  // namespace lanvane::cli
