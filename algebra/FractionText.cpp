// The texts of polynomials and fractions as the worked solutions write them.
#include "algebra/FractionAlgebra.h"

namespace qimbel::fractions {

namespace {

std::string CoefficientText(const Rational &c)
{
    const Whole n = c.numerator < 0 ? -c.numerator : c.numerator;
    return c.denominator == 1 ? WholeText(n) : WholeText(n) + "/" + WholeText(c.denominator);
}

std::string MonomialText(const Monomial &m)
{
    std::string text;
    for (const auto &[letter, power] : m) {
        text += letter;
        if (power > 1)
            text += "^" + WholeText(power);
    }
    return text;
}

} // namespace

bool HasOuterSign(const std::string &text)
{
    int depth = 0;
    for (int i = 0; i < Len(text);) {
        const char c = text[i];
        if (c == '(' || c == '[')
            ++depth;
        else if (c == ')' || c == ']')
            --depth;
        const std::string two = Mid(text, i, 2);
        if (i > 0 && depth == 0 && (two == "＋" || two == "－"))
            return true;
        i += IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < Len(text) ? 2 : 1;
    }
    return false;
}

std::string PolyText(const Poly &p)
{
    if (p.empty())
        return "0";
    std::string text;
    bool first = true;
    for (const Monomial &m : WrittenOrder(p)) {
        const Rational &c = p.at(m);
        const bool negative = c.numerator < 0;
        if (negative)
            text += "－";
        else if (!first)
            text += "＋";
        const bool one = c.numerator == 1 || c.numerator == -1;
        if (m.empty())
            text += CoefficientText(c);
        else if (c.denominator != 1)
            text += "(" + CoefficientText(c) + ")" + MonomialText(m);
        else
            text += (one && c.denominator == 1 ? "" : CoefficientText(c)) + MonomialText(m);
        first = false;
    }
    return text;
}

std::string FactorText(const Poly &p)
{
    const std::string text = PolyText(p);
    if (p.size() > 1 || (p.size() == 1 && !p.begin()->first.empty() && text != MonomialText(p.begin()->first)))
        return "(" + text + ")";
    return text;
}

std::string FactorisedText(Solver &solver, const Poly &p)
{
    const std::string plain = PolyText(p);
    if (p.size() < 2)
        return plain;
    for (const auto &[m, c] : p)
        if (c.denominator != 1)
            return plain;
    const std::string factored = Trim(solver.YinShiFenJie(plain, 8, 1));
    if (factored.empty() || !Contains(factored, "(") || Contains(factored, "。") || Contains(factored, "，"))
        return plain;
    return factored;
}

std::string DenominatorText(Solver &solver, const Poly &den, bool factorised)
{
    std::string text = factorised ? FactorisedText(solver, den) : PolyText(den);
    const bool single = den.size() == 1
        && (den.begin()->first.empty() ? ConstantOf(den).numerator > 0 && ConstantOf(den).denominator == 1
                                       : text == MonomialText(den.begin()->first) && den.begin()->first.size() == 1);
    if (!single)
        text = Contains(text, "(") ? "[" + text + "]" : "(" + text + ")";
    return text;
}

std::string FractionText(Solver &solver, const Fraction &f, bool factorNum, bool factorDen)
{
    std::string num = factorNum ? FactorisedText(solver, f.num) : PolyText(f.num);
    if (IsConstant(f.den) && ConstantOf(f.den).numerator == 1 && ConstantOf(f.den).denominator == 1)
        return num;
    if (HasOuterSign(num))
        num = "(" + num + ")";
    const std::string den = DenominatorText(solver, f.den, factorDen);
    return num + "/" + den;
}

} // namespace qimbel::fractions
