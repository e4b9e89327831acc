#include "cli/VisibleText.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "cli/TextTable.h"

namespace lanvane::cli {
namespace {

// C1 controls, the right-to-left override, ESC and BEL: CliAgainstSimTest.TextsThatActOnATerminal*.
TEST(VisibleTextTest, ControlsFromPrintersCannotReachTheTerminal) {
    const struct {
        std::string raw;
        std::string shown;
    } cases[] = {
        {"Lab\rGuest\n", "Lab\\rGuest\\n"},
        {"del\x7f", "del\\x7f"},
        {"\xe2\x81\xa6isolate\xe2\x81\xa9 \xe2\x80\x8fmark", "\\u2066isolate\\u2069 \\u200fmark"},
        {"caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac", "caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac"},
        {"raw\x9b" "bytes\xff", "raw\\x9bbytes\\xff"},
        {"cut\xe6\x97", "cut\\xe6\\x97"},
    };
    for (const auto& [raw, shown] : cases) {
        EXPECT_EQ(VisibleText(raw), shown) << shown;
    }
}

// JSON may carry them raw; the document escapes them and stays the same value.
TEST(VisibleTextTest, JsonShowsWhatActsOnATerminalAsUnicodeEscapes) {
    const std::string raw = "csi\xc2\x9b" "31m \xe2\x80\xae" "fdp caf\xc3\xa9";
    const std::string shown = VisibleJson(nlohmann::json(raw).dump());
    EXPECT_EQ(shown, "\"csi\\u009b31m \\u202efdp caf\xc3\xa9\"");
    EXPECT_EQ(nlohmann::json::parse(shown), raw);
}

TEST(VisibleTextTest, TablesShowCellsEscapedAndAlignedOnWhatIsShown) {
    std::ostringstream out;
    WriteColumns(out, {{"SSID", "RSSI"}, {"\x1b[2J", "-40"}});
    EXPECT_EQ(out.str(), "SSID   RSSI\n\\e[2J  -40\n");
}

}  // namespace
}  // namespace lanvane::cli
