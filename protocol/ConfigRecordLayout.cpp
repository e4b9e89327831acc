#include "protocol/ConfigRecordLayout.h"

#include <array>

namespace lanvane {
namespace {

using C = InterfaceConfig;
constexpr auto kOnlyV2 = std::nullopt;

// The Wi-Fi Direct fields of version 2 are inserted at offset 347; everything after
// them lies 13 bytes further than in version 1.
constexpr std::array kRecordFields = {
    RecordField{"printerName", 0, 0, 64, FieldKind::Text, &C::printerName},
    RecordField{"networkMode", 65, 65, 1, FieldKind::Byte, &C::networkMode},
    RecordField{"dhcp", 66, 66, 1, FieldKind::Byte, &C::dhcp},
    RecordField{"ipAddress", 67, 67, 4, FieldKind::Address, &C::ipAddress},
    RecordField{"subnetMask", 71, 71, 4, FieldKind::Address, &C::subnetMask},
    RecordField{"gateway", 75, 75, 4, FieldKind::Address, &C::gateway},
    RecordField{"ssid", 79, 79, 32, FieldKind::Text, &C::ssid},
    RecordField{"authentication", 111, 111, 1, FieldKind::Byte, &C::authentication},
    RecordField{"cryptograph", 112, 112, 1, FieldKind::Byte, &C::cryptograph},
    RecordField{"wepKey", 113, 113, 26, FieldKind::Text, &C::wepKey},
    RecordField{"pskKey", 217, 217, 64, FieldKind::Text, &C::pskKey},
    RecordField{"adhocChannel", 281, 281, 1, FieldKind::Byte, &C::adhocChannel},
    RecordField{"eapMode", 282, 282, 1, FieldKind::Byte, &C::eapMode},
    RecordField{"authId", 283, 283, 32, FieldKind::Text, &C::authId},
    RecordField{"authPassword", 315, 315, 32, FieldKind::Text, &C::authPassword},
    RecordField{"p2pConnMode", kOnlyV2, 347, 1, FieldKind::Byte, &C::p2pConnMode},
    RecordField{"p2pPinCode", kOnlyV2, 348, 9, FieldKind::Text, &C::p2pPinCode},
    RecordField{"p2pChannel", kOnlyV2, 357, 3, FieldKind::Text, &C::p2pChannel},
    RecordField{"userId", 347, 360, 32, FieldKind::Text, &C::userId},
    RecordField{"userPassword", 379, 392, 32, FieldKind::Text, &C::userPassword},
    RecordField{"printerPort", 411, 424, 2, FieldKind::Word, &C::printerPort},
    RecordField{"https", 544, 557, 1, FieldKind::Byte, &C::https},
    RecordField{"telnet", 545, 558, 1, FieldKind::Byte, &C::telnet},
    RecordField{"ftp", 546, 559, 1, FieldKind::Byte, &C::ftp},
    RecordField{"snmp", 547, 560, 1, FieldKind::Byte, &C::snmp},
    RecordField{"setCommunity", 549, 562, 16, FieldKind::Text, &C::setCommunity},
    RecordField{"getCommunity", 565, 578, 16, FieldKind::Text, &C::getCommunity},
    RecordField{"trapCommunity", 581, 594, 16, FieldKind::Text, &C::trapCommunity},
    RecordField{"trapIpAddress", 597, 610, 4, FieldKind::Address, &C::trapIpAddress},
    RecordField{"inactivityTime", 601, 614, 2, FieldKind::Word, &C::inactivityTime},
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

constexpr bool LayoutIsSound() {
    for (const RecordField& field : kRecordFields) {
        if (!KindMatchesMember(field)) {
            return false;
        }
    }
    return FieldsAreInOrderWithinTheRecord(1) && FieldsAreInOrderWithinTheRecord(2);
}

static_assert(LayoutIsSound(), "record fields overlap, leave the record or mismatch their kind");

}  // namespace

std::span<const RecordField> RecordFields() {
    return kRecordFields;
}

}  // namespace lanvane
