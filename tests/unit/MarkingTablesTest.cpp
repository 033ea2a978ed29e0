// 批改 of expressions, piece by piece: which slip a wrong step is put down to (and that a step
// that fits no slip gets none), and what the end of a working still misses, for every type.
#include "marking/ExactExpression.h"
#include "marking/ExpressionAnswer.h"
#include "marking/ExpressionSlips.h"

#include <gtest/gtest.h>

using namespace qimbel;

namespace {

ExprNode Read(int type, const std::string &text)
{
    ReadExpression read = ReadPupilExpression(text, type != 23);
    EXPECT_TRUE(read.tree.has_value()) << text << ": " << read.why;
    return read.tree ? *read.tree : ExprNode {};
}

} // namespace

TEST(MarkingTables, SlipsOfWrongSteps)
{
    struct Row {
        int type;
        const char *before;
        const char *step;
        const char *slip;
    };
    const Row rows[] = {
        {8, "38+47", "75", "进位/借位错误"},
        {8, "52-17", "45", "进位/借位错误"},
        {20, "2.5+1.7", "3.2", "进位/借位错误"},
        // One off in the ones is no carry gone astray, a product carries nothing: the result
        // itself is named.
        {8, "38+47", "84", "计算错误，38＋47＝85，不是84"},
        {8, "6×7", "32", "计算错误，6×7＝42，不是32"},
        {8, "1000-387", "723", "计算错误，1000－387＝613，不是723"},
        {8, "456+378", "724", "计算错误，456＋378＝834，不是724"},
        {7, "2×7+5", "12+5", "计算错误，2×7＝14，不是12"},
        {7, "48÷6-2", "6-2", "计算错误，48÷6＝8，不是6"},
        // The order of operations: the sum worked before the product beside it.
        {8, "3+4×5", "35", "运算顺序错误，先算乘除，后算加减"},
        {7, "36-20÷4", "16÷4", "运算顺序错误，先算乘除，后算加减"},
        {7, "12-3×(2+5)", "9×7", "运算顺序错误，先算乘除，后算加减"},
        {7, "2×3+4", "2×7", "运算顺序错误，先算乘除，后算加减"},
        {7, "36-20÷4", "36-5", ""}, // right: no slip is looked for, none is found
        // Fractions reduced across a product by different numbers.
        {20, "4/9×3/8", "1/3×1/4", "约分错误"},
        {20, "4/9×3/8", "1/3×1/2", ""},
        {20, "5-(3-1)", "5-3-1", "去括号时没有变号"},
        {21, "a-2(b-c)", "a-2b-2c", "去括号时没有变号"},
        {21, "2(x+3)", "2x+3", "漏乘"},
        {21, "(x+1)(x+2)", "x^2+2x+2", "漏乘"},
        {20, "6/8", "3/2", "约分错误"},
        {23, "2/(4x)", "1/(4x)", "约分错误"},
        {20, "3-8", "5", "符号错误"},
        {20, "-2^2", "4", "符号错误"},
        {22, "x^2-5x+6", "(x+2)(x-3)", "符号错误，因式(x＋2)应该是(x－2)"},
    };
    for (const Row &row : rows) {
        const ExprNode before = Read(row.type, row.before);
        const ExprNode step = Read(row.type, row.step);
        EXPECT_EQ(SlipOf(before, step, nullptr), row.slip) << row.before << " ＝ " << row.step;
    }
}

TEST(MarkingTables, WhatTheLastLineStillMisses)
{
    struct Row {
        int type;
        const char *last;
        const char *missing;
    };
    const Row rows[] = {
        {8, "85", ""},
        {20, "-3/4", ""},
        {20, "2.5", ""},
        {20, "6/12", "还要约分"},
        {8, "5/1", "还要约分"},
        {20, "1/2+1/3", "还要继续计算"},
        {21, "2x+5", ""},
        {21, "-2+2x", ""},
        {21, "3xy-2y", ""},
        {21, "x/2", ""},
        {21, "x^2-2x+x", "还要合并同类项"},
        {21, "1/2x+x", "还要合并同类项"},
        {21, "3(x+1)", "还要去括号"},
        {21, "2x×3", "还要继续计算"},
        {22, "(x-2)(x-3)", ""},
        {22, "-(x-1)^2", ""},
        {22, "x^2+1", ""},
        {22, "2x(x^2-4)", "还要继续分解"},
        {22, "x(x+1)+2(x+1)", "还要继续分解"},
        {22, "(2x+4)(x-1)", "还要提取公因式"},
        {22, "2x^2+4", "还要提取公因式"},
        {23, "(x-1)/(x+1)", ""},
        {23, "2/((x+1)(x-1))", ""},
        {23, "x+1", ""},
        {23, "(x-1)/(x-1)", "还要约分"},
        {23, "(2x+2)/(4x)", "还要约分"},
        {23, "1/x+1/(2x)", "还要通分"},
        {23, "1/x+2/x", "还要把分子相加减"},
        {23, "(x+1-x+1)/((x+1)(x-1))", "还要合并同类项"},
    };
    for (const Row &row : rows) {
        const ExprNode last = Read(row.type, row.last);
        const std::optional<fractions::Fraction> value = ExactValueOf(last);
        ASSERT_TRUE(value.has_value()) << row.last;
        EXPECT_EQ(MissingFromAnswer(row.type, last, *value), row.missing) << row.type << ": " << row.last;
    }
}

// Exponents the marker cannot hold exactly are said to be unreadable, never read as something else
// (2^1.0 was read as 2^1 times .0, which made a right step wrong).
TEST(MarkingTables, ExponentsThatAreNoSmallWholeNumber)
{
    for (const char *text : {"2^1.0", "0.5^0.5", "2^(1.5)", "2^a", "5^3/2×6"}) {
        const ReadExpression read = ReadPupilExpression(text, true);
        EXPECT_FALSE(read.tree.has_value()) << text;
    }
    EXPECT_TRUE(ReadPupilExpression("2^10×3", true).tree.has_value());
}
