#include "sim/MessageSplitter.h"

#include <algorithm>

#include "sim/WireConstants.h"

namespace lanvane::sim {
namespace {

enum class Match { Whole, Partial, No };

Match MatchHead(const Bytes& buffer, const std::uint8_t (&head)[3]) {
    const std::size_t compared = std::min(buffer.size(), std::size(head));
    if (!std::equal(head, head + compared, buffer.begin())) {
        return Match::No;
    }
    return compared == std::size(head) ? Match::Whole : Match::Partial;
}

}  // namespace

void MessageSplitter::Feed(const std::uint8_t* data, std::size_t length) {
    buffer_.insert(buffer_.end(), data, data + length);
}

std::optional<PrinterMessage> MessageSplitter::Next() {
    while (!buffer_.empty()) {
        switch (ClassifyStart()) {
            case Start::Identification:
                return Take(MessageKind::Identification, std::size(wire::kIdentifyCommand));
            case Start::Prefixed:
                return TakePrefixed();
            case Start::Partial:
                return std::nullopt;
            case Start::None:
                buffer_.erase(buffer_.begin());
                break;
        }
    }
    return std::nullopt;
}

MessageSplitter::Start MessageSplitter::ClassifyStart() const {
    const Match identify = MatchHead(buffer_, wire::kIdentifyCommand);
    const Match prefix = MatchHead(buffer_, wire::kRequestPrefix);
    if (identify == Match::Whole) {
        return Start::Identification;
    }
    if (prefix == Match::Whole) {
        return Start::Prefixed;
    }
    return identify == Match::Partial || prefix == Match::Partial ? Start::Partial : Start::None;
}

std::optional<PrinterMessage> MessageSplitter::TakePrefixed() {
    const auto bodyStart = buffer_.begin() + std::size(wire::kRequestPrefix);
    const auto terminator = std::find(bodyStart, buffer_.end(), wire::kTerminator);
    if (terminator == buffer_.end()) {
        if (buffer_.size() > kLongestMessage) {
            buffer_.clear();
        }
        return std::nullopt;
    }
    const auto length = static_cast<std::size_t>(terminator - buffer_.begin()) + 1;
    const bool attention = length == wire::kAttentionSize && buffer_[4] == wire::kGroupSeparator;
    return Take(attention ? MessageKind::Attention : MessageKind::Link, length);
}

PrinterMessage MessageSplitter::Take(MessageKind kind, std::size_t length) {
    const auto end = buffer_.begin() + static_cast<std::ptrdiff_t>(length);
    PrinterMessage message{kind, Bytes(buffer_.begin(), end)};
    buffer_.erase(buffer_.begin(), end);
    return message;
}

}  // namespace lanvane::sim
