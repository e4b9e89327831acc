#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "protocol/InterfaceConfig.h"

namespace lanvane {

enum class FieldKind : std::uint8_t {
    Text,     // ASCII, zero padded to the width
    Byte,     // a code, flag or small number
    Word,     // unsigned 16-bit, big-endian
    Address,  // IPv4, first octet first
};

using FieldMember = std::variant<std::string InterfaceConfig::*, std::uint8_t InterfaceConfig::*,
                                 std::uint16_t InterfaceConfig::*,
                                 std::uint32_t InterfaceConfig::*>;

// One field of the configuration record, in both layouts. Encoder and decoder both walk
// this one table, so the two directions cannot disagree about where a field lies.
struct RecordField {
    std::string_view name;
    std::optional<std::size_t> offsetV1;  // empty: the field exists in version 2 only
    std::size_t offsetV2;
    std::size_t width;
    FieldKind kind;
    FieldMember member;

    constexpr std::optional<std::size_t> OffsetIn(int version) const {
        if (version == 2) {
            return offsetV2;
        }
        return version == 1 ? offsetV1 : std::nullopt;
    }
};

// Every field of the record in layout order; reserved stretches are not listed.
std::span<const RecordField> RecordFields();

}  // namespace lanvane
