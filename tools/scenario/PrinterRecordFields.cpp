#include "tools/scenario/PrinterRecordFields.h"

#include <cstdint>
#include <limits>
#include <variant>

#include "tools/scenario/FieldTexts.h"

namespace lanvane::scenario {
namespace {

using sim::PrinterRecord;

struct Address {
    std::uint32_t PrinterRecord::*member;
};
using FieldMember = std::variant<std::string PrinterRecord::*, std::uint8_t PrinterRecord::*,
                                 std::uint16_t PrinterRecord::*, Address>;

struct RecordField {
    std::string_view name;
    FieldMember member;
};

const RecordField kFields[] = {
    {"printerName", &PrinterRecord::printerName},
    {"networkMode", &PrinterRecord::networkMode},
    {"dhcp", &PrinterRecord::dhcp},
    {"ipAddress", Address{&PrinterRecord::ipAddress}},
    {"subnetMask", Address{&PrinterRecord::subnetMask}},
    {"gateway", Address{&PrinterRecord::gateway}},
    {"ssid", &PrinterRecord::ssid},
    {"authentication", &PrinterRecord::authentication},
    {"cryptograph", &PrinterRecord::cryptograph},
    {"wepKey", &PrinterRecord::wepKey},
    {"pskKey", &PrinterRecord::pskKey},
    {"adhocChannel", &PrinterRecord::adhocChannel},
    {"eapMode", &PrinterRecord::eapMode},
    {"authId", &PrinterRecord::authId},
    {"authPassword", &PrinterRecord::authPassword},
    {"p2pConnMode", &PrinterRecord::p2pConnMode},
    {"p2pPinCode", &PrinterRecord::p2pPinCode},
    {"p2pChannel", &PrinterRecord::p2pChannel},
    {"userId", &PrinterRecord::userId},
    {"userPassword", &PrinterRecord::userPassword},
    {"printerPort", &PrinterRecord::printerPort},
    {"https", &PrinterRecord::https},
    {"telnet", &PrinterRecord::telnet},
    {"ftp", &PrinterRecord::ftp},
    {"snmp", &PrinterRecord::snmp},
    {"setCommunity", &PrinterRecord::setCommunity},
    {"getCommunity", &PrinterRecord::getCommunity},
    {"trapCommunity", &PrinterRecord::trapCommunity},
    {"trapIpAddress", Address{&PrinterRecord::trapIpAddress}},
    {"inactivityTime", &PrinterRecord::inactivityTime},
};

const RecordField* FindField(std::string_view name) {
    for (const RecordField& field : kFields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

template <class Number>
std::optional<Number> ParseNumber(std::string_view text) {
    const auto value = ParseBoundedNumber(text, std::numeric_limits<Number>::max());
    return value ? std::optional<Number>(static_cast<Number>(*value)) : std::nullopt;
}

struct TextOf {
    const PrinterRecord& record;
    std::string operator()(std::string PrinterRecord::*member) const { return record.*member; }
    std::string operator()(std::uint8_t PrinterRecord::*member) const {
        return std::to_string(record.*member);
    }
    std::string operator()(std::uint16_t PrinterRecord::*member) const {
        return std::to_string(record.*member);
    }
    std::string operator()(Address address) const { return AddressText(record.*address.member); }
};

template <class Value>
bool Store(PrinterRecord& record, Value PrinterRecord::*member, std::optional<Value> value) {
    if (value) {
        record.*member = *value;
    }
    return value.has_value();
}

struct Setter {
    PrinterRecord& record;
    std::string_view text;
    bool operator()(std::string PrinterRecord::*member) const {
        record.*member = std::string(text);
        return true;
    }
    bool operator()(std::uint8_t PrinterRecord::*member) const {
        return Store(record, member, ParseNumber<std::uint8_t>(text));
    }
    bool operator()(std::uint16_t PrinterRecord::*member) const {
        return Store(record, member, ParseNumber<std::uint16_t>(text));
    }
    bool operator()(Address address) const { return Store(record, address.member, ParseAddressText(text)); }
};

}  // namespace

bool IsRecordField(std::string_view name) {
    return FindField(name) != nullptr;
}

std::optional<std::string> RecordFieldText(const PrinterRecord& record, std::string_view name) {
    const RecordField* field = FindField(name);
    if (field == nullptr) {
        return std::nullopt;
    }
    return std::visit(TextOf{record}, field->member);
}

bool SetRecordField(PrinterRecord& record, std::string_view name, std::string_view text) {
    const RecordField* field = FindField(name);
    return field != nullptr && std::visit(Setter{record, text}, field->member);
}

std::string RecordFieldNames() {
    std::string names;
    for (const RecordField& field : kFields) {
        names += names.empty() ? "" : ", ";
        names += field.name;
    }
    return names;
}

}  // namespace lanvane::scenario
