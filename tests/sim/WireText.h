#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sim/Bytes.h"

// Request and expected reply bytes written out by hand in the tests.
namespace lanvane::sim::test {

inline Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

// Ordinary hexadecimal; spaces are ignored.
inline Bytes Hex(std::string_view text) {
    Bytes bytes;
    std::string digits;
    for (const char c : text) {
        if (c != ' ') {
            digits.push_back(c);
        }
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

inline Bytes Joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// The program's hex form: a high nibble of 8 and above is written "(" to "/".
inline std::string ProgramHex(const Bytes& bytes) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        const int high = byte >> 4;
        text.push_back(high >= 8 ? static_cast<char>(0x28 + high - 8) : kDigits[static_cast<std::size_t>(high)]);
        text.push_back(kDigits[byte & 0x0Fu]);
    }
    return text;
}

inline Bytes LinkRequest(std::string_view hexText) {
    return Joined({Hex("1F 57 43"), Text(hexText), Hex("03")});
}

inline Bytes LinkReply(std::string_view hexText) { return Joined({Hex("1F 57 4D"), Text(hexText), Hex("03")}); }

inline const Bytes kIdentify = Hex("1D 49 42");
inline const Bytes kAttention = Hex("1F 57 43 7F 1D 1F 03");
inline const Bytes kAttentionReply = Hex("1F 57 4D 7F 1D 1F 03");
inline const Bytes kSysReq = LinkRequest("5f5f5b495f465d5f5f5b5359535f5245515d-e/a");
inline const Bytes kIfGet = LinkRequest("5f5f5b495f465d5f5f5b49465f5f4745545d.50d");
inline const Bytes kBssReqFrame = Hex("5f5f5b495f465d5f5f5b4253535f5245515df000");
inline const Bytes kIfSucReply = LinkReply("5f5f5b495f465d5f5f5b49465f5f5355435de9fd");
inline const Bytes kIfErrReply = LinkReply("5f5f5b495f465d5f5f5b49465f5f4552525de900");

}  // namespace lanvane::sim::test
