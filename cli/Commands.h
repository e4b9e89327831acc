#pragma once

namespace CLI {
class App;
}

namespace lanvane::cli {

struct CliContext;

// Each command lives in its own file and registers itself as a subcommand of the program.
void AddPortsCommand(CLI::App& app, CliContext& context);
// fields: every writable record field with its type, range or codes.
void AddFieldsCommand(CLI::App& app, CliContext& context);
void AddReadCommand(CLI::App& app, CliContext& context);
void AddWriteCommand(CLI::App& app, CliContext& context);
void AddBssCommand(CLI::App& app, CliContext& context);
void AddCertCommand(CLI::App& app, CliContext& context);
// diff: the fields two saved configurations differ in.
void AddDiffCommand(CLI::App& app, CliContext& context);
// discover, set-ip and web.
void AddLanCommands(CLI::App& app, CliContext& context);

}  // namespace lanvane::cli
