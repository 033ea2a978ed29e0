// 根据要求找规律: a list of numbers with blanks, "1，4，9，16，()，36". The rules a pupil meets are
// tried from the simplest on (等差, 等比, 平方数 立方数 n(n＋1), 二次差相等, 前两个数的和, 正负交替,
// 两列数交替); a rule counts only when it is checked against more known numbers than it needs to be
// fixed, so a guess is never written as the rule. Every number is an exact fraction.
#include "algebra/ExactNumber.h"
#include "algebra/QValue.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <functional>
#include <optional>
#include <vector>

namespace qimbel {

namespace {

// A typed number (whole, decimal or a/b) exactly; nothing for anything else.
std::optional<Rational> ReadExact(const std::string &text)
{
    const std::optional<NumberValue> read = ReadNumber(text);
    return read ? ExactValue(*read) : std::nullopt;
}

using Q = QValue;
inline Q Make(Whole n, Whole d = 1) { return MakeQ(n, d); }

using Terms = std::vector<std::optional<Q>>; // nothing for a blank

// How the numbers are written: as fractions when the pupil typed one, else as decimals.
struct Style {
    bool fractions = false;
    bool decimals = false; // a number was typed with a point: coefficients are written as decimals
    std::string operator()(const Q &q) const
    {
        return fractions ? FractionText(q.v.numerator, q.v.denominator) : ExactText(q.v);
    }
    // A coefficient or base inside a formula: negatives and fractions in brackets.
    std::string Bracketed(const Q &q) const
    {
        const std::string text = (*this)(q);
        return Negative(q) || Contains(text, "/") ? "(" + text + ")" : text;
    }
};

// A rule that fits: every term, the general term, the words, and how each blank is worked.
struct Fit {
    std::vector<Q> values;
    std::string term; // "n^2"
    std::string termLine; // said instead of "第n个数是 …" where the rule has no single term
    std::string words;
    std::function<std::string(int)> how; // the working of term k (0-based), ending in "＝value"
    std::vector<std::string> shown; // how a filled number is written, where not by its value
};

int KnownCount(const Terms &t)
{
    int count = 0;
    for (const std::optional<Q> &q : t)
        count += q ? 1 : 0;
    return count;
}

// True when every known term equals the value the rule gives.
bool Agrees(const Terms &t, const std::vector<Q> &values)
{
    for (std::size_t k = 0; k < t.size(); ++k) {
        if (!values[k].ok)
            return false;
        if (t[k] && !Same(*t[k], values[k]))
            return false;
    }
    return true;
}

// c2·n^2 ＋ c1·n ＋ c0 as a pupil writes it: 3n－1, n^2＋1, (1/2)n^2.
// Coefficients with a denominator are written over their common denominator: (n^2－n＋2)/2,
// and n(n＋1)/2 by its name.
std::string PolyText(const Style &style, const Q &c2, const Q &c1, const Q &c0)
{
    if (!c2.ok || !c1.ok || !c0.ok)
        return "?";
    Whole common = 1;
    for (const Q *c : {&c2, &c1, &c0}) {
        if (style.decimals && !style.fractions)
            break;
        const Whole d = c->v.denominator;
        common = common / WholeGcd(common, d) * d;
        if (common > 1000000)
            return "?";
    }
    const Q scale = Make(common);
    const Q w2 = c2 * scale, w1 = c1 * scale, w0 = c0 * scale;
    if (common == 2 && Same(w2, Make(1)) && Same(w1, Make(1)) && IsZero(w0))
        return "n(n＋1)/2";
    std::string text;
    const auto add = [&](const Q &c, const std::string &power) {
        if (IsZero(c))
            return;
        const bool negative = Negative(c);
        const Q size = negative ? -c : c;
        std::string number = common > 1 ? FractionText(size.v.numerator, size.v.denominator) : style(size);
        if (!power.empty() && Same(size, Make(1)))
            number.clear();
        text += negative ? "－" : text.empty() ? "" : "＋";
        text += number + power;
    };
    add(w2, "n^2");
    add(w1, "n");
    add(w0, "");
    if (text.empty())
        return "0";
    if (common == 1)
        return text;
    const bool single = !Contains(Mid(text, 2), "＋") && !Contains(Mid(text, 2), "－");
    return (single ? text : "(" + text + ")") + "/" + WholeText(common);
}

std::string Plus(const Style &style, const Q &d) { return Negative(d) ? "－" + style(-d) : "＋" + style(d); }

std::optional<Fit> Arithmetic(const Terms &t, const Style &style)
{
    if (KnownCount(t) < 3)
        return std::nullopt;
    // The difference from the first two known numbers.
    int i = -1;
    int j = -1;
    for (int k = 0; k < static_cast<int>(t.size()) && j < 0; ++k)
        if (t[static_cast<std::size_t>(k)])
            (i < 0 ? i : j) = k;
    const Q d = (*t[static_cast<std::size_t>(j)] - *t[static_cast<std::size_t>(i)]) / Make(j - i);
    const Q first = *t[static_cast<std::size_t>(i)] - d * Make(i);
    Fit fit;
    for (std::size_t k = 0; k < t.size(); ++k)
        fit.values.push_back(first + d * Make(static_cast<Whole>(k)));
    if (!Agrees(t, fit.values))
        return std::nullopt;
    if (IsZero(d)) {
        fit.words = "每个数都是" + style(first) + "，这列数的数都相等";
    } else {
        const std::string more = std::string(Negative(d) ? "少" : "多") + style(Negative(d) ? -d : d);
        fit.words = "从第2个数起，每次" + more + "（后一个数比前一个数" + more + "），这列数是等差数列";
    }
    fit.term = PolyText(style, Make(0), d, first - d);
    const std::vector<Q> v = fit.values;
    fit.how = [v, d, style](int k) {
        if (IsZero(d))
            return "还是" + style(v[static_cast<std::size_t>(k)]);
        if (k == 0)
            return style(v[1]) + Plus(style, -d) + "＝" + style(v[0]);
        return style(v[static_cast<std::size_t>(k - 1)]) + Plus(style, d) + "＝"
            + style(v[static_cast<std::size_t>(k)]);
    };
    return fit;
}

std::optional<Fit> Geometric(const Terms &t, const Style &style)
{
    if (KnownCount(t) < 3)
        return std::nullopt;
    std::optional<std::size_t> at;
    for (std::size_t k = 0; k + 1 < t.size() && !at; ++k)
        if (t[k] && t[k + 1] && !IsZero(*t[k]))
            at = k;
    if (!at)
        return std::nullopt;
    const Q q = *t[*at + 1] / *t[*at];
    if (IsZero(q) || Same(q, Make(1)))
        return std::nullopt;
    Fit fit;
    fit.values.assign(t.size(), Q {});
    fit.values[*at] = *t[*at];
    for (std::size_t k = *at + 1; k < t.size(); ++k)
        fit.values[k] = fit.values[k - 1] * q;
    for (std::size_t k = *at; k-- > 0;)
        fit.values[k] = fit.values[k + 1] / q;
    if (!Agrees(t, fit.values))
        return std::nullopt;
    const bool timesWhole = q.v.denominator == 1 && q.v.numerator > 1;
    // A ratio 1/m is said and worked as a division by m: ÷3, and 一半 for ÷2.
    const bool overWhole = q.v.numerator == 1 && q.v.denominator > 1;
    const Q m = Make(q.v.denominator);
    if (timesWhole)
        fit.words = "从第2个数起，每次乘" + style(q) + "（后一个数是前一个数的" + style(q) + "倍）";
    else if (overWhole)
        fit.words = "从第2个数起，每次除以" + style(m) + "（后一个数是前一个数的"
            + (q.v.denominator == 2 ? std::string("一半") : FractionText(1, q.v.denominator)) + "）";
    else
        fit.words = "从第2个数起，每次乘" + style(q) + "（后一个数等于前一个数乘" + style(q) + "）";
    fit.words += "，这列数是等比数列";
    const Q first = fit.values[0];
    const std::string base = style.Bracketed(q);
    if (overWhole && !style.fractions)
        fit.term = style.Bracketed(first) + "÷" + style(m) + "^(n－1)";
    else if (Same(first, Make(1)))
        fit.term = base + "^(n－1)";
    else if (Same(first, q))
        fit.term = base + "^n";
    else
        fit.term = style.Bracketed(first) + "×" + base + "^(n－1)";
    const std::vector<Q> v = fit.values;
    fit.how = [v, q, m, overWhole, style](int k) {
        if (overWhole) {
            if (k == 0)
                return style(v[1]) + "×" + style(m) + "＝" + style(v[0]);
            return style.Bracketed(v[static_cast<std::size_t>(k - 1)]) + "÷" + style(m) + "＝"
                + style(v[static_cast<std::size_t>(k)]);
        }
        if (k == 0)
            return style(v[1]) + "÷" + style.Bracketed(q) + "＝" + style(v[0]);
        return style.Bracketed(v[static_cast<std::size_t>(k - 1)]) + "×" + style.Bracketed(q) + "＝"
            + style(v[static_cast<std::size_t>(k)]);
    };
    return fit;
}

// n^2, n^3 and n(n＋1), each perhaps with a number added: 2，5，10，17 is n^2＋1.
std::optional<Fit> Powers(const Terms &t, const Style &style)
{
    if (KnownCount(t) < 3)
        return std::nullopt;
    struct Family {
        const char *term;
        const char *name;
        Whole (*f)(Whole);
        std::string (*shown)(Whole);
    };
    static const Family families[] = {
        {"n^2", "序号的平方", [](Whole n) { return n * n; }, [](Whole n) { return WholeText(n) + "^2"; }},
        {"n(n＋1)", "序号乘比序号大1的数", [](Whole n) { return n * (n + 1); },
            [](Whole n) { return WholeText(n) + "×" + WholeText(n + 1); }},
        {"n^3", "序号的立方", [](Whole n) { return n * n * n; }, [](Whole n) { return WholeText(n) + "^3"; }},
    };
    for (const Family &family : families) {
        std::size_t first = 0;
        while (!t[first])
            ++first;
        const Q c = *t[first] - Make(family.f(static_cast<Whole>(first + 1)));
        Fit fit;
        for (std::size_t k = 0; k < t.size(); ++k)
            fit.values.push_back(Make(family.f(static_cast<Whole>(k + 1))) + c);
        if (!Agrees(t, fit.values))
            continue;
        // The evidence is the numbers the pupil typed, never the one asked for.
        std::string shown;
        int cited = 0;
        for (std::size_t k = 0; k < t.size() && cited < 4; ++k) {
            if (!t[k])
                continue;
            shown += (cited++ == 0 ? "" : "，") + style(fit.values[k]) + "＝" + family.shown(static_cast<Whole>(k + 1))
                + (IsZero(c) ? "" : Plus(style, c));
        }
        if (IsZero(c))
            fit.words = std::string("每个数都是它的") + family.name + "：" + shown;
        else
            fit.words = std::string("每个数都比它的") + family.name + (Negative(c) ? "少" : "多")
                + style(Negative(c) ? -c : c) + "：" + shown;
        fit.term = family.term + (IsZero(c) ? "" : Plus(style, c));
        const std::vector<Q> v = fit.values;
        const auto shownOf = family.shown;
        fit.how = [v, c, style, shownOf](int k) {
            return shownOf(k + 1) + (IsZero(c) ? "" : Plus(style, c)) + "＝" + style(v[static_cast<std::size_t>(k)]);
        };
        return fit;
    }
    return std::nullopt;
}

// c2·n^2 ＋ c1·n ＋ c0 through three known terms (the differences grow by the same number).
std::optional<Fit> Quadratic(const Terms &t, const Style &style)
{
    if (KnownCount(t) < 4)
        return std::nullopt;
    std::vector<int> at;
    for (int k = 0; k < static_cast<int>(t.size()) && at.size() < 3; ++k)
        if (t[static_cast<std::size_t>(k)])
            at.push_back(k + 1);
    // Lagrange through (x_i, y_i), gathered into c2, c1, c0.
    Q c2 = Make(0), c1 = Make(0), c0 = Make(0);
    for (int i = 0; i < 3; ++i) {
        const int a = at[static_cast<std::size_t>((i + 1) % 3)];
        const int b = at[static_cast<std::size_t>((i + 2) % 3)];
        const int x = at[static_cast<std::size_t>(i)];
        const Q w = *t[static_cast<std::size_t>(x - 1)] / Make(static_cast<Whole>(x - a) * (x - b));
        c2 = c2 + w;
        c1 = c1 - w * Make(a + b);
        c0 = c0 + w * Make(static_cast<Whole>(a) * b);
    }
    if (!c2.ok || IsZero(c2))
        return std::nullopt;
    Fit fit;
    for (std::size_t k = 0; k < t.size(); ++k) {
        const Q n = Make(static_cast<Whole>(k + 1));
        fit.values.push_back(c2 * n * n + c1 * n + c0);
    }
    if (!Agrees(t, fit.values))
        return std::nullopt;
    std::string diffs;
    for (std::size_t k = 1; k < fit.values.size() && k <= 5; ++k)
        diffs += (k == 1 ? "" : "，") + style(fit.values[k] - fit.values[k - 1]);
    const Q second = c2 * Make(2);
    fit.words = "相邻两数的差依次是" + diffs + "，……，这些差每次都" + (Negative(second) ? "少" : "多")
        + style(Negative(second) ? -second : second);
    if (Same(c2, Make(1)) && Same(c1, Make(1)) && IsZero(c0))
        fit.term = "n(n＋1)";
    else
        fit.term = PolyText(style, c2, c1, c0);
    const std::vector<Q> v = fit.values;
    fit.how = [v, style](int k) {
        if (k == 0)
            return style(v[1]) + Plus(style, v[0] - v[1]) + "＝" + style(v[0]);
        const std::size_t u = static_cast<std::size_t>(k);
        return style(v[u - 1]) + Plus(style, v[u] - v[u - 1]) + "＝" + style(v[u]);
    };
    return fit;
}

// Each term the sum of the two before it (1，1，2，3，5，8).
std::optional<Fit> SumOfTwo(const Terms &t, const Style &style)
{
    if (KnownCount(t) < 3 || t.size() < 3)
        return std::nullopt;
    bool checked = false;
    for (std::size_t k = 2; k < t.size(); ++k)
        checked = checked || (t[k] && t[k - 1] && t[k - 2]);
    if (!checked)
        return std::nullopt;
    Terms v = t;
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t k = 2; k < v.size(); ++k) {
            const int missing = (v[k] ? 0 : 1) + (v[k - 1] ? 0 : 1) + (v[k - 2] ? 0 : 1);
            if (missing != 1)
                continue;
            if (!v[k])
                v[k] = *v[k - 1] + *v[k - 2];
            else if (!v[k - 1])
                v[k - 1] = *v[k] - *v[k - 2];
            else
                v[k - 2] = *v[k] - *v[k - 1];
            changed = true;
        }
    }
    Fit fit;
    for (const std::optional<Q> &q : v) {
        if (!q)
            return std::nullopt;
        fit.values.push_back(*q);
    }
    for (std::size_t k = 2; k < v.size(); ++k)
        if (!Same(fit.values[k], fit.values[k - 1] + fit.values[k - 2]))
            return std::nullopt;
    if (!Agrees(t, fit.values))
        return std::nullopt;
    fit.words = "从第3个数起，每个数都等于它前面两个数的和";
    fit.termLine = "这列数没有简单的通项，从第3个数起，第n个数＝第(n－2)个数＋第(n－1)个数";
    const std::vector<Q> values = fit.values;
    fit.how = [values, style](int k) {
        const std::size_t u = static_cast<std::size_t>(k);
        if (u >= 2)
            return style(values[u - 2]) + "＋" + style.Bracketed(values[u - 1]) + "＝" + style(values[u]);
        return style(values[u + 2]) + "－" + style.Bracketed(values[u + 1]) + "＝" + style(values[u]);
    };
    return fit;
}

