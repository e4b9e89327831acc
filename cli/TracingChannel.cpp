#include "cli/TracingChannel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace lanvane::cli {
namespace {

constexpr std::size_t kShownBytes = 48;

long long MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

bool TracingChannel::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
    const auto start = std::chrono::steady_clock::now();
    return Received(inner_.Read(buffer, count), start, buffer.data(), count);
}

bool TracingChannel::ReadReply(ReplyKind kind, std::span<std::uint8_t> buffer, std::size_t& count) {
    const auto start = std::chrono::steady_clock::now();
    const bool received = inner_.ReadReply(kind, buffer, count);
    ShowDropped();
    return Received(received, start, buffer.data(), count);
}

bool TracingChannel::Received(bool received, std::chrono::steady_clock::time_point start, const std::uint8_t* buffer,
                              std::size_t count) {
    if (!received) {
        trace_ << "lanvane-cli: received nothing within " << MillisecondsSince(start) << " ms\n";
        return false;
    }
    trace_ << "lanvane-cli: received " << count << " bytes after " << MillisecondsSince(start) << " ms";
    Show(buffer, count);
    return true;
}

std::size_t TracingChannel::Write(std::span<const std::uint8_t> bytes) {
    const auto start = std::chrono::steady_clock::now();
    const std::size_t written = inner_.Write(bytes);
    ShowDropped();
    trace_ << "lanvane-cli: sent " << written << " of " << bytes.size() << " bytes in " << MillisecondsSince(start)
           << " ms";
    Show(bytes.data(), written);
    return written;
}

void TracingChannel::ShowDropped() {
    const std::size_t dropped = inner_.DroppedBytes();
    if (dropped > droppedShown_) {
        trace_ << "lanvane-cli: dropped " << dropped - droppedShown_ << " bytes that belonged to no reply\n";
        droppedShown_ = dropped;
    }
}

void TracingChannel::Show(const std::uint8_t* bytes, std::size_t count) {
    if (showBytes_ && count > 0) {
        trace_ << ':';
        for (std::size_t index = 0; index < std::min(count, kShownBytes); ++index) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02x", bytes[index]);
            trace_ << hex;
        }
        if (count > kShownBytes) {
            trace_ << " ...";
        }
    }
    trace_ << '\n';
}

}  // namespace lanvane::cli
