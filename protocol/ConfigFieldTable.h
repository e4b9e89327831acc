#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "protocol/InterfaceConfig.h"
#include "protocol/PageValues.h"

// The one description of every field of the configuration record: where it lies in the
// bytes, what its value means, which summary row and which page show it. The codec, the
// summary, the pages' values, lanvane-cli's JSON and the scenario files all walk this table,
// so a new field is one new entry (and its texts and controls).
namespace lanvane {

// How the field lies in the record's bytes.
enum class FieldKind : std::uint8_t {
    Text,     // ASCII, zero padded to the width
    Byte,     // a code, flag or small number
    Word,     // unsigned 16-bit, big-endian
    Address,  // IPv4, first octet first
};

// What the field's value means, which decides how it is taken and shown.
enum class ValueType : std::uint8_t {
    Text,     // any text of at most the width
    Switch,   // 0 off, 1 on
    Code,     // one of the codes the field names
    Number,   // a whole number from 0 to the field's maximum
    Address,  // an IPv4 address
    Channel,  // one of the Wi-Fi Direct channel texts "1", "6", "11"
};

// The ranges of the number fields.
constexpr std::uint32_t kMaxPrinterPort = 32767;
constexpr std::uint32_t kMaxInactivityTime = 3600;
constexpr std::uint32_t kMaxAdhocChannel = 14;
// Connection modes: the window lists 0 ("PIN&PBC"); printers report 1 to 3 as well.
constexpr std::uint32_t kMaxP2pConnMode = 3;

// A code of a field: the name lanvane-cli gives it and the string that names it in the
// summary (0: none, the summary shows the number).
struct CodeName {
    int code;
    std::string_view name;
    int summaryNameId = 0;
};

// The field's row in the summary of a written record: its place among the rows (0 first)
// and the string of its label.
struct SummaryRow {
    int order;
    int labelId;
};

using FieldMember = std::variant<std::string InterfaceConfig::*, std::uint8_t InterfaceConfig::*,
                                 std::uint16_t InterfaceConfig::*,
                                 std::uint32_t InterfaceConfig::*>;

// Where a configuration page keeps the field's value: texts as text, choices as an index
// (-1 none), numbers and addresses as a 32-bit number.
using PageMember =
    std::variant<std::string SystemPageValues::*, int SystemPageValues::*, std::uint32_t SystemPageValues::*,
                 std::string ProtocolPageValues::*, int ProtocolPageValues::*, std::uint32_t ProtocolPageValues::*,
                 std::string NetworkPageValues::*, int NetworkPageValues::*, std::uint32_t NetworkPageValues::*,
                 std::string AuthPageValues::*, int AuthPageValues::*, std::uint32_t AuthPageValues::*>;

struct RecordField {
    std::string_view name;  // lanvane-cli's JSON key and the scenario files' name
    std::optional<std::size_t> offsetV1;  // empty: the field exists in version 2 only
    std::size_t offsetV2;
    std::size_t width;
    FieldKind kind;
    FieldMember member;
    ValueType type;
    SummaryRow summary;
    PageMember page;
    std::uint32_t maximum = 0;             // Number: the range is 0..maximum
    std::span<const CodeName> codes = {};  // Code and Switch: what each code is called
    bool secret = false;                   // lanvane-cli shows it masked unless asked
    bool pageHoldsInverse = false;         // the page's choice 0 is the value 1 and back

    constexpr std::optional<std::size_t> OffsetIn(int version) const {
        if (version == 2) {
            return offsetV2;
        }
        return version == 1 ? offsetV1 : std::nullopt;
    }
    constexpr bool IsIn(int version) const { return OffsetIn(version).has_value(); }
    constexpr bool HoldsText() const { return kind == FieldKind::Text; }
};

// Every field of the record in layout order; reserved stretches are not listed.
std::span<const RecordField> RecordFields();
const RecordField* FindRecordField(std::string_view name);
// The entry of a member of InterfaceConfig; every member but `version` has one.
const RecordField& FieldOf(FieldMember member);

// The value of a field that holds a number (any kind but Text).
std::uint32_t NumberIn(const RecordField& field, const InterfaceConfig& config);
// Stores `value` cut to the field's width.
void SetNumber(const RecordField& field, InterfaceConfig& config, std::uint32_t value);
// The value of a field of kind Text.
const std::string& TextIn(const RecordField& field, const InterfaceConfig& config);
void SetText(const RecordField& field, InterfaceConfig& config, std::string_view text);

}  // namespace lanvane