// The first k with t[k], t[k＋1] and t[k＋2] all known; nothing when there is none.
std::optional<std::size_t> ThreeInARow(const Terms &t)
{
    for (std::size_t k = 0; k + 2 < t.size(); ++k)
        if (t[k] && t[k + 1] && t[k + 2])
            return k;
    return std::nullopt;
}

// Values made forwards and backwards from a known term by the step from term k to term k＋1;
// nothing when a step cannot be undone (a division by 0).
std::optional<std::vector<Q>> Stepped(const Terms &t, std::size_t anchor,
    const std::function<Q(std::size_t, const Q &)> &forward,
    const std::function<std::optional<Q>(std::size_t, const Q &)> &backward)
{
    std::vector<Q> values(t.size(), Q {});
    values[anchor] = *t[anchor];
    for (std::size_t k = anchor; k + 1 < t.size(); ++k)
        values[k + 1] = forward(k, values[k]);
    for (std::size_t k = anchor; k-- > 0;) {
        const std::optional<Q> before = backward(k, values[k + 1]);
        if (!before)
            return std::nullopt;
        values[k] = *before;
    }
    return values;
}

// Each number the one before it times a factor that grows by the same amount each time:
// 1，2，6，24 is ×2, ×3, ×4. Fixed by three numbers in a row, checked by a fourth.
std::optional<Fit> GrowingFactor(const Terms &t, const Style &style)
{
    const std::optional<std::size_t> at = ThreeInARow(t);
    if (KnownCount(t) < 4 || !at || IsZero(*t[*at]) || IsZero(*t[*at + 1]))
        return std::nullopt;
    const Q r0 = *t[*at + 1] / *t[*at];
    const Q step = *t[*at + 2] / *t[*at + 1] - r0;
    if (!step.ok || IsZero(step))
        return std::nullopt;
    // A fourth number right after the three says no at once, before any list is made.
    if (*at + 3 < t.size() && t[*at + 3] && !Same(*t[*at + 3], *t[*at + 2] * (r0 + step * Make(2))))
        return std::nullopt;
    // The factor from term k to term k＋1 (0-based).
    const auto factor
        = [r0, step, at](std::size_t k) { return r0 + step * Make(static_cast<Whole>(k) - static_cast<Whole>(*at)); };
    const std::optional<std::vector<Q>> values = Stepped(
        t, *at, [&](std::size_t k, const Q &v) { return v * factor(k); },
        [&](std::size_t k, const Q &v) -> std::optional<Q> {
            const Q f = factor(k);
            return IsZero(f) ? std::nullopt : std::optional<Q>(v / f);
        });
    if (!values || !Agrees(t, *values))
        return std::nullopt;
    Fit fit;
    fit.values = *values;
    std::string factors;
    for (std::size_t k = 0; k + 1 < t.size() && k < 4; ++k)
        factors += (k == 0 ? "" : "、") + style(factor(k)) + "倍";
    fit.words = "从第2个数起，后一个数依次是前一个数的" + factors + "……，每次的倍数多" + style(step);
    // The factor that makes term n from term n－1 is factor(n－2).
    fit.termLine = "第n个数＝第(n－1)个数×" + PolyText(style, Make(0), step, factor(0) - step * Make(2));
    const std::vector<Q> v = fit.values;
    fit.how = [v, factor, style](int k) {
        const std::size_t u = static_cast<std::size_t>(k);
        if (u == 0)
            return style(v[1]) + "÷" + style.Bracketed(factor(0)) + "＝" + style(v[0]);
        return style.Bracketed(v[u - 1]) + "×" + style.Bracketed(factor(u - 1)) + "＝" + style(v[u]);
    };
    return fit;
}

