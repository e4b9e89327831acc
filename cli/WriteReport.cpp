#include "cli/WriteReport.h"

#include "protocol/AddressText.h"

namespace lanvane::cli {

nlohmann::ordered_json IdentificationToJson(const IdentificationData& identification) {
    return {{"firmwareVersion", identification.firmwareVersion},
            {"updateDate", identification.updateDate},
            {"macAddress", LanMacText(identification.mac)}};
}

nlohmann::ordered_json WriteResultJson(const WriteResult& result, bool showSecrets) {
    return {{"outcome", OutcomeName(result.outcome)},
            {"changed", !result.changes.empty()},
            {"dryRun", result.dryRun},
            {"differences", ChangesToJson(result.changes, showSecrets)}};
}

std::string WriteResultText(const WriteResult& result, bool showSecrets) {
    std::string text(OutcomeName(result.outcome));
    text += '\n';
    if (!result.changes.empty()) {
        text += ChangesText(result.changes, showSecrets, "PRINTER", result.dryRun ? "TO WRITE" : "WRITTEN");
    }
    return text;
}

}  // namespace lanvane::cli
