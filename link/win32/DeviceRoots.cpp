#include "link/DeviceRoots.h"

namespace lanvane {

// The registry and the device installer list the devices here, not files.
std::filesystem::path DefaultSystemRoot() {
    return {};
}

std::filesystem::path DefaultDeviceRoot() {
    return {};
}

}  // namespace lanvane
