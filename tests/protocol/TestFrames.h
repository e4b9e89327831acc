#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/Checksums.h"
#include "protocol/CommandTags.h"
#include "protocol/LinkMessage.h"

namespace lanvane::test {

inline std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// A finished tag frame: tag, payload, padding and checksum.
inline std::vector<std::uint8_t> TagFrame(std::string_view tagText,
                                          const std::vector<std::uint8_t>& payload = {}) {
    std::vector<std::uint8_t> source = Bytes(tagText);
    source.insert(source.end(), payload.begin(), payload.end());
    std::vector<std::uint8_t> frame(source.size() + 3, 0);
    const int length = BuildTagFrame(frame, source);
    frame.resize(length < 0 ? 0 : static_cast<std::size_t>(length));
    return frame;
}

inline std::vector<std::uint8_t> LinkMessage(const std::vector<std::uint8_t>& frame) {
    static std::uint8_t message[kMessageBufferSize];
    const std::size_t size = BuildLinkMessage(frame, message);
    return {message, message + size};
}

// The golden frames of tests/data/golden, written apart from this code by make_golden.py.
inline std::vector<std::uint8_t> ReadGolden(const std::string& name) {
    std::ifstream file(std::string(LANVANE_TEST_DATA) + "/golden/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace lanvane::test