// The differences of neighbours each a fixed number of times the one before: 3，5，9，17 has the
// differences 2，4，8. Fixed by three numbers in a row, checked by a fourth.
std::optional<Fit> GrowingDifferences(const Terms &t, const Style &style)
{
    const std::optional<std::size_t> at = ThreeInARow(t);
    if (KnownCount(t) < 4 || !at)
        return std::nullopt;
    const Q d0 = *t[*at + 1] - *t[*at];
    if (IsZero(d0))
        return std::nullopt;
    const Q q = (*t[*at + 2] - *t[*at + 1]) / d0;
    if (!q.ok || IsZero(q) || Same(q, Make(1)))
        return std::nullopt;
    if (*at + 3 < t.size() && t[*at + 3] && !Same(*t[*at + 3] - *t[*at + 2], (*t[*at + 2] - *t[*at + 1]) * q))
        return std::nullopt;
    // The difference from term k to term k＋1, k counted from the anchor.
    std::vector<Q> differences(t.size(), Q {});
    if (t.size() > 1) {
        differences[*at] = d0;
        for (std::size_t k = *at + 1; k + 1 < t.size(); ++k)
            differences[k] = differences[k - 1] * q;
        for (std::size_t k = *at; k-- > 0;)
            differences[k] = differences[k + 1] / q;
    }
    const std::optional<std::vector<Q>> values = Stepped(
        t, *at, [&](std::size_t k, const Q &v) { return v + differences[k]; },
        [&](std::size_t k, const Q &v) -> std::optional<Q> { return v - differences[k]; });
    if (!values || !Agrees(t, *values))
        return std::nullopt;
    Fit fit;
    fit.values = *values;
    // The differences of the numbers typed side by side: the evidence, without the blanks.
    std::string shown;
    int cited = 0;
    for (std::size_t k = 0; k + 1 < t.size() && cited < 4; ++k)
        if (t[k] && t[k + 1])
            shown += (cited++ == 0 ? "" : "，") + style(differences[k]);
    const bool whole = q.v.denominator == 1;
    fit.words = "相邻两数的差依次是" + shown + "，……，后一个差"
        + (whole ? "是前一个差的" + style(q) + "倍" : "等于前一个差乘" + style(q));
    fit.termLine = "第n个数＝第(n－1)个数＋第(n－1)个差";
    const std::vector<Q> v = fit.values;
    fit.how = [v, differences, style](int k) {
        const std::size_t u = static_cast<std::size_t>(k);
        if (u == 0)
            return style(v[1]) + Plus(style, -differences[0]) + "＝" + style(v[0]);
        return style(v[u - 1]) + Plus(style, differences[u - 1]) + "＝" + style(v[u]);
    };
    return fit;
}

