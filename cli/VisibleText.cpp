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

char32_t CodePoint(std::string_view sequence) {
    const auto lead = static_cast<std::uint8_t>(sequence[0]);
    char32_t value = sequence.size() == 2 ? lead & 0x1Fu : sequence.size() == 3 ? lead & 0x0Fu : lead & 0x07u;
    for (std::size_t offset = 1; offset < sequence.size(); ++offset) {
        value = (value << 6) | (static_cast<std::uint8_t>(sequence[offset]) & 0x3Fu);
    }
    return value;
}

// The C1 controls (CSI among them) act on a terminal; the bidirectional controls and the
// line separators change how the rest of a line reads.
bool ActsOnTheTerminal(char32_t codePoint) {
    return (codePoint >= 0x80 && codePoint <= 0x9F) || codePoint == 0x061C || codePoint == 0x200E ||
           codePoint == 0x200F || (codePoint >= 0x2028 && codePoint <= 0x202E) ||
           (codePoint >= 0x2066 && codePoint <= 0x2069);
}

// Appends a whole UTF-8 sequence, as a \u escape when it acts on the terminal.
void AppendShown(std::string_view sequence, std::string& shown) {
    if (const char32_t codePoint = CodePoint(sequence); ActsOnTheTerminal(codePoint)) {
        shown += Escaped("\\u%04x", static_cast<unsigned>(codePoint));
    } else {
        shown.append(sequence);
    }
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
        AppendShown(text.substr(position, length), visible);
        position += length;
    }
    return visible;
}

std::string VisibleJson(std::string_view json) {
    std::string visible;
    visible.reserve(json.size());
    std::size_t position = 0;
    while (position < json.size()) {
        const std::size_t length = static_cast<std::uint8_t>(json[position]) < 0x80u ? 0 : SequenceLength(json, position);
        if (length == 0) {
            visible += json[position++];
            continue;
        }
        AppendShown(json.substr(position, length), visible);
        position += length;
    }
    return visible;
}

}  // namespace lanvane::cli
