#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tools/scenario/ScenarioParser.h"

namespace lanvane::scenario {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

Scenario Parse(std::string_view text) {
    return ParseScenario(text, "test.scn", "/scenarios");
}

// A control is named by number as well, with its page's number; a name of one kind (a
// dialog) is no control.
TEST(ScenarioParserTest, ControlsByNumberOrByNameOfTheirKind) {
    EXPECT_EQ(std::get<command::Click>(Parse("click 1041@149").commands.at(0).body).control,
              (ControlRef{1041, 149}));
    for (const std::string_view line : {"click Connect", "click kConnectButton", "click InterfaceConfig",
                                        "click Ssid@Nowhere", "expect dialog ConnectButton"}) {
        EXPECT_THAT(Parse(line).errors, SizeIs(1)) << line;
    }
}

TEST(ScenarioParserTest, LanPrintersStayOnThisMachine) {
    const Scenario scenario = Parse(
        "printer lan ethernet ip=192.168.0.5\n"
        "printer lan ethernet ip=127.0.0.300\n");
    EXPECT_THAT(scenario.commands, IsEmpty());
    ASSERT_THAT(scenario.errors, SizeIs(2));
    EXPECT_THAT(scenario.errors[0].message, HasSubstr("127.0.0.0/8"));
    EXPECT_THAT(scenario.errors[1].message, HasSubstr("does not fit the LAN setting ip"));
}

TEST(ScenarioParserTest, BadLinesAreReportedWithTheirNumbersAndTheRestIsKept) {
    const Scenario scenario = Parse(
        "click 1016\n"
        "clik 1016\n"
        "type 1038 \"open\n"
        "printer usb inactivityTime=70000\n"
        "expect dialog 141\n");
    ASSERT_THAT(scenario.commands, SizeIs(2));
    EXPECT_EQ(scenario.commands.back().line, 5);
    ASSERT_THAT(scenario.errors, SizeIs(3));
    EXPECT_EQ(scenario.errors[0].line, 2);
    EXPECT_THAT(scenario.errors[1].message, HasSubstr("quote is not closed"));
    EXPECT_THAT(scenario.errors[2].message, HasSubstr("does not fit the record field inactivityTime"));
}

}  // namespace
}  // namespace lanvane::scenario
