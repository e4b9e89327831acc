#pragma once

#include <filesystem>
#include <optional>

#include "tools/scenario/ScenarioCommand.h"
#include "tools/scenario/TokenCursor.h"

namespace lanvane::scenario {

// Reads what follows "expect" on a line.
std::optional<CommandBody> ParseExpectation(TokenCursor& cursor, const std::filesystem::path& baseDirectory);

}  // namespace lanvane::scenario
