#include "cli/FieldCatalogue.h"

#include <algorithm>
#include <vector>

namespace lanvane::cli {
namespace {

// Texts that are secrets are shown masked; switches take true or false, not code names.
FieldType TypeOf(const RecordField& field) {
    switch (field.type) {
        case ValueType::Text: return field.secret ? FieldType::Secret : FieldType::Text;
        case ValueType::Switch: return FieldType::Switch;
        case ValueType::Code: return FieldType::Code;
        case ValueType::Number: return FieldType::Number;
        case ValueType::Address: return FieldType::Address;
        case ValueType::Channel: return FieldType::Channel;
    }
    return FieldType::Text;
}

FieldSpec SpecOf(const RecordField& field) {
    const FieldType type = TypeOf(field);
    return {&field, type, field.maximum, type == FieldType::Code ? field.codes : std::span<const CodeName>{}};
}

std::vector<FieldSpec> BuildSpecs() {
    std::vector<FieldSpec> specs;
    for (const RecordField& field : RecordFields()) {
        specs.push_back(SpecOf(field));
    }
    return specs;
}

}  // namespace

std::string FieldSpec::Allowed() const {
    switch (type) {
        case FieldType::Text:
        // The record holds bytes: an accented letter takes two of them, some signs three or four.
        case FieldType::Secret: return "text of at most " + std::to_string(record->width) + " bytes in UTF-8";
        case FieldType::Switch: return "true or false";
        case FieldType::Number: return "a whole number from 0 to " + std::to_string(maximum);
        case FieldType::Address: return "an IPv4 address a.b.c.d";
        case FieldType::Channel: return "one of: \"1\", \"6\", \"11\"";
        case FieldType::Code: break;
    }
    std::string text = "one of:";
    for (const CodeName& code : codes) {
        text += (&code == codes.data() ? " " : ", ") + std::string(code.name);
    }
    return text;
}

std::optional<std::string_view> FieldSpec::CodeNameOf(int code) const {
    const auto found = std::find_if(codes.begin(), codes.end(), [&](const CodeName& c) { return c.code == code; });
    return found == codes.end() ? std::nullopt : std::optional(found->name);
}

std::optional<int> FieldSpec::CodeOf(std::string_view name) const {
    const auto found = std::find_if(codes.begin(), codes.end(), [&](const CodeName& c) { return c.name == name; });
    return found == codes.end() ? std::nullopt : std::optional(found->code);
}

std::span<const FieldSpec> FieldSpecs() {
    static const std::vector<FieldSpec> specs = BuildSpecs();
    return specs;
}

const FieldSpec* FindFieldSpec(std::string_view name) {
    const auto specs = FieldSpecs();
    const auto found = std::find_if(specs.begin(), specs.end(), [&](const FieldSpec& fieldSpec) { return fieldSpec.Name() == name; });
    return found == specs.end() ? nullptr : &*found;
}

}  // namespace lanvane::cli
