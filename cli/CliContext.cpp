#include "cli/CliContext.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <exception>

#include "cli/Reporter.h"

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

void AddHiddenTestOptions(CLI::App& app, CliContext& context) {
    Hidden(app.add_option("--attempts", context.portTimings.attempts))->check(CLI::PositiveNumber);
    AddMilliseconds(app, "--attempt-wait-ms", context.portTimings.attemptWait);
    AddMilliseconds(app, "--burst-gap-ms", context.portTimings.burstGap);
    Hidden(app.add_option("--tcp-port", context.surveyPort));
    Hidden(app.add_option("--sys-root", context.systemRoot));
    Hidden(app.add_option("--dev-root", context.deviceRoot));
}

bool Asked(int argc, const char* const* argv, std::string_view option) {
    return std::any_of(argv + 1, argv + argc, [&](const char* argument) { return argument == option; });
}

// The first word that is not an option or an option's value names the command; a word
// that names none is reported as itself.
std::optional<std::string> UnknownCommand(const CLI::App& app, int argc, const char* const* argv) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument.starts_with("-")) {
            const CLI::Option* option = app.get_option_no_throw(argument);
            // A flag takes no value: the word after it may be the command.
            const bool valueFollows = option != nullptr && option->get_items_expected_max() > 0 &&
                                      argument.find('=') == std::string::npos;
            if (valueFollows) {
                ++index;
            }
            continue;
        }
        std::string commands;
        for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
            if (command->get_name() == argument) {
                return std::nullopt;
            }
            commands += (commands.empty() ? "" : ", ") + command->get_name();
        }
        return "unknown command '" + argument + "' (commands: " + commands + ")";
    }
    return std::nullopt;
}

int UsageFailure(const std::string& message, CliContext& context) {
    Reporter reporter(context);
    return static_cast<int>(reporter.Fail(ErrorKind::Usage, message + "; see --help"));
}

int Parse(CLI::App& app, int argc, const char* const* argv, CliContext& context) {
    if (const auto unknown = UnknownCommand(app, argc, argv)) {
        return UsageFailure(*unknown, context);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            return app.exit(error, context.out, context.err);
        }
        return UsageFailure(error.what(), context);
    }
    return static_cast<int>(context.exitStatus);
}

}  // namespace

CliContext CliContext::WithOutput(std::ostream& output) const {
    CliContext redirected(in, output, err);
    redirected.json = json;
    redirected.quiet = quiet;
    redirected.verbose = verbose;
    redirected.showSecrets = showSecrets;
    redirected.timeout = timeout;
    redirected.portTimings = portTimings;
    redirected.surveyPort = surveyPort;
    redirected.systemRoot = systemRoot;
    redirected.deviceRoot = deviceRoot;
    redirected.openUrl = openUrl;
    return redirected;
}

PortTimings CliContext::ReadTimings() const {
    PortTimings timings = portTimings;
    const auto portWait = timings.attemptWait * timings.attempts;
    const auto wait = timeout.value_or(std::min(kDefaultReplyWait, portWait));
    if (wait == portWait) {
        return timings;
    }
    timings.attemptWait = std::min(timings.attemptWait, wait);
    const auto attempts = (wait + timings.attemptWait - std::chrono::milliseconds(1)) / timings.attemptWait;
    timings.attempts = std::max(1, static_cast<int>(attempts));
    // Equal attempts that add up to the wait, not beyond it.
    timings.attemptWait = wait / timings.attempts;
    return timings;
}

void AddCommonOptions(CLI::App& app, CliContext& context) {
    app.fallthrough();
    app.add_flag("--json", context.json, "print one JSON document (errors too) on the standard output");
    app.add_flag("-q,--quiet", context.quiet, "print only errors on the standard error");
    app.add_flag("-v,--verbose", context.verbose, "trace each exchange with the printer on the standard error");
    app.add_flag("--show-secrets", context.showSecrets, "show keys, passwords and communities instead of ********");
    app.add_option_function<int>(
           "--timeout", [&context](const int& ms) { context.timeout = std::chrono::milliseconds(ms); },
           "how long each wait lasts: a reply on the port (default 10000), a LAN search (1100), the survey port (3000), "
           "a LAN setting's confirmation (10000 ethernet, 1000 wlan)")
        ->check(CLI::Range(1, 600000).description(""))
        ->type_name("MS");
    AddHiddenTestOptions(app, context);
}

int RunCli(CLI::App& app, int argc, const char* const* argv, CliContext& context) {
    context.json = Asked(argc, argv, "--json");
    if (context.json) {
        ReportInterruptionsInDocument();
    }
    try {
        return Parse(app, argc, argv, context);
    } catch (const std::exception& error) {
        Reporter reporter(context);
        return static_cast<int>(reporter.Fail(ErrorKind::Internal, error.what()));
    }
}

}  // namespace lanvane::cli
