#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace lanvane {

// Whether the datagram begins with the header's bytes.
inline bool StartsWithTag(std::span<const std::uint8_t> datagram, std::string_view tag) {
    return datagram.size() >= tag.size() &&
           std::equal(tag.begin(), tag.end(), datagram.begin(),
                      [](char expected, std::uint8_t actual) { return static_cast<std::uint8_t>(expected) == actual; });
}

// The header's bytes followed by the body.
inline std::vector<std::uint8_t> TagThen(std::string_view tag, std::span<const std::uint8_t> body) {
    std::vector<std::uint8_t> datagram(tag.begin(), tag.end());
    datagram.insert(datagram.end(), body.begin(), body.end());
    return datagram;
}

}  // namespace lanvane
