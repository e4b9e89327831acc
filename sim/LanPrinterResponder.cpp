#include "sim/LanPrinterResponder.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "sim/LanWire.h"
#include "sim/SimWireCodec.h"

namespace lanvane::sim {
namespace {

using Datagram = std::span<const std::uint8_t>;

bool BeginsWith(Datagram datagram, std::string_view header) {
    return datagram.size() >= header.size() &&
           std::equal(header.begin(), header.end(), datagram.begin(),
                      [](char wanted, std::uint8_t got) { return static_cast<std::uint8_t>(wanted) == got; });
}

bool InLoopbackNetwork(std::uint32_t address) {
    return address >> 24 == 127;
}

bool IsWireless(const LanPrinterSettings& settings) {
    return settings.kind == LanKind::Wlan;
}

// The record as the printer lays it out: MAC, three addresses, port, baud code, firmware,
// DHCP flag, inactivity, https flag, and for a wireless printer its feature code and the
// reserved byte.
Bytes RecordBytes(const LanPrinterSettings& settings) {
    Bytes bytes(settings.mac.begin(), settings.mac.end());
    AppendBe32(bytes, settings.ip);
    AppendBe32(bytes, settings.subnet);
    AppendBe32(bytes, settings.gateway);
    AppendBe16(bytes, settings.port);
    bytes.push_back(settings.baudCode);
    bytes.push_back(settings.fwMajor);
    bytes.push_back(settings.fwMinor);
    bytes.push_back(settings.dhcp ? 1 : 0);
    AppendBe16(bytes, settings.inactivity);
    bytes.push_back(settings.https ? 1 : 0);
    if (IsWireless(settings)) {
        bytes.push_back(settings.featureCode);
        bytes.push_back(settings.reserved);
    }
    return bytes;
}

// Where the record starts in a set datagram of the printer's kind, when the datagram is
// one, whole, and meant for this printer.
std::optional<const std::uint8_t*> SetRecordFor(const LanPrinterSettings& settings, Datagram datagram) {
    const std::string_view header = IsWireless(settings) ? lan_wire::kSet : lan_wire::kSett;
    const std::size_t size = IsWireless(settings) ? lan_wire::kWlanSetSize : lan_wire::kEthernetSetSize;
    if (datagram.size() < size || !BeginsWith(datagram, header)) {
        return std::nullopt;
    }
    const std::uint8_t* record = datagram.data() + header.size();
    if (!std::equal(settings.mac.begin(), settings.mac.end(), record)) {
        return std::nullopt;
    }
    return record;
}

}  // namespace

LanPrinterResponder::LanPrinterResponder(LanPrinterSettings settings, LanFaultPlan faults)
    : hostAddress_(InLoopbackNetwork(settings.ip) ? settings.ip : 0), settings_(settings), faults_(faults) {}

std::vector<ReplyBurst> LanPrinterResponder::Answer(Datagram datagram) {
    const std::lock_guard lock(mutex_);
    const std::string_view request = IsWireless(settings_) ? lan_wire::kRegister : lan_wire::kFind;
    if (BeginsWith(datagram, request)) {
        ++searchesAnswered_;
        return faults_.silentToSearch ? std::vector<ReplyBurst>{} : Shape(DiscoveryReply());
    }
    if (TakeSettings(datagram)) {
        ++settingsTaken_;
        return faults_.silentToSetting ? std::vector<ReplyBurst>{} : Shape(Confirmation());
    }
    return {};
}

Bytes LanPrinterResponder::DiscoveryReply() const {
    Bytes reply;
    AppendText(reply, IsWireless(settings_) ? lan_wire::kRegisterReply : lan_wire::kImin);
    const Bytes record = RecordBytes(settings_);
    reply.insert(reply.end(), record.begin(), record.end());
    return reply;
}

bool LanPrinterResponder::TakeSettings(Datagram datagram) {
    const auto record = SetRecordFor(settings_, datagram);
    if (!record) {
        return false;
    }
    const std::uint8_t* at = *record;
    settings_.ip = ReadBe32(at + 6);
    settings_.subnet = ReadBe32(at + 10);
    settings_.gateway = ReadBe32(at + 14);
    settings_.port = ReadBe16(at + 18);
    settings_.baudCode = at[20];
    settings_.dhcp = at[23] != 0;
    settings_.inactivity = ReadBe16(at + 24);
    return true;
}

// A confirmation says nothing after its header; the printer pads it to a plausible size.
Bytes LanPrinterResponder::Confirmation() const {
    Bytes reply;
    if (!IsWireless(settings_)) {
        AppendText(reply, lan_wire::kSetc);
        reply.push_back(0);
        return reply;
    }
    AppendText(reply, faults_.confirmWithSetc ? lan_wire::kSetc : lan_wire::kSetReply);
    reply.resize(lan_wire::kSetReply.size() + 1, 0);
    return reply;
}

std::vector<ReplyBurst> LanPrinterResponder::Shape(Bytes reply) const {
    if (faults_.shortenTo && reply.size() > *faults_.shortenTo) {
        reply.resize(*faults_.shortenTo);
    }
    std::vector<ReplyBurst> bursts;
    for (int copy = 0; copy < faults_.repeat; ++copy) {
        bursts.push_back(ReplyBurst{reply, copy == 0 ? faults_.replyDelay : std::chrono::milliseconds{0}});
    }
    return bursts;
}

LanPrinterSettings LanPrinterResponder::Settings() const {
    const std::lock_guard lock(mutex_);
    return settings_;
}

void LanPrinterResponder::SetFaults(LanFaultPlan faults) {
    const std::lock_guard lock(mutex_);
    faults_ = faults;
}

int LanPrinterResponder::SearchesAnswered() const {
    const std::lock_guard lock(mutex_);
    return searchesAnswered_;
}

int LanPrinterResponder::SettingsTaken() const {
    const std::lock_guard lock(mutex_);
    return settingsTaken_;
}

void LanPrinterResponder::NoteReplySent() {
    const std::lock_guard lock(mutex_);
    ++repliesSent_;
}

int LanPrinterResponder::RepliesSent() const {
    const std::lock_guard lock(mutex_);
    return repliesSent_;
}

}  // namespace lanvane::sim
