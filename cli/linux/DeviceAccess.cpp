#include "cli/DeviceAccess.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lanvane::cli {
namespace {

// The name of the group that owns the file (its number when it has no name); empty when
// the file cannot be looked at.
std::string OwningGroup(const std::filesystem::path& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return {};
    }
    const group* owner = getgrgid(status.st_gid);
    return owner != nullptr ? owner->gr_name : std::to_string(status.st_gid);
}

}  // namespace

bool MayOpen(const std::filesystem::path& device) {
    return access(device.c_str(), R_OK | W_OK) == 0;
}

std::string PermissionHint(const std::filesystem::path& device) {
    const std::string group = OwningGroup(device);
    const std::string udevRule = "install the udev rule that comes with the lanvane package";
    // Joining root's group would hand out far more than one device.
    if (group.empty() || group == "root") {
        return "; " + udevRule + ", or ask the administrator for access";
    }
    return "; join the group '" + group + "' that owns it (sudo usermod -aG " + group +
           " $USER, then log in again), or " + udevRule;
}

HelpDevices HelpExampleDevices() {
    return {"ttyS0", "/dev/usb/lp0"};
}

std::string_view ExampleDevices() {
    return "/dev/usb/lp0 or /dev/ttyS0";
}

}  // namespace lanvane::cli