std::optional<Fit> Simple(const Terms &t, const Style &style)
{
    for (auto rule : {Arithmetic, Geometric, Powers, Quadratic})
        if (std::optional<Fit> fit = rule(t, style))
            return fit;
    return std::nullopt;
}

// Signs that change from one number to the next, the sizes following a simple rule.
std::optional<Fit> Alternating(const Terms &t, const Style &style)
{
    int firstSign = 0; // the sign of the first term, +1 or -1
    Terms sizes = t;
    for (std::size_t k = 0; k < t.size(); ++k) {
        if (!t[k])
            continue;
        if (IsZero(*t[k]))
            return std::nullopt;
        const int sign = (Negative(*t[k]) ? -1 : 1) * (k % 2 == 0 ? 1 : -1);
        if (firstSign != 0 && sign != firstSign)
            return std::nullopt;
        firstSign = sign;
        if (Negative(*t[k]))
            sizes[k] = -*t[k];
    }
    std::optional<Fit> inner = Simple(sizes, style);
    if (!inner)
        return std::nullopt;
    Fit fit;
    for (std::size_t k = 0; k < t.size(); ++k)
        fit.values.push_back((k % 2 == 0) == (firstSign > 0) ? inner->values[k] : -inner->values[k]);
    if (!Agrees(t, fit.values))
        return std::nullopt;
    fit.words = "各数的符号正负交替（第1个数是" + std::string(firstSign > 0 ? "正" : "负") + "数）；不看符号时，"
        + inner->words;
    const bool plain = !Contains(inner->term, "＋") && !Contains(inner->term, "－") && !Contains(inner->term, "×");
    fit.term = std::string(firstSign > 0 ? "(－1)^(n＋1)" : "(－1)^n") + "×"
        + (plain ? inner->term : "(" + inner->term + ")");
    const std::vector<Q> v = fit.values;
    const std::function<std::string(int)> innerHow = inner->how;
    fit.how = [v, style, innerHow](int k) {
        const Q &value = v[static_cast<std::size_t>(k)];
        return "不看符号：" + innerHow(k) + "，这个数是" + (Negative(value) ? "负" : "正") + "数，所以是"
            + style(value);
    };
    return fit;
}

