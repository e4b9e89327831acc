#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>

#include "editor/rules/ProtocolPageRules.h"
#include "editor/rules/SystemPageRules.h"
#include "resources/StringIds.h"
#include "ValidValues.h"

namespace lanvane::rules {
namespace {

struct Expected {
    int messageId;
    ConfigField field;
};

struct SystemCase {
    const char* name;
    std::function<void(SystemPageValues&)> change;
    std::optional<Expected> expected;
};

void PrintTo(const SystemCase& systemCase, std::ostream* out) {
    *out << systemCase.name;
}

class SystemPageLeaveTest : public testing::TestWithParam<SystemCase> {};

TEST_P(SystemPageLeaveTest, RefusesWithTheFirstBrokenRule) {
    SystemPageValues values = test::ValidValues().system;
    GetParam().change(values);
    const RuleResult result = CheckSystemPageLeave(values);
    if (!GetParam().expected) {
        EXPECT_FALSE(result.has_value());
        return;
    }
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->messageId, GetParam().expected->messageId);
    EXPECT_EQ(result->field, GetParam().expected->field);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SystemPageLeaveTest,
    testing::Values(
        SystemCase{"Valid", [](SystemPageValues&) {}, std::nullopt},
        SystemCase{"Port0", [](SystemPageValues& v) { v.printerPort = 0; }, std::nullopt},
        SystemCase{"Port32767", [](SystemPageValues& v) { v.printerPort = 32767; }, std::nullopt},
        SystemCase{"EmptyName", [](SystemPageValues& v) { v.printerName.clear(); },
                   Expected{sid::kSystemNameIncorrect, ConfigField::printerName}},
        SystemCase{"NameBeforePort",
                   [](SystemPageValues& v) {
                       v.printerName.clear();
                       v.printerPort = 80;
                       v.userId.clear();
                   },
                   Expected{sid::kSystemNameIncorrect, ConfigField::printerName}},
        SystemCase{"Port80", [](SystemPageValues& v) { v.printerPort = 80; },
                   Expected{sid::kPortNumberIncorrect, ConfigField::printerPort}},
        SystemCase{"Port21", [](SystemPageValues& v) { v.printerPort = 21; },
                   Expected{sid::kPortNumberIncorrect, ConfigField::printerPort}},
        SystemCase{"Port23", [](SystemPageValues& v) { v.printerPort = 23; },
                   Expected{sid::kPortNumberIncorrect, ConfigField::printerPort}},
        SystemCase{"Port25", [](SystemPageValues& v) { v.printerPort = 25; },
                   Expected{sid::kPortNumberIncorrect, ConfigField::printerPort}},
        SystemCase{"Port443", [](SystemPageValues& v) { v.printerPort = 443; },
                   Expected{sid::kPortNumberIncorrect, ConfigField::printerPort}},
        SystemCase{"Port3318", [](SystemPageValues& v) { v.printerPort = 3318; },
                   Expected{sid::kPortNumberIncorrect, ConfigField::printerPort}},
        SystemCase{"Port32768", [](SystemPageValues& v) { v.printerPort = 32768; },
                   Expected{sid::kPortOutOfRange, ConfigField::printerPort}},
        // 65616 would be cut to port 80 in the record.
        SystemCase{"PortWrappingOntoReserved", [](SystemPageValues& v) { v.printerPort = 65616; },
                   Expected{sid::kPortOutOfRange, ConfigField::printerPort}},
        SystemCase{"EmptyUserId", [](SystemPageValues& v) { v.userId.clear(); },
                   Expected{sid::kUserIdIncorrect, ConfigField::userId}},
        SystemCase{"UserIdBeforePassword",
                   [](SystemPageValues& v) {
                       v.userId.clear();
                       v.userPassword.clear();
                   },
                   Expected{sid::kUserIdIncorrect, ConfigField::userId}},
        SystemCase{"PasswordsDiffer", [](SystemPageValues& v) { v.confirmPassword = "Secret"; },
                   Expected{sid::kPasswordIncorrect, ConfigField::userPassword}},
        SystemCase{"ConfirmationLonger", [](SystemPageValues& v) { v.confirmPassword = "secret "; },
                   Expected{sid::kPasswordIncorrect, ConfigField::userPassword}},
        SystemCase{"BothPasswordsEmpty",
                   [](SystemPageValues& v) {
                       v.userPassword.clear();
                       v.confirmPassword.clear();
                   },
                   Expected{sid::kPasswordIncorrect, ConfigField::userPassword}}),
    [](const testing::TestParamInfo<SystemCase>& param) { return param.param.name; });

TEST(SystemPageLeaveTest, FailureCarriesTheEnglishMessage) {
    SystemPageValues values = test::ValidValues().system;
    values.printerPort = 3318;
    const RuleResult result = CheckSystemPageLeave(values);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->message, "The port number is incorrect.\nPlease try again.");
}

TEST(ProtocolPageLeaveTest, CommunitiesAreRequiredWhateverSnmpIs) {
    ProtocolPageValues values = test::ValidValues().protocol;
    values.snmp = 0;
    EXPECT_FALSE(CheckProtocolPageLeave(values).has_value());

    values.setCommunity.clear();
    values.getCommunity.clear();
    values.trapCommunity.clear();
    const RuleResult bothEmpty = CheckProtocolPageLeave(values);
    ASSERT_TRUE(bothEmpty.has_value());
    EXPECT_EQ(bothEmpty->messageId, sid::kCommunityNameIncorrect);
    EXPECT_EQ(bothEmpty->field, ConfigField::setCommunity);

    values.setCommunity = "private";
    const RuleResult readEmpty = CheckProtocolPageLeave(values);
    ASSERT_TRUE(readEmpty.has_value());
    EXPECT_EQ(readEmpty->messageId, sid::kCommunityNameIncorrect);
    EXPECT_EQ(readEmpty->field, ConfigField::getCommunity);

    values.getCommunity = "public";
    const RuleResult trapEmpty = CheckProtocolPageLeave(values);
    ASSERT_TRUE(trapEmpty.has_value());
    EXPECT_EQ(trapEmpty->messageId, sid::kTrapCommunityIncorrect);
    EXPECT_EQ(trapEmpty->field, ConfigField::trapCommunity);
}

}  // namespace
}  // namespace lanvane::rules
