#include "link/DeviceRoots.h"

namespace lanvane {

std::filesystem::path DefaultSystemRoot() {
    return "/sys";
}

std::filesystem::path DefaultDeviceRoot() {
    return "/dev";
}

}  // namespace lanvane
