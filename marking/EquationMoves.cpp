#include "marking/EquationMoves.h"

#include "equations/EquationText.h"
#include "marking/EquationLine.h"
#include "solver/GbkText.h"

#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace qimbel::marking {

using namespace fractions;

namespace {

// Bounds on the search for the terms a line moved; a pupil's line holds far fewer.
constexpr std::size_t kMostWholeTerms = 6; // terms that are not one monomial (brackets, fractions)
constexpr std::size_t kMostPerMonomial = 12; // terms of one monomial (3x, －x, 5x …)

Fraction Minus(const Fraction &a, const Fraction &b)
{
    // Two polynomials (the usual case) need no common divisor.
    if (IsConstant(a.den) && IsConstant(b.den)) {
        const Poly difference = Difference(Scaled(a.num, Over(Rational {1, 1}, ConstantOf(a.den))),
            Scaled(b.num, Over(Rational {1, 1}, ConstantOf(b.den))));
        return {difference, Constant(Rational {1, 1})};
    }
    return Reduced({Difference(Product(a.num, b.den), Product(b.num, a.den)), Product(a.den, b.den)});
}

bool IsZero(const Fraction &f) { return f.num.empty(); }

// The fraction reduced; a polynomial over a number needs no common divisor.
Fraction Tidy(const Fraction &f)
{
    if (IsConstant(f.den))
        return {Scaled(f.num, Over(Rational {1, 1}, ConstantOf(f.den))), Constant(Rational {1, 1})};
    return Reduced(f);
}

// The polynomial of a fraction whose denominator is a number.
std::optional<Poly> AsPoly(const Fraction &f)
{
    if (!IsConstant(f.den))
        return std::nullopt;
    return Scaled(f.num, Over(Rational {1, 1}, ConstantOf(f.den)));
}

Whole Lcm(Whole a, Whole b)
{
    const Whole g = WholeGcd(a, b);
    Whole out = 0;
    if (g == 0 || MultiplyOverflows(a / g, b, out))
        throw TooLarge {};
    return out;
}

struct Side {
    Fraction value;
    std::vector<Fraction> terms; // the top-level terms as typed
};

std::optional<Side> ReadSideTerms(const std::string &text)
{
    const std::optional<SideValue> whole = ReadSide(text);
    if (!whole)
        return std::nullopt;
    Side side {Tidy(whole->value), {}};
    for (const TermSpan &span : TopTerms(text)) {
        const std::optional<SideValue> term = ReadSide(Mid(text, span.at, span.length));
        if (!term)
            return std::nullopt;
        side.terms.push_back(Tidy(term->value));
    }
    return side;
}

// The terms a side offers to be moved: as typed, or the monomials of its value worked out.
std::vector<Fraction> Offered(const Side &side, bool expanded)
{
    if (!expanded)
        return side.terms;
    std::vector<Fraction> out;
    const std::optional<Poly> p = AsPoly(side.value);
    if (!p)
        return side.terms;
    for (const auto &[monomial, coefficient] : *p)
        out.push_back({Poly {{monomial, coefficient}}, Constant(Rational {1, 1})});
    return out;
}

bool IsMonomial(const Fraction &f) { return IsConstant(f.den) && f.num.size() == 1; }

// True when `target` is the sum of some of the candidates (each used at most once).
bool SumOfSome(const Fraction &target, const std::vector<Fraction> &candidates)
{
    std::vector<Fraction> whole;
    std::map<Monomial, std::vector<Rational>> single;
    for (const Fraction &c : candidates) {
        if (IsZero(c))
            continue;
        if (IsMonomial(c)) {
            const Poly p = *AsPoly(c);
            std::vector<Rational> &list = single[p.begin()->first];
            if (list.size() < kMostPerMonomial)
                list.push_back(p.begin()->second);
        } else if (whole.size() < kMostWholeTerms) {
            whole.push_back(c);
        }
    }
    for (unsigned mask = 0; mask < (1u << whole.size()); ++mask) {
        Fraction rest = target;
        for (std::size_t k = 0; k < whole.size(); ++k)
            if (mask & (1u << k))
                rest = Minus(rest, whole[k]);
        const std::optional<Poly> p = AsPoly(rest);
        if (!p)
            continue;
        bool all = true;
        for (const auto &[monomial, coefficient] : *p) {
            const auto found = single.find(monomial);
            if (found == single.end()) {
                all = false;
                break;
            }
            // The sums of the subsets, one coefficient at a time.
            std::set<std::pair<Whole, Whole>> sums {{0, 1}};
            for (const Rational &c : found->second) {
                std::vector<std::pair<Whole, Whole>> added;
                for (const auto &[n, d] : sums) {
                    const Rational s = Plus(Rational {n, d}, c);
                    added.emplace_back(s.numerator, s.denominator);
                }
                sums.insert(added.begin(), added.end());
            }
            const bool hit = sums.count({coefficient.numerator, coefficient.denominator}) > 0;
            if (!hit) {
                all = false;
                break;
            }
        }
        if (all)
            return true;
    }
    return false;
}

// The least common denominator of the numbers of a line's terms (1 when it has none).
Whole NumberDenominator(const std::vector<const Side *> &sides)
{
    Whole lcm = 1;
    for (const Side *side : sides)
        for (const Fraction &term : side->terms)
            if (const std::optional<Poly> p = AsPoly(term))
                for (const auto &entry : *p)
                    lcm = Lcm(lcm, entry.second.denominator);
    return lcm;
}

// ax^2＋bx＋c with a ≠ 0 and b^2 ＝ 4ac: a square of a linear polynomial in u, times a number.
bool IsSquare(const Fraction &f, char u)
{
    const std::optional<Poly> p = AsPoly(f);
    if (!p || DegreeIn(*p, u) != 2 || p->size() > 3)
        return false;
    Rational a {0, 1}, b {0, 1}, c {0, 1};
    for (const auto &[monomial, coefficient] : *p) {
        if (monomial.size() > 1 || (!monomial.empty() && monomial.begin()->first != u))
            return false;
        const int power = monomial.empty() ? 0 : monomial.begin()->second;
        (power == 2 ? a : power == 1 ? b : c) = coefficient;
    }
    const Rational lhs = Times(b, b);
    const Rational rhs = Times(Times(a, c), Rational {4, 1});
    return lhs.numerator == rhs.numerator && lhs.denominator == rhs.denominator;
}

// The unknown alone with the coefficient 1 (u, u^2 …) or a square such as (x－3)^2 written out.
bool IsAlone(const Fraction &f, char u)
{
    const std::optional<Poly> p = AsPoly(f);
    if (!p || p->empty() || DegreeIn(*p, u) == 0)
        return false;
    if (p->size() == 1) {
        const auto &[monomial, coefficient] = *p->begin();
        return monomial.size() == 1 && coefficient.numerator == 1 && coefficient.denominator == 1;
    }
    if (!IsSquare(f, u))
        return false;
    for (const auto &[monomial, coefficient] : *p)
        if (!monomial.empty() && monomial.begin()->second == 2)
            return coefficient.numerator == 1 && coefficient.denominator == 1;
    return false;
}

bool Free(const Fraction &f, char u) { return DegreeIn(f.num, u) == 0 && DegreeIn(f.den, u) == 0; }

MoveVerdict JudgeOriented(const Side &l1, const Side &r1, const std::string &symbol1, const Side &a2, const Side &b2,
    const std::string &symbol2, char u)
{
    const Fraction d1 = Minus(l1.value, r1.value);
    const Fraction d2 = Minus(a2.value, b2.value);
    if (IsZero(d1) || IsZero(d2))
        return MoveVerdict::Unknown;
    // c: what both sides were multiplied by.
    Fraction c;
    const std::optional<Poly> p1 = AsPoly(d1);
    const std::optional<Poly> p2 = AsPoly(d2);
    if (p1 && p2) {
        // Two polynomials: c is a number when they are proportional (no common divisor needed).
        const Rational k
            = Over(p2->begin()->second, p1->count(p2->begin()->first) ? p1->at(p2->begin()->first) : Rational {1, 1});
        if (p1->count(p2->begin()->first) && SamePoly(Scaled(*p1, k), *p2))
            c = {Constant(k), Constant(Rational {1, 1})};
        else
            c = Reduced({*p2, *p1});
    } else {
        c = Reduced({Product(d2.num, d1.den), Product(d2.den, d1.num)});
    }
    if (!IsConstant(c.den)) {
        // A root taken (x^2＝4 → x＝2 is judged by its solutions), or no move at all.
        const bool root = DegreeIn(d2.num, u) < DegreeIn(d1.num, u) && IsConstant(d1.den) && IsConstant(d2.den);
        return root ? MoveVerdict::Unknown : MoveVerdict::Wrong;
    }
    const bool number = IsConstant(c.num);
    const bool fractional = !IsConstant(l1.value.den) || !IsConstant(r1.value.den);
    if (!number && (!fractional || symbol1 != "＝"))
        return MoveVerdict::Wrong;
    // t: what was added to both sides before the multiplication.
    const Fraction t = Minus(Tidy({Product(a2.value.num, c.den), Product(a2.value.den, c.num)}), l1.value);
    bool moved = IsZero(t);
    if (!moved) {
        const Fraction negated {Scaled(t.num, Rational {-1, 1}), t.den};
        for (int choice = 0; choice < 4 && !moved; ++choice) {
            std::vector<Fraction> offered = Offered(l1, choice & 1);
            const std::vector<Fraction> right = Offered(r1, choice & 2);
            offered.insert(offered.end(), right.begin(), right.end());
            moved = SumOfSome(negated, offered);
        }
        if (moved && number) {
            const std::optional<Poly> factor = AsPoly(c);
            const Rational k = factor && !factor->empty() ? ConstantOf(*factor) : Rational {0, 1};
            const bool one = k.numerator == k.denominator;
            const Whole lcd = NumberDenominator({&l1, &r1});
            const bool clears = k.denominator == 1 && k.numerator == lcd;
            moved = one || clears || (Free(b2.value, u) && IsAlone(a2.value, u));
        }
        // 配方: a number added to both sides to complete a square.
        if (!moved && number && Free(t, u) && DegreeIn(d1.num, u) == 2)
            moved = IsSquare(a2.value, u) || IsSquare(b2.value, u);
    }
    if (!moved)
        return MoveVerdict::Wrong;
    if (symbol1 == "＝")
        return symbol2 == "＝" ? MoveVerdict::Right : MoveVerdict::Wrong;
    if (!number)
        return MoveVerdict::Wrong;
    const bool negative = ConstantOf(*AsPoly(c)).numerator < 0;
    const std::string expected = negative ? ReversedSymbol(symbol1) : symbol1;
    if (symbol2 == expected)
        return MoveVerdict::Right;
    return negative && symbol2 == symbol1 ? MoveVerdict::DirectionKept : MoveVerdict::Wrong;
}

} // namespace

