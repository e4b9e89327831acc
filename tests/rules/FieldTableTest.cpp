#include <gtest/gtest.h>

#include <set>
#include <string>

#include "protocol/ConfigFieldTable.h"
#include "rules/ConfigSummary.h"
#include "rules/NetworkPageRules.h"
#include "rules/RecordPageValues.h"
#include "resources/StringIds.h"

// Properties every entry of the field table must have, whatever field is added.
namespace lanvane::rules {
namespace {

// A value for each field that no other field shares, within the field's range and codes.
InterfaceConfig EveryFieldDistinct(int version) {
    InterfaceConfig config;
    config.version = version;
    std::uint32_t index = 0;
    for (const RecordField& field : RecordFields()) {
        ++index;
        switch (field.type) {
            case ValueType::Text: SetText(field, config, std::string(field.name).substr(0, field.width)); break;
            case ValueType::Channel: SetText(field, config, "11"); break;
            case ValueType::Address: SetNumber(field, config, 0x0A000000 + index); break;
            case ValueType::Number: SetNumber(field, config, 1 + index % field.maximum); break;
            case ValueType::Switch:
            case ValueType::Code:
                SetNumber(field, config, static_cast<std::uint32_t>(field.codes[index % field.codes.size()].code));
                break;
        }
    }
    return config;
}

ConfigPageValues Unchosen() {
    ConfigPageValues values;
    values.network.networkMode = -1;
    values.network.ipAssignment = -1;
    values.network.p2pConnMode = -1;
    return values;
}

void ApplyEveryPage(const ConfigPageValues& values, InterfaceConfig& record) {
    ApplyPageValues(values.system, record);
    ApplyPageValues(values.protocol, record);
    ApplyPageValues(values.network, record);
    ApplyPageValues(values.auth, record);
}

class FieldTable : public ::testing::TestWithParam<int> {};

// Each field has a page value of its own: loaded and applied back, every field returns.
TEST_P(FieldTable, EveryFieldRoundTripsThroughThePageValues) {
    const InterfaceConfig config = EveryFieldDistinct(GetParam());
    InterfaceConfig record;
    record.version = GetParam();
    ApplyEveryPage(PageValuesFromConfig(config), record);
    for (const RecordField& field : RecordFields()) {
        if (!field.IsIn(GetParam())) {
            continue;
        }
        if (field.HoldsText()) {
            EXPECT_EQ(TextIn(field, record), TextIn(field, config)) << field.name;
        } else {
            EXPECT_EQ(NumberIn(field, record), NumberIn(field, config)) << field.name;
        }
    }
}

// One row per field, each with a label of its own and the field's own value (a text shown
// is the field's text); a field the version lacks shows nothing.
TEST_P(FieldTable, EverySummaryRowHasItsOwnLabelAndField) {
    const InterfaceConfig config = EveryFieldDistinct(GetParam());
    const auto rows = ConfigSummaryRows(config, EnglishStringTable());
    ASSERT_EQ(rows.size(), RecordFields().size());
    std::set<std::string> labels;
    for (const RecordField& field : RecordFields()) {
        const ConfigSummaryRow& row = rows.at(static_cast<std::size_t>(field.summary.order));
        EXPECT_TRUE(labels.insert(row.name).second) << field.name;
        if (!field.IsIn(GetParam())) {
            EXPECT_EQ(row.value, "") << field.name;
        } else if (field.HoldsText() && !row.value.empty()) {
            EXPECT_EQ(row.value, TextIn(field, config)) << field.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, FieldTable, ::testing::Values(1, 2));

// A choice of none leaves the record's code; any code but 0 is automatic allocation.
TEST(RecordPageValues, ChoicesOfNoneKeepTheCodeAndAnyDhcpCodeIsAutomatic) {
    InterfaceConfig record;
    record.dhcp = 7;
    ApplyEveryPage(Unchosen(), record);
    EXPECT_EQ(record.dhcp, 7);
    EXPECT_EQ(PageValuesFromConfig(record).network.ipAssignment, 0);
}

TEST(RecordPageValues, VersionOneShowsTheDefaultPinAndRepeatsThePassword) {
    InterfaceConfig record = EveryFieldDistinct(1);
    record.p2pPinCode = "12345678";
    const ConfigPageValues values = PageValuesFromConfig(record);
    EXPECT_EQ(values.network.p2pPinCode, kDefaultPinCode);
    EXPECT_EQ(values.system.confirmPassword, record.userPassword);
    EXPECT_FALSE(values.extendedRecord);
}

}  // namespace
}  // namespace lanvane::rules
