#include <gtest/gtest.h>

#include "editor/rules/ConfigField.h"
#include "editor/rules/NumberText.h"
#include "editor/rules/RangeCorrections.h"
#include "resources/StringIds.h"

namespace lanvane::rules {
namespace {

TEST(RangeCorrectionTest, PrinterPortAbove32767GoesBackTo9100) {
    EXPECT_FALSE(CorrectPrinterPort(32767).has_value());
    const auto correction = CorrectPrinterPort(40000);
    ASSERT_TRUE(correction.has_value());
    EXPECT_EQ(correction->correctedValue, 9100u);
    EXPECT_EQ(correction->failure.messageId, sid::kPortOutOfRange);
    EXPECT_EQ(correction->failure.field, ConfigField::printerPort);
}

TEST(RangeCorrectionTest, InactivityTimeAbove3600BecomesTheMaximum) {
    EXPECT_FALSE(CorrectInactivityTime(3600).has_value());
    const auto correction = CorrectInactivityTime(3601);
    ASSERT_TRUE(correction.has_value());
    EXPECT_EQ(correction->correctedValue, 3600u);
    EXPECT_EQ(correction->failure.message, "The time has not been set.\nPlease enter time again.");
}

TEST(RangeCorrectionTest, AdhocChannelAbove14BecomesTheMaximum) {
    EXPECT_FALSE(CorrectAdhocChannel(0).has_value());
    EXPECT_FALSE(CorrectAdhocChannel(14).has_value());
    const auto correction = CorrectAdhocChannel(15);
    ASSERT_TRUE(correction.has_value());
    EXPECT_EQ(correction->correctedValue, 14u);
    EXPECT_EQ(correction->failure.messageId, sid::kChannelNotSet);
    EXPECT_EQ(correction->failure.field, ConfigField::adhocChannel);
}

TEST(NumberTextTest, TakesOnlyPlainDigitsWithin32Bits) {
    EXPECT_EQ(ParseUnsignedText("0"), 0u);
    EXPECT_EQ(ParseUnsignedText("9100"), 9100u);
    EXPECT_EQ(ParseUnsignedText("4294967295"), 4294967295u);
    for (const char* text : {"", "4294967296", "12a", "-1", "+1", " 1", "1 "}) {
        EXPECT_FALSE(ParseUnsignedText(text).has_value()) << '"' << text << '"';
    }
}

TEST(ConfigFieldNameTest, UsesTheRecordFieldNames) {
    EXPECT_EQ(ConfigFieldName(ConfigField::printerName), "printerName");
    EXPECT_EQ(ConfigFieldName(ConfigField::confirmPassword), "confirmPassword");
    EXPECT_EQ(ConfigFieldName(ConfigField::p2pPinCode), "p2pPinCode");
    EXPECT_EQ(ConfigFieldName(ConfigField::authPassword), "authPassword");
}

}  // namespace
}  // namespace lanvane::rules
