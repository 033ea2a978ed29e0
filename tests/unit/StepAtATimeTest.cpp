// 一步一步: 下一步检查 marks the last line only, 提示 names the next move from the same rules.
// Each row is a pupil's text so far and what the tutor answers.
#include "marking/StepAtATime.h"

#include <gtest/gtest.h>

using namespace qimbel;

namespace {

std::string Crlf(const std::string &lines)
{
    std::string out;
    for (char c : lines)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

} // namespace

TEST(StepAtATime, TheLastLineIsMarkedAgainstTheLineBeforeIt)
{
    Solver solver;
    const struct {
        int type;
        const char *typed;
        const char *answer;
    } rows[] = {
        {25, "2x－3(x－2)＝4\n2x＋3x－6＝4", "2x＋3x－6＝4\n× 第1步错了：去括号时没有变号。\n应该是：2x－3x＋6＝4\n"},
        {25, "2x－3(x－2)＝4\n2x－3x＋6＝4", "2x－3x＋6＝4\n√\n"},
        // Only the last line counts; a wrong line earlier does not take away its fix.
        {25, "2x－3(x－2)＝4\n2x＋3x－6＝4\n5x＝10\nx＝－2", "x＝－2\n× 第3步错了：符号错误。\n应该是：x＝2\n"},
        {27, "(x－3)^2＝4\nx－3＝2", "x－3＝2\n× 第1步错了：开平方时漏掉了负的平方根。\n应该是：x－3＝±2\n"},
        {7, "36－20÷4\n＝16÷4", "＝16÷4\n× 第1步错了：运算顺序错误，先算乘除，后算加减。\n应该是：36－5\n"},
        {7, "36－20÷4\n＝36－5", "＝36－5\n√\n"},
        {25, "2x＋3＝7", "还没有写出解题步骤：在题目下面写一步，再检查。\n"},
        // The last problem of several.
        {25, "x＋1＝2\nx＝1\n\n2x＝6\nx＝4", "x＝4\n× 第1步错了。\n应该是：x＝3\n"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(MarkLastStep(solver, row.type, Crlf(row.typed)), Crlf(row.answer)) << row.typed;
    EXPECT_EQ(MarkLastStep(solver, 25, ""), "文本框中没有可以检查的步骤。\r\n");
}

TEST(StepAtATime, TheHintNamesTheNextMoveWithoutMakingIt)
{
    Solver solver;
    const struct {
        int type;
        const char *typed;
        const char *hint;
    } rows[] = {
        {25, "2x－3(x－2)＝4", "下一步：去括号"},
        {25, "2x－3(x－2)＝4\n2x－3x＋6＝4", "下一步：移项，把含未知数的项移到左边，常数项移到右边"},
        {25, "2x－3(x－2)＝4\n2x－3x＝4－6", "下一步：合并同类项"},
        {25, "2x＋3＝9\n2x＝6", "下一步：系数化为1，两边同除以2"},
        {30, "－3x＜6", "下一步：系数化为1，两边同除以(－3)，不等号要改变方向"},
        {25, "x/2＋x/3＝5", "下一步：去分母，两边同乘以各分母的最简公分母"},
        {27, "(x－3)^2＝4", "下一步：直接开平方，别忘了负的平方根"},
        {27, "(x－3)(x－4)＝0", "下一步：令每个因式等于0"},
        {27, "x^2＝7x－12", "下一步：移项，把方程化成一般形式"},
        {26, "x＋2y＝5\nx－y＝2", "下一步：用代入法或加减法消去一个未知数"},
        {26, "x＋2y＝5\nx－y＝2\n3y＝3\ny＝1", "下一步：把求出的值代入一个方程，求出x的值"},
        {7, "36－20÷4", "下一步：先算20÷4"},
        {7, "12－3×(2＋5)", "下一步：先算2＋5"},
        {10, "12:18", "下一步：化成最简整数比"},
        {25, "2x－3(x－2)＝4\n2x＋3x－6＝4", "先改正第1步：去括号时没有变号。"},
        {25, "2x＋3＝9\n2x＝6\nx＝3", "已经做完了：最后一步已经是答案。"},
        {25, "", "文本框中没有题目：先写题目，再要提示。"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(HintNextStep(solver, row.type, Crlf(row.typed)), std::string(row.hint) + "\r\n") << row.typed;
}
