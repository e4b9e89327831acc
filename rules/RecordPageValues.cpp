#include "rules/RecordPageValues.h"

#include <type_traits>

#include "protocol/ConfigFieldTable.h"
#include "rules/NetworkPageRules.h"

namespace lanvane::rules {

namespace {

template <class Member>
struct PageOfMember;
template <class Value, class Page>
struct PageOfMember<Value Page::*> {
    using type = Page;
};

// Calls `use(member)` for each field that `Page` holds, with the page's member.
template <class Page, class Use>
void ForEachFieldOf(Use use) {
    for (const RecordField& field : RecordFields()) {
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<typename PageOfMember<decltype(member)>::type, Page>) {
                    use(field, member);
                }
            },
            field.page);
    }
}

// A page's choice is the record's code, or its inverse (0 for 1, 1 for anything else).
int ChoiceOf(const RecordField& field, std::uint32_t code) {
    if (field.pageHoldsInverse) {
        return code != 0 ? 0 : 1;
    }
    return static_cast<int>(code);
}

std::uint32_t CodeOf(const RecordField& field, int choice) {
    if (field.pageHoldsInverse) {
        return choice == 0 ? 1 : 0;
    }
    return static_cast<std::uint32_t>(choice);
}

template <class Page>
void LoadFields(const InterfaceConfig& config, Page& values) {
    ForEachFieldOf<Page>([&](const RecordField& field, auto member) {
        if (!field.IsIn(config.version)) {
            return;
        }
        auto& value = values.*member;
        using Value = std::remove_reference_t<decltype(value)>;
        if constexpr (std::is_same_v<Value, std::string>) {
            value = TextIn(field, config);
        } else if constexpr (std::is_same_v<Value, int>) {
            value = ChoiceOf(field, NumberIn(field, config));
        } else {
            value = NumberIn(field, config);
        }
    });
}

// Fields the record's version lacks are set too; the record's encoding leaves them out.
template <class Page>
void ApplyFields(const Page& values, InterfaceConfig& record) {
    ForEachFieldOf<Page>([&](const RecordField& field, auto member) {
        const auto& value = values.*member;
        using Value = std::remove_cvref_t<decltype(value)>;
        if constexpr (std::is_same_v<Value, std::string>) {
            SetText(field, record, value);
        } else if constexpr (std::is_same_v<Value, int>) {
            if (value >= 0) {
                SetNumber(field, record, CodeOf(field, value));
            }
        } else {
            SetNumber(field, record, value);
        }
    });
}

}  // namespace

void LoadPageValues(const InterfaceConfig& config, SystemPageValues& values) {
    LoadFields(config, values);
    values.confirmPassword = values.userPassword;
}

void LoadPageValues(const InterfaceConfig& config, ProtocolPageValues& values) {
    LoadFields(config, values);
}

void LoadPageValues(const InterfaceConfig& config, NetworkPageValues& values) {
    LoadFields(config, values);
    values.reportedAddress = AddressSettingOf(config);
    if (!FieldOf(&InterfaceConfig::p2pPinCode).IsIn(config.version)) {
        values.p2pPinCode = kDefaultPinCode;
    }
}

void LoadPageValues(const InterfaceConfig& config, AuthPageValues& values) {
    LoadFields(config, values);
}

ConfigPageValues PageValuesFromConfig(const InterfaceConfig& config) {
    ConfigPageValues values;
    LoadPageValues(config, values.system);
    LoadPageValues(config, values.protocol);
    LoadPageValues(config, values.network);
    LoadPageValues(config, values.auth);
    values.extendedRecord = config.version == 2;
    return values;
}

void ApplyPageValues(const SystemPageValues& values, InterfaceConfig& record) {
    ApplyFields(values, record);
}

void ApplyPageValues(const ProtocolPageValues& values, InterfaceConfig& record) {
    ApplyFields(values, record);
}

void ApplyPageValues(const NetworkPageValues& values, InterfaceConfig& record) {
    ApplyFields(values, record);
}

void ApplyPageValues(const AuthPageValues& values, InterfaceConfig& record) {
    ApplyFields(values, record);
}

}  // namespace lanvane::rules
