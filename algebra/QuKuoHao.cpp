#include "solver/ExpressionText.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

// Every "＋" turned into "－" and every "－" into "＋".
std::string TurnSigns(const std::string &text)
{
    std::string result;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        const std::string c = text.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(size));
        result += c == "＋" ? "－" : c == "－" ? "＋" : c;
        i += size;
    }
    return result;
}

bool EndsWithClosingBracket(const std::string &term)
{
    return EndsWithByte(term, ')') || EndsWithByte(term, ']') || EndsWithByte(term, '}');
}

} // namespace

// Removes one level of brackets from a polynomial: a bracketed term loses its brackets, one
// behind "＋" keeps its inside as it is, one behind "－" has every sign inside turned round. A
// bracket that does not enclose a whole term, as in 2(a＋b) or (a＋b)c, stays.
// a－(b－c) gives a－b＋c; －(－x＋y) gives ＋x－y; (a－(b＋c)) gives a－(b＋c), one level per call.
std::string Solver::QuKuoHao(std::string polynomial)
{
    StringArray terms;
    ZhengShiToShuZu(std::move(polynomial), terms);
    std::string joined;
    for (int i = terms.GetSize() - 1; i >= 0; --i) {
        const std::string &term = terms.GetAt(i);
        const int n = Len(term);
        const std::string sign = Left(term, 2);
        if (n >= 2 && IsOpeningBracket(term[0]) && EndsWithClosingBracket(term))
            joined += Mid(term, 1, n - 2);
        else if (n >= 4 && sign == "＋" && IsOpeningBracket(term[2]) && EndsWithClosingBracket(term))
            joined += "＋" + Mid(term, 3, n - 4);
        else if (n >= 4 && sign == "－" && IsOpeningBracket(term[2]) && EndsWithClosingBracket(term))
            joined += "－" + TurnSigns(Mid(term, 3, n - 4));
        else
            joined += term;
    }
    // A turned inside that began with a sign of its own leaves a doubled sign behind "－".
    TiHuan(joined, "＋－", "－");
    TiHuan(joined, "－＋", "＋");
    TiHuan(joined, "－－", "－");
    return joined;
}

} // namespace qimbel
