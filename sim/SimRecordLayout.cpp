#include "sim/SimRecordLayout.h"

#include <algorithm>
#include <array>

#include "sim/SimWireCodec.h"

namespace lanvane::sim {
namespace {

constexpr std::size_t kAbsent = RecordField::kAbsent;
using R = PrinterRecord;

const std::array<RecordField, 30> kFields = {{
    {"printerName", 0, 0, 64, &R::printerName},
    {"networkMode", 65, 65, 1, &R::networkMode},
    {"dhcp", 66, 66, 1, &R::dhcp},
    {"ipAddress", 67, 67, 4, &R::ipAddress},
    {"subnetMask", 71, 71, 4, &R::subnetMask},
    {"gateway", 75, 75, 4, &R::gateway},
    {"ssid", 79, 79, 32, &R::ssid},
    {"authentication", 111, 111, 1, &R::authentication},
    {"cryptograph", 112, 112, 1, &R::cryptograph},
    {"wepKey", 113, 113, 26, &R::wepKey},
    {"pskKey", 217, 217, 64, &R::pskKey},
    {"adhocChannel", 281, 281, 1, &R::adhocChannel},
    {"eapMode", 282, 282, 1, &R::eapMode},
    {"authId", 283, 283, 32, &R::authId},
    {"authPassword", 315, 315, 32, &R::authPassword},
    {"p2pConnMode", kAbsent, 347, 1, &R::p2pConnMode},
    {"p2pPinCode", kAbsent, 348, 9, &R::p2pPinCode},
    {"p2pChannel", kAbsent, 357, 3, &R::p2pChannel},
    {"userId", 347, 360, 32, &R::userId},
    {"userPassword", 379, 392, 32, &R::userPassword},
    {"printerPort", 411, 424, 2, &R::printerPort},
    {"https", 544, 557, 1, &R::https},
    {"telnet", 545, 558, 1, &R::telnet},
    {"ftp", 546, 559, 1, &R::ftp},
    {"snmp", 547, 560, 1, &R::snmp},
    {"setCommunity", 549, 562, 16, &R::setCommunity},
    {"getCommunity", 565, 578, 16, &R::getCommunity},
    {"trapCommunity", 581, 594, 16, &R::trapCommunity},
    {"trapIpAddress", 597, 610, 4, &R::trapIpAddress},
    {"inactivityTime", 601, 614, 2, &R::inactivityTime},
}};

void WriteField(const RecordField& field, const PrinterRecord& record, std::uint8_t* at) {
    std::visit(
        [&](auto member) {
            const auto& value = record.*member;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                std::copy_n(value.begin(), std::min(value.size(), field.width), at);
            } else {
                for (std::size_t i = 0; i < sizeof(Value); ++i) {
                    at[i] = static_cast<std::uint8_t>(value >> (8 * (sizeof(Value) - 1 - i)));
                }
            }
        },
        field.member);
}

void ReadField(const RecordField& field, const std::uint8_t* at, PrinterRecord& record) {
    std::visit(
        [&](auto member) {
            auto& value = record.*member;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                const auto* end = std::find(at, at + field.width, std::uint8_t{0});
                value.assign(at, end);
            } else {
                Value number = 0;
                for (std::size_t i = 0; i < sizeof(Value); ++i) {
                    number = static_cast<Value>((number << 8) | at[i]);
                }
                value = number;
            }
        },
        field.member);
}

}  // namespace

std::span<const RecordField> SimRecordLayout::Fields() { return kFields; }

std::size_t SimRecordLayout::SizeOf(int layout) {
    return layout == 2 ? kSizeLayout2 : kSizeLayout1;
}

std::optional<int> SimRecordLayout::LayoutForPayload(std::size_t size) {
    if (size == kSizeLayout1 || size == kSizeLayout1 + 1) {
        return 1;
    }
    if (size == kSizeLayout2 || size == kSizeLayout2 + 1) {
        return 2;
    }
    return std::nullopt;
}

Bytes SimRecordLayout::Encode(const PrinterRecord& record) {
    Bytes bytes(SizeOf(record.layout), 0);
    for (const RecordField& field : kFields) {
        const std::size_t offset = field.OffsetIn(record.layout);
        if (offset != kAbsent) {
            WriteField(field, record, bytes.data() + offset);
        }
    }
    return bytes;
}

PrinterRecord SimRecordLayout::Decode(const std::uint8_t* bytes, int layout) {
    PrinterRecord record;
    record.layout = layout == 2 ? 2 : 1;
    for (const RecordField& field : kFields) {
        const std::size_t offset = field.OffsetIn(record.layout);
        if (offset != kAbsent) {
            ReadField(field, bytes + offset, record);
        }
    }
    return record;
}

}  // namespace lanvane::sim
