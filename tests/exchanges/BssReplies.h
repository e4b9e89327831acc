#pragma once

#include <string_view>

#include "PrinterSide.h"

namespace lanvane::test {

// One record of a BSS list: SSID element, BSSID element, mode, rssi (big-endian), security.
inline Bytes BssRecord(std::string_view ssid, const Bytes& bssid, std::uint8_t mode,
                       std::int16_t rssi, std::uint8_t security) {
    const auto rssiBits = static_cast<std::uint16_t>(rssi);
    return Concat({{0x00, static_cast<std::uint8_t>(ssid.size())}, Text(ssid),
                   {0x01, static_cast<std::uint8_t>(bssid.size())}, bssid,
                   {mode, static_cast<std::uint8_t>(rssiBits >> 8),
                    static_cast<std::uint8_t>(rssiBits & 0xFF), security}});
}

inline Bytes BssReply(const Bytes& records) {
    return PrinterTagFrame("__[I_F]__[BSS_RSP]", records);
}

// The worked example: one network "Home", 00-11-22-33-44-55, infrastructure, -60, WPA/WPA2.
inline Bytes HomeReply() {
    return Concat({Text("__[I_F]__[BSS_RSP]"),
                   {0x00, 0x04, 0x48, 0x6F, 0x6D, 0x65, 0x01, 0x06, 0x00, 0x11, 0x22, 0x33,
                    0x44, 0x55, 0x00, 0xFF, 0xC4, 0x0C, 0x0E, 0x6F}});
}

}  // namespace lanvane::test