// Two lists woven together: the numbers in the odd places follow one rule, those in the even
// places another; each must be checked on three numbers of its own.
std::optional<Fit> Interleaved(const Terms &t, const Style &style)
{
    if (t.size() < 5)
        return std::nullopt;
    Terms half[2];
    for (std::size_t k = 0; k < t.size(); ++k)
        half[k % 2].push_back(t[k]);
    std::optional<Fit> fits[2];
    for (int h = 0; h < 2; ++h) {
        if (KnownCount(half[h]) < 3)
            return std::nullopt;
        fits[h] = Arithmetic(half[h], style);
        if (!fits[h])
            fits[h] = Geometric(half[h], style);
        if (!fits[h])
            return std::nullopt;
    }
    Fit fit;
    for (std::size_t k = 0; k < t.size(); ++k)
        fit.values.push_back(fits[k % 2]->values[k / 2]);
    const auto words = [](std::string text) {
        // "从第2个数起，每个数都比前一个数多3，这列数是等差数列" said of one half of the list.
        const int comma = Find(text, "，");
        const int last = ReverseFind(text, "，");
        return comma >= 0 && last > comma ? Mid(text, comma + 2, last - comma - 2) : text;
    };
    fit.words = "第1、3、5、……个数（单数位）：" + words(fits[0]->words) + "；第2、4、6、……个数（双数位）："
        + words(fits[1]->words);
    std::string odd = fits[0]->term;
    std::string even = fits[1]->term;
    for (std::string *term : {&odd, &even})
        *term = Solver().GetTiHuan(*term, "n", "m");
    fit.termLine = "单数位上第m个数是 " + odd + "，双数位上第m个数是 " + even;
    const std::function<std::string(int)> hows[2] = {fits[0]->how, fits[1]->how};
    fit.how = [hows](int k) { return hows[k % 2](k / 2); };
    return fit;
}

