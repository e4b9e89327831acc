#include "link/ComPortList.h"

#include "link/NaturalOrder.h"
#include "link/linux/SysfsValue.h"

#include <algorithm>
#include <system_error>

namespace lanvane {
namespace {

namespace fs = std::filesystem;

bool HasDeviceLink(const fs::path& ttyDir) {
    std::error_code error;
    return fs::symlink_status(ttyDir / "device", error).type() != fs::file_type::not_found;
}

// The 8250 driver lists every possible ttyS port; those without a UART read type 0.
bool IsUnpopulatedUart(const fs::path& ttyDir, const std::string& name) {
    return name.rfind("ttyS", 0) == 0 && sysfs::ReadValue(ttyDir / "type") == "0";
}

}  // namespace

std::vector<std::string> ListComPorts(const fs::path& systemRoot) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(systemRoot / "class" / "tty", error)) {
        const fs::path& ttyDir = entry.path();
        std::string name = ttyDir.filename().string();
        if (HasDeviceLink(ttyDir) && !IsUnpopulatedUart(ttyDir, name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& left, const std::string& right) {
        return NaturalLess(left, right);
    });
    return names;
}

std::string ComPortPath(const std::string& name) {
    return "/dev/" + name;
}

}  // namespace lanvane
