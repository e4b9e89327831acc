#include "tools/scenario/SimulatedFields.h"

#include <cstdint>
#include <limits>
#include <variant>

#include "protocol/ConfigFieldTable.h"
#include "sim/SimRecordLayout.h"
#include "tools/scenario/FieldTexts.h"

namespace lanvane::scenario {
namespace {

using sim::PrinterRecord;

// A field of the record's table, as the simulated printer holds it in its member of the
// same name: the simulator keeps its own table, as the other side of the wire.
const sim::RecordField* FindField(std::string_view name) {
    if (FindRecordField(name) == nullptr) {
        return nullptr;
    }
    for (const sim::RecordField& simField : sim::SimRecordLayout::Fields()) {
        if (simField.name == name) {
            return &simField;
        }
    }
    return nullptr;
}

template <class Number>
std::optional<Number> ParseNumber(std::string_view text) {
    const auto value = ParseBoundedNumber(text, std::numeric_limits<Number>::max());
    return value ? std::optional<Number>(static_cast<Number>(*value)) : std::nullopt;
}

template <class Value>
bool Store(PrinterRecord& record, Value PrinterRecord::*member, std::optional<Value> value) {
    if (value) {
        record.*member = *value;
    }
    return value.has_value();
}

// Texts as they are, addresses dotted, other numbers in decimal.
struct TextOf {
    const PrinterRecord& record;
    std::string operator()(std::string PrinterRecord::*member) const { return record.*member; }
    std::string operator()(std::uint32_t PrinterRecord::*member) const { return AddressText(record.*member); }
    template <class Number>
    std::string operator()(Number PrinterRecord::*member) const {
        return std::to_string(record.*member);
    }
};

struct Setter {
    PrinterRecord& record;
    std::string_view text;
    bool operator()(std::string PrinterRecord::*member) const {
        record.*member = std::string(text);
        return true;
    }
    bool operator()(std::uint32_t PrinterRecord::*member) const {
        return Store(record, member, ParseAddressText(text));
    }
    template <class Number>
    bool operator()(Number PrinterRecord::*member) const {
        return Store(record, member, ParseNumber<Number>(text));
    }
};

}  // namespace

bool IsRecordField(std::string_view name) {
    return FindField(name) != nullptr;
}

std::optional<std::string> RecordFieldText(const PrinterRecord& record, std::string_view name) {
    const sim::RecordField* field = FindField(name);
    if (field == nullptr) {
        return std::nullopt;
    }
    return std::visit(TextOf{record}, field->member);
}

bool SetRecordField(PrinterRecord& record, std::string_view name, std::string_view text) {
    const sim::RecordField* field = FindField(name);
    return field != nullptr && std::visit(Setter{record, text}, field->member);
}

std::string RecordFieldNames() {
    std::string names;
    for (const RecordField& field : RecordFields()) {
        names += names.empty() ? "" : ", ";
        names += field.name;
    }
    return names;
}

}  // namespace lanvane::scenario
