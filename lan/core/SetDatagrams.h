#pragma once

#include "lan/core/DeviceRecord.h"
#include "lan/core/LanMode.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace lanvane {

// "SETT" and the record's first 26 bytes (its https flag is not sent): 30 bytes.
std::vector<std::uint8_t> EthernetSetDatagram(const DeviceRecord& record);
// "__[I_F]__[PRT_SET]" and all 29 bytes of the record: 47 bytes.
std::vector<std::uint8_t> WlanSetDatagram(const WlanDeviceRecord& record);

// How the printer confirmed a set datagram.
enum class Confirmation {
    None,         // not a confirmation (too short, or another header)
    Setc,         // "SETC"
    SetResponse,  // "__[I_F]__[SET_RSP]", WLAN only
};

constexpr std::size_t kEthernetConfirmationMinimum = 5;
constexpr std::size_t kWlanConfirmationMinimum = 19;

Confirmation ClassifyConfirmation(LanMode mode, std::span<const std::uint8_t> datagram);

// What a datagram from `sender` confirms of a set that went to the printer at
// `printerAddress`: None from any other address, and None while the printer's address is
// not known, since anyone on the network may send a confirmation.
Confirmation ConfirmationFrom(LanMode mode, std::span<const std::uint8_t> datagram, std::string_view sender,
                              std::string_view printerAddress);

// The string id of the message that reports the confirmation.
int ConfirmationMessage(Confirmation confirmation);

}  // namespace lanvane