// The parts of every known number as typed: a/b, or a whole number as a/1; nothing for a negative
// number or a decimal.
std::optional<std::vector<std::optional<std::pair<Q, Q>>>> TypedParts(
    const Terms &t, const std::vector<std::string> &typed)
{
    std::vector<std::optional<std::pair<Q, Q>>> parts;
    for (std::size_t k = 0; k < t.size(); ++k) {
        if (!t[k]) {
            parts.push_back(std::nullopt);
            continue;
        }
        if (Left(typed[k], 2) == "－" || Contains(typed[k], "."))
            return std::nullopt;
        const int bar = Find(typed[k], "/");
        const std::optional<Rational> top = ReadExact(bar > 0 ? Left(typed[k], bar) : typed[k]);
        const std::optional<Rational> bottom = bar > 0 ? ReadExact(Mid(typed[k], bar + 1)) : Rational {1, 1};
        if (bar == 0 || !top || !bottom || top->denominator != 1 || bottom->denominator != 1)
            return std::nullopt;
        parts.push_back(std::pair<Q, Q> {Q {*top, true}, Q {*bottom, true}});
    }
    return parts;
}

// Numerators and denominators that each grow by the same amount, fixed by the first two known
// numbers, each as typed or with both parts multiplied by a small number (a number typed in
// lowest terms: 1/2 for 3/6); the others are checked by their values. Nothing unless every part
// is a whole number above 0.
std::optional<std::pair<Terms, Terms>> LinearParts(
    const Terms &t, const std::vector<std::optional<std::pair<Q, Q>>> &parts)
{
    std::vector<std::size_t> known;
    for (std::size_t k = 0; k < parts.size() && known.size() < 2; ++k)
        if (parts[k])
            known.push_back(k);
    if (known.size() < 2)
        return std::nullopt;
    constexpr int kLargestScale = 6;
    for (int sum = 2; sum <= 2 * kLargestScale; ++sum) {
        for (int m0 = 1; m0 <= kLargestScale && m0 < sum; ++m0) {
            const int m1 = sum - m0;
            if (m1 > kLargestScale)
                continue;
            const Q top0 = parts[known[0]]->first * Make(m0), bottom0 = parts[known[0]]->second * Make(m0);
            const Q top1 = parts[known[1]]->first * Make(m1), bottom1 = parts[known[1]]->second * Make(m1);
            const Q span = Make(static_cast<Whole>(known[1] - known[0]));
            const Q stepTop = (top1 - top0) / span;
            const Q stepBottom = (bottom1 - bottom0) / span;
            std::pair<Terms, Terms> out;
            bool whole = true;
            for (std::size_t k = 0; k < parts.size() && whole; ++k) {
                const Q offset = Make(static_cast<Whole>(k) - static_cast<Whole>(known[0]));
                const Q top = top0 + stepTop * offset;
                const Q bottom = bottom0 + stepBottom * offset;
                whole = top.ok && bottom.ok && top.v.denominator == 1 && bottom.v.denominator == 1 && Negative(-top)
                    && Negative(-bottom) && (!t[k] || Same(*t[k], top / bottom));
                out.first.push_back(top);
                out.second.push_back(bottom);
            }
            if (whole)
                return out;
        }
    }
    return std::nullopt;
}

