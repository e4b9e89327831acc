#include "protocol/ConfigFieldTable.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "resources/StringIds.h"

namespace lanvane {
namespace {

using C = InterfaceConfig;
using System = SystemPageValues;
using Protocol = ProtocolPageValues;
using Network = NetworkPageValues;
using Auth = AuthPageValues;
constexpr auto kOnlyV2 = std::nullopt;

constexpr std::array<CodeName, 2> kOnOff = {{{0, "false", sid::kDisable}, {1, "true", sid::kEnable}}};
constexpr std::array<CodeName, 2> kDhcp = {
    {{0, "false", sid::kIpAssignmentManual}, {1, "true", sid::kIpAssignmentDhcp}}};
constexpr std::array<CodeName, 3> kNetworkModes = {
    {{0, "infra", sid::kNetworkModeInfra}, {1, "adhoc", sid::kNetworkModeAdhoc}, {2, "wifi-direct"}}};
constexpr std::array<CodeName, 6> kAuthentications = {{{0, "open-system", sid::kAuthenticationOpenSystem},
                                                       {1, "shared-key", sid::kAuthenticationSharedKey},
                                                       {2, "wpa-psk", sid::kAuthenticationWpaPsk},
                                                       {3, "wpa2-psk", sid::kAuthenticationWpa2Psk},
                                                       {4, "wpa", sid::kAuthenticationWpa},
                                                       {5, "wpa2", sid::kAuthenticationWpa2}}};
constexpr std::array<CodeName, 6> kCryptographs = {{{0, "none", sid::kCryptographNone},
                                                    {1, "wep64", sid::kCryptographWep64},
                                                    {2, "wep128", sid::kCryptographWep128},
                                                    {3, "tkip", sid::kCryptographTkip},
                                                    {4, "aes", sid::kCryptographAes},
                                                    {5, "aes-tkip", sid::kCryptographAesTkip}}};
constexpr std::array<CodeName, 6> kEapModes = {{{0, "peap", sid::kEapPeap},
                                                {1, "ttls", sid::kEapTtls},
                                                {2, "tls", sid::kEapTls},
                                                {3, "leap", sid::kEapLeap},
                                                {4, "fast", sid::kEapFast},
                                                {5, "none", sid::kEapNone}}};

// The Wi-Fi Direct fields of version 2 are inserted at offset 347; everything after them
// lies 13 bytes further than in version 1.
constexpr std::array kRecordFields = {
    RecordField{.name = "printerName", .offsetV1 = 0, .offsetV2 = 0, .width = 64, .kind = FieldKind::Text,
                .member = &C::printerName, .type = ValueType::Text,
                .summary = {0, sid::kSummaryPrinterName}, .page = &System::printerName},
    RecordField{.name = "networkMode", .offsetV1 = 65, .offsetV2 = 65, .width = 1, .kind = FieldKind::Byte,
                .member = &C::networkMode, .type = ValueType::Code,
                .summary = {12, sid::kSummaryNetworkMode}, .page = &Network::networkMode,
                .codes = kNetworkModes},
    RecordField{.name = "dhcp", .offsetV1 = 66, .offsetV2 = 66, .width = 1, .kind = FieldKind::Byte,
                .member = &C::dhcp, .type = ValueType::Switch,
                .summary = {16, sid::kSummaryIpAssignment}, .page = &Network::ipAssignment,
                .codes = kDhcp, .pageHoldsInverse = true},
    RecordField{.name = "ipAddress", .offsetV1 = 67, .offsetV2 = 67, .width = 4, .kind = FieldKind::Address,
                .member = &C::ipAddress, .type = ValueType::Address,
                .summary = {17, sid::kSummaryIpAddress}, .page = &Network::ipAddress},
    RecordField{.name = "subnetMask", .offsetV1 = 71, .offsetV2 = 71, .width = 4, .kind = FieldKind::Address,
                .member = &C::subnetMask, .type = ValueType::Address,
                .summary = {18, sid::kSummarySubnetMask}, .page = &Network::subnetMask},
    RecordField{.name = "gateway", .offsetV1 = 75, .offsetV2 = 75, .width = 4, .kind = FieldKind::Address,
                .member = &C::gateway, .type = ValueType::Address,
                .summary = {19, sid::kSummaryGateway}, .page = &Network::gateway},
    RecordField{.name = "ssid", .offsetV1 = 79, .offsetV2 = 79, .width = 32, .kind = FieldKind::Text,
                .member = &C::ssid, .type = ValueType::Text,
                .summary = {14, sid::kSummarySsid}, .page = &Network::ssid},
    RecordField{.name = "authentication", .offsetV1 = 111, .offsetV2 = 111, .width = 1, .kind = FieldKind::Byte,
                .member = &C::authentication, .type = ValueType::Code,
                .summary = {20, sid::kSummaryAuthentication}, .page = &Auth::authentication,
                .codes = kAuthentications},
    RecordField{.name = "cryptograph", .offsetV1 = 112, .offsetV2 = 112, .width = 1, .kind = FieldKind::Byte,
                .member = &C::cryptograph, .type = ValueType::Code,
                .summary = {21, sid::kSummaryCryptograph}, .page = &Auth::cryptograph,
                .codes = kCryptographs},
    RecordField{.name = "wepKey", .offsetV1 = 113, .offsetV2 = 113, .width = 26, .kind = FieldKind::Text,
                .member = &C::wepKey, .type = ValueType::Text,
                .summary = {22, sid::kSummaryWepKey}, .page = &Auth::wepKey, .secret = true},
    RecordField{.name = "pskKey", .offsetV1 = 217, .offsetV2 = 217, .width = 64, .kind = FieldKind::Text,
                .member = &C::pskKey, .type = ValueType::Text,
                .summary = {23, sid::kSummaryPskKey}, .page = &Auth::pskKey, .secret = true},
    RecordField{.name = "adhocChannel", .offsetV1 = 281, .offsetV2 = 281, .width = 1, .kind = FieldKind::Byte,
                .member = &C::adhocChannel, .type = ValueType::Number,
                .summary = {13, sid::kSummaryAdhocChannel}, .page = &Network::adhocChannel,
                .maximum = kMaxAdhocChannel},
    RecordField{.name = "eapMode", .offsetV1 = 282, .offsetV2 = 282, .width = 1, .kind = FieldKind::Byte,
                .member = &C::eapMode, .type = ValueType::Code,
                .summary = {24, sid::kSummaryEapMode}, .page = &Auth::eapMode, .codes = kEapModes},
    RecordField{.name = "authId", .offsetV1 = 283, .offsetV2 = 283, .width = 32, .kind = FieldKind::Text,
                .member = &C::authId, .type = ValueType::Text,
                .summary = {25, sid::kSummaryAuthId}, .page = &Auth::authId},
    RecordField{.name = "authPassword", .offsetV1 = 315, .offsetV2 = 315, .width = 32, .kind = FieldKind::Text,
                .member = &C::authPassword, .type = ValueType::Text,
                .summary = {26, sid::kSummaryAuthPassword}, .page = &Auth::authPassword, .secret = true},
    RecordField{.name = "p2pConnMode", .offsetV1 = kOnlyV2, .offsetV2 = 347, .width = 1, .kind = FieldKind::Byte,
                .member = &C::p2pConnMode, .type = ValueType::Number,
                .summary = {27, sid::kSummaryP2pConnMode}, .page = &Network::p2pConnMode,
                .maximum = kMaxP2pConnMode},
    RecordField{.name = "p2pPinCode", .offsetV1 = kOnlyV2, .offsetV2 = 348, .width = 9, .kind = FieldKind::Text,
                .member = &C::p2pPinCode, .type = ValueType::Text,
                .summary = {29, sid::kSummaryP2pPinCode}, .page = &Network::p2pPinCode, .secret = true},
    RecordField{.name = "p2pChannel", .offsetV1 = kOnlyV2, .offsetV2 = 357, .width = 3, .kind = FieldKind::Text,
                .member = &C::p2pChannel, .type = ValueType::Channel,
                .summary = {28, sid::kSummaryP2pChannel}, .page = &Network::p2pChannel},
    RecordField{.name = "userId", .offsetV1 = 347, .offsetV2 = 360, .width = 32, .kind = FieldKind::Text,
                .member = &C::userId, .type = ValueType::Text,
                .summary = {2, sid::kSummaryUserId}, .page = &System::userId},
    RecordField{.name = "userPassword", .offsetV1 = 379, .offsetV2 = 392, .width = 32, .kind = FieldKind::Text,
                .member = &C::userPassword, .type = ValueType::Text,
                .summary = {3, sid::kSummaryUserPassword}, .page = &System::userPassword, .secret = true},
    RecordField{.name = "printerPort", .offsetV1 = 411, .offsetV2 = 424, .width = 2, .kind = FieldKind::Word,
                .member = &C::printerPort, .type = ValueType::Number,
                .summary = {1, sid::kSummaryPrinterPort}, .page = &System::printerPort,
                .maximum = kMaxPrinterPort},
    RecordField{.name = "https", .offsetV1 = 544, .offsetV2 = 557, .width = 1, .kind = FieldKind::Byte,
                .member = &C::https, .type = ValueType::Switch,
                .summary = {4, sid::kSummaryHttps}, .page = &Protocol::https, .codes = kOnOff},
    RecordField{.name = "telnet", .offsetV1 = 545, .offsetV2 = 558, .width = 1, .kind = FieldKind::Byte,
                .member = &C::telnet, .type = ValueType::Switch,
                .summary = {5, sid::kSummaryTelnet}, .page = &Protocol::telnet, .codes = kOnOff},
    RecordField{.name = "ftp", .offsetV1 = 546, .offsetV2 = 559, .width = 1, .kind = FieldKind::Byte,
                .member = &C::ftp, .type = ValueType::Switch,
                .summary = {6, sid::kSummaryFtp}, .page = &Protocol::ftp, .codes = kOnOff},
    RecordField{.name = "snmp", .offsetV1 = 547, .offsetV2 = 560, .width = 1, .kind = FieldKind::Byte,
                .member = &C::snmp, .type = ValueType::Switch,
                .summary = {7, sid::kSummarySnmp}, .page = &Protocol::snmp, .codes = kOnOff},
    RecordField{.name = "setCommunity", .offsetV1 = 549, .offsetV2 = 562, .width = 16, .kind = FieldKind::Text,
                .member = &C::setCommunity, .type = ValueType::Text,
                .summary = {8, sid::kSummarySetCommunity}, .page = &Protocol::setCommunity, .secret = true},
    RecordField{.name = "getCommunity", .offsetV1 = 565, .offsetV2 = 578, .width = 16, .kind = FieldKind::Text,
                .member = &C::getCommunity, .type = ValueType::Text,
                .summary = {9, sid::kSummaryGetCommunity}, .page = &Protocol::getCommunity, .secret = true},
    RecordField{.name = "trapCommunity", .offsetV1 = 581, .offsetV2 = 594, .width = 16, .kind = FieldKind::Text,
                .member = &C::trapCommunity, .type = ValueType::Text,
                .summary = {11, sid::kSummaryTrapCommunity}, .page = &Protocol::trapCommunity, .secret = true},
    RecordField{.name = "trapIpAddress", .offsetV1 = 597, .offsetV2 = 610, .width = 4, .kind = FieldKind::Address,
                .member = &C::trapIpAddress, .type = ValueType::Address,
                .summary = {10, sid::kSummaryTrapIpAddress}, .page = &Protocol::trapIpAddress},
    RecordField{.name = "inactivityTime", .offsetV1 = 601, .offsetV2 = 614, .width = 2, .kind = FieldKind::Word,
                .member = &C::inactivityTime, .type = ValueType::Number,
                .summary = {15, sid::kSummaryInactivityTime}, .page = &Network::inactivityTime,
                .maximum = kMaxInactivityTime},
};

constexpr bool KindMatchesMember(const RecordField& field) {
    switch (field.kind) {
        case FieldKind::Text:
            return std::holds_alternative<std::string C::*>(field.member);
        case FieldKind::Byte:
            return field.width == 1 && std::holds_alternative<std::uint8_t C::*>(field.member);
        case FieldKind::Word:
            return field.width == 2 && std::holds_alternative<std::uint16_t C::*>(field.member);
        case FieldKind::Address:
            return field.width == 4 && std::holds_alternative<std::uint32_t C::*>(field.member);
    }
    return false;
}

// Texts and channels are held as text everywhere; every other value as a number.
constexpr bool TypeMatchesKind(const RecordField& field) {
    const bool textType = field.type == ValueType::Text || field.type == ValueType::Channel;
    const bool namedType = field.type == ValueType::Code || field.type == ValueType::Switch;
    return textType == field.HoldsText() && namedType == !field.codes.empty() &&
           (field.type == ValueType::Number) == (field.maximum != 0) &&
           (field.type == ValueType::Address) == (field.kind == FieldKind::Address);
}

constexpr bool FieldsAreInOrderWithinTheRecord(int version) {
    std::size_t end = 0;
    for (const RecordField& field : kRecordFields) {
        const std::optional<std::size_t> offset = field.OffsetIn(version);
        if (!offset) {
            continue;
        }
        if (*offset < end) {
            return false;
        }
        end = *offset + field.width;
    }
    return end == (version == 2 ? kRecordSizeV2 : kRecordSizeV1);
}

// Each summary row shows one field, and the rows leave no place empty.
constexpr bool SummaryOrdersAreDistinct() {
    std::array<bool, kRecordFields.size()> taken{};
    for (const RecordField& field : kRecordFields) {
        const auto order = static_cast<std::size_t>(field.summary.order);
        if (field.summary.order < 0 || order >= taken.size() || taken[order]) {
            return false;
        }
        taken[order] = true;
    }
    return true;
}

constexpr bool TableIsSound() {
    for (const RecordField& field : kRecordFields) {
        if (!KindMatchesMember(field) || !TypeMatchesKind(field)) {
            return false;
        }
    }
    return FieldsAreInOrderWithinTheRecord(1) && FieldsAreInOrderWithinTheRecord(2) &&
           SummaryOrdersAreDistinct();
}

static_assert(TableIsSound(),
              "record fields overlap, leave the record, mismatch their kind or share a summary row");

}  // namespace

std::span<const RecordField> RecordFields() {
    return kRecordFields;
}

const RecordField* FindRecordField(std::string_view name) {
    const auto found = std::find_if(kRecordFields.begin(), kRecordFields.end(),
                                    [&](const RecordField& field) { return field.name == name; });
    return found == kRecordFields.end() ? nullptr : &*found;
}

const RecordField& FieldOf(FieldMember member) {
    return *std::find_if(kRecordFields.begin(), kRecordFields.end(),
                         [&](const RecordField& field) { return field.member == member; });
}

std::uint32_t NumberIn(const RecordField& field, const InterfaceConfig& config) {
    return std::visit(
        [&](auto member) -> std::uint32_t {
            if constexpr (std::is_same_v<decltype(member), std::string C::*>) {
                return 0;
            } else {
                return config.*member;
            }
        },
        field.member);
}

void SetNumber(const RecordField& field, InterfaceConfig& config, std::uint32_t value) {
    std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(config.*member)>;
            if constexpr (!std::is_same_v<Value, std::string>) {
                config.*member = static_cast<Value>(value);
            }
        },
        field.member);
}

const std::string& TextIn(const RecordField& field, const InterfaceConfig& config) {
    return config.*std::get<std::string C::*>(field.member);
}

void SetText(const RecordField& field, InterfaceConfig& config, std::string_view text) {
    config.*std::get<std::string C::*>(field.member) = std::string(text);
}

}  // namespace lanvane
