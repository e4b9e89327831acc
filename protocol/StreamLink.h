#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace lanvane {

// A connected stream to a printer on the LAN (the TCP survey port), as the BSS survey
// sees it. One link serves one survey; the caller closes it whatever the outcome.
class StreamLink {
public:
    static constexpr std::size_t kReceiveLimit = 4095;

    virtual ~StreamLink() = default;
    virtual bool Connect() = 0;
    virtual long Send(std::span<const std::uint8_t> bytes) = 0;
    // One receive of at most kReceiveLimit bytes; 0 or less means no data arrived.
    virtual long Receive(std::span<std::uint8_t> buffer) = 0;
    virtual void Close() = 0;
};

}  // namespace lanvane
