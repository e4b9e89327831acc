#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace lanvane {

// The short message that wakes the printer's interface before each exchange; its selector
// says what comes next.
constexpr std::size_t kAttentionMessageSize = 7;
constexpr std::uint8_t kConfigSelector = 0x7F;

std::array<std::uint8_t, kAttentionMessageSize> AttentionMessage(std::uint8_t selector);
bool IsAttentionReply(std::span<const std::uint8_t> reply);

}  // namespace lanvane
