#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace lanvane {
namespace {

struct ExpectedText {
    int id;
    std::string_view text;
};

void PrintTo(const ExpectedText& expected, std::ostream* out) {
    *out << "string " << expected.id;
}

class EnglishTextTest : public testing::TestWithParam<ExpectedText> {};

TEST_P(EnglishTextTest, ShowsTheExactText) {
    EXPECT_EQ(EnglishStringTable().Text(GetParam().id), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Sample, EnglishTextTest,
    testing::Values(
        ExpectedText{5, "WEP Key is invalid.\nWEP Key must be 5 or 10 characters or 10 or 26 hexadecimal digits."},
        ExpectedText{11, "The Password is incorrect.\nPlease try again."},
        ExpectedText{13, "The port number is incorrect.\nPlease try again."},
        ExpectedText{30, "The Adhoc mode is not available.\nAuthentication is allowed in either Open System or Shared Key."},
        ExpectedText{41, "The configuration has been completed.\nPlease search for devices again if the list is not refreshed."},
        ExpectedText{44, "Unable to configure the port.\nPlease enter a port number again.(0~32767)"},
        ExpectedText{48, "The channel number has not been set.\nPlease enter a channel number again.(0~14)"},
        ExpectedText{52, "Lanvane"},
        ExpectedText{53, "Now Searching"},
        ExpectedText{54, "System & Information"},
        ExpectedText{59, "Cerification"},
        ExpectedText{67, "Disable"},
        ExpectedText{68, "Enable"},
        ExpectedText{84, "Certification Password"},
        ExpectedText{85, "Incorrect PIN. Please re-enter your PIN Code."},
        ExpectedText{sid::kMakerNameMismatch, "This printer don't match our company name."},
        ExpectedText{sid::kCertificateFileFilter, "Original Certificate Format (*.*)|*|"},
        ExpectedText{sid::kColumnModeUpper, "MODE"},
        ExpectedText{sid::kAddressNotConfigured, "Not Configuration"},
        ExpectedText{sid::kSummaryAuthPassword, "Auth Password/Certification Key(EAP-TLS)"},
        ExpectedText{sid::kIpAssignmentManual, "Manual allocation"}),
    [](const testing::TestParamInfo<ExpectedText>& param) { return "Id" + std::to_string(param.param.id); });

TEST(EnglishStringsTest, IdsAreUniqueAscendingAndTextsNotEmpty) {
    int previous = 0;
    for (const StringEntry& entry : EnglishStrings()) {
        EXPECT_GT(entry.id, previous) << "id " << entry.id;
        EXPECT_FALSE(entry.text.empty()) << "id " << entry.id;
        previous = entry.id;
    }
    EXPECT_EQ(EnglishStringTable().Size(), EnglishStrings().size());
}

TEST(StringTableTest, UnknownIdGivesAnEmptyText) {
    EXPECT_TRUE(EnglishStringTable().Text(0).empty());
    EXPECT_TRUE(EnglishStringTable().Text(-1).empty());
    EXPECT_TRUE(EnglishStringTable().Text(99999).empty());
    EXPECT_FALSE(EnglishStringTable().Contains(99999));
    EXPECT_TRUE(StringTable().Text(sid::kAppCaption).empty());
}

TEST(StringTableTest, KeepsItsOwnCopyAndTheLaterOfTwoEqualIds) {
    std::string caption = "Lanvane (de)";
    std::string first = "Erste";
    std::string second = "Zweite";
    const std::array entries = {StringEntry{sid::kAppCaption, caption}, StringEntry{7, first},
                                StringEntry{7, second}};
    const StringTable table(entries);
    caption.assign("overwritten");
    second.assign("overwritten");

    EXPECT_EQ(table.Text(sid::kAppCaption), "Lanvane (de)");
    EXPECT_EQ(table.Text(7), "Zweite");
    EXPECT_EQ(table.Size(), 2u);
    EXPECT_TRUE(table.Text(sid::kNowSearching).empty());
}

}  // namespace
}  // namespace lanvane
