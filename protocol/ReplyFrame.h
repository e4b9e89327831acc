#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace lanvane {

// The two shapes a printer's reply on the port has. Each carries its own end, so a reply
// can be taken the moment it is whole instead of after the line has gone quiet.
enum class ReplyKind {
    // The reply prefix, printable text or hex digits, and 0x03 (which the text never holds).
    LinkMessage,
    // The identification reply: its leading byte, the maker name and a NUL.
    MakerName,
};

// Where a reply's frame lies in the bytes received so far: [start, end). Bytes before
// `start` are noise that came ahead of the frame. While the frame is not whole, it is taken
// to be all the bytes received.
struct ReplyFrame {
    std::size_t start = 0;
    std::size_t end = 0;
    bool whole = false;
};

ReplyFrame FindReplyFrame(ReplyKind kind, std::span<const std::uint8_t> bytes);

// The most bytes a reply of either kind may take on the line, noise before it included.
constexpr std::size_t kReplyLimit = 8192;

}  // namespace lanvane
