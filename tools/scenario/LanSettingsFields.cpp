#include "tools/scenario/LanSettingsFields.h"

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

std::string MacText(const std::array<std::uint8_t, 6>& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
    return text;
}

// Six pairs of hexadecimal digits joined by '-'.
std::optional<std::array<std::uint8_t, 6>> ParseMac(std::string_view text) {
    std::array<std::uint8_t, 6> mac{};
    if (text.size() != 17) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index < mac.size(); ++index) {
        const char* first = text.data() + index * 3;
        const auto [end, error] = std::from_chars(first, first + 2, mac[index], 16);
        if (error != std::errc() || end != first + 2 || (index < 5 && *end != '-')) {
            return std::nullopt;
        }
    }
    return mac;
}

struct TextOf {
    const LanPrinterSettings& settings;
    std::string operator()(std::uint8_t LanPrinterSettings::*member) const { return std::to_string(settings.*member); }
    std::string operator()(std::uint16_t LanPrinterSettings::*member) const {
        return std::to_string(settings.*member);
    }
    std::string operator()(bool LanPrinterSettings::*member) const { return settings.*member ? "1" : "0"; }
    std::string operator()(Address address) const { return DottedAddress(settings.*address.member); }
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
        const auto value = ParseDottedAddress(text);
        if (value) {
            settings.*address.member = *value;
        }
        return value.has_value();
    }
    bool operator()(Mac) const {
        const auto value = ParseMac(text);
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
