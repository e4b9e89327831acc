#include <gtest/gtest.h>

#include "cli/ConfigJson.h"

namespace lanvane::cli {
namespace {

InterfaceConfig SampleConfig(int version) {
    InterfaceConfig config;
    config.version = version;
    config.printerName = "Front Desk";
    config.networkMode = 1;
    config.authentication = 9;  // a code the printer reports outside the table
    config.ipAddress = 0xC0A80064u;
    config.pskKey = "secret-key";
    config.https = 1;
    config.printerPort = 9100;
    if (version == 2) {
        config.p2pChannel = "11";
    }
    config.inactivityTime = 3600;
    return config;
}

std::optional<ConfigJsonError> Apply(const char* text, InterfaceConfig& config) {
    return ApplyConfigJson(ConfigObjectOf(nlohmann::json::parse(text)), config);
}

TEST(ConfigJsonTest, FieldsAreNamedAsInTheRecordAndTypedByKind) {
    const nlohmann::ordered_json json = ConfigToJson(SampleConfig(2), false);
    EXPECT_EQ(json.begin().key(), "printerName");
    EXPECT_EQ(json["networkMode"], "adhoc");
    EXPECT_EQ(json["authentication"], 9);
    EXPECT_EQ(json["https"], true);
    EXPECT_EQ(json["ipAddress"], "192.168.0.100");
    EXPECT_EQ(json["pskKey"], "********");
    EXPECT_EQ(ConfigToJson(SampleConfig(2), true)["pskKey"], "secret-key");
    EXPECT_EQ(json["p2pChannel"], "11");
    EXPECT_FALSE(ConfigToJson(SampleConfig(1), false).contains("p2pChannel"));
}

// What read shows goes back unchanged, as a configuration object or a whole document, the
// masked secrets keeping their values.
TEST(ConfigJsonTest, WhatItWritesAppliesBackUnchanged) {
    for (const int version : {1, 2}) {
        InterfaceConfig original = SampleConfig(version);
        original.authentication = 3;
        for (const nlohmann::ordered_json& document :
             {ConfigToJson(original, false), nlohmann::ordered_json{{"format", 1}, {"config", ConfigToJson(original, false)}}}) {
            InterfaceConfig target = original;
            target.printerName = "changed";
            EXPECT_EQ(ApplyConfigJson(ConfigObjectOf(nlohmann::json::parse(document.dump())), target), std::nullopt);
            EXPECT_EQ(target, original);
        }
    }
    // What a printer may report but a user may not set goes back as it was.
    InterfaceConfig reported = SampleConfig(2);
    reported.networkMode = 7;
    reported.p2pChannel.clear();
    InterfaceConfig target = reported;
    target.printerName = "changed";
    EXPECT_EQ(ApplyConfigJson(nlohmann::json::parse(ConfigToJson(reported, true).dump()), target), std::nullopt);
    EXPECT_EQ(target, reported);
}

TEST(ConfigJsonTest, RefusalsNameTheFieldAndChangeNothing) {
    const struct {
        const char* json;
        const char* text;
    } cases[] = {
        {R"({"printerName": "a\u0000b"})", "printerName: \"a\\u0000b\" is not allowed (text of at most 64 bytes in UTF-8)"},
        {R"({"ssid": "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"})",
         "ssid: \"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\" (17 characters, 34 bytes) is "
         "not allowed (text of at most 32 bytes in UTF-8)"},
        {R"({"inactivityTime": 1.5})", "inactivityTime: 1.5 is not allowed (a whole number from 0 to 3600)"},
        {R"({"printerPort": true})", "printerPort: true is not allowed (a whole number from 0 to 32767)"},
        {R"({"trapIpAddress": 3232235620})", "trapIpAddress: 3232235620 is not allowed (an IPv4 address a.b.c.d)"},
        {R"({"dhcp": 1})", "dhcp: 1 is not allowed (true or false)"},
        // A secret is named by its kind, whatever type it was given in.
        {R"({"authPassword": 12})", "authPassword: a number is not allowed (text of at most 32 bytes in UTF-8)"},
        {R"({"userPassword": {"pw": "hunter2"}})", "userPassword: an object is not allowed (text of at most 32 bytes in UTF-8)"},
        {R"({"userPassword": "123456789012345678901234567890123"})",
         "userPassword: a text of 33 characters is not allowed (text of at most 32 bytes in UTF-8)"},
        {R"({"networkMode": 9})", "networkMode: 9 is not allowed (one of: infra, adhoc, wifi-direct)"},
        {R"({"authentication": "wpa3"})", "authentication: \"wpa3\" is not allowed (one of: open-system, shared-key, "
                                          "wpa-psk, wpa2-psk, wpa, wpa2)"},
        {R"({"p2pChannel": "7"})", "p2pChannel: \"7\" is not allowed (one of: \"1\", \"6\", \"11\")"},
        {R"({"adhocChannel": 15})", "adhocChannel: 15 is not allowed (a whole number from 0 to 14)"},
        {R"({"ssid": "Lab", "version": 2})", "version: no such field ('lanvane-cli fields' lists them)"},
        {R"({"format": 99, "ssid": "Lab"})", "format: 99 is not a format this lanvane-cli reads (1)"},
    };
    for (const auto& bad : cases) {
        InterfaceConfig config = SampleConfig(2);
        const auto error = Apply(bad.json, config);
        ASSERT_TRUE(error.has_value()) << bad.json;
        EXPECT_EQ(error->Text(), bad.text);
        EXPECT_EQ(config, SampleConfig(2)) << bad.json;
    }
}

TEST(ConfigJsonTest, AVersion1RecordRefusesTheWifiDirectFields) {
    InterfaceConfig config = SampleConfig(1);
    const auto error = Apply(R"({"p2pConnMode": 1})", config);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Text(), "p2pConnMode: the printer's version 1 record does not carry this field");
    EXPECT_EQ(Apply(R"({"networkMode": "wifi-direct"})", config)->Text(),
              "networkMode: \"wifi-direct\" is not allowed (one of: infra, adhoc, wifi-direct)");
    EXPECT_EQ(config, SampleConfig(1));
    EXPECT_EQ(CheckConfigJson(nlohmann::json::parse(R"({"p2pConnMode": 1})")), std::nullopt);
}

}  // namespace
}  // namespace lanvane::cli
