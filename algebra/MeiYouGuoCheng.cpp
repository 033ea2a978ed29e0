#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

// A "÷" or "/" followed by a zero that is not the start of a longer number (÷0, ÷0＋1, /0).
bool DividesByZero(const std::string &line)
{
    for (const char *bar : {"÷", "/"}) {
        for (int p = Find(line, bar); p >= 0; p = Find(line, bar, p + 1)) {
            int q = p + Len(bar);
            while (
                q < Len(line) && (line[static_cast<std::size_t>(q)] == '(' || line[static_cast<std::size_t>(q)] == '['))
                ++q;
            if (q >= Len(line) || line[static_cast<std::size_t>(q)] != '0')
                continue;
            const char next = q + 1 < Len(line) ? line[static_cast<std::size_t>(q + 1)] : '\0';
            if (next != '.' && !(next >= '0' && next <= '9'))
                return true;
        }
    }
    return false;
}

bool HasByte(const std::string &line, bool (*test)(char))
{
    for (int i = 0; i < Len(line);) {
        const char c = line[static_cast<std::size_t>(i)];
        if (IsGbkLead(static_cast<unsigned char>(c))) {
            i += 2;
            continue;
        }
        if (test(c))
            return true;
        ++i;
    }
    return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Types whose problems are written with letters: equations, proportions, polynomials.
bool LettersBelong(int type)
{
    return type == 9 || type == 18 || type == 21 || type == 22 || (type >= 25 && type <= 31);
}

} // namespace

// The sentence written under the header of a line whose routine gave no working: the first fault
// found in the line, in the order a teacher looks (brackets, a zero divisor, no number, a letter
// where a number is needed, nothing to work).
std::string Solver::MeiYouGuoCheng(std::string line, int type)
{
    if (!BracketsPair(line))
        return "括号不配对，无法计算。";
    if (DividesByZero(line))
        return "除数不能为0，无法计算。";
    const bool digits = HasByte(line, IsDigit);
    const bool letters = HasByte(line, IsLetter);
    if (!digits && type == 1)
        return "没有找到要读的数。";
    if (type == 2)
        return "没有找到要写成数字的中文数。";
    if (!digits && !(letters && LettersBelong(type)))
        return "没有找到可以计算的数。";
    if (letters && !LettersBelong(type))
        return "式子中有字母，这里需要的是数。";
    for (const char *op : {"＋", "－", "×", "÷"})
        if (Right(line, 2) == op || ((Left(line, 2) == "×" || Left(line, 2) == "÷") && Left(line, 2) == op))
            return "式子不完整，缺少参与计算的数。";
    if (type == 6)
        return "没有找到要换算成的单位。";
    if (type == 24)
        return "这个式子已经是最简形式，不用再计算了。";
    const std::string body = Left(line, 2) == "－" || Left(line, 2) == "＋" ? Mid(line, 2) : line;
    if (!HanYunSuanFu(body))
        return "式子中没有需要进行的运算。";
    return "没有得出解题过程，请检查式子是否写对了。";
}

} // namespace qimbel
