#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "protocol/ConfigFieldTable.h"

namespace lanvane::cli {

// How lanvane-cli shows and takes a record field.
enum class FieldType {
    Text,     // a string of at most the field's width
    Secret,   // a text shown as kMaskedSecret unless secrets are asked for
    Switch,   // true or false
    Code,     // one of the field's code names
    Number,   // a whole number within the field's range
    Address,  // an IPv4 address "a.b.c.d"
    Channel,  // one of the texts "1", "6", "11"
};

struct FieldSpec {
    const RecordField* record;
    FieldType type;
    std::uint32_t maximum = 0;        // Number: the range is 0..maximum
    std::span<const CodeName> codes;  // Code: every code the field takes

    std::string_view Name() const { return record->name; }
    bool IsSecret() const { return type == FieldType::Secret; }
    // In a few words: "text of at most 32 bytes in UTF-8", "one of: infra, adhoc, wifi-direct".
    std::string Allowed() const;
    std::optional<std::string_view> CodeNameOf(int code) const;
    std::optional<int> CodeOf(std::string_view name) const;
};

// What a masked secret shows. Written back, it keeps the printer's value.
inline constexpr std::string_view kMaskedSecret = "********";

// Every field of the record, in record order.
std::span<const FieldSpec> FieldSpecs();
const FieldSpec* FindFieldSpec(std::string_view name);

}  // namespace lanvane::cli
