#include <gtest/gtest.h>

#include <string>

#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace lanvane {
namespace {

TEST(EnglishStringsTest, IdsAreUniqueAscendingAndTextsNotEmpty) {
    int previous = 0;
    for (const StringEntry& entry : EnglishStrings()) {
        EXPECT_GT(entry.id, previous) << "id " << entry.id;
        EXPECT_FALSE(entry.text.empty()) << "id " << entry.id;
        previous = entry.id;
    }
    EXPECT_EQ(EnglishStringTable().Size(), EnglishStrings().size());
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
