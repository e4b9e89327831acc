#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace lanvane {

// Every request and reply frame opens with one of these fixed-width tags.
constexpr std::size_t kTagLength = 18;

namespace tag {
constexpr std::string_view kSysReq = "__[I_F]__[SYS_REQ]";
constexpr std::string_view kSysRsp = "__[I_F]__[SYS_RSP]";
constexpr std::string_view kIfGet = "__[I_F]__[IF__GET]";
constexpr std::string_view kIfCur = "__[I_F]__[IF__CUR]";
constexpr std::string_view kIfSet = "__[I_F]__[IF__SET]";
constexpr std::string_view kIfSuc = "__[I_F]__[IF__SUC]";
constexpr std::string_view kBssReq = "__[I_F]__[BSS_REQ]";
constexpr std::string_view kBssRsp = "__[I_F]__[BSS_RSP]";
constexpr std::string_view kFwCert = "__[I_F]__[FW_CERT]";
constexpr std::string_view kCertEnd = "__[I_F]__[CERTEND]";
}  // namespace tag

// A command tag as the bytes that go on the wire.
inline std::span<const std::uint8_t> TagBytes(std::string_view tag) {
    return {reinterpret_cast<const std::uint8_t*>(tag.data()), tag.size()};
}

}  // namespace lanvane
