#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "sim/Bytes.h"
#include "sim/PrinterRecord.h"

namespace lanvane::sim {

using RecordMember = std::variant<std::string PrinterRecord::*, std::uint8_t PrinterRecord::*,
                                  std::uint16_t PrinterRecord::*, std::uint32_t PrinterRecord::*>;

// One field of the record: where it lies in each layout and which member holds it.
struct RecordField {
    static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

    std::string_view name;
    std::size_t offsetLayout1;  // kAbsent for the Wi-Fi Direct fields
    std::size_t offsetLayout2;
    std::size_t width;
    RecordMember member;

    std::size_t OffsetIn(int layout) const { return layout == 2 ? offsetLayout2 : offsetLayout1; }
};

// The record's byte layout as the printer stores it: big-endian numbers, zero-padded texts.
class SimRecordLayout {
public:
    static constexpr std::size_t kSizeLayout1 = 603;
    static constexpr std::size_t kSizeLayout2 = 616;

    static std::span<const RecordField> Fields();
    static std::size_t SizeOf(int layout);
    // The layout whose record fills `size` bytes, allowing one padding byte.
    static std::optional<int> LayoutForPayload(std::size_t size);

    static Bytes Encode(const PrinterRecord& record);
    // `bytes` must hold SizeOf(layout) bytes.
    static PrinterRecord Decode(const std::uint8_t* bytes, int layout);
};

}  // namespace lanvane::sim
