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

bool BracketsPair(const std::string &line)
{
    std::string open;
    for (int i = 0; i < Len(line);) {
        const std::string two = Mid(line, i, 2);
        const char c = line[static_cast<std::size_t>(i)];
        const int width = IsGbkLead(static_cast<unsigned char>(c)) ? 2 : 1;
        char opening = 0;
        char closing = 0;
        if (c == '(' || two == "（")
            opening = '(';
        else if (c == '[' || c == '{')
            opening = c;
        else if (c == ')' || two == "）")
            closing = '(';
        else if (c == ']')
            closing = '[';
        else if (c == '}')
            closing = '{';
        if (opening != 0)
            open += opening;
        if (closing != 0) {
            if (open.empty() || open.back() != closing)
                return false;
            open.pop_back();
        }
        i += width;
    }
    return open.empty();
}

} // namespace qimbel
