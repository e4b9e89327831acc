#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace lanvane::test {

// A datagram from its ASCII header and the bytes after it.
inline std::vector<std::uint8_t> Datagram(std::string_view header, std::initializer_list<int> body = {}) {
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (int value : body) {
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

inline std::vector<std::uint8_t> Padded(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size, 0);
    return bytes;
}

// A printer's 27 record bytes: MAC 00:1a:2b:3c:4d:5e, 192.168.0.50/255.255.255.0 via
// 192.168.0.1, port 9100, 115200 baud, firmware 2.13, manual address, 300 s, https.
inline std::vector<int> SampleRecordBytes() {
    return {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 192, 168, 0,    50,   255, 255, 255, 0,
            192,  168,  0,    1,    0x23, 0x8C, 0xFF, 2,  13,   0,    0x01, 0x2C, 1};
}

}  // namespace lanvane::test
