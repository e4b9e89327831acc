#include "cli/DeviceAccess.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lanvane::cli {

bool MayOpen(const std::filesystem::path& device) {
    return access(device.c_str(), R_OK | W_OK) == 0;
}

std::string OwningGroup(const std::filesystem::path& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return {};
    }
    const group* owner = getgrgid(status.st_gid);
    return owner != nullptr ? owner->gr_name : std::to_string(status.st_gid);
}

}  // namespace lanvane::cli
