#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "CliRunner.h"
#include "SimRig.h"
#include "sim/LanPrinterFleet.h"

namespace lanvane::cli::test {
namespace {

// One documented run: the command line after "lanvane-cli" and the JSON it shows.
struct DocumentedRun {
    std::vector<std::string> arguments;
    nlohmann::json document;
};

std::vector<DocumentedRun> DocumentedRuns() {
    std::ifstream file(LANVANE_CLI_DOC);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::regex example(R"(<!-- run: ([^\n]*) -->\n```json\n([\s\S]*?)\n```)");
    std::vector<DocumentedRun> runs;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), example); match != std::sregex_iterator(); ++match) {
        std::istringstream words((*match)[1].str());
        runs.push_back({{std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()},
                        nlohmann::json::parse((*match)[2].str())});
    }
    return runs;
}

std::string TypeOf(const nlohmann::json& value) {
    return value.is_number() ? "number" : value.type_name();
}

// Every member the documentation shows is printed, with the same type, down to the first
// element of each list; the top level has exactly the documented members.
void ExpectShape(const nlohmann::json& documented, const nlohmann::json& printed, const std::string& where) {
    ASSERT_EQ(TypeOf(documented), TypeOf(printed)) << where;
    if (documented.is_object()) {
        for (const auto& [name, value] : documented.items()) {
            ASSERT_TRUE(printed.contains(name)) << where << "/" << name;
            ExpectShape(value, printed[name], where + "/" + name);
        }
    } else if (documented.is_array() && !documented.empty() && !printed.empty()) {
        ExpectShape(documented.front(), printed.front(), where + "[0]");
    }
}

// The documented runs against a simulated printer and simulated LAN printers; they end the
// same way and print documents of the documented shape.
TEST(CliDocsTest, TheDocumentedExamplesAreWhatTheProgramPrints) {
    SimRig rig(2);
    sim::LanPrinterFleet fleet(2, 1, {}, {});
    ASSERT_TRUE(rig.Serving() && fleet.Start());
    TempDir dir;
    const std::map<std::string, std::string> placeholders = {
        {"PRINTER", rig.DevicePath()},
        {"SETTINGS", dir.WriteFile("set.json", R"({"ssid": "Office"})")},
        {"SAVED", dir.WriteFile("saved.json", R"({"ssid": "Lab"})")},
        {"PLAN", dir.WriteFile("plan.csv", "00:1a:2b:e0:00:02,,,,off\n")},
        {"CERTIFICATE", std::string(LANVANE_TEST_CERTIFICATES) + "/ca.pem"}};
    const std::vector<DocumentedRun> runs = DocumentedRuns();
    ASSERT_GE(runs.size(), 10u);
    for (const DocumentedRun& run : runs) {
        std::vector<std::string> arguments;
        for (const std::string& word : run.arguments) {
            arguments.push_back(placeholders.contains(word) ? placeholders.at(word) : word);
        }
        if (const auto mode = std::find(arguments.begin(), arguments.end(), "--mode"); mode != arguments.end()) {
            const std::uint16_t port = *(mode + 1) == "wlan" ? fleet.WlanPort() : fleet.EthernetPort();
            arguments.insert(arguments.end(), {"--printer-port", std::to_string(port), "--local-port", "0",
                                               "--timeout", "300", "--confirm-ms", "1000"});
        }
        if (arguments.front() == "bss") {
            arguments.insert(arguments.end(), {"--tcp-port", std::to_string(rig.SurveyPort())});
        }
        const std::string command = ::testing::PrintToString(run.arguments);
        const CliRun result = RunCli(arguments);
        const nlohmann::json printed = nlohmann::json::parse(result.out, nullptr, false);
        EXPECT_EQ(result.status, run.document.contains("error") ? 3 : 0) << command << result.err;
        ASSERT_FALSE(printed.is_discarded()) << command << result.out;
        EXPECT_EQ(printed.size(), run.document.size()) << command << result.out;
        ExpectShape(run.document, printed, command);
    }
}

}  // namespace
}  // namespace lanvane::cli::test
