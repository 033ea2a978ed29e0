#include "marking/ExpressionAnswer.h"

#include "algebra/FactorPolynomial.h"
#include "algebra/YinShiFenJie.h"

#include <algorithm>
#include <map>
#include <set>

namespace qimbel {

using fractions::Fraction;
using Kind = ExprNode::Kind;

namespace {

constexpr const char *kGoOn = "还要继续计算";

// The line without a sign in front and without outer brackets.
const ExprNode &Core(const ExprNode &n)
{
    const ExprNode *core = &Unbracketed(n);
    while (core->kind == Kind::Sum && core->kids.size() == 1)
        core = &Unbracketed(core->kids[0]);
    return *core;
}

bool IsFractionNode(const ExprNode &n)
{
    return n.kind == Kind::Product && n.kids.size() == 2 && !n.divide[0] && n.divide[1];
}

// ---- one number ----

std::string NumberMissing(const ExprNode &last)
{
    const ExprNode &core = Core(last);
    if (core.kind == Kind::Number)
        return {};
    if (IsFractionNode(core)) {
        const ExprNode &n = Core(core.kids[0]);
        const ExprNode &d = Core(core.kids[1]);
        if (!IsWholeNumber(n) || !IsWholeNumber(d) || n.text.find('.') != std::string::npos
            || d.text.find('.') != std::string::npos)
            return kGoOn;
        if (d.number.numerator == 1 || WholeGcd(n.number.numerator, d.number.numerator) != 1)
            return "还要约分";
        return {};
    }
    return kGoOn;
}

// ---- polynomials ----

// The letters and powers of a monomial term (a number, letters and powers of letters, a number
// or a number fraction first), or nothing when the term still holds work.
std::optional<std::map<char, int>> MonomialOf(const ExprNode &term)
{
    std::map<char, int> letters;
    const std::vector<ExprNode> single {term};
    const ExprNode &t = term.kind == Kind::Product ? term : single[0];
    const std::vector<ExprNode> &factors = term.kind == Kind::Product ? t.kids : single;
    for (std::size_t k = 0; k < factors.size(); ++k) {
        const ExprNode &f = factors[k];
        const bool divided = term.kind == Kind::Product && term.divide[k];
        if (f.kind == Kind::Number || IsFractionNode(f)) {
            const bool numbersOnly
                = f.kind == Kind::Number || (f.kids[0].kind == Kind::Number && f.kids[1].kind == Kind::Number);
            // A coefficient stands first; a division by a number may close the term (x/2).
            if (!numbersOnly || (k != 0 && !(divided && k + 1 == factors.size() && f.kind == Kind::Number)))
                return std::nullopt;
            continue;
        }
        if (divided)
            return std::nullopt;
        char letter = 0;
        int power = 1;
        if (f.kind == Kind::Letter) {
            letter = f.letter;
        } else if (f.kind == Kind::Power && f.kids[0].kind == Kind::Letter) {
            letter = f.kids[0].letter;
            power = f.exponent;
        } else {
            return std::nullopt;
        }
        if (letters.count(letter) != 0 || power == 0)
            return std::nullopt;
        letters[letter] = power;
    }
    return letters;
}

// A polynomial written out: terms of monomials, no like terms twice; empty when it is one.
std::string PolynomialMissing(const ExprNode &expression)
{
    const ExprNode &e = Unbracketed(expression);
    for (const ExprNode *n : NodesOf(e))
        if (n->kind == Kind::Group && Unbracketed(*n).kind == Kind::Sum && Unbracketed(*n).kids.size() >= 2)
            return "还要去括号";
    const std::vector<ExprNode> single {e};
    const std::vector<ExprNode> &terms = e.kind == Kind::Sum ? e.kids : single;
    std::set<std::map<char, int>> seen;
    bool repeated = false;
    for (const ExprNode &term : terms) {
        const std::optional<std::map<char, int>> m = MonomialOf(Unbracketed(term));
        if (!m)
            return kGoOn;
        repeated = repeated || !seen.insert(*m).second;
    }
    return repeated ? "还要合并同类项" : "";
}

bool IsPolynomial(const Fraction &value) { return fractions::IsConstant(value.den); }

// A numerator or denominator of a fraction, or a polynomial answer of 分式: a polynomial written
// out, or a product of such polynomials (in brackets) and their powers.
std::string PartMissing(const ExprNode &part)
{
    const ExprNode &p = Unbracketed(part);
    if (p.kind != Kind::Product && p.kind != Kind::Power)
        return PolynomialMissing(p);
    const std::vector<ExprNode> single {p};
    const std::vector<ExprNode> &factors = p.kind == Kind::Product ? p.kids : single;
    for (std::size_t k = 0; k < factors.size(); ++k) {
        if (p.kind == Kind::Product && p.divide[k])
            return kGoOn;
        const ExprNode &f = factors[k].kind == Kind::Power ? factors[k].kids[0] : factors[k];
        const std::string missing = PolynomialMissing(f);
        if (!missing.empty())
            return missing;
    }
    return {};
}

// ---- 分式 ----

Whole ContentOf(const fractions::Poly &p)
{
    Whole g = 0;
    for (const auto &[m, c] : p) {
        if (c.denominator != 1)
            return 1;
        g = WholeGcd(g, c.numerator);
    }
    return g == 0 ? 1 : g;
}

std::string FractionMissing(const ExprNode &last, const Fraction &value)
{
    const ExprNode &core = Core(last);
    if (core.kind == Kind::Sum) {
        std::set<std::string> denominators;
        bool fractionsLeft = false;
        for (const ExprNode &term : core.kids) {
            const ExprNode &t = Unbracketed(term);
            if (IsFractionNode(t)) {
                const std::optional<Fraction> d = ExactValueOf(t.kids[1]);
                fractionsLeft = fractionsLeft || !d || !fractions::IsConstant(d->num);
                if (d)
                    denominators.insert(fractions::PolyText(d->num));
            }
        }
        if (fractionsLeft)
            return denominators.size() > 1 ? "还要通分" : "还要把分子相加减";
        return IsPolynomial(value) ? PolynomialMissing(core) : kGoOn;
    }
    if (!IsFractionNode(core))
        return PartMissing(core);
    for (const ExprNode &part : core.kids)
        if (const std::string missing = PartMissing(part); !missing.empty())
            return missing;
    // The factors as written first: a common factor of two of them is found without multiplying
    // anything out, however many letters the whole holds.
    try {
        const auto factorsOf = [](const ExprNode &part) {
            std::vector<fractions::Poly> factors;
            const ExprNode &bare = Unbracketed(part);
            std::vector<const ExprNode *> nodes;
            if (bare.kind == ExprNode::Kind::Product
                && std::none_of(bare.divide.begin(), bare.divide.end(), [](bool d) { return d; }))
                for (const ExprNode &kid : bare.kids)
                    nodes.push_back(&kid);
            for (const ExprNode *node : nodes) {
                const ExprNode &factor = Unbracketed(*node);
                const ExprNode &base = factor.kind == ExprNode::Kind::Power ? Unbracketed(factor.kids[0]) : factor;
                const std::optional<Fraction> value = ExactValueOf(base);
                if (value && IsPolynomial(*value) && !fractions::IsConstant(value->num))
                    factors.push_back(value->num);
            }
            return factors;
        };
        for (const fractions::Poly &top : factorsOf(core.kids[0]))
            for (const fractions::Poly &bottom : factorsOf(core.kids[1]))
                if (!fractions::IsConstant(fractions::Gcd(top, bottom)))
                    return "还要约分";
    } catch (const fractions::TooLarge &) {
    }
    const std::optional<Fraction> n = ExactValueOf(core.kids[0]);
    const std::optional<Fraction> d = ExactValueOf(core.kids[1]);
    if (!n || !d || !IsPolynomial(*n) || !IsPolynomial(*d))
        return kGoOn;
    try {
        if (!fractions::IsConstant(fractions::Gcd(n->num, d->num))
            || WholeGcd(ContentOf(n->num), ContentOf(d->num)) > 1)
            return "还要约分";
    } catch (const fractions::TooMuchWork &) {
        return "式子太复杂，无法判断能不能再约分";
    } catch (const fractions::TooLarge &) {
        return {};
    }
    return {};
}

// ---- 因式分解 ----

// The polynomial in the factoriser's form; nothing when a coefficient is not a whole number that
// fits.
std::optional<Poly> IntegerPoly(const fractions::Poly &p)
{
    Poly out;
    for (const auto &[monomial, c] : p) {
        if (c.denominator != 1 || c.numerator > (Whole(1) << 62) || c.numerator < -(Whole(1) << 62))
            return std::nullopt;
        PolyTerm term;
        term.coefficient = static_cast<long long>(c.numerator);
        for (const auto &[letter, power] : monomial) {
            const int index = LetterIndex(letter);
            if (index < 0 || power > 255)
                return std::nullopt;
            term.exponents[static_cast<std::size_t>(index)] = static_cast<unsigned char>(power);
        }
        out.terms.push_back(term);
    }
    return out;
}

// How many factors that no longer split the factoriser finds (letters of the monomial counted
// one by one, powers by their exponent); nothing when it cannot work on the polynomial.
std::optional<int> IrreducibleCount(const fractions::Poly &p)
{
    const std::optional<Poly> poly = IntegerPoly(p);
    if (!poly || poly->terms.empty())
        return std::nullopt;
    Factored f;
    if (poly->terms.size() == 1) {
        f.monomial = poly->terms[0].exponents;
    } else {
        f.factors.push_back({*poly, 1});
        FenJieBuZhou steps;
        ZongHeFenJie(f, steps);
    }
    int count = TotalDegree(f.monomial);
    for (const PolyFactor &factor : f.factors)
        count += factor.power;
    return count;
}

std::string FactorisationMissing(const ExprNode &last, const Fraction &value)
{
    const ExprNode &core = Core(last);
    const std::vector<ExprNode> single {core};
    const std::vector<ExprNode> &factors = core.kind == Kind::Product ? core.kids : single;
    int count = 0;
    bool common = false;
    for (std::size_t k = 0; k < factors.size(); ++k) {
        if (core.kind == Kind::Product && core.divide[k])
            return "还要继续分解";
        const ExprNode &f = factors[k];
        const ExprNode &base = f.kind == Kind::Power ? Core(f.kids[0]) : Core(f);
        const int power = f.kind == Kind::Power ? f.exponent : 1;
        const std::optional<Fraction> v = ExactValueOf(base);
        if (!v || !IsPolynomial(*v))
            return "还要继续分解";
        const fractions::Poly &p = v->num;
        if (p.size() == 1) {
            for (const auto &[letter, e] : p.begin()->first)
                count += e * power;
            continue;
        }
        if (p.empty() || fractions::IsConstant(p))
            continue;
        // A factor of two or more terms: its terms share no number and no letter.
        Rational content;
        fractions::Normalised(p, &content);
        std::map<char, int> lowest = p.begin()->first;
        for (const auto &[monomial, c] : p)
            for (auto &[letter, e] : lowest)
                e = std::min(e, monomial.count(letter) != 0 ? monomial.at(letter) : 0);
        bool letterShared = false;
        for (const auto &[letter, e] : lowest)
            letterShared = letterShared || e > 0;
        common
            = common || letterShared || content.denominator != 1 || (content.numerator != 1 && content.numerator != -1);
        count += power;
    }
    if (common)
        return "还要提取公因式";
    const std::optional<int> complete = IrreducibleCount(value.num);
    if (complete && count < *complete)
        return "还要继续分解";
    return {};
}

} // namespace

std::string MissingFromAnswer(int type, const ExprNode &last, const Fraction &value)
{
    switch (type) {
    case 21:
        return IsPolynomial(value) ? PolynomialMissing(last) : kGoOn;
    case 22:
        return IsPolynomial(value) ? FactorisationMissing(last, value) : kGoOn;
    case 23:
        return FractionMissing(last, value);
    default:
        return NumberMissing(last);
    }
}

} // namespace qimbel
