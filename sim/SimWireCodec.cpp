#include "sim/SimWireCodec.h"

#include <array>

namespace lanvane::sim {
namespace {

char Digit(unsigned value, HexCase letterCase) {
    constexpr std::string_view kLower = "0123456789abcdef";
    constexpr std::string_view kUpper = "0123456789ABCDEF";
    return (letterCase == HexCase::Upper ? kUpper : kLower)[value & 0x0Fu];
}

unsigned DigitValue(std::uint8_t character) {
    const unsigned offset = character > '9' ? 0x57u : 0x30u;
    return (character - offset) & 0x0Fu;
}

std::array<std::uint32_t, 256> MakeCrcTable() {
    constexpr std::uint32_t kPolynomial = 0x04C11DB7u;
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t index = 0; index < table.size(); ++index) {
        std::uint32_t crc = index << 24;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x80000000u) != 0 ? (crc << 1) ^ kPolynomial : crc << 1;
        }
        table[index] = crc;
    }
    return table;
}

}  // namespace

Bytes EncodeHex(const Bytes& data, HexCase letterCase) {
    Bytes text;
    text.reserve(data.size() * 2);
    for (const std::uint8_t byte : data) {
        text.push_back(static_cast<std::uint8_t>(Digit(byte >> 4u, letterCase)));
        text.push_back(static_cast<std::uint8_t>(Digit(byte, letterCase)));
    }
    return text;
}

Bytes DecodeHex(const std::uint8_t* text, std::size_t length) {
    Bytes data;
    data.reserve(length / 2);
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        data.push_back(static_cast<std::uint8_t>((DigitValue(text[i]) << 4u) | DigitValue(text[i + 1])));
    }
    return data;
}

std::uint16_t InternetChecksum(const std::uint8_t* data, std::size_t length) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < length; i += 2) {
        const std::uint32_t high = data[i];
        const std::uint32_t low = i + 1 < length ? data[i + 1] : 0u;
        sum += (high << 8) | low;
        sum = (sum & 0xFFFFu) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum & 0xFFFFu);
}

std::uint32_t CertificateCrc(const std::uint8_t* data, std::size_t length) {
    static const std::array<std::uint32_t, 256> kTable = MakeCrcTable();
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < length; ++i) {
        crc = (crc << 8) ^ kTable[((crc >> 24) ^ data[i]) & 0xFFu];
    }
    return crc;
}

Bytes SealTagFrame(const Bytes& tagAndPayload) {
    Bytes frame = tagAndPayload;
    if (frame.size() % 2 != 0) {
        frame.push_back(0);
    }
    AppendBe16(frame, InternetChecksum(frame.data(), frame.size()));
    return frame;
}

bool FrameChecksumHolds(const Bytes& frame) {
    return InternetChecksum(frame.data(), frame.size()) == 0;
}

void AppendBe16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void AppendBe32(Bytes& out, std::uint32_t value) {
    AppendBe16(out, static_cast<std::uint16_t>(value >> 16));
    AppendBe16(out, static_cast<std::uint16_t>(value));
}

void AppendText(Bytes& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

std::uint16_t ReadBe16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>((at[0] << 8) | at[1]);
}

std::uint32_t ReadBe32(const std::uint8_t* at) {
    return (std::uint32_t{at[0]} << 24) | (std::uint32_t{at[1]} << 16) |
           (std::uint32_t{at[2]} << 8) | std::uint32_t{at[3]};
}

std::uint32_t ReadLe32(const std::uint8_t* at) {
    return (std::uint32_t{at[3]} << 24) | (std::uint32_t{at[2]} << 16) |
           (std::uint32_t{at[1]} << 8) | std::uint32_t{at[0]};
}

}  // namespace lanvane::sim
