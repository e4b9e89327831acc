#include "cli/ConfigText.h"

#include "cli/ConfigJson.h"

namespace lanvane::cli {

std::vector<TextRow> ConfigFieldRows(const InterfaceConfig& config, bool showSecrets) {
    std::vector<TextRow> rows;
    const nlohmann::ordered_json fields = ConfigToJson(config, showSecrets);
    for (const auto& [name, value] : fields.items()) {
        rows.push_back({name, value.is_string() ? value.get<std::string>() : value.dump()});
    }
    return rows;
}

}  // namespace lanvane::cli
