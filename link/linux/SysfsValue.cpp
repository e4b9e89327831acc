#include "link/linux/SysfsValue.h"

#include <fstream>

namespace lanvane::sysfs {

std::optional<std::string> ReadValue(const std::filesystem::path& file) {
    std::ifstream stream(file);
    std::string line;
    if (!stream || !std::getline(stream, line)) {
        return std::nullopt;
    }
    static constexpr const char* kBlank = " \t\r\n";
    const auto first = line.find_first_not_of(kBlank);
    if (first == std::string::npos) {
        return std::string{};
    }
    return line.substr(first, line.find_last_not_of(kBlank) - first + 1);
}

}  // namespace lanvane::sysfs
