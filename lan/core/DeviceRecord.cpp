#include "lan/core/DeviceRecord.h"

#include "protocol/BigEndian.h"

#include <algorithm>
#include <type_traits>

namespace lanvane {
namespace {

// The record's layout, written once for both directions: each field with its offset,
// big-endian where wider than a byte. A wireless record adds two bytes at the end.
template <class Record, class Visit>
void VisitFields(Record& record, Visit visit) {
    visit(record.mac, 0);
    visit(record.ip, 6);
    visit(record.subnet, 10);
    visit(record.gateway, 14);
    visit(record.port, 18);
    visit(record.baudCode, 20);
    visit(record.fwMajor, 21);
    visit(record.fwMinor, 22);
    visit(record.dhcp, 23);
    visit(record.inactivity, 24);
    visit(record.https, 26);
    if constexpr (std::is_base_of_v<WlanDeviceRecord, std::remove_const_t<Record>>) {
        visit(record.featureCode, 27);
        visit(record.reserved, 28);
    }
}

template <class Record>
std::optional<Record> Decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < Record::kSize) {
        return std::nullopt;
    }
    Record record;
    VisitFields(record, [bytes]<class Field>(Field& field, std::size_t at) {
        if constexpr (std::is_same_v<Field, MacAddress>) {
            std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), field.size(), field.begin());
        } else {
            field = static_cast<Field>(ReadBigEndian(bytes.subspan(at, sizeof(Field))));
        }
    });
    return record;
}

template <class Record>
std::array<std::uint8_t, Record::kSize> Encode(const Record& record) {
    std::array<std::uint8_t, Record::kSize> bytes{};
    const std::span<std::uint8_t> out(bytes);
    VisitFields(record, [out]<class Field>(const Field& field, std::size_t at) {
        if constexpr (std::is_same_v<Field, MacAddress>) {
            std::copy(field.begin(), field.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
        } else {
            WriteBigEndian(field, out.subspan(at, sizeof(Field)));
        }
    });
    return bytes;
}

}  // namespace

std::optional<DeviceRecord> DecodeDeviceRecord(std::span<const std::uint8_t> bytes) {
    return Decode<DeviceRecord>(bytes);
}

std::optional<WlanDeviceRecord> DecodeWlanDeviceRecord(std::span<const std::uint8_t> bytes) {
    return Decode<WlanDeviceRecord>(bytes);
}

std::array<std::uint8_t, DeviceRecord::kSize> EncodeDeviceRecord(const DeviceRecord& record) {
    return Encode(record);
}

std::array<std::uint8_t, WlanDeviceRecord::kSize> EncodeWlanDeviceRecord(const WlanDeviceRecord& record) {
    return Encode(record);
}

}  // namespace lanvane
