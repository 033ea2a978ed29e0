#include "solver/InputLimits.h"

#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

namespace qimbel {

std::string LineTooLong(const std::string &line, int longest)
{
    if (Len(line) <= longest)
        return {};
    return "这一行太长，无法计算：一行最多可以有" + IntText(longest) + "个字符。";
}

std::string OpenOneLine(std::string &line, int &level, int longest)
{
    if (level < 1 || level > 5)
        level = 1;
    line = Trim(line);
    return LineTooLong(line, longest);
}

namespace {

std::string TooLarge(const std::string &line, int longest)
{
    std::string sentence = LineTooLong(line, longest);
    if (sentence.empty() && BracketDepth(line) > kDeepestBrackets)
        sentence = "括号层数太多，无法计算。";
    return sentence;
}

} // namespace

std::string ExpressionTooLarge(const std::string &line) { return TooLarge(line, kLongestExpressionLine); }

std::string EquationTooLarge(const std::string &line) { return TooLarge(line, kLongestEquationLine); }

std::string EveryStepTooLarge(const std::string &line) { return TooLarge(line, kLongestEveryStepLine); }

int BracketDepth(const std::string &text)
{
    int depth = 0;
    int deepest = 0;
    const int n = Len(text);
    for (int i = 0; i < n;) {
        const int size = CharSize(text, i);
        const char c = text[static_cast<std::size_t>(i)];
        const bool wide = size == 2;
        const bool opening = wide ? HasAt(text, static_cast<std::size_t>(i), "（") : c == '(' || c == '[' || c == '{';
        const bool closing = wide ? HasAt(text, static_cast<std::size_t>(i), "）") : c == ')' || c == ']' || c == '}';
        if (opening && ++depth > deepest)
            deepest = depth;
        else if (closing && depth > 0)
            --depth;
        i += size;
    }
    return deepest;
}

// ---- 因式分解 and 分式四则运算 ----

std::string FactorLineTooLarge(const std::string &line) { return TooLarge(line, kLongestFactorLine); }

std::string FractionLineTooLarge(const std::string &line) { return TooLarge(line, kLongestFractionLine); }

} // namespace qimbel
