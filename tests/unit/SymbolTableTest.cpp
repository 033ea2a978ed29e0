// The symbol palette's table: the rows a pupil sees and the texts the buttons append.
#include "tools/SymbolTable.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>

using namespace qimbel;

TEST(SymbolTable, NineRowsOfUniqueButtons)
{
    ASSERT_EQ(SymbolRowLabels().size(), static_cast<std::size_t>(kSymbolRows));
    EXPECT_STREQ(SymbolRowLabels()[0], "运算符号：");
    EXPECT_STREQ(SymbolRowLabels()[1], "关系符号:");
    EXPECT_STREQ(SymbolRowLabels()[4], "");

    // Per row, top to bottom; the Greek letters take three rows (13, 13, 3).
    const std::array<int, kSymbolRows> expected = {13, 13, 12, 13, 13, 3, 13, 8, 7};
    std::array<int, kSymbolRows> counts {};
    std::set<int> ids;
    for (const SymbolButton &button : SymbolButtons()) {
        ASSERT_GE(button.row, 0);
        ASSERT_LT(button.row, kSymbolRows);
        ++counts[static_cast<std::size_t>(button.row)];
        EXPECT_TRUE(ids.insert(button.id).second) << "id " << button.id << " twice";
        EXPECT_NE(std::string(button.caption), "");
    }
    EXPECT_EQ(counts, expected);
    EXPECT_EQ(SymbolButtons().size(), 95u);
    EXPECT_EQ(FindSymbolButton(9999), nullptr);
}

TEST(SymbolTable, ButtonsAppendTheirCaptionExceptThree)
{
    const std::map<int, std::string> different = {{1250, "[ ] "}, {1233, "├ "}, {1205, "φ"}};
    for (const SymbolButton &button : SymbolButtons()) {
        const auto it = different.find(button.id);
        EXPECT_EQ(button.text, it != different.end() ? it->second : std::string(button.caption)) << button.id;
    }
    EXPECT_STREQ(FindSymbolButton(1205)->caption, " φ");
    EXPECT_STREQ(FindSymbolButton(1249)->text, "( )");
    EXPECT_STREQ(FindSymbolButton(1189)->text, "| |");
    // In GBK every symbol but the ASCII ones is two bytes: ＋ is not +.
    EXPECT_EQ(std::string(FindSymbolButton(1234)->text).size(), 2u);
    EXPECT_STREQ(FindSymbolButton(1247)->text, "^");
}
