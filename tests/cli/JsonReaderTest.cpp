#include "cli/JsonReader.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace lanvane::cli {
namespace {

TEST(JsonReaderTest, NestingIsCountedOutsideStringsAndRefusedBeyondTheCapBeforeParsing) {
    const struct {
        std::string text;
        std::size_t depth;
    } cases[] = {
        {"42", 0},
        {R"({"config": {"ssid": "[[[{{{"}, "list": [[1], []]})", 3},
        {R"(["\"[[", "\\", [[]]])", 3},
        {std::string(64, '[') + std::string(64, ']'), 64},
        {std::string(100000, '['), 65},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(JsonNestingDepth(each.text), each.depth) << each.text.substr(0, 80);
    }
    const std::string deepest = std::string(64, '[') + std::string(64, ']');
    EXPECT_EQ(ReadJsonDocument<nlohmann::json>(deepest, "f").refusal, std::nullopt);
    const std::string deeper = "[" + deepest + "]";
    EXPECT_EQ(ReadJsonDocument<nlohmann::json>(deeper, "f").refusal,
              "f nests arrays and objects deeper than 64 levels");
    EXPECT_EQ(ReadJsonDocument<nlohmann::ordered_json>("{\n  \"a\": 1,\n}", "f").refusal,
              "f is not a valid JSON document: line 3, column 1: syntax error while parsing object key - unexpected "
              "'}'; expected string literal");
}

TEST(JsonReaderTest, ANulByteOrANumberBeyondEveryTypeIsARefusalNotACutOrACrash) {
    // The parser would stop at the NUL and take "7" alone.
    EXPECT_EQ(ReadJsonDocument<nlohmann::json>(std::string("7\n 7\0[[", 6), "f").refusal,
              "f is not a valid JSON document: line 2, column 3: a NUL byte");
    EXPECT_EQ(ReadJsonDocument<nlohmann::json>(R"({"port": 1e999})", "f").refusal,
              "f is not a valid JSON document: number overflow parsing '1e999'");
}

}  // namespace
}  // namespace lanvane::cli
