#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/ConfigDiff.h"
#include "cli/Outcome.h"
#include "protocol/Identification.h"

namespace lanvane::cli {

// The printer's identification data as every report of a printer on the port shows it.
nlohmann::ordered_json IdentificationToJson(const IdentificationData& identification);

// What a write did to one printer: set, unchanged or would-send, and the fields that
// differ between the printer's record and the one written (or to be written).
struct WriteResult {
    Outcome outcome = Outcome::Unchanged;
    std::vector<FieldChange> changes;
    bool dryRun = false;
};

// The members every write report has: the outcome, "changed", "dryRun" and the differences
// with secrets masked unless `showSecrets`.
nlohmann::ordered_json WriteResultJson(const WriteResult& result, bool showSecrets);

// The text: the outcome word on a line, then the fields that differ.
std::string WriteResultText(const WriteResult& result, bool showSecrets);

}  // namespace lanvane::cli
