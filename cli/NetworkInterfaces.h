#pragma once

#include <string>
#include <vector>

namespace lanvane::cli {

// An IPv4 interface of this machine as a LAN search sees it.
struct NetworkInterface {
    std::string name;
    std::string broadcast;  // its directed broadcast address; empty when it has none
    bool up = false;
};

// The IPv4 interfaces of this machine, in the system's order.
std::vector<NetworkInterface> ListNetworkInterfaces();

}  // namespace lanvane::cli
