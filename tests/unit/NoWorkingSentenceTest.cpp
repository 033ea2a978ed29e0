// The sentence under the header of a line that gives no working: the first fault a teacher would
// point at. How the pages place it is checked by the golden texts (arith/no_working_sentences and
// others).
#include "solver/Solver.h"

#include <gtest/gtest.h>

using namespace qimbel;

TEST(MeiYouGuoCheng, NamesTheFirstFaultOfTheLine)
{
    Solver s;
    const struct {
        const char *line;
        int type;
        const char *sentence;
    } cases[] = {
        {"2×(3＋4", 20, "括号不配对，无法计算。"},
        {"2×(3＋4]", 20, "括号不配对，无法计算。"},
        {"(1＋2))(", 8, "括号不配对，无法计算。"},
        {"8÷0", 20, "除数不能为0，无法计算。"},
        {"8÷(0)＋1", 8, "除数不能为0，无法计算。"},
        {"3/0", 20, "除数不能为0，无法计算。"},
        {"abc", 1, "没有找到要读的数。"},
        {"abc", 20, "没有找到可以计算的数。"},
        {"3＋a", 20, "式子中有字母，这里需要的是数。"},
        {"5×", 7, "式子不完整，缺少参与计算的数。"},
        {"×5", 7, "式子不完整，缺少参与计算的数。"},
        {"12", 20, "式子中没有需要进行的运算。"},
        {"－12", 20, "式子中没有需要进行的运算。"},
        {"3千米", 6, "没有找到要换算成的单位。"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(s.MeiYouGuoCheng(c.line, c.type), c.sentence) << c.line << " (type " << c.type << ")";
    // A zero that starts a longer number is no zero divisor, and letters belong to polynomials.
    EXPECT_NE(s.MeiYouGuoCheng("8÷0.5", 20), "除数不能为0，无法计算。");
    EXPECT_NE(s.MeiYouGuoCheng("1÷05", 20), "除数不能为0，无法计算。");
    EXPECT_NE(s.MeiYouGuoCheng("a＋b", 21), "式子中有字母，这里需要的是数。");
}
