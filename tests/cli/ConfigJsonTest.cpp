#include <gtest/gtest.h>

#include "cli/ConfigJson.h"
#include "protocol/ConfigRecordLayout.h"

namespace lanvane::cli {
namespace {

InterfaceConfig SampleConfig(int version) {
    InterfaceConfig config;
    config.version = version;
    config.printerName = "Front Desk";
    config.networkMode = 1;
    config.ipAddress = 0xC0A80064u;
    config.printerPort = 9100;
    if (version == 2) {
        config.p2pChannel = "11";
    }
    config.inactivityTime = 3600;
    return config;
}

std::optional<ConfigJsonError> Apply(const char* text, InterfaceConfig& config) {
    return ApplyConfigJson(nlohmann::json::parse(text), config);
}

TEST(ConfigJsonTest, WhatItWritesAppliesBackUnchanged) {
    for (const int version : {1, 2}) {
        const InterfaceConfig original = SampleConfig(version);
        InterfaceConfig target;
        target.version = version;
        EXPECT_EQ(ApplyConfigJson(nlohmann::json::parse(ConfigToJson(original).dump()), target), std::nullopt);
        EXPECT_EQ(target, original);
    }
}

TEST(ConfigJsonTest, OnlyTheNamedFieldsChange) {
    InterfaceConfig config = SampleConfig(2);
    ASSERT_EQ(Apply(R"({"ssid": "Lab", "gateway": "10.0.0.1", "https": 1})", config), std::nullopt);
    InterfaceConfig expected = SampleConfig(2);
    expected.ssid = "Lab";
    expected.gateway = 0x0A000001u;
    expected.https = 1;
    EXPECT_EQ(config, expected);
}

TEST(ConfigJsonTest, RefusalsNameTheFieldAndChangeNothing) {
    const struct {
        const char* json;
        const char* field;
        const char* reason;
    } cases[] = {
        {R"({"ssid": "Lab", "colour": "red"})", "colour", "no such field"},
        {R"({"version": 2})", "version", "no such field"},
        {R"({"ssid": 7})", "ssid", "must be a string"},
        {R"({"ssid": "123456789012345678901234567890123"})", "ssid", "must be at most 32 characters"},
        {R"({"printerName": "a\u0000b"})", "printerName", "must not contain a NUL character"},
        {R"({"networkMode": 256})", "networkMode", "must be a whole number from 0 to 255"},
        {R"({"networkMode": -1})", "networkMode", "must be a whole number from 0 to 255"},
        {R"({"networkMode": 1.5})", "networkMode", "must be a whole number from 0 to 255"},
        {R"({"dhcp": true})", "dhcp", "must be a whole number from 0 to 255"},
        {R"({"printerPort": 65536})", "printerPort", "must be a whole number from 0 to 65535"},
        {R"({"ipAddress": "192.168.0"})", "ipAddress", "must be an IPv4 address written a.b.c.d"},
        {R"({"trapIpAddress": 3232235620})", "trapIpAddress", "must be an IPv4 address written a.b.c.d"},
    };
    for (const auto& bad : cases) {
        InterfaceConfig config = SampleConfig(2);
        const auto error = Apply(bad.json, config);
        ASSERT_TRUE(error.has_value()) << bad.json;
        EXPECT_EQ(error->field, bad.field) << bad.json;
        EXPECT_EQ(error->reason, bad.reason) << bad.json;
        EXPECT_EQ(config, SampleConfig(2)) << bad.json;
    }
}

TEST(ConfigJsonTest, AVersion1RecordRefusesTheWifiDirectFields) {
    InterfaceConfig config = SampleConfig(1);
    const auto error = Apply(R"({"p2pConnMode": 1})", config);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Text(), "p2pConnMode: the printer's version 1 record does not carry this field");
    EXPECT_EQ(CheckConfigJson(nlohmann::json::parse(R"({"p2pConnMode": 1})")), std::nullopt);
}

TEST(ConfigJsonTest, TheDocumentMustBeAnObject) {
    InterfaceConfig config = SampleConfig(2);
    const auto error = Apply("[]", config);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->field, "");
    EXPECT_EQ(error->Text(), "the settings must be a JSON object of record fields");
}

}  // namespace
}  // namespace lanvane::cli
