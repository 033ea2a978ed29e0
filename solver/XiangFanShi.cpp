#include "solver/ExpressionText.h"
#include "solver/Solver.h"

#include <unordered_set>

namespace qimbel {

namespace {

// One bracket of any kind is taken off each end: (a－b) and a－b are compared alike.
std::string WithoutOuterBrackets(std::string text)
{
    if (!text.empty() && IsOpeningBracket(text.front()))
        text.erase(0, 1);
    if (!text.empty() && IsClosingBracket(text.back()) && EndsWithByte(text, text.back()))
        text.pop_back();
    return text;
}

// Every "＋" of a term turned into "－" and every "－" into "＋"; a term without a sign gets "－".
std::string Negation(const std::string &term)
{
    if (!Contains(term, "＋") && !Contains(term, "－"))
        return "－" + term;
    std::string result;
    for (int i = 0; i < Len(term);) {
        const int size = CharSize(term, i);
        const std::string c = term.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(size));
        result += c == "＋" ? "－" : c == "－" ? "＋" : c;
        i += size;
    }
    return result;
}

} // namespace

// True when the second polynomial is the opposite of the first: a－b and b－a, (x＋1) and －x－1.
// Every term of the second must be the negation of a term of the first, and both must have the
// same number of terms (so b alone is not the opposite of a－b).
bool Solver::XiangFanShi(std::string first, std::string second)
{
    StringArray a;
    StringArray b;
    DuoXiangShiToShuZu(WithoutOuterBrackets(FullWidthSigns(std::move(first))), a);
    DuoXiangShiToShuZu(WithoutOuterBrackets(FullWidthSigns(std::move(second))), b);
    if (a.GetSize() != b.GetSize())
        return false;

    // A term never equals its own negation, so a term of the second that equals a term of the
    // first is passed over by the lookup itself.
    std::unordered_set<std::string> negations;
    for (int i = 0; i < a.GetSize(); ++i)
        negations.insert(Negation(a.GetAt(i)));
    int count = 0;
    for (int j = 0; j < b.GetSize(); ++j) {
        const std::string &term = b.GetAt(j);
        if (negations.count(term) != 0 || negations.count("＋" + term) != 0)
            ++count;
    }
    return count == b.GetSize();
}

} // namespace qimbel
