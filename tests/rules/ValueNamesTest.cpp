#include <gtest/gtest.h>

#include "rules/ValueNames.h"
#include "resources/StringIds.h"

namespace lanvane::rules {
namespace {

TEST(ValueNamesTest, NamesComeFromTheStringTableByCode) {
    const StringTable& strings = EnglishStringTable();
    EXPECT_EQ(ValueName(ValueTable::networkMode, 1, strings), "Adhoc");
    EXPECT_EQ(ValueName(ValueTable::ipAssignment, 0, strings), "Manual allocation");
    EXPECT_EQ(ValueName(ValueTable::authentication, 5, strings), "WPA2");
    EXPECT_EQ(ValueName(ValueTable::cryptograph, 5, strings), "AES + TKIP");
    EXPECT_EQ(ValueName(ValueTable::eapMode, 0, strings), "EAP-PEAP");
    EXPECT_EQ(ValueName(ValueTable::onOff, 1, strings), "Enable");
    const StringTable translated(std::vector<StringEntry>{{sid::kEnable, "Aktiviert"}});
    EXPECT_EQ(ValueText(ValueTable::onOff, 1, translated), "Aktiviert");
}

}  // namespace
}  // namespace lanvane::rules
