#include "numbers/FactorMath.h"
#include "solver/ExpressionText.h"
#include "solver/Solver.h"

#include <vector>

namespace qimbel {

namespace {

struct Term {
    std::string numerator;
    std::string denominator;
    std::string operatorAfter; // "＋" or "－"; empty after the last term
};

// Cuts the chain at each "＋" and "－" that does not stand first in its term (a sign in front
// belongs to the first number), in one pass over the characters.
std::vector<Term> CutTerms(const std::string &sum)
{
    std::vector<Term> terms;
    const int n = Len(sum);
    int start = 0;
    int i = start;
    while (i < n) {
        const int size = CharSize(sum, i);
        const std::string c = Mid(sum, i, size);
        if (i > start && (c == "＋" || c == "－")) {
            terms.push_back({Trim(Mid(sum, start, i - start)), "", c});
            start = i + size;
        }
        i += size;
    }
    terms.push_back({Trim(Mid(sum, start)), "", ""});
    return terms;
}

// A numerator may carry a full-width sign in front (the first term of a chain may be negative).
bool NumeratorValue(const std::string &text, long long &value)
{
    const std::string sign = Left(text, 2);
    const bool fullWidth = sign == "＋" || sign == "－";
    if (!LeadingInteger(fullWidth ? Mid(text, 2) : text, value))
        return false;
    if (sign == "－")
        value = -value;
    return true;
}

// A new numerator: negative ones carry the full-width sign of the chain.
std::string NumeratorText(long long value) { return value < 0 ? "－" + IntText(-value) : IntText(value); }

} // namespace

// Brings a chain of fractions joined by "＋" and "－" to their least common denominator and
// explains how: 1/2＋1/3 gives 3/6＋2/6┃通分：根据分数式子 1/2＋1/3 中的分母2,3 找出最小公倍数6
// ,再由分母2*3=6, 3*2=6, 分子也要乘以相应的数得到1*3/2*3＋1*2/3*2. An integer counts as over 1; the
// first fraction may carry a "－". A zero denominator or numbers too large for 64 bits leave the
// chain as it is, with the reason as its explanation.
std::string Solver::TongFen(std::string sum)
{
    if (Trim(sum).empty())
        return {};

    std::vector<Term> terms = CutTerms(sum);

    std::string denominators;
    std::vector<long long> numeratorValues;
    std::vector<long long> denominatorValues;
    for (Term &term : terms) {
        const int bar = Find(term.numerator, "/");
        if (bar >= 0) {
            term.denominator = Trim(Mid(term.numerator, bar + 1));
            term.numerator = Trim(Left(term.numerator, bar));
        } else {
            term.denominator = "1";
        }
        denominators += (numeratorValues.empty() ? "" : ",") + term.denominator;
        long long numerator = 0;
        long long denominator = 0;
        if (!NumeratorValue(term.numerator, numerator) || !LeadingInteger(term.denominator, denominator))
            return sum + "┃" + kTooLarge;
        if (denominator == 0)
            return sum + "┃" + kZeroDenominator;
        numeratorValues.push_back(numerator);
        denominatorValues.push_back(denominator < 0 ? -denominator : denominator);
    }

    long long common = 0;
    if (!Lcm(denominatorValues, common))
        return sum + "┃" + kTooLarge;

    std::string expanded;
    std::string pieces;
    std::string fractions;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        long long denominator = 0;
        LeadingInteger(terms[i].denominator, denominator);
        const long long k = common / denominator;
        long long numerator = 0;
        if (__builtin_mul_overflow(numeratorValues[i], k, &numerator))
            return sum + "┃" + kTooLarge;
        expanded += terms[i].numerator + "*" + IntText(k) + "/" + terms[i].denominator + "*" + IntText(k);
        pieces += terms[i].denominator + "*" + IntText(k) + "=" + IntText(common) + ", ";
        fractions += NumeratorText(numerator) + "/" + IntText(common);
        expanded += terms[i].operatorAfter;
        fractions += terms[i].operatorAfter;
    }
    return fractions + "┃通分：根据分数式子 " + sum + " 中的分母" + denominators + " 找出最小公倍数" + IntText(common)
        + " ,再由分母" + pieces + "分子也要乘以相应的数得到" + expanded;
}

} // namespace qimbel
