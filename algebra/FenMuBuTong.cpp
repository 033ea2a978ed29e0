#include "algebra/ArithmeticText.h"

namespace qimbel {

// 1 when the terms of a sum of fractions do not all share one denominator (a whole number counts
// as its own denominator text), else 0. The terms are cut at the "＋" and "－" that
// XianSuanFuHao finds, so the sign of the first number never cuts.
int Solver::FenMuBuTong(std::string expression)
{
    std::string rest = expression;
    std::string previous;
    int terms = 0;
    while (!rest.empty()) {
        const std::string op = XianSuanFuHao(rest);
        int cut = -1;
        if (op == "＋" || op == "－")
            cut = Find(rest, op, LeadingSignLength(rest) > 0 ? LeadingSignLength(rest) : 1);
        const std::string term = cut < 0 ? rest : Left(rest, cut);
        rest = cut < 0 ? std::string() : Mid(rest, cut + 2);
        const int slash = Find(term, "/");
        const std::string kept = Trim(slash < 0 ? term : Mid(term, slash + 1));
        if (terms > 0 && kept != previous)
            return 1;
        previous = kept;
        ++terms;
    }
    return 0;
}

} // namespace qimbel
