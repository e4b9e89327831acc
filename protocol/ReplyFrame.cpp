#include "protocol/ReplyFrame.h"

#include <algorithm>
#include <iterator>

#include "protocol/LinkMessage.h"

namespace lanvane {
namespace {

constexpr std::uint8_t kIdentificationLead = 0x5F;

bool Printable(std::uint8_t byte) {
    return byte >= 0x20 && byte < 0x7F;
}

ReplyFrame FindLinkMessage(std::span<const std::uint8_t> bytes) {
    const auto start =
        std::search(bytes.begin(), bytes.end(), std::begin(kLinkPrefixFromPrinter), std::end(kLinkPrefixFromPrinter));
    if (start == bytes.end()) {
        return {0, bytes.size(), false};
    }
    const auto terminator = std::find(start + sizeof kLinkPrefixFromPrinter, bytes.end(), kLinkTerminator);
    if (terminator == bytes.end()) {
        return {0, bytes.size(), false};
    }
    return {static_cast<std::size_t>(start - bytes.begin()), static_cast<std::size_t>(terminator - bytes.begin()) + 1,
            true};
}

// The frame is the leading byte and a printable name ending in a NUL. Line noise holds
// control and high bytes, which no maker name does, so the name reaches back to the first
// byte that is not printable; that byte is the leading one, unless the text itself opens
// with our printers' leading byte. A NUL with no name before it is noise too.
ReplyFrame FindMakerName(std::span<const std::uint8_t> bytes) {
    for (std::size_t nul = 0; nul < bytes.size(); ++nul) {
        if (bytes[nul] != 0) {
            continue;
        }
        std::size_t text = nul;
        while (text > 0 && Printable(bytes[text - 1])) {
            --text;
        }
        const bool leadsItself = text < nul && bytes[text] == kIdentificationLead;
        const std::size_t lead = leadsItself || text == 0 ? text : text - 1;
        if (nul - lead >= 2) {
            return {lead, nul + 1, true};
        }
    }
    return {0, bytes.size(), false};
}

}  // namespace

ReplyFrame FindReplyFrame(ReplyKind kind, std::span<const std::uint8_t> bytes) {
    return kind == ReplyKind::LinkMessage ? FindLinkMessage(bytes) : FindMakerName(bytes);
}

}  // namespace lanvane
