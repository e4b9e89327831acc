#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/BssOutcome.h"
#include "protocol/BssTable.h"

namespace lanvane {

// Checks a BSS_RSP tag frame of `n` bytes and reads its records into `table`. The table is
// left alone when the checksum fails and is cleared before anything else. Reads nothing
// beyond the n bytes and fills at most the table's entries.
BssOutcome ParseBssReply(std::span<const std::uint8_t> frame, BssTable& table);

}  // namespace lanvane
