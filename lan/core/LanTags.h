#pragma once

#include <string_view>

// The ASCII headers of the LAN datagrams. They travel as plain bytes, without terminator,
// checksum or hex encoding.
namespace lanvane::lan_tag {

constexpr std::string_view kFind = "FIND";
constexpr std::string_view kImin = "IMIN";
constexpr std::string_view kSett = "SETT";
constexpr std::string_view kSetc = "SETC";

constexpr std::string_view kPrinterRegister = "__[I_F]__[PRT_REG]";
constexpr std::string_view kRegisterResponse = "__[I_F]__[REG_RSP]";
constexpr std::string_view kPrinterSet = "__[I_F]__[PRT_SET]";
constexpr std::string_view kSetResponse = "__[I_F]__[SET_RSP]";

}  // namespace lanvane::lan_tag
