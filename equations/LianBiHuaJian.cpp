#include "equations/Rational.h"
#include "solver/Solver.h"

#include <vector>

namespace qimbel {

namespace {

// The terms of a ratio, cut at every ":" and "："; a "÷" in a term is the fraction bar that the
// check wrote for "/".
std::vector<std::string> RatioTerms(const std::string &ratio, Solver &solver)
{
    std::vector<std::string> terms;
    std::string text = solver.GetTiHuan(ratio, "：", ":");
    int start = 0;
    for (int p = Find(text, ":"); p >= 0; p = Find(text, ":", start)) {
        terms.push_back(solver.GetTiHuan(Mid(text, start, p - start), "÷", "/"));
        start = p + 1;
    }
    terms.push_back(solver.GetTiHuan(Mid(text, start), "÷", "/"));
    return terms;
}

std::string Joined(const std::vector<std::string> &parts)
{
    std::string text;
    for (const std::string &part : parts)
        text += (text.empty() ? "" : ":") + part;
    return text;
}

} // namespace

// 化简比 of a ratio of three or more terms (连比), as a teacher works it: fractions and decimals
// are made whole by multiplying every term by the least common multiple of their denominators,
// then every term is divided by the greatest common divisor. The lines start with "＝"; the empty
// text when the ratio has fewer than three terms or a term that is no number.
std::string Solver::LianBiHuaJian(std::string ratio)
{
    const std::vector<std::string> typed = RatioTerms(ratio, *this);
    if (typed.size() < 3 || typed.size() > 64)
        return {};
    std::vector<Rational> terms;
    for (const std::string &term : typed) {
        const std::optional<Rational> value = ReadRational(term);
        if (!value)
            return {};
        if (value->numerator == 0)
            return "比的各项都不能为0。";
        terms.push_back(*value);
    }
    std::string out;
    Whole multiple = 1;
    for (const Rational &term : terms) {
        const Whole g = WholeGcd(multiple, term.denominator);
        if (MultiplyOverflows(multiple / g, term.denominator, multiple) || multiple > 1000000000000LL)
            return "比的项太大，无法化简。";
    }
    std::vector<Whole> whole;
    if (multiple > 1) {
        std::vector<std::string> shown;
        for (std::size_t k = 0; k < terms.size(); ++k)
            shown.push_back("(" + typed[k] + "×" + WholeText(multiple) + ")");
        out += "＝" + Joined(shown) + "\r\n";
    }
    std::vector<std::string> wholeText;
    Whole divisor = 0;
    for (const Rational &term : terms) {
        whole.push_back(term.numerator * (multiple / term.denominator));
        wholeText.push_back(WholeText(whole.back()));
        divisor = WholeGcd(divisor, whole.back());
    }
    if (multiple > 1)
        out += "＝" + Joined(wholeText) + "\r\n";
    if (divisor > 1) {
        std::vector<std::string> shown;
        std::vector<std::string> simplest;
        for (const Whole w : whole) {
            shown.push_back("(" + WholeText(w) + "÷" + WholeText(divisor) + ")");
            simplest.push_back(WholeText(w / divisor));
        }
        out += "＝" + Joined(shown) + "\r\n＝" + Joined(simplest) + "\r\n";
    }
    if (out.empty())
        out = "＝" + Joined(wholeText) + "\r\n";
    return out;
}

} // namespace qimbel
