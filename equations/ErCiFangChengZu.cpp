// 二元二次方程组: two equations in two unknowns, at most of degree 2.
//   - One equation linear: 代入消元. The linear one gives one unknown in terms of the other, put
//     into the quadratic one it leaves a quadratic equation in one unknown, solved by its
//     discriminant; each root gives its partner from the linear equation.
//   - Neither linear, but one factors into two linear factors: 分解降次. Each factor with the
//     other equation is a system of the first kind.
// Every coefficient is an exact Rational and every root an exact SurdValue (surds in simplest
// form); each pair of solutions is put back into both equations exactly before it is written.
#include "algebra/FractionAlgebra.h"
#include "algebra/SurdValue.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <optional>
#include <utility>
#include <vector>

namespace qimbel {

using namespace fractions;

namespace {

const char *const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥"};

QValue Q(const Rational &r) { return QValue {r, true}; }

// left － right of an equation as a polynomial; nothing when a side is not a polynomial.
std::optional<Poly> ReadEquation(const std::string &equation)
{
    const int at = Find(equation, "＝");
    if (at <= 0 || Find(equation, "＝", at + 2) >= 0)
        return std::nullopt;
    std::optional<Poly> sides[2];
    const std::string texts[2] = {Left(equation, at), Mid(equation, at + 2)};
    for (int k = 0; k < 2; ++k) {
        const std::optional<std::vector<Term>> terms = ReadSum(texts[k]);
        if (!terms)
            return std::nullopt;
        const std::optional<Fraction> value = SumValue(*terms);
        if (!value || !IsConstant(value->den) || value->den.empty())
            return std::nullopt;
        sides[k] = Scaled(value->num, Over(Rational {1, 1}, ConstantOf(value->den)));
    }
    return Difference(*sides[0], *sides[1]);
}

int TotalDegree(const Poly &p)
{
    int degree = 0;
    for (const auto &[m, c] : p) {
        int d = 0;
        for (const auto &[letter, power] : m)
            d += power;
        degree = std::max(degree, d);
    }
    return degree;
}

Rational CoefficientOf(const Poly &p, const Monomial &m)
{
    const auto it = p.find(m);
    return it == p.end() ? Rational {0, 1} : it->second;
}

// p with `letter` replaced by the polynomial q.
Poly SubstitutedPoly(const Poly &p, char letter, const Poly &q)
{
    Poly result;
    for (const auto &[m, c] : p) {
        Monomial rest = m;
        int power = 0;
        if (auto it = rest.find(letter); it != rest.end()) {
            power = it->second;
            rest.erase(it);
        }
        Poly term;
        term[rest] = c;
        for (int k = 0; k < power; ++k)
            term = Product(term, q);
        result = Sum(result, term);
    }
    return result;
}

std::optional<Surd> SurdValueOf(const Poly &p, char x, const Surd &xv, char y, const Surd &yv)
{
    std::optional<Surd> total = Surd {};
    for (const auto &[m, c] : p) {
        std::optional<Surd> term = SurdOf(Q(c));
        for (const auto &[letter, power] : m)
            for (int k = 0; k < power && term; ++k)
                term = SurdProduct(*term, letter == x ? xv : letter == y ? yv : Surd {});
        if (!term || !total)
            return std::nullopt;
        total = SurdSum(*total, *term);
    }
    return total;
}

struct Solution {
    Surd x;
    Surd y;
};

struct Work {
    std::vector<std::string> steps;
    std::vector<Solution> solutions;
    bool infinite = false;
    bool contradiction = false; // a system without any solution, real or not
    bool noRealRoot = false; // a quadratic with △＜0 on the way
};

// A number inside a formula: in brackets when it is negative or a fraction.
std::string Bracketed(const Rational &r)
{
    const std::string text = ExactText(r);
    return r.numerator < 0 || r.denominator != 1 ? "(" + text + ")" : text;
}

// k^2 ＝ value by 直接开平方: the roots go to `roots`; false (and a step saying so) when the value
// is negative and there is no real root.
bool SquareRoots(const Rational &value, const std::string &k, std::vector<Surd> &roots, Work &work)
{
    const std::string square = k + "^2＝" + ExactText(value);
    if (value.numerator < 0) {
        work.steps.push_back("移项得 " + square + "，一个数的平方不能是负数，这个方程没有实数根");
        work.noRealRoot = true;
        return false;
    }
    const std::optional<Surd> root = SurdRoot(Q(value));
    if (!root)
        throw TooLarge {};
    if (value.numerator == 0) {
        roots.push_back(*root);
        work.steps.push_back("移项得 " + square + "，直接开平方，得 " + k + "1＝" + k + "2＝0");
        return true;
    }
    const std::optional<Surd> negative = SurdNegated(*root);
    if (!negative)
        throw TooLarge {};
    roots = {*root, *negative};
    work.steps.push_back("移项得 " + square + "，直接开平方，得 " + k + "1＝" + SurdText(*root) + "，" + k + "2＝"
        + SurdText(*negative));
    return true;
}

// A linear equation (named `name`) with the other equation (named `otherName`): 代入消元.
bool Substitute(const Poly &linear, const std::string &name, const Poly &other, const std::string &otherName, char x,
    char y, const std::string &newName, Work &work)
{
    const Rational a = CoefficientOf(linear, Monomial {{x, 1}});
    const Rational b = CoefficientOf(linear, Monomial {{y, 1}});
    // Express the unknown whose coefficient is ±1 if there is one, else y (when present).
    const auto isUnit = [](const Rational &r) { return r.denominator == 1 && (r.numerator == 1 || r.numerator == -1); };
    bool solveForY = b.numerator != 0 && (isUnit(b) || !isUnit(a) || a.numerator == 0);
    if (b.numerator == 0)
        solveForY = false;
    const char solved = solveForY ? y : x;
    const char kept = solveForY ? x : y;
    const Rational own = solveForY ? b : a;
    if (own.numerator == 0)
        return false;
    Poly rest = linear;
    rest.erase(Monomial {{solved, 1}});
    const Poly expressed = Scaled(rest, Over(Rational {-1, 1}, own));
    const std::string letterText(1, solved);
    work.steps.push_back("由" + name + "得 " + letterText + "＝" + PolyText(expressed) + " " + newName);
    const Poly reduced = SubstitutedPoly(other, solved, expressed);
    Rational scale {1, 1};
    // A constant left over is written as it is: －1＝0 says at once that there is no solution.
    const Poly whole = reduced.empty() || IsConstant(reduced) ? reduced : Normalised(reduced, &scale);
    work.steps.push_back(
        "把" + newName + "代入" + otherName + "，消去" + letterText + "，整理得 " + PolyText(whole) + "＝0");

    const Rational c2 = CoefficientOf(whole, Monomial {{kept, 2}});
    const Rational c1 = CoefficientOf(whole, Monomial {{kept, 1}});
    const Rational c0 = CoefficientOf(whole, Monomial {});
    const std::string k(1, kept);
    std::vector<Surd> roots;
    if (c2.numerator == 0 && c1.numerator == 0) {
        if (c0.numerator == 0) {
            work.infinite = true;
            work.steps.push_back("这个等式对任何" + k + "都成立，方程组有无数组解");
        } else {
            work.steps.push_back("这个等式不能成立，这组方程没有解");
            work.contradiction = true;
        }
        return true;
    }
    if (c2.numerator == 0) {
        roots.push_back(SurdOf(Q(Over(Negated(c0), c1))));
        work.steps.push_back("解得 " + k + "＝" + SurdText(roots[0]));
    } else if (c1.numerator == 0) {
        // No term in k alone: k^2 is a number, and 直接开平方 gives the roots.
        if (!SquareRoots(Over(Negated(c0), c2), k, roots, work))
            return true;
    } else {
        const QValue delta = Q(c1) * Q(c1) - MakeQ(4) * Q(c2) * Q(c0);
        if (!delta.ok)
            throw TooLarge {};
        // The coefficients are written as numbers: the unknowns may well be called a and b.
        const std::string deltaText
            = "△＝" + Bracketed(c1) + "^2－4×" + Bracketed(c2) + "×" + Bracketed(c0) + "＝" + ExactText(delta.v);
        if (Negative(delta)) {
            work.steps.push_back(deltaText + "＜0，这个方程没有实数根");
            work.noRealRoot = true;
            return true;
        }
        const std::optional<Surd> root = SurdRoot(delta);
        if (!root)
            throw TooLarge {};
        const QValue twoA = MakeQ(2) * Q(c2);
        const Surd mid = SurdOf(-Q(c1) / twoA);
        const std::optional<Surd> half = SurdQuotient(*root, SurdOf(twoA));
        if (!half)
            throw TooLarge {};
        if (IsZero(delta)) {
            roots.push_back(mid);
            work.steps.push_back(deltaText + "，" + k + "1＝" + k + "2＝" + ExactText(Negated(c1)) + "/"
                + Bracketed(Times(Rational {2, 1}, c2)) + "＝" + SurdText(mid));
        } else {
            const std::optional<Surd> r1 = SurdSum(mid, *half);
            const std::optional<Surd> r2 = SurdSum(mid, *SurdNegated(*half));
            if (!r1 || !r2)
                throw TooLarge {};
            roots = {*r1, *r2};
            // √△ written as a number when △ is a square: (5±3)/2.
            const std::string rootText = IsRational(*root) ? SurdText(*root) : "√" + ExactText(delta.v);
            work.steps.push_back(deltaText + "＞0，" + k + "＝(" + ExactText(Negated(c1)) + "±" + rootText + ")/"
                + Bracketed(Times(Rational {2, 1}, c2)) + "，" + k + "1＝" + SurdText(*r1) + "，" + k + "2＝"
                + SurdText(*r2));
        }
    }
    // Each root gives its partner through the expressed unknown.
    std::string partners;
    for (const Surd &root : roots) {
        std::optional<Surd> value = Surd {};
        for (const auto &[m, c] : expressed) {
            std::optional<Surd> term = SurdOf(Q(c));
            if (!m.empty())
                term = SurdProduct(*term, root);
            if (!term)
                throw TooLarge {};
            value = SurdSum(*value, *term);
        }
        if (!value)
            throw TooLarge {};
        partners += (partners.empty() ? "" : "；") + std::string("把 ") + k + "＝" + SurdText(root) + " 代入" + newName
            + "，得 " + letterText + "＝" + SurdText(*value);
        work.solutions.push_back(solveForY ? Solution {root, *value} : Solution {*value, root});
    }
    work.steps.push_back(partners);
    return true;
}

// Both equations of the form A·x^2 ＋ B·y^2 ＝ D (x^2＋y^2＝5, x^2－y^2＝3): adding or subtracting
// them (加减消元) leaves x^2 alone, then y^2 alone, and 直接开平方 gives every sign. False when
// the equations are not of that form or the squares cannot be separated.
bool AddSubtract(const Poly &p1, const Poly &p2, char x, char y, Work &work)
{
    const Monomial xx {{x, 2}}, yy {{y, 2}}, one {};
    for (const Poly *p : {&p1, &p2})
        for (const auto &[m, c] : *p)
            if (m != xx && m != yy && m != one)
                return false;
    const Rational a1 = CoefficientOf(p1, xx), b1 = CoefficientOf(p1, yy), d1 = Negated(CoefficientOf(p1, one));
    const Rational a2 = CoefficientOf(p2, xx), b2 = CoefficientOf(p2, yy), d2 = Negated(CoefficientOf(p2, one));
    const QValue det = Q(a1) * Q(b2) - Q(a2) * Q(b1);
    if (!det.ok || IsZero(det))
        return false;
    // Eliminates the square whose coefficients are u1 in ① and u2 in ②: ①＋②, ①－② or ①×u2－②×u1.
    const auto eliminate
        = [&](const Rational &u1, const Rational &u2, const Rational &v1, const Rational &v2, const std::string &kept) {
              // ① times |u2| and ② times |u1| (each over their common factor), then subtracted when the
              // signs agree and added when they differ: the square goes.
              Rational m1 = u2.numerator < 0 ? Negated(u2) : u2;
              Rational m2 = u1.numerator < 0 ? Negated(u1) : u1;
              if (m1.denominator == 1 && m2.denominator == 1) {
                  const Whole g = WholeGcd(m1.numerator, m2.numerator);
                  m1 = Rational {m1.numerator / g, 1};
                  m2 = Rational {m2.numerator / g, 1};
              }
              const bool add = (u1.numerator < 0) != (u2.numerator < 0);
              const auto times = [](const Rational &m) {
                  return m.numerator == 1 && m.denominator == 1 ? std::string() : "×" + Bracketed(m);
              };
              const std::string how = "①" + times(m1) + (add ? "＋" : "－") + "②" + times(m2);
              const Rational k1 = m1;
              const Rational k2 = add ? Negated(m2) : m2;
              const Rational coefficient = Plus(Times(v1, k1), Negated(Times(v2, k2)));
              const Rational right = Plus(Times(d1, k1), Negated(Times(d2, k2)));
              Poly left;
              left[Monomial {{kept[0], 2}}] = coefficient;
              const Rational square = Over(right, coefficient);
              std::string step = how + "，得 " + PolyText(left) + "＝" + ExactText(right);
              if (!(coefficient.numerator == 1 && coefficient.denominator == 1))
                  step += "，" + kept + "^2＝" + ExactText(square);
              work.steps.push_back(step);
              return square;
          };
    const Rational xSquare = eliminate(b1, b2, a1, a2, std::string(1, x));
    const Rational ySquare = eliminate(a1, a2, b1, b2, std::string(1, y));
    if (xSquare.numerator < 0 || ySquare.numerator < 0) {
        work.steps.push_back("一个数的平方不能是负数，这个方程组没有实数解");
        work.noRealRoot = true;
        return true;
    }
    const std::optional<Surd> xr = SurdRoot(Q(xSquare));
    const std::optional<Surd> yr = SurdRoot(Q(ySquare));
    if (!xr || !yr)
        throw TooLarge {};
    const auto both = [](const Surd &r) {
        std::vector<Surd> values {r};
        if (!r.terms.empty())
            values.push_back(*SurdNegated(r));
        return values;
    };
    const auto shown
        = [](const std::string &k, const Surd &r) { return r.terms.empty() ? k + "＝0" : k + "＝±" + SurdText(r); };
    work.steps.push_back("直接开平方，得 " + shown(std::string(1, x), *xr) + "，" + shown(std::string(1, y), *yr));
    for (const Surd &xv : both(*xr))
        for (const Surd &yv : both(*yr))
            work.solutions.push_back(Solution {xv, yv});
    return true;
}

// A quadratic that splits into two linear factors over the rationals; nothing when it does not.
std::optional<std::pair<Poly, Poly>> LinearFactors(const Poly &p, char x, char y)
{
    for (int turn = 0; turn < 2; ++turn) {
        const char u = turn == 0 ? x : y;
        const char v = turn == 0 ? y : x;
        // p ＝ a·u² ＋ (b·v ＋ d)·u ＋ (c·v² ＋ e·v ＋ f)
        const Rational a = CoefficientOf(p, Monomial {{u, 2}});
        if (a.numerator == 0)
            continue;
        const Rational b = CoefficientOf(p, Monomial {{u, 1}, {v, 1}});
        const Rational d = CoefficientOf(p, Monomial {{u, 1}});
        const Rational c = CoefficientOf(p, Monomial {{v, 2}});
        const Rational e = CoefficientOf(p, Monomial {{v, 1}});
        const Rational f = CoefficientOf(p, Monomial {});
        const QValue A = Q(b) * Q(b) - MakeQ(4) * Q(a) * Q(c);
        const QValue B = MakeQ(2) * Q(b) * Q(d) - MakeQ(4) * Q(a) * Q(e);
        const QValue C = Q(d) * Q(d) - MakeQ(4) * Q(a) * Q(f);
        if (!A.ok || !B.ok || !C.ok || Negative(A) || Negative(C))
            continue;
        // The discriminant in u must be (p·v ＋ q)².
        const std::optional<Surd> pr = SurdRoot(A);
        const std::optional<Surd> qr = SurdRoot(C);
        if (!pr || !qr || !IsRational(*pr) || !IsRational(*qr))
            continue;
        const QValue pv = pr->terms.empty() ? MakeQ(0) : pr->terms[0].coefficient;
        QValue qv = qr->terms.empty() ? MakeQ(0) : qr->terms[0].coefficient;
        if (!Same(MakeQ(2) * pv * qv, B)) {
            qv = -qv;
            if (!Same(MakeQ(2) * pv * qv, B))
                continue;
        }
        // u ＝ (－(b·v ＋ d) ± (p·v ＋ q)) / (2a): the factors 2a·u ＋ (b ∓ p)·v ＋ (d ∓ q).
        std::pair<Poly, Poly> factors;
        for (int s = 0; s < 2; ++s) {
            const QValue sign = MakeQ(s == 0 ? 1 : -1);
            Poly factor;
            const QValue cu = MakeQ(2) * Q(a);
            const QValue cv = Q(b) - sign * pv;
            const QValue c0 = Q(d) - sign * qv;
            if (!cu.ok || !cv.ok || !c0.ok)
                return std::nullopt;
            factor = Sum(factor, Scaled(LetterPoly(u), cu.v));
            factor = Sum(factor, Scaled(LetterPoly(v), cv.v));
            factor = Sum(factor, Constant(c0.v));
            (s == 0 ? factors.first : factors.second) = Normalised(factor);
        }
        return factors;
    }
    // No square at all: b·uv ＋ d·u ＋ e·v ＋ f ＝ (b·u ＋ e)(v ＋ d/b) when f·b ＝ e·d.
    const Rational b = CoefficientOf(p, Monomial {{x, 1}, {y, 1}});
    if (b.numerator == 0 || CoefficientOf(p, Monomial {{y, 2}}).numerator != 0)
        return std::nullopt;
    const Rational d = CoefficientOf(p, Monomial {{x, 1}});
    const Rational e = CoefficientOf(p, Monomial {{y, 1}});
    const Rational f = CoefficientOf(p, Monomial {});
    if (!Same(Q(f) * Q(b), Q(e) * Q(d)))
        return std::nullopt;
    const Poly first = Sum(Scaled(LetterPoly(x), b), Constant(e));
    const Poly second = Sum(Scaled(LetterPoly(y), b), Constant(d));
    return std::pair {Normalised(first), Normalised(second)};
}

bool SameSolution(const Solution &a, const Solution &b) { return SurdEqual(a.x, b.x) && SurdEqual(a.y, b.y); }

} // namespace

std::string Solver::ErCiFangChengZu(const StringArray &equations, const StringArray &letters, int level)
{
    if (level < 1 || level > 5)
        level = 1;
    if (equations.GetSize() != 2)
        return "二元二次方程组要写两个方程，每行一个。";
    if (letters.GetSize() != 2)
        return "二元二次方程组要有两个未知数。";
    // The first line typed is at the highest index.
    const std::string texts[2] = {equations[1], equations[0]};
    for (const std::string &text : texts)
        if (std::string sentence = EquationTooLarge(text); !sentence.empty())
            return sentence;
    char x = letters[1].empty() ? 'x' : letters[1][0];
    char y = letters[0].empty() ? 'y' : letters[0][0];
    // The answers name x before y (a before b), whichever the lines name first.
    if (y < x)
        std::swap(x, y);
    const std::string xs(1, x);
    const std::string ys(1, y);
    try {
        std::optional<Poly> polys[2];
        for (int k = 0; k < 2; ++k) {
            polys[k] = ReadEquation(texts[k]);
            if (!polys[k] || TotalDegree(*polys[k]) > 2)
                return "方程" + std::string(kCircled[k]) + "不是二元二次方程组里的方程：每个方程只能含" + xs + "和" + ys
                    + "，次数不超过2。";
        }
        Work work;
        const int linear = TotalDegree(*polys[0]) <= 1 ? 0 : TotalDegree(*polys[1]) <= 1 ? 1 : -1;
        if (linear >= 0) {
            if (polys[linear]->empty())
                return "方程" + std::string(kCircled[linear]) + "对任何数都成立，方程组有无数组解。";
            Substitute(*polys[linear], kCircled[linear], *polys[1 - linear], kCircled[1 - linear], x, y, "③", work);
        } else if (!AddSubtract(*polys[0], *polys[1], x, y, work)) {
            int factored = -1;
            std::optional<std::pair<Poly, Poly>> factors;
            for (int k = 0; k < 2 && !factors; ++k) {
                factors = LinearFactors(*polys[k], x, y);
                if (factors)
                    factored = k;
            }
            if (!factors)
                return "两个方程都不是一次方程，也都不能分解成两个一次式的积，这个方程组不能用代入消元或分解降次来解。";
            const std::string name = kCircled[factored];
            const std::string other = kCircled[1 - factored];
            const std::string f1 = PolyText(factors->first);
            const std::string f2 = PolyText(factors->second);
            work.steps.push_back("分解降次：方程" + name + "可以分解为 (" + f1 + ")(" + f2 + ")＝0，所以 " + f1
                + "＝0 ③ 或 " + f2 + "＝0 ④");
            work.steps.push_back("原方程组化成两个方程组：③与" + other + "，④与" + other);
            for (int s = 0; s < 2; ++s) {
                const Poly &factor = s == 0 ? factors->first : factors->second;
                Work part;
                Substitute(factor, s == 0 ? "③" : "④", *polys[1 - factored], other, x, y, s == 0 ? "⑤" : "⑥", part);
                for (std::size_t k = 0; k < part.steps.size(); ++k)
                    work.steps.push_back(
                        (k == 0 ? std::string("解") + (s == 0 ? "③" : "④") + "与" + other + "组成的方程组："
                                : std::string())
                        + part.steps[k]);
                for (const Solution &solution : part.solutions)
                    work.solutions.push_back(solution);
                work.infinite = work.infinite || part.infinite;
                work.contradiction = work.contradiction || part.contradiction;
                work.noRealRoot = work.noRealRoot || part.noRealRoot;
            }
        }
        if (work.infinite)
            return "这个方程组有无数组解。";

        // Each pair put back into both equations, exactly.
        std::vector<Solution> kept;
        for (const Solution &solution : work.solutions) {
            bool seen = false;
            for (const Solution &k : kept)
                seen = seen || SameSolution(k, solution);
            if (seen)
                continue;
            for (int k = 0; k < 2; ++k) {
                const std::optional<Surd> left = SurdValueOf(*polys[k], x, solution.x, y, solution.y);
                if (!left || !left->terms.empty())
                    return "检验时发现算错了，请检查输入的方程。";
            }
            kept.push_back(solution);
        }
        std::string answer;
        if (kept.empty()) {
            answer = work.contradiction && !work.noRealRoot ? "所以原方程组没有解。" : "所以原方程组没有实数解。";
        } else {
            work.steps.push_back("检验：把每组解代入原方程组，①、②两个方程都成立");
            answer = "所以原方程组的解是 ";
            for (std::size_t k = 0; k < kept.size(); ++k) {
                const std::string n = kept.size() == 1 ? "" : IntText(static_cast<long long>(k + 1));
                answer += (k == 0 ? "" : "；") + xs + n + "＝" + SurdText(kept[k].x) + "，" + ys + n + "＝"
                    + SurdText(kept[k].y);
            }
        }
        if (level == 1)
            return answer;
        std::string text = "解：";
        for (std::size_t k = 0; k < work.steps.size(); ++k)
            text += "\r\n" + (level == 5 ? "第" + IntText(static_cast<long long>(k + 1)) + "步:" : std::string())
                + work.steps[k];
        return text + "\r\n" + answer;
    } catch (const TooLarge &) {
        return "方程组里的数太大，无法计算。";
    }
}

} // namespace qimbel
