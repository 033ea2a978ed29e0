#include "solver/ExpressionText.h"

#include "solver/Solver.h"

namespace qimbel {

std::string HalfWidthSigns(std::string text)
{
    Solver s;
    s.TiHuan(text, "＋", "+");
    s.TiHuan(text, "－", "-");
    return text;
}

std::string FullWidthSigns(std::string text)
{
    Solver s;
    s.TiHuan(text, "+", "＋");
    s.TiHuan(text, "-", "－");
    return text;
}

int CharSize(const std::string &text, int i)
{
    return IsGbkLead(static_cast<unsigned char>(text[static_cast<std::size_t>(i)])) && i + 1 < Len(text) ? 2 : 1;
}

bool EndsWithByte(const std::string &text, char c)
{
    const int last = Len(text) - 1;
    return last >= 0 && Find(text, std::string(1, c), last) == last;
}

std::string DropCoefficient(const std::string &term)
{
    const std::string coefficient = Solver().GetShuZi(term);
    const int p = Find(term, coefficient);
    return p >= 0 ? Mid(term, p + Len(coefficient)) : term;
}

bool IsOpeningBracket(char c) { return c == '(' || c == '[' || c == '{'; }

bool IsClosingBracket(char c) { return c == ')' || c == ']' || c == '}'; }

} // namespace qimbel
