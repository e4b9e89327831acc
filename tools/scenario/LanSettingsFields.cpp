#include "tools/scenario/SimulatedFields.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <variant>

#include "tools/scenario/FieldTexts.h"

namespace lanvane::scenario {
namespace {

using sim::LanPrinterSettings;

struct Address {
    std::uint32_t LanPrinterSettings::*member;
};
struct Mac {};
using FieldMember = std::variant<std::uint8_t LanPrinterSettings::*, std::uint16_t LanPrinterSettings::*,
                                 bool LanPrinterSettings::*, Address, Mac>;

struct LanField {
    std::string_view name;
    FieldMember member;
};

const LanField kFields[] = {
    {"mac", Mac{}},
    {"ip", Address{&LanPrinterSettings::ip}},
    {"subnet", Address{&LanPrinterSettings::subnet}},
    {"gateway", Address{&LanPrinterSettings::gateway}},
    {"port", &LanPrinterSettings::port},
    {"baudCode", &LanPrinterSettings::baudCode},
    {"fwMajor", &LanPrinterSettings::fwMajor},
    {"fwMinor", &LanPrinterSettings::fwMinor},
    {"dhcp", &LanPrinterSettings::dhcp},
    {"inactivity", &LanPrinterSettings::inactivity},
    {"https", &LanPrinterSettings::https},
    {"featureCode", &LanPrinterSettings::featureCode},
};

const LanField* FindField(std::string_view name) {
    for (const LanField& field : kFields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

struct TextOf {
    const LanPrinterSettings& settings;
    std::string operator()(std::uint8_t LanPrinterSettings::*member) const { return std::to_string(settings.*member); }
    std::string operator()(std::uint16_t LanPrinterSettings::*member) const {
        return std::to_string(settings.*member);
    }
    std::string operator()(bool LanPrinterSettings::*member) const { return settings.*member ? "1" : "0"; }
    std::string operator()(Address address) const { return AddressText(settings.*address.member); }
    std::string operator()(Mac) const { return MacText(settings.mac); }
};

struct Setter {
    LanPrinterSettings& settings;
    std::string_view text;

    template <class Number>
    bool SetNumber(Number LanPrinterSettings::*member) const {
        const auto value = ParseBoundedNumber(text, std::numeric_limits<Number>::max());
        if (value) {
            settings.*member = static_cast<Number>(*value);
        }
        return value.has_value();
    }
    bool operator()(std::uint8_t LanPrinterSettings::*member) const { return SetNumber(member); }
    bool operator()(std::uint16_t LanPrinterSettings::*member) const { return SetNumber(member); }
    bool operator()(bool LanPrinterSettings::*member) const {
        const auto value = ParseBoundedNumber(text, 1);
        if (value) {
            settings.*member = *value != 0;
        }
        return value.has_value();
    }
    bool operator()(Address address) const {
        const auto value = ParseAddressText(text);
        if (value) {
            settings.*address.member = *value;
        }
        return value.has_value();
    }
    bool operator()(Mac) const {
        const auto value = ParseMacText(text);
        if (value) {
            settings.mac = *value;
        }
        return value.has_value();
    }
};

}  // namespace

bool IsLanField(std::string_view name) {
    return FindField(name) != nullptr;
}

std::optional<std::string> LanFieldText(const LanPrinterSettings& settings, std::string_view name) {
    const LanField* field = FindField(name);
    if (field == nullptr) {
        return std::nullopt;
    }
    return std::visit(TextOf{settings}, field->member);
}

bool SetLanField(LanPrinterSettings& settings, std::string_view name, std::string_view text) {
    const LanField* field = FindField(name);
    return field != nullptr && std::visit(Setter{settings, text}, field->member);
}

std::string LanFieldNames() {
    std::string names;
    for (const LanField& field : kFields) {
        names += names.empty() ? "" : ", ";
        names += field.name;
    }
    return names;
}

}  // namespace lanvane::scenario
