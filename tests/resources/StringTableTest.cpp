#include <gtest/gtest.h>

#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace lanvane {
namespace {

TEST(EnglishStringsTest, IdsAreUniqueAndTextsNotEmpty) {
    for (const StringEntry& entry : EnglishStrings()) {
        EXPECT_FALSE(entry.text.empty()) << "id " << entry.id;
    }
    EXPECT_EQ(EnglishStringTable().Size(), EnglishStrings().size());
}

}  // namespace
}  // namespace lanvane
