#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "protocol/ByteChannel.h"

namespace lanvane::fuzz {

// A printer channel whose replies come from the fuzz input: each read takes a burst of
// fuzzed length (none, when the input says nothing arrived); every write succeeds. The
// bursts end with the input, so an exchange always ends.
class ScriptedChannel : public ByteChannel {
public:
    explicit ScriptedChannel(FuzzedDataProvider& input) : input_(input) {}

    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override {
        count = 0;
        if (input_.remaining_bytes() == 0 || input_.ConsumeBool()) {
            return false;
        }
        const std::vector<std::uint8_t> burst =
            input_.ConsumeBytes<std::uint8_t>(input_.ConsumeIntegralInRange<std::size_t>(0, 2 * buffer.size()));
        count = std::min(burst.size(), buffer.size());
        std::copy_n(burst.begin(), count, buffer.begin());
        return count > 0;
    }

    std::size_t Write(std::span<const std::uint8_t> bytes) override { return bytes.size(); }

private:
    FuzzedDataProvider& input_;
};

}  // namespace lanvane::fuzz
