#include "marking/EquationFormula.h"

#include "algebra/WorkSpent.h"
#include "equations/Rational.h"
#include "marking/EquationLine.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

namespace qimbel::marking {

using namespace fractions;

namespace {

// △＝…, Δ＝… or b^2－4ac＝… (the root formula, which holds b^2－4ac under its root, is no such line).
bool StartsDiscriminant(const std::string &text)
{
    return Left(text, 2) == "△" || Left(text, 2) == "Δ" || Left(text, 3) == "b^2" || Left(text, 2) == "b2";
}

// The line without the words and marks in front of a △ line: "∴△＝…", "所以Δ＝…".
std::string WithoutLeadingWords(const std::string &normalised)
{
    const std::string text = Trim(normalised);
    for (const char *start : {"△", "Δ"}) {
        const int at = Find(text, start);
        if (at <= 0)
            continue;
        bool words = true;
        for (int i = 0; i < at; i += CharSize(text, i))
            words = words && !IsFormulaChar(text, i);
        if (words)
            return Mid(text, at);
    }
    return text;
}

bool Same(const Rational &a, const Rational &b) { return a.numerator == b.numerator && a.denominator == b.denominator; }

// The coefficients of the equation line before, as it is written (left side minus right side).
std::optional<Coefficients> GeneralCoefficients(const OneUnknownLine &previous, char u)
{
    if (!previous.single || previous.symbol != "＝")
        return std::nullopt;
    const std::optional<SideValue> l = ReadSide(previous.left);
    const std::optional<SideValue> r = ReadSide(previous.right);
    if (!l || !r)
        return std::nullopt;
    const Poly den = Product(l->value.den, r->value.den);
    Poly num = Difference(Product(l->value.num, r->value.den), Product(r->value.num, l->value.den));
    if (!IsConstant(den) || DegreeIn(num, u) != 2)
        return std::nullopt;
    for (const auto &[m, c] : num)
        for (const auto &[letter, power] : m)
            if (letter != u)
                return std::nullopt;
    num = Scaled(num, Over(Rational {1, 1}, ConstantOf(den)));
    Coefficients abc;
    for (int power = 0; power <= 2; ++power) {
        Monomial m;
        if (power > 0)
            m[u] = power;
        const auto it = num.find(m);
        abc[static_cast<std::size_t>(2 - power)] = it == num.end() ? Rational {0, 1} : it->second;
    }
    return abc;
}

bool Proportional(const Coefficients &x, const Coefficients &y)
{
    if (x[0].numerator == 0 || y[0].numerator == 0)
        return false;
    for (std::size_t k = 1; k < 3; ++k)
        if (!Same(fractions::Times(x[k], y[0]), fractions::Times(y[k], x[0])))
            return false;
    return true;
}

Rational Discriminant(const Coefficients &abc)
{
    return Plus(
        fractions::Times(abc[1], abc[1]), Negated(fractions::Times(Rational {4, 1}, fractions::Times(abc[0], abc[2]))));
}

// The number after "a＝" (its sign included); nothing when there is none.
std::optional<Rational> ValueAfter(const std::string &text, const std::string &name)
{
    const int at = Find(text, name + "＝");
    if (at < 0)
        return std::nullopt;
    int end = at + Len(name) + 2;
    const int from = end;
    if (Mid(text, end, 2) == "－" || Mid(text, end, 2) == "＋")
        end += 2;
    while (end < Len(text)
        && ((text[static_cast<std::size_t>(end)] >= '0' && text[static_cast<std::size_t>(end)] <= '9')
            || text[static_cast<std::size_t>(end)] == '.' || text[static_cast<std::size_t>(end)] == '/'))
        ++end;
    return ReadRational(Mid(text, from, end - from));
}

std::string CoefficientsText(Coefficients abc)
{
    if (abc[0].numerator < 0)
        for (Rational &r : abc)
            r = Negated(r);
    return "a＝" + ExactText(abc[0]) + "，b＝" + ExactText(abc[1]) + "，c＝" + ExactText(abc[2]);
}

} // namespace

bool IsFormulaLine(const std::string &normalised)
{
    const std::string text = WithoutLeadingWords(normalised);
    if (StartsDiscriminant(text))
        return true;
    return Contains(text, "a＝") && Contains(text, "b＝") && Contains(text, "c＝");
}

FormulaLine ReadFormulaLine(
    const std::string &normalised, const OneUnknownLine &previous, char u, const std::optional<Coefficients> &stated)
{
    FormulaLine line;
    try {
        const std::optional<Coefficients> general = GeneralCoefficients(previous, u);
        if (!general) {
            line.reason = "前面一步不是一元二次方程";
            return line;
        }
        std::string text = WithoutLeadingWords(normalised);
        if (StartsDiscriminant(text)) {
            if (Left(text, 2) == "△" || Left(text, 2) == "Δ")
                text = Mid(text, 2);
            // Only the △ part: the roots may follow on the same line (…＝1＞0，x＝(－5±1)/2，x1＝－2).
            if (const std::vector<std::string> pieces = Pieces(text, false); !pieces.empty())
                text = pieces[0];
            const Relations rel = SplitRelations(text);
            std::vector<std::string> sides = rel.sides;
            std::string comparison;
            if (!rel.symbols.empty() && rel.symbols.back() != "＝") {
                comparison = rel.symbols.back();
                if (sides.back() != "0") {
                    line.reason = "△要和0比较";
                    return line;
                }
                sides.pop_back();
            }
            std::optional<Rational> value;
            for (const std::string &side : sides) {
                if (side.empty() || !LettersOf(side).empty())
                    continue;
                const std::optional<SideValue> v = ReadSide(side);
                if (!v || !IsConstant(v->value.num) || !IsConstant(v->value.den)) {
                    line.reason = "读不懂这个式子，请检查括号和运算符号";
                    return line;
                }
                value = Over(ConstantOf(v->value.num), ConstantOf(v->value.den));
            }
            if (!value) {
                line.reason = "还要算出△的值";
                return line;
            }
            const Rational d = Discriminant(stated ? *stated : *general);
            const Whole sign = value->numerator;
            line.right = Same(*value, d)
                && (comparison.empty() || (comparison == "＞" && sign > 0) || (comparison == "＜" && sign < 0)
                    || (comparison == "≥" && sign >= 0) || (comparison == "≤" && sign <= 0));
            const std::string against = d.numerator > 0 ? "＞0" : d.numerator < 0 ? "＜0" : "";
            line.fix = "△＝b^2－4ac＝" + ExactText(d) + against;
            return line;
        }
        const std::optional<Rational> a = ValueAfter(text, "a");
        const std::optional<Rational> b = ValueAfter(text, "b");
        const std::optional<Rational> c = ValueAfter(text, "c");
        if (!a || !b || !c) {
            line.reason = "a、b、c 要写成数";
            return line;
        }
        const Coefficients abc {*a, *b, *c};
        line.right = Proportional(abc, *general);
        line.fix = CoefficientsText(*general);
        if (line.right) {
            line.stated = abc;
            return line;
        }
        for (std::size_t k = 0; k < 3; ++k) {
            Coefficients flipped = abc;
            flipped[k] = Negated(flipped[k]);
            if (Proportional(flipped, *general))
                line.slip = "符号错误";
        }
    } catch (const TooLarge &) {
        line = FormulaLine {};
        line.reason = WorkSpent() ? "这个式子太复杂，无法在短时间内算完" : "式子里的数太大，无法准确比较";
    }
    return line;
}

} // namespace qimbel::marking
