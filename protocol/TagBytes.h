#pragma once

#include <cstdint>
#include <string_view>

namespace lanvane {

// A command tag as the bytes that go on the wire.
inline const std::uint8_t* TagBytes(std::string_view tag) {
    return reinterpret_cast<const std::uint8_t*>(tag.data());
}

}  // namespace lanvane
