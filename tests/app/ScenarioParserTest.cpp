#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tools/scenario/ScenarioParser.h"

namespace lanvane::scenario {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

Scenario Parse(std::string_view text) {
    return ParseScenario(text, "test.scn", "/scenarios");
}

template <class Body>
const Body& BodyOf(const Scenario& scenario, std::size_t index) {
    return std::get<Body>(scenario.commands.at(index).body);
}

TEST(ScenarioParserTest, ActionsReadAsTheUserDoesThem) {
    const Scenario scenario = Parse(
        "click 1016\n"
        "type 1038 \"My Net\"\n"
        "append 1038 x\n"
        "choose 1005 \"USB002\"\n"
        "choose 1005 1\n"
        "tab 3\n"
        "tab 1013 \"Network\"\n"
        "ip 1035 \"192.168..20\"\n"
        "click 1041@149\n"
        "row 1032 -1\n"
        "pick certs/ca.pem /etc/other.pem\n"
        "pick none\n"
        "advance 1100\n");
    ASSERT_THAT(scenario.errors, IsEmpty());
    ASSERT_THAT(scenario.commands, SizeIs(13));
    EXPECT_EQ(BodyOf<command::Click>(scenario, 0).control, (ControlRef{1016, 0}));
    EXPECT_EQ(BodyOf<command::Type>(scenario, 1).text, "My Net");
    EXPECT_FALSE(BodyOf<command::Type>(scenario, 1).append);
    EXPECT_TRUE(BodyOf<command::Type>(scenario, 2).append);
    EXPECT_EQ(BodyOf<command::Choose>(scenario, 3).entry, "USB002");
    EXPECT_EQ(BodyOf<command::Choose>(scenario, 3).index, std::nullopt);
    EXPECT_EQ(BodyOf<command::Choose>(scenario, 4).index, 1);
    EXPECT_EQ(BodyOf<command::SelectTab>(scenario, 5).index, 3);
    EXPECT_EQ(BodyOf<command::SelectTab>(scenario, 5).control, std::nullopt);
    EXPECT_EQ(BodyOf<command::SelectTab>(scenario, 6).label, "Network");
    EXPECT_EQ(BodyOf<command::SelectTab>(scenario, 6).control, (ControlRef{1013, 0}));
    EXPECT_THAT(BodyOf<command::SetAddress>(scenario, 7).fields, ElementsAre("192", "168", "", "20"));
    EXPECT_EQ(BodyOf<command::Click>(scenario, 8).control, (ControlRef{1041, 149}));
    EXPECT_EQ(BodyOf<command::ClickRow>(scenario, 9).row, -1);
    EXPECT_THAT(BodyOf<command::PickFiles>(scenario, 10).paths,
                ElementsAre("/scenarios/certs/ca.pem", "/etc/other.pem"));
    EXPECT_THAT(BodyOf<command::PickFiles>(scenario, 11).paths, IsEmpty());
    EXPECT_EQ(BodyOf<command::Advance>(scenario, 12).ms, 1100);
    EXPECT_EQ(scenario.commands[12].line, 13);
}

TEST(ScenarioParserTest, ExpectationsKeepTheirTextsEscapesAndOptions) {
    const Scenario scenario = Parse(
        "expect message \"The configuration has been completed.\\nReset the printer.\" caption \"Lanvane\"\n"
        "expect message \"This printer don't match our company name.\" caption Warning icon exclamation\n"
        "expect text 1038 \"say \\\"hi\\\" \\\\ done\"\n"
        "expect row 1073 0 \"Printer Name\" \"VT-Printer\"\n"
        "expect items 1005 USB001 USB002\n"
        "expect printer ssid \"MyNet\"\n"
        "expect printer 2 certificate client-key data/key.pem\n"
        "expect printer requests if-set 0\n");
    ASSERT_THAT(scenario.errors, IsEmpty());
    const auto& done = BodyOf<command::ExpectMessage>(scenario, 0);
    EXPECT_EQ(done.text, "The configuration has been completed.\nReset the printer.");
    EXPECT_EQ(done.caption, "Lanvane");
    EXPECT_EQ(done.icon, std::nullopt);
    EXPECT_EQ(BodyOf<command::ExpectMessage>(scenario, 1).icon, MessageBoxIcon::Exclamation);
    EXPECT_EQ(BodyOf<command::ExpectControl>(scenario, 2).text, "say \"hi\" \\ done");
    const auto& row = BodyOf<command::ExpectControl>(scenario, 3);
    EXPECT_EQ(row.property, command::Property::Row);
    EXPECT_EQ(row.number, 0);
    EXPECT_THAT(row.texts, ElementsAre("Printer Name", "VT-Printer"));
    EXPECT_THAT(BodyOf<command::ExpectControl>(scenario, 4).texts, ElementsAre("USB001", "USB002"));
    EXPECT_EQ(BodyOf<command::ExpectPrinterField>(scenario, 5).printer, std::nullopt);
    const auto& certificate = BodyOf<command::ExpectCertificate>(scenario, 6);
    EXPECT_EQ(certificate.printer, 2);
    EXPECT_EQ(certificate.kind, 2);
    EXPECT_EQ(certificate.path, "/scenarios/data/key.pem");
    EXPECT_EQ(BodyOf<command::ExpectRequests>(scenario, 7).kind, "if-set");
}

TEST(ScenarioParserTest, PrinterOptionsSetLayoutMakerFaultsAndRecordFields) {
    const Scenario scenario = Parse(
        "printer usb layout=2 maker=\"Other Maker GmbH\" fault=bad-checksum fault=split no-answer-to=if-set "
        "refuse-chunk=2 ssid=\"Cafe Net\" ipAddress=10.0.0.7 product=0042 no-networks\n"
        "printer 1 faults disconnect-after=3\n");
    ASSERT_THAT(scenario.errors, IsEmpty());
    const PrinterSetup& setup = BodyOf<command::StartPrinter>(scenario, 0).setup;
    EXPECT_EQ(setup.layout, 2);
    EXPECT_EQ(setup.makerName, "Other Maker GmbH");
    EXPECT_TRUE(setup.faults.badChecksum);
    EXPECT_TRUE(setup.faults.splitReply);
    EXPECT_EQ(setup.faults.noAnswerTo, sim::RequestKind::ConfigSet);
    EXPECT_EQ(setup.faults.refuseChunk, 2);
    EXPECT_THAT(setup.fields, ElementsAre(FieldValue{"ssid", "Cafe Net"}, FieldValue{"ipAddress", "10.0.0.7"}));
    EXPECT_EQ(setup.productId, "0042");
    EXPECT_TRUE(setup.noNetworks);
    const auto& change = BodyOf<command::ChangeFaults>(scenario, 1);
    EXPECT_EQ(change.printer, 1);
    EXPECT_THAT(change.options, ElementsAre(FieldValue{"disconnect-after", "3"}));
}

TEST(ScenarioParserTest, LanPrintersTakeSettingsAndLanFaults) {
    const Scenario scenario = Parse(
        "printer lan wlan ip=127.0.20.9 port=9200 https=1 mac=00-1A-2B-B0-00-42 fault=silent-setting delay=100 "
        "no-networks\n"
        "printer 2 faults fault=silent-search\n"
        "printer faults fault=bad-checksum\n"
        "expect printer 2 port \"9200\"\n"
        "expect printer requests search 1\n"
        "expect url \"http://127.0.10.1\"\n");
    ASSERT_THAT(scenario.errors, IsEmpty());
    const LanPrinterSetup& setup = BodyOf<command::StartLanPrinter>(scenario, 0).setup;
    EXPECT_EQ(setup.kind, sim::LanKind::Wlan);
    EXPECT_THAT(setup.fields, ElementsAre(FieldValue{"ip", "127.0.20.9"}, FieldValue{"port", "9200"},
                                          FieldValue{"https", "1"}, FieldValue{"mac", "00-1A-2B-B0-00-42"}));
    EXPECT_TRUE(setup.faults.silentToSetting);
    EXPECT_EQ(setup.faults.replyDelay, std::chrono::milliseconds(100));
    EXPECT_TRUE(setup.noNetworks);
    EXPECT_EQ(BodyOf<command::ExpectRequests>(scenario, 4).kind, "search");
    EXPECT_EQ(BodyOf<command::ExpectUrl>(scenario, 5).url, "http://127.0.10.1");
}

TEST(ScenarioParserTest, LanPrintersStayOnThisMachine) {
    const Scenario scenario = Parse(
        "printer lan ethernet ip=192.168.0.5\n"
        "printer lan ethernet ip=127.0.0.300\n"
        "printer lan ethernet mac=00-1A-2B-E0-00\n"
        "printer lan ethernet no-networks\n"
        "printer lan token-ring\n"
        "printer lan ethernet fault=bad-checksum\n"
        "printer faults fault=melt\n"
        "printer lan ethernet delay=99999999\n");
    EXPECT_THAT(scenario.commands, IsEmpty());
    ASSERT_THAT(scenario.errors, SizeIs(8));
    EXPECT_THAT(scenario.errors[0].message, HasSubstr("127.0.0.0/8"));
    EXPECT_THAT(scenario.errors[1].message, HasSubstr("does not fit the LAN setting ip"));
    EXPECT_THAT(scenario.errors[2].message, HasSubstr("does not fit the LAN setting mac"));
    EXPECT_THAT(scenario.errors[3].message, HasSubstr("key=value"));
    EXPECT_THAT(scenario.errors[4].message, HasSubstr("printer lan ethernet"));
    EXPECT_THAT(scenario.errors[5].message, HasSubstr("unknown LAN fault \"bad-checksum\""));
    EXPECT_THAT(scenario.errors[6].message, HasSubstr("unknown fault \"melt\""));
    EXPECT_THAT(scenario.errors[7].message, HasSubstr("delay needs a whole number up to 10000"));
}

TEST(ScenarioParserTest, CommentsAndBlankLinesAreSkippedButHashesInQuotesKept) {
    const Scenario scenario = Parse("# a scenario\n\n   \nexpect text 1018 \"#1 printer\"  # the name\r\n");
    ASSERT_THAT(scenario.errors, IsEmpty());
    ASSERT_THAT(scenario.commands, SizeIs(1));
    EXPECT_EQ(scenario.commands[0].line, 4);
    EXPECT_EQ(scenario.commands[0].source, "expect text 1018 \"#1 printer\"");
    EXPECT_EQ(BodyOf<command::ExpectControl>(scenario, 0).text, "#1 printer");
}

TEST(ScenarioParserTest, BadLinesAreReportedWithTheirNumbersAndTheRestIsKept) {
    const Scenario scenario = Parse(
        "click 1016\n"
        "clik 1016\n"
        "click Connect\n"
        "type 1038 \"open\n"
        "expect message \"bad \\q escape\"\n"
        "printer usb layout=3\n"
        "printer usb fault=melt\n"
        "printer usb colour=red\n"
        "printer usb inactivityTime=70000\n"
        "expect printer wifiName \"x\"\n"
        "expect text 1018\n"
        "advance -5\n"
        "click 1016 twice\n"
        "expect message \"x\" icon loud\n"
        "expect printer requests bake 1\n"
        "expect dialog 141\n");
    EXPECT_THAT(scenario.commands, SizeIs(2));
    EXPECT_EQ(scenario.commands.back().line, 16);
    std::vector<int> lines;
    for (const ParseError& error : scenario.errors) {
        lines.push_back(error.line);
    }
    EXPECT_THAT(lines, ElementsAre(2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
    const auto message = [&](std::size_t index) { return scenario.errors.at(index).message; };
    EXPECT_THAT(message(0), HasSubstr("unknown command \"clik\""));
    EXPECT_THAT(message(1), HasSubstr("not a control id"));
    EXPECT_THAT(message(2), HasSubstr("quote is not closed"));
    EXPECT_THAT(message(3), HasSubstr("unknown escape"));
    EXPECT_THAT(message(4), HasSubstr("layout is 1"));
    EXPECT_THAT(message(5), HasSubstr("unknown fault \"melt\""));
    EXPECT_THAT(message(6), HasSubstr("unknown printer option \"colour\""));
    EXPECT_THAT(message(7), HasSubstr("does not fit the record field inactivityTime"));
    EXPECT_THAT(message(8), HasSubstr("unknown record field \"wifiName\""));
    EXPECT_THAT(message(9), HasSubstr("missing text"));
    EXPECT_THAT(message(10), HasSubstr("must not be negative"));
    EXPECT_THAT(message(11), HasSubstr("unexpected \"twice\""));
    EXPECT_THAT(message(12), HasSubstr("icon is none"));
    EXPECT_THAT(message(13), HasSubstr("request kind"));
}

TEST(ScenarioParserTest, UnreadableFileIsOneErrorAtLineZero) {
    const Scenario scenario = LoadScenarioFile("/nonexistent/lanvane/none.scn");
    EXPECT_THAT(scenario.commands, IsEmpty());
    ASSERT_THAT(scenario.errors, SizeIs(1));
    EXPECT_EQ(scenario.errors[0].line, 0);
}

}  // namespace
}  // namespace lanvane::scenario