// Fractions whose numerators follow one rule and denominators another: 1/2，2/3，3/4 is
// n/(n＋1), and 1，1/2，1/3 is 1/n. At least one number is typed as a fraction; a blank is
// written in lowest terms.
std::optional<Fit> FractionParts(const Terms &t, const std::vector<std::string> &typed, const Style &style)
{
    if (!style.fractions)
        return std::nullopt;
    const std::optional<std::vector<std::optional<std::pair<Q, Q>>>> typedParts = TypedParts(t, typed);
    if (!typedParts)
        return std::nullopt;
    Terms parts[2];
    for (const std::optional<std::pair<Q, Q>> &p : *typedParts) {
        parts[0].push_back(p ? std::optional<Q>(p->first) : std::nullopt);
        parts[1].push_back(p ? std::optional<Q>(p->second) : std::nullopt);
    }
    Style whole;
    std::optional<Fit> top = Simple(parts[0], whole);
    std::optional<Fit> bottom = Simple(parts[1], whole);
    std::string rewritten; // the known numbers read in other terms: 1/2＝3/6
    if ((!top || !bottom) && KnownCount(t) >= 4) {
        if (const std::optional<std::pair<Terms, Terms>> linear = LinearParts(t, *typedParts)) {
            top = Simple(linear->first, whole);
            bottom = Simple(linear->second, whole);
            for (std::size_t k = 0; top && bottom && k < t.size(); ++k)
                if (t[k]
                    && !(Same((*typedParts)[k]->first, top->values[k])
                        && Same((*typedParts)[k]->second, bottom->values[k])))
                    rewritten += (rewritten.empty() ? "" : "，") + typed[k] + "＝" + whole(top->values[k]) + "/"
                        + whole(bottom->values[k]);
        }
    }
    if (!top || !bottom)
        return std::nullopt;
    Fit fit;
    std::vector<std::string> unreduced;
    for (std::size_t k = 0; k < t.size(); ++k) {
        if (IsZero(bottom->values[k]))
            return std::nullopt;
        fit.values.push_back(top->values[k] / bottom->values[k]);
        unreduced.push_back(whole(top->values[k]) + "/" + whole(bottom->values[k]));
        fit.shown.push_back(style(fit.values.back()));
    }
    if (!Agrees(t, fit.values))
        return std::nullopt;
    fit.words = "分子、分母分开看" + (rewritten.empty() ? std::string() : "（" + rewritten + "）") + "，分子："
        + top->words + "；分母：" + bottom->words;
    const auto part = [](const std::string &term) {
        return Contains(term, "＋") || Contains(term, "－") || Contains(term, "×") || Contains(term, "/")
            ? "(" + term + ")"
            : term;
    };
    fit.term = part(top->term) + "/" + part(bottom->term);
    const std::function<std::string(int)> howTop = top->how;
    const std::function<std::string(int)> howBottom = bottom->how;
    const std::vector<std::string> shown = fit.shown;
    fit.how = [howTop, howBottom, shown, unreduced](int k) {
        const std::size_t u = static_cast<std::size_t>(k);
        return "分子 " + howTop(k) + "，分母 " + howBottom(k) + "，是" + unreduced[u]
            + (unreduced[u] == shown[u] ? std::string() : "＝" + shown[u]);
    };
    return fit;
}

