#pragma once

#include <chrono>
#include <ostream>

#include "protocol/ByteChannel.h"

namespace lanvane::cli {

// A channel that tells on the message stream what went to the printer and what came back,
// with the time each took (-v). The bytes are shown only with `showBytes` (--show-secrets):
// records and certificates carry keys and passwords.
class TracingChannel : public ByteChannel {
public:
    TracingChannel(ByteChannel& inner, std::ostream& trace, bool showBytes)
        : inner_(inner), trace_(trace), showBytes_(showBytes) {}

    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
    bool ReadReply(ReplyKind kind, std::span<std::uint8_t> buffer, std::size_t& count) override;
    std::size_t Write(std::span<const std::uint8_t> bytes) override;
    std::size_t DroppedBytes() const override { return inner_.DroppedBytes(); }

private:
    bool Received(bool received, std::chrono::steady_clock::time_point start, const std::uint8_t* buffer,
                  std::size_t count);
    // Tells how many bytes the channel dropped since it last told, as belonging to no reply.
    void ShowDropped();
    void Show(const std::uint8_t* bytes, std::size_t count);

    ByteChannel& inner_;
    std::ostream& trace_;
    bool showBytes_;
    std::size_t droppedShown_ = 0;
};

}  // namespace lanvane::cli
