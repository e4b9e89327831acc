#pragma once

namespace lanvane {

// The two roads of LAN setup. They use different ports, datagrams and record sizes, and
// keep separate device lists.
enum class LanMode : int {
    Ethernet = 0,
    Wlan = 1,
};

}  // namespace lanvane
