#pragma once

#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanSocket.h"
#include "lan/core/SetDatagrams.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lanvane {

// One setting: the edited record goes out in the set datagram of its mode, and the
// printer's confirmation comes back to the mode's local port. Only the printer the setting
// went to confirms it: a datagram from any other address (a late answer of another printer,
// anyone on the network) confirms nothing. The setting window drives it from its event
// loop; AwaitConfirmation drives it without windows.
class LanSetting {
public:
    LanSetting(LanMode mode, const LanNetworkOptions& network) : socket_(mode, network) {}

    // Opens the socket now, so that a port in use shows before anything is edited.
    UdpResult Open() { return socket_.Open(); }
    // Broadcasts a set datagram for the printer whose replies come from `printerAddress`
    // (binding first when not open yet); from then on only that address confirms.
    UdpResult Send(std::span<const std::uint8_t> datagram, std::string printerAddress);
    // Reads one waiting datagram: what it confirms (None for anything else), or nothing
    // when none was waiting.
    std::optional<Confirmation> TakeOne();

    NativeSocket Fd() const { return socket_.Fd(); }
    LanSocket& Socket() { return socket_; }

private:
    LanSocket socket_;
    std::string printerAddress_;
};

// The set datagram of the device numbered n in the mode's list; empty when there is none.
// Its printer's address is the list's From.
std::vector<std::uint8_t> SetDatagramOf(LanMode mode, const LanDeviceLists& lists, int number);

// Waits up to `limit` for a confirmation; None when none came.
Confirmation AwaitConfirmation(LanSetting& setting, std::chrono::milliseconds limit);

}  // namespace lanvane