MoveVerdict JudgeMove(const OneUnknownLine &previous, const OneUnknownLine &next, char u)
{
    if (!previous.single || !next.single || !previous.reason.empty() || !next.reason.empty())
        return MoveVerdict::Unknown;
    try {
        const std::optional<Side> l1 = ReadSideTerms(previous.left);
        const std::optional<Side> r1 = ReadSideTerms(previous.right);
        const std::optional<Side> l2 = ReadSideTerms(next.left);
        const std::optional<Side> r2 = ReadSideTerms(next.right);
        if (!l1 || !r1 || !l2 || !r2)
            return MoveVerdict::Unknown;
        const MoveVerdict same = JudgeOriented(*l1, *r1, previous.symbol, *l2, *r2, next.symbol, u);
        if (same == MoveVerdict::Right || same == MoveVerdict::Unknown)
            return same;
        const MoveVerdict swapped = JudgeOriented(*l1, *r1, previous.symbol, *r2, *l2, ReversedSymbol(next.symbol), u);
        if (swapped == MoveVerdict::Right)
            return swapped;
        return same == MoveVerdict::DirectionKept || swapped == MoveVerdict::DirectionKept ? MoveVerdict::DirectionKept
                                                                                           : MoveVerdict::Wrong;
    } catch (const TooLarge &) {
        return MoveVerdict::Unknown;
    }
}

bool RightStepText(const OneUnknownLine &previous, const std::string &text, const SolutionSet &target, char u,
    const std::vector<SurdNumber> &domain)
{
    const std::string normalised = NormalisedSigns(text);
    const OneUnknownLine line = ReadOneUnknown(WorkingPart(normalised), normalised, u, domain);
    if (!line.reason.empty() || !SameSet(line.set, target))
        return false;
    const MoveVerdict verdict = JudgeMove(previous, line, u);
    return verdict == MoveVerdict::Right || verdict == MoveVerdict::Unknown;
}

} // namespace qimbel::marking
