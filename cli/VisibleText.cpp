#include "cli/VisibleText.h"

#include <cstdint>
#include <cstdio>

namespace lanvane::cli {
namespace {

std::string Escaped(const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

std::string ControlEscape(std::uint8_t byte) {
    switch (byte) {
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        case 0x1B: return "\\e";
        default: return Escaped("\\x%02x", byte);
    }
}

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0u) == 0x80u;
}

// The length of the UTF-8 sequence that starts at `position`, or 0 when none does.
std::size_t SequenceLength(std::string_view text, std::size_t position) {
    const auto lead = static_cast<std::uint8_t>(text[position]);
    const std::size_t length = lead >= 0xF0u && lead <= 0xF4u ? 4 : lead >= 0xE0u ? 3 : lead >= 0xC2u ? 2 : 0;
    if (length == 0 || position + length > text.size()) {
        return 0;
    }
    for (std::size_t offset = 1; offset < length; ++offset) {
        if (!IsContinuation(static_cast<std::uint8_t>(text[position + offset]))) {
            return 0;
        }
    }
    return length;
}

}  // namespace

std::string VisibleText(std::string_view text) {
    std::string visible;
    visible.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const auto byte = static_cast<std::uint8_t>(text[position]);
        if (byte < 0x20u || byte == 0x7Fu) {
            visible += ControlEscape(byte);
            ++position;
            continue;
        }
        if (byte < 0x80u) {
            visible += text[position++];
            continue;
        }
        const std::size_t length = SequenceLength(text, position);
        if (length == 0) {
            visible += Escaped("\\x%02x", byte);
            ++position;
            continue;
        }
        // U+0080..U+009F are the C1 controls (CSI among them), encoded as C2 80..C2 9F.
        const auto second = static_cast<std::uint8_t>(text[position + 1]);
        if (byte == 0xC2u && second < 0xA0u) {
            visible += Escaped("\\u%04x", second);
        } else {
            visible.append(text.substr(position, length));
        }
        position += length;
    }
    return visible;
}

}  // namespace lanvane::cli
