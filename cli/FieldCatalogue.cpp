#include "cli/FieldCatalogue.h"

#include <algorithm>
#include <array>
#include <vector>

#include "rules/RangeCorrections.h"

namespace lanvane::cli {
namespace {

constexpr std::array<CodeName, 3> kNetworkModes = {{{0, "infra"}, {1, "adhoc"}, {2, "wifi-direct"}}};
constexpr std::array<CodeName, 6> kAuthentications = {
    {{0, "open-system"}, {1, "shared-key"}, {2, "wpa-psk"}, {3, "wpa2-psk"}, {4, "wpa"}, {5, "wpa2"}}};
constexpr std::array<CodeName, 6> kCryptographs = {
    {{0, "none"}, {1, "wep64"}, {2, "wep128"}, {3, "tkip"}, {4, "aes"}, {5, "aes-tkip"}}};
constexpr std::array<CodeName, 6> kEapModes = {
    {{0, "peap"}, {1, "ttls"}, {2, "tls"}, {3, "leap"}, {4, "fast"}, {5, "none"}}};

FieldType TypeOfText(std::string_view name) {
    constexpr std::array<std::string_view, 8> kSecrets = {"wepKey",       "pskKey",       "authPassword",
                                                          "userPassword", "setCommunity", "getCommunity",
                                                          "trapCommunity", "p2pPinCode"};
    return std::find(kSecrets.begin(), kSecrets.end(), name) != kSecrets.end() ? FieldType::Secret
                                                                               : FieldType::Text;
}

FieldSpec Plain(const RecordField& field, FieldType type, std::uint32_t maximum = 0) {
    return {&field, type, maximum, {}};
}

FieldSpec SpecOf(const RecordField& field) {
    const std::string_view name = field.name;
    if (name == "networkMode") return {&field, FieldType::Code, 0, kNetworkModes};
    if (name == "authentication") return {&field, FieldType::Code, 0, kAuthentications};
    if (name == "cryptograph") return {&field, FieldType::Code, 0, kCryptographs};
    if (name == "eapMode") return {&field, FieldType::Code, 0, kEapModes};
    if (name == "dhcp" || name == "https" || name == "telnet" || name == "ftp" || name == "snmp") {
        return Plain(field, FieldType::Switch);
    }
    if (name == "adhocChannel") return Plain(field, FieldType::Number, kMaxAdhocChannel);
    if (name == "printerPort") return Plain(field, FieldType::Number, kMaxPrinterPort);
    if (name == "inactivityTime") return Plain(field, FieldType::Number, kMaxInactivityTime);
    if (name == "p2pConnMode") return Plain(field, FieldType::Number, kMaxP2pConnMode);
    if (name == "p2pChannel") return Plain(field, FieldType::Channel);
    if (field.kind == FieldKind::Address) return Plain(field, FieldType::Address);
    return Plain(field, TypeOfText(name));
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