bool IsNumberByte(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '/'; }

// The terms of the line: numbers (with a sign) and blanks, between any of "，" "," "、" "；" ";".
// The dots a pupil writes after the last number ("……", "...") are passed over.
std::optional<Terms> ReadTerms(const std::string &line, Style &style, std::vector<std::string> &typed)
{
    Terms terms;
    const int n = Len(line);
    int i = 0;
    while (i < n) {
        bool found = false;
        for (const char *skip : {"，", ",", "、", "；", ";", "…", "."}) {
            if (Mid(line, i, Len(skip)) == skip
                && !(skip[0] == '.' && i + 1 < n && line[i + 1] >= '0' && line[i + 1] <= '9')) {
                i += Len(skip);
                found = true;
                break;
            }
        }
        if (found)
            continue;
        for (const char *blank : {"()", "（）", "□", "?", "？", "(　)"}) {
            if (Mid(line, i, Len(blank)) == blank) {
                i += Len(blank);
                terms.push_back(std::nullopt);
                typed.push_back("()");
                found = true;
                break;
            }
        }
        if (found)
            continue;
        std::string sign;
        if (Mid(line, i, 2) == "－" || Mid(line, i, 2) == "＋")
            sign = Mid(line, i, 2), i += 2;
        else if (line[i] == '-' || line[i] == '+')
            sign = line[i] == '-' ? "－" : "＋", ++i;
        const int start = i;
        while (i < n && IsNumberByte(line[i]))
            ++i;
        if (i == start)
            return std::nullopt;
        const std::string digits = Mid(line, start, i - start);
        const std::optional<Rational> value = ReadExact((sign == "－" ? "-" : "") + digits);
        if (!value)
            return std::nullopt;
        style.fractions = style.fractions || Contains(digits, "/");
        style.decimals = style.decimals || Contains(digits, ".");
        terms.push_back(Q {*value, true});
        typed.push_back((sign == "－" ? sign : "") + digits);
    }
    return terms;
}

} // namespace

std::string Solver::ZhaoGuiLv(std::string line, int level)
{
    const std::string tooLong = OpenOneLine(line, level, kLongestEquationLine);
    if (!tooLong.empty())
        return tooLong;
    Style style;
    std::vector<std::string> typed;
    std::optional<Terms> read = ReadTerms(line, style, typed);
    if (!read || read->empty())
        return "请写出一列数，数与数之间用“，”隔开，要填的数写成“()”，例如：1，4，9，16，()，36";
    Terms terms = *read;
    if (KnownCount(terms) < 3)
        return "已知的数太少，至少要有三个数才能找出规律。";
    // Without a blank the next number is asked for.
    const bool next = KnownCount(terms) == static_cast<int>(terms.size());
    if (next) {
        terms.push_back(std::nullopt);
        typed.push_back("()");
    }

    std::optional<Fit> fit = Simple(terms, style);
    if (!fit)
        fit = FractionParts(terms, typed, style);
    for (auto rule : {SumOfTwo, Alternating, Interleaved, GrowingFactor, GrowingDifferences})
        if (!fit)
            fit = rule(terms, style);
    if (!fit)
        return "没有找到这列数的规律：它不是等差数列、等比数列，不是平方数、立方数或n(n＋1)，相邻两数的差也不是每次多同样多，"
               "分子、分母也不是各有规律，不是每个数等于前两个数的和，也不是正负交替或两列数交替排列，所以不能确定()里的数。";

    std::string filled;
    for (std::size_t k = 0; k < terms.size(); ++k)
        filled += (k == 0 ? "" : "，")
            + (terms[k] ? typed[k] : "(" + (fit->shown.empty() ? style(fit->values[k]) : fit->shown[k]) + ")");
    if (level == 1)
        return filled;

    std::vector<std::string> steps;
    steps.push_back("找规律：" + fit->words + "。");
    steps.push_back(fit->termLine.empty() ? "第n个数是 " + fit->term : fit->termLine);
    for (std::size_t k = 0; k < terms.size(); ++k)
        if (!terms[k])
            steps.push_back("第" + IntText(static_cast<long long>(k + 1)) + "个数：" + fit->how(static_cast<int>(k)));
    std::string text;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (level == 5)
            text += "第" + IntText(static_cast<long long>(k + 1)) + "步：";
        text += steps[k] + "\r\n";
    }
    return text + (level == 5 ? "所以 " : "") + filled;
}

} // namespace qimbel
