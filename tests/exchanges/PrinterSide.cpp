#include "PrinterSide.h"

#include <gtest/gtest.h>

namespace lanvane::test {
namespace {

int HexNibble(std::uint8_t character) {
    if (character >= '0' && character <= '9') {
        return character - '0';
    }
    if (character >= 'a' && character <= 'f') {
        return character - 'a' + 10;
    }
    if (character >= '(' && character <= '/') {
        return character - '(' + 8;
    }
    ADD_FAILURE() << "not a hex digit: " << int{character};
    return 0;
}

}  // namespace

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::uint16_t PrinterChecksum(const Bytes& data) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < data.size(); i += 2) {
        const std::uint32_t low = i + 1 < data.size() ? data[i + 1] : 0U;
        sum += (std::uint32_t{data[i]} << 8) | low;
    }
    while (sum >> 16) {
        sum = (sum & 0xFFFFU) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum);
}

Bytes PrinterTagFrame(std::string_view tag, const Bytes& payload) {
    Bytes frame = Concat({Text(tag), payload});
    if (frame.size() % 2 != 0) {
        frame.push_back(0);
    }
    const std::uint16_t checksum = PrinterChecksum(frame);
    frame.push_back(static_cast<std::uint8_t>(checksum >> 8));
    frame.push_back(static_cast<std::uint8_t>(checksum & 0xFF));
    return frame;
}

Bytes PrinterLinkReply(const Bytes& frame) {
    static constexpr char kDigits[] = "0123456789abcdef";
    Bytes message = {0x1F, 0x57, 0x4D};
    for (const std::uint8_t byte : frame) {
        message.push_back(static_cast<std::uint8_t>(kDigits[byte >> 4]));
        message.push_back(static_cast<std::uint8_t>(kDigits[byte & 0x0F]));
    }
    message.push_back(0x03);
    return message;
}

Bytes FrameOfLinkMessage(const Bytes& message) {
    EXPECT_GE(message.size(), 4U);
    EXPECT_EQ(Bytes(message.begin(), message.begin() + 3), (Bytes{0x1F, 0x57, 0x43}));
    EXPECT_EQ(message.back(), 0x03);
    EXPECT_EQ(message.size() % 2, 0U);
    Bytes frame;
    for (std::size_t i = 3; i + 2 < message.size(); i += 2) {
        frame.push_back(
            static_cast<std::uint8_t>((HexNibble(message[i]) << 4) | HexNibble(message[i + 1])));
    }
    return frame;
}

Bytes AttentionReply() { return {0x1F, 0x57, 0x4D, 0x7F, 0x1D, 0x1F, 0x03}; }

Bytes MakerNameReply(std::string_view name) { return Concat({{0x01}, Text(name), {0x00}}); }

}  // namespace lanvane::test
