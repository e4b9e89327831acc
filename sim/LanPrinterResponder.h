#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "sim/Bytes.h"
#include "sim/LanFaultPlan.h"
#include "sim/LanPrinterSettings.h"
#include "sim/ReplyBurst.h"

namespace lanvane::sim {

// One printer's LAN side: answers the discovery datagram of its kind with its record,
// takes the settings of a set datagram that names its MAC and confirms them. Datagrams of
// the other kind, for other printers, or too short are ignored. Safe to use from a server
// thread and a test thread at once.
class LanPrinterResponder {
public:
    explicit LanPrinterResponder(LanPrinterSettings settings, LanFaultPlan faults = {});

    // The replies to one datagram, shaped by the faults; none when it asks for nothing.
    std::vector<ReplyBurst> Answer(std::span<const std::uint8_t> datagram);

    // The address its replies leave from: its address at the start when that lies in the
    // loopback network, where every simulated printer has one of its own; 0 (the system's
    // choice) else. It stays when a setting gives the printer a new address, as a printer
    // confirms a setting from where the setting reached it.
    std::uint32_t HostAddress() const { return hostAddress_; }
    LanPrinterSettings Settings() const;
    void SetFaults(LanFaultPlan faults);
    int SearchesAnswered() const;
    int SettingsTaken() const;
    // Counts a reply the network took: what a search could have listed.
    void NoteReplySent();
    int RepliesSent() const;

private:
    Bytes DiscoveryReply() const;
    bool TakeSettings(std::span<const std::uint8_t> datagram);
    Bytes Confirmation() const;
    std::vector<ReplyBurst> Shape(Bytes reply) const;

    mutable std::mutex mutex_;
    const std::uint32_t hostAddress_;
    LanPrinterSettings settings_;
    LanFaultPlan faults_;
    int searchesAnswered_ = 0;
    int settingsTaken_ = 0;
    int repliesSent_ = 0;
};

}  // namespace lanvane::sim
