#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The printer's own view of the LAN datagrams, kept apart from the program's code on purpose.
namespace lanvane::sim::lan_wire {

constexpr std::string_view kFind = "FIND";
constexpr std::string_view kImin = "IMIN";
constexpr std::string_view kSett = "SETT";
constexpr std::string_view kSetc = "SETC";
constexpr std::string_view kRegister = "__[I_F]__[PRT_REG]";
constexpr std::string_view kRegisterReply = "__[I_F]__[REG_RSP]";
constexpr std::string_view kSet = "__[I_F]__[PRT_SET]";
constexpr std::string_view kSetReply = "__[I_F]__[SET_RSP]";

constexpr std::size_t kEthernetBodySize = 27;
constexpr std::size_t kWlanBodySize = 29;
// An Ethernet set datagram leaves out the last body byte (the https flag).
constexpr std::size_t kEthernetSetSize = 4 + kEthernetBodySize - 1;
constexpr std::size_t kWlanSetSize = 18 + kWlanBodySize;

constexpr std::uint16_t kEthernetListenPort = 48781;
constexpr std::uint16_t kWlanListenPort = 3337;

}  // namespace lanvane::sim::lan_wire
