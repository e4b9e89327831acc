#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/ScenarioTokens.h"
#include "tools/scenario/TokenCursor.h"

namespace lanvane::scenario {

// Reads the command of one line from its words.
class CommandParser {
public:
    CommandParser(const std::vector<Token>& tokens, std::filesystem::path baseDirectory);

    // The command, or nothing with Error() saying why.
    std::optional<CommandBody> Parse();
    const std::string& Error() const { return cursor_.Error(); }

private:
    std::optional<CommandBody> ParseCommand(const std::string& word);
    std::optional<CommandBody> ParseType(bool append);
    std::optional<CommandBody> ParseChoose();
    std::optional<CommandBody> ParseTab();
    std::optional<CommandBody> ParsePageKey();
    std::optional<CommandBody> ParseAddress();
    std::optional<CommandBody> ParsePick();
    std::optional<CommandBody> ParsePrinter();
    std::optional<CommandBody> ParseStartPrinter();
    std::optional<CommandBody> ParseStartLanPrinter();
    std::optional<CommandBody> ParseFaults(std::optional<int> printer);
    bool ParsePrinterOption(const Token& option, PrinterSetup& setup);
    bool ParseLanPrinterOption(const Token& option, LanPrinterSetup& setup);
    // Fails the parse; false, for the option parsers to return.
    bool Refuse(std::string why);
    bool RefuseBareWord(const Token& option);
    // True for an empty error; otherwise fails the parse with it.
    bool AcceptedUnlessSaid(std::string error);

    TokenCursor cursor_;
    std::filesystem::path baseDirectory_;
};

}  // namespace lanvane::scenario
