#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "rules/ProtocolPageRules.h"
#include "rules/SystemPageRules.h"
#include "resources/StringIds.h"
#include "ValidValues.h"

namespace lanvane::rules {
namespace {

using test::Refusal;

TEST(SystemPageLeaveTest, RefusesWithTheFirstBrokenRule) {
    const Refusal name{sid::kSystemNameIncorrect, ConfigField::printerName};
    const Refusal portRange{sid::kPortOutOfRange, ConfigField::printerPort};
    const Refusal userId{sid::kUserIdIncorrect, ConfigField::userId};
    const Refusal password{sid::kPasswordIncorrect, ConfigField::userPassword};
    const struct {
        const char* name;
        std::function<void(SystemPageValues&)> change;
        std::optional<Refusal> refusal;
    } cases[] = {
        {"Port0", [](SystemPageValues& v) { v.printerPort = 0; }, std::nullopt},
        {"Port32767", [](SystemPageValues& v) { v.printerPort = 32767; }, std::nullopt},
        {"NameBeforePort",
         [](SystemPageValues& v) {
             v.printerName.clear();
             v.printerPort = 80;
         },
         name},
        {"Port32768", [](SystemPageValues& v) { v.printerPort = 32768; }, portRange},
        // 65616 would be cut to port 80 in the record.
        {"PortWrappingOntoReserved", [](SystemPageValues& v) { v.printerPort = 65616; }, portRange},
        {"UserIdBeforePassword",
         [](SystemPageValues& v) {
             v.userId.clear();
             v.userPassword.clear();
         },
         userId},
        {"ConfirmationLonger", [](SystemPageValues& v) { v.confirmPassword = "secret "; }, password},
        {"BothPasswordsEmpty",
         [](SystemPageValues& v) {
             v.userPassword.clear();
             v.confirmPassword.clear();
         },
         password},
    };
    for (const auto& c : cases) {
        SystemPageValues values = test::ValidValues().system;
        c.change(values);
        EXPECT_EQ(test::RefusalOf(CheckSystemPageLeave(values)), c.refusal) << c.name;
    }
}

TEST(ProtocolPageLeaveTest, CommunitiesAreRequiredWhateverSnmpIs) {
    ProtocolPageValues values = test::ValidValues().protocol;
    values.snmp = 0;
    EXPECT_FALSE(CheckProtocolPageLeave(values).has_value());

    values.setCommunity.clear();
    values.getCommunity.clear();
    values.trapCommunity.clear();
    EXPECT_EQ(test::RefusalOf(CheckProtocolPageLeave(values)),
              (Refusal{sid::kCommunityNameIncorrect, ConfigField::setCommunity}));
    values.setCommunity = "private";
    EXPECT_EQ(test::RefusalOf(CheckProtocolPageLeave(values)),
              (Refusal{sid::kCommunityNameIncorrect, ConfigField::getCommunity}));
    values.getCommunity = "public";
    EXPECT_EQ(test::RefusalOf(CheckProtocolPageLeave(values)),
              (Refusal{sid::kTrapCommunityIncorrect, ConfigField::trapCommunity}));
}

}  // namespace
}  // namespace lanvane::rules
