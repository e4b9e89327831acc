#include <gtest/gtest.h>

#include "rules/ConfigField.h"
#include "rules/NumberText.h"
#include "rules/RangeCorrections.h"
#include "resources/StringIds.h"

namespace lanvane::rules {
namespace {

// Each correction leaves its largest value alone and replaces the next one.
TEST(RangeCorrectionTest, ValuesBeyondTheirRangeAreReplaced) {
    const struct {
        const char* name;
        std::optional<RangeCorrection> (*correct)(std::uint32_t);
        std::uint32_t largest;
        std::uint32_t replacement;
        int messageId;
        ConfigField field;
    } cases[] = {
        {"PrinterPort", CorrectPrinterPort, 32767, 9100, sid::kPortOutOfRange,
         ConfigField::printerPort},
        {"InactivityTime", CorrectInactivityTime, 3600, 3600, sid::kTimeNotSet,
         ConfigField::inactivityTime},
        {"AdhocChannel", CorrectAdhocChannel, 14, 14, sid::kChannelNotSet,
         ConfigField::adhocChannel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(c.correct(0).has_value());
        EXPECT_FALSE(c.correct(c.largest).has_value());
        const auto correction = c.correct(c.largest + 1);
        ASSERT_TRUE(correction.has_value());
        EXPECT_EQ(correction->correctedValue, c.replacement);
        EXPECT_EQ(correction->failure.messageId, c.messageId);
        EXPECT_EQ(correction->failure.field, c.field);
    }
}

TEST(NumberTextTest, TakesOnlyPlainDigitsWithin32Bits) {
    EXPECT_EQ(ParseUnsignedText("0"), 0u);
    EXPECT_EQ(ParseUnsignedText("9100"), 9100u);
    EXPECT_EQ(ParseUnsignedText("4294967295"), 4294967295u);
    for (const char* text : {"", "4294967296", "12a", "-1", "+1", " 1", "1 "}) {
        EXPECT_FALSE(ParseUnsignedText(text).has_value()) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace lanvane::rules
