#include "sim/main/DumpTexts.h"

#include <cstdio>

namespace lanvane::sim {
namespace {

std::string MacIn(const char* format, const std::array<std::uint8_t, 6>& mac) {
    char text[18];
    std::snprintf(text, sizeof(text), format, mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

}  // namespace

std::string MacDashText(const std::array<std::uint8_t, 6>& mac) {
    return MacIn("%02X-%02X-%02X-%02X-%02X-%02X", mac);
}

std::string MacColonText(const std::array<std::uint8_t, 6>& mac) {
    return MacIn("%02x:%02x:%02x:%02x:%02x:%02x", mac);
}

}  // namespace lanvane::sim
