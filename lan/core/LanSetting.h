#pragma once

#include "lan/core/LanDeviceLists.h"
#include "lan/core/LanSocket.h"
#include "lan/core/SetDatagrams.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lanvane {

// One setting: the edited record goes out in the set datagram of its mode, and the
// printer's confirmation comes back to the mode's local port. The setting window drives
// it from its event loop; AwaitConfirmation drives it without windows.
class LanSetting {
public:
    LanSetting(LanMode mode, const LanNetworkOptions& network) : socket_(mode, network) {}

    // Opens the socket now, so that a port in use shows before anything is edited.
    UdpResult Open() { return socket_.Open(); }
    // Broadcasts a set datagram (binding first when not open yet).
    UdpResult Send(std::span<const std::uint8_t> datagram) { return socket_.Broadcast(datagram); }
    // Reads one waiting datagram: what it confirms (None for anything else), or nothing
    // when none was waiting.
    std::optional<Confirmation> TakeOne();

    NativeSocket Fd() const { return socket_.Fd(); }
    LanSocket& Socket() { return socket_; }

private:
    LanSocket socket_;
};

// The set datagram of the device numbered n in the mode's list; empty when there is none.
std::vector<std::uint8_t> SetDatagramOf(LanMode mode, const LanDeviceLists& lists, int number);

// Waits up to `limit` for a confirmation; None when none came.
Confirmation AwaitConfirmation(LanSetting& setting, std::chrono::milliseconds limit);

}  // namespace lanvane
