// 分式四则运算: sums, differences, products and quotients of fractions in one letter or two,
// worked the way a teacher writes them: a quotient becomes a product with the reciprocal, each
// product is multiplied out and reduced, the denominators are factorised, the fractions are
// brought to the least common denominator (通分), the numerators combined, and the result reduced
// (约分). Every line is the whole expression after one step, with its numbered explanation
// (detail level 5), as HunHeYunSuan writes its steps; the arithmetic behind the lines is exact
// (FractionAlgebra.h).
//
// The page's check turns "/" into "÷": in this type the first "÷" after a numerator is read as
// the fraction bar, as the pupil meant it.
#include "algebra/FractionAlgebra.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <vector>

namespace qimbel {

using namespace fractions;

namespace {

bool IsOne(const Poly &p) { return IsConstant(p) && ConstantOf(p).numerator == 1 && ConstantOf(p).denominator == 1; }

// A fraction with a numerator whose written first coefficient is negative, as "－" and the
// fraction of the opposite numerator.
struct Shown {
    bool negative = false;
    std::string text;
};

// A whole polynomial (denominator 1) keeps its sign inside: 1－x is written －x＋1, not
// －(x－1) and never －x－1.
Shown ShowFraction(Solver &solver, Fraction f, bool factorNum, bool factorDen)
{
    Shown shown;
    Rational factor;
    Normalised(f.num, &factor);
    if (!f.num.empty() && factor.numerator < 0 && !(IsOne(f.den) && f.num.size() > 1 && !factorNum)) {
        shown.negative = true;
        f.num = Scaled(f.num, Rational {-1, 1});
    }
    shown.text = FractionText(solver, f, factorNum, factorDen);
    return shown;
}

// The parts as one sum. A minus before a sum brackets it, and so does a plus before a part that
// starts with its own minus: －(x－1), ＋(－x＋1).
std::string Joined(const std::vector<Shown> &parts)
{
    std::string text;
    for (const Shown &part : parts) {
        const bool first = text.empty();
        if (part.negative)
            text += HasOuterSign(part.text) ? "－(" + part.text + ")" : "－" + part.text;
        else if (!first && Left(part.text, 2) == "－")
            text += "＋(" + part.text + ")";
        else
            text += (first ? "" : "＋") + part.text;
    }
    return text.empty() ? "0" : text;
}

// The numerator N·M of a fraction brought to the common denominator, written as a product. Two
// whole numbers never run together: 2×3x(x＋1) is written 6x(x＋1).
std::string ProductText(Solver &solver, const Poly &n, const Poly &m)
{
    if (IsConstant(n) && IsConstant(m))
        return PolyText(Product(n, m));
    if (IsOne(m))
        return PolyText(n);
    if (n.size() == 1 && m.size() == 1)
        return PolyText(Product(n, m));
    std::string multiplier = FactorisedText(solver, m);
    // A multiplier that is a sum, or starts with its own sign, goes in brackets: 2x^2 times
    // －6x(x＋1) is 2x^2(－6x(x＋1)), never 2x^2－6x(x＋1).
    if (HasOuterSign(multiplier) || Left(multiplier, 2) == "－" || Left(multiplier, 2) == "＋")
        multiplier = "(" + multiplier + ")";
    std::string first = FactorisedText(solver, n);
    if (HasOuterSign(first))
        first = "(" + first + ")";
    const auto digit = [](const std::string &text) { return !text.empty() && text[0] >= '0' && text[0] <= '9'; };
    if (!IsOne(n) && digit(multiplier)) {
        // The whole numbers of both go in front as one.
        Rational nf;
        Rational mf;
        const Poly pn = Normalised(n, &nf);
        const Poly pm = Normalised(m, &mf);
        const Rational number = Times(nf, mf);
        if (number.denominator != 1)
            return first + "×" + multiplier;
        std::string rest;
        for (const Poly *p : {&pn, &pm}) {
            if (IsOne(*p))
                continue;
            std::string text = FactorisedText(solver, *p);
            if (HasOuterSign(text) || (!rest.empty() && Right(rest, 1) != ")" && Left(text, 1) != "("))
                text = "(" + text + ")";
            rest += text;
        }
        return (number.numerator == 1 && number.denominator == 1 ? "" : ExactText(number)) + rest;
    }
    // A fraction in front of a factor keeps its own brackets: (1/5)(x＋1), not 1/5(x＋1), which
    // reads as 1 over 5(x＋1).
    const auto number = [](const Poly &p) {
        const std::string text = PolyText(p);
        return Contains(text, "/") ? "(" + text + ")" : text;
    };
    if (IsOne(n))
        return multiplier;
    if (IsConstant(n))
        return number(n) + multiplier;
    if (IsConstant(m))
        return number(m) + (Contains(first, "(") || n.size() > 1 ? first : "(" + first + ")");
    return first + multiplier;
}

// A product of polynomials as a pupil writes it: the whole numbers first, multiplied into one,
// then each factor factorised, bracketed where it is a sum, "×" only between two factors that
// would otherwise run together: 2x(x＋1)(x－1), x×x^2. The sign goes to `negative`.
std::string FactorsText(Solver &solver, const std::vector<Poly> &factors, bool &negative)
{
    Rational number {1, 1};
    std::vector<std::string> texts;
    for (const Poly &p : factors) {
        if (IsConstant(p)) {
            number = Times(number, ConstantOf(p));
            continue;
        }
        Rational factor;
        const Poly q = Normalised(p, &factor);
        number = Times(number, factor);
        std::string text = FactorisedText(solver, q);
        if (HasOuterSign(text))
            text = "(" + text + ")";
        texts.push_back(text);
    }
    negative = number.numerator < 0;
    const Rational size {negative ? -number.numerator : number.numerator, number.denominator};
    std::string text = size.numerator == 1 && size.denominator == 1 && !texts.empty() ? "" : ExactText(size);
    for (const std::string &piece : texts) {
        const bool runTogether = !text.empty() && Right(text, 1) != ")" && Left(piece, 1) != "("
            && !(text.find_first_not_of("0123456789./") == std::string::npos);
        text += (runTogether ? "×" : "") + piece;
    }
    return text;
}

// A denominator that needs no bracket after the bar: a number, a single letter with its power, or
// one bracketed factor.
bool IsPlainDenominator(const std::string &text)
{
    if (text.find_first_not_of("0123456789") == std::string::npos)
        return true;
    // One bracketed factor: (x＋1).
    if (Left(text, 1) == "(" && Find(text, ")") == Len(text) - 1)
        return true;
    return Len(text) >= 1 && ((text[0] >= 'a' && text[0] <= 'z') || (text[0] >= 'A' && text[0] <= 'Z'))
        && (Len(text) == 1 || (text[1] == '^' && Mid(text, 2).find_first_not_of("0123456789") == std::string::npos));
}

// The lines of the working. The labels stand in one column: 30 bytes after the start of the
// expressions, as in the linear equations, or 2 bytes after the longest expression when that
// reaches further (通分 makes the lines longer, not shorter).
struct Steps {
    std::string first;
    std::string last;
    std::vector<std::pair<std::string, std::string>> lines; // expression, description

    void Add(const std::string &expression, const std::string &description)
    {
        if (expression == last)
            return;
        lines.emplace_back(expression, description);
        last = expression;
    }

    std::string Chain() const
    {
        std::string text = first;
        for (const auto &[expression, description] : lines)
            text += "\r\n＝" + expression;
        return text;
    }

    std::string Worked() const
    {
        int column = 30;
        for (const auto &[expression, description] : lines)
            if (Len(expression) + 2 > column)
                column = Len(expression) + 2;
        std::string text = first;
        int n = 0;
        for (const auto &[expression, description] : lines)
            text += "\r\n＝" + expression + std::string(static_cast<std::size_t>(column - Len(expression)), ' ') + "第"
                + IntText(++n) + "步:" + description;
        return text;
    }
};

} // namespace

std::string Solver::FenShiSiZeYunSuan(std::string expression, int level)
{
    if (level < 1 || level > 5)
        level = 1;
    expression = Trim(expression);
    if (std::string sentence = FractionLineTooLarge(expression); !sentence.empty())
        return sentence;
    try {
        const WorkLimit limit(kLineWork);
        const std::optional<std::vector<Term>> read = ReadSum(expression);
        if (!read)
            return expression + "\r\n这个式子不是能计算的分式，请检查括号、分数线和运算符号（除数不能为0）。";
        std::vector<Term> terms = *read;
        for (const Term &term : terms)
            if (!TermValue(term))
                return expression + "\r\n除数不能为0。";
        Steps steps {expression, expression, {}};

        // Quotients become products with the reciprocal.
        bool divides = false;
        for (const Term &term : terms)
            for (std::size_t k = 1; k < term.divides.size(); ++k)
                divides = divides || term.divides[k];
        const auto termText = [this](const Term &term, bool &negative) {
            std::string text;
            negative = term.negative;
            for (std::size_t k = 0; k < term.factors.size(); ++k) {
                Shown part = ShowFraction(*this, term.factors[k], false, false);
                if (part.negative)
                    negative = !negative;
                std::string piece = part.text;
                // A whole sum among factors keeps its brackets: 12(x－1)÷1÷(x＋1) is
                // (12x－12)×1/(x＋1), never 12x－12×1/(x＋1).
                const Fraction &f = term.factors[k];
                const bool sum = f.num.size() > 1 && IsConstant(f.den) && ConstantOf(f.den).numerator == 1
                    && ConstantOf(f.den).denominator == 1;
                if ((k > 0 && HasOuterSign(piece)) || (sum && term.factors.size() > 1))
                    piece = "(" + piece + ")";
                text += (k == 0 ? "" : term.divides[k] ? "÷" : "×") + piece;
            }
            return text;
        };
        if (divides) {
            std::vector<Shown> parts;
            for (Term &term : terms) {
                for (std::size_t k = 1; k < term.factors.size(); ++k)
                    if (term.divides[k]) {
                        std::swap(term.factors[k].num, term.factors[k].den);
                        term.divides[k] = false;
                    }
                Shown shown;
                shown.text = termText(term, shown.negative);
                parts.push_back(shown);
            }
            steps.Add(Joined(parts), "除以一个分式，等于乘这个分式的倒数");
        }

        // Each product as one fraction of factorised parts, then reduced.
        std::vector<Fraction> values;
        bool multiplied = false;
        std::vector<Shown> together;
        for (const Term &term : terms) {
            const Fraction value = *TermValue(term);
            values.push_back(term.factors.size() > 1 ? Reduced(value) : value);
            if (term.factors.size() < 2) {
                together.push_back(ShowFraction(*this, value, false, false));
                continue;
            }
            multiplied = true;
            std::vector<Poly> nums;
            std::vector<Poly> dens;
            for (const Fraction &f : term.factors) {
                nums.push_back(f.num);
                dens.push_back(f.den);
            }
            Shown shown;
            const std::string num = FactorsText(*this, nums, shown.negative);
            bool negativeDen = false;
            const std::string den = FactorsText(*this, dens, negativeDen);
            shown.negative = (shown.negative != negativeDen) != term.negative;
            const std::string bracketed = Contains(den, "(") ? "[" + den + "]" : "(" + den + ")";
            shown.text = (HasOuterSign(num) ? "(" + num + ")" : num)
                + (den == "1" ? "" : "/" + (IsPlainDenominator(den) ? den : bracketed));
            if (num == "0")
                shown = Shown {false, "0"};
            together.push_back(shown);
        }
        if (multiplied) {
            steps.Add(Joined(together), "分子乘分子，分母乘分母");
            std::vector<Shown> parts;
            for (const Fraction &value : values)
                parts.push_back(ShowFraction(*this, value, false, true));
            steps.Add(Joined(parts), "约分，约去分子、分母的公因式");
        }

        if (values.size() == 1) {
            const Fraction reduced = Reduced(values[0]);
            if (!IsConstant(Gcd(values[0].num, values[0].den))) {
                steps.Add(Joined({ShowFraction(*this, values[0], true, true)}), "把分子、分母分解因式");
                steps.Add(Joined({ShowFraction(*this, reduced, false, true)}), "约分，约去分子、分母的公因式");
            } else {
                const std::string before = Joined({ShowFraction(*this, values[0], false, true)});
                const std::string after = Joined({ShowFraction(*this, reduced, false, true)});
                steps.Add(after, before == after ? "把分母分解因式" : "约分，约去分子、分母的公因数");
            }
        } else {
            // The denominators factorised, then 通分 to the least common denominator.
            std::vector<Shown> factored;
            bool factorised = false;
            for (const Fraction &value : values) {
                factored.push_back(ShowFraction(*this, value, false, true));
                factorised = factorised || FactorisedText(*this, value.den) != PolyText(value.den);
            }
            if (factorised)
                steps.Add(Joined(factored), "把各分母分解因式");
            const Poly lcd = CommonDenominator(values);
            bool same = true;
            for (const Fraction &value : values)
                same = same && SamePoly(value.den, lcd);
            const std::string lcdText = FactorisedText(*this, lcd);
            const std::string lcdShown = DenominatorText(*this, lcd, true);
            Poly numerator;
            std::vector<Shown> brought;
            std::string sumText;
            for (const Fraction &value : values) {
                const std::optional<Poly> m = ExactQuotient(lcd, value.den);
                if (!m)
                    throw TooLarge {};
                const Poly n = Product(value.num, *m);
                numerator = Sum(numerator, n);
                // The signs of the numerator and of the multiplier go in front of the product.
                Rational factor;
                Normalised(value.num, &factor);
                Rational multiplierFactor;
                Normalised(*m, &multiplierFactor);
                const bool numNegative = !value.num.empty() && factor.numerator < 0;
                const bool multiplierNegative = multiplierFactor.numerator < 0;
                const bool negative = numNegative != multiplierNegative;
                // A numerator 0 stays 0 over the common denominator.
                std::string product = value.num.empty()
                    ? std::string("0")
                    : ProductText(*this, numNegative ? Scaled(value.num, Rational {-1, 1}) : value.num,
                        multiplierNegative ? Scaled(*m, Rational {-1, 1}) : *m);
                if (HasOuterSign(product))
                    product = "(" + product + ")";
                brought.push_back(Shown {negative, product + (IsOne(lcd) ? "" : "/" + lcdShown)});
                const std::string piece = PolyText(n);
                sumText += sumText.empty() || Left(piece, 2) == "－" ? piece : "＋" + piece;
            }
            if (!same)
                steps.Add(Joined(brought), "通分，最简公分母是 " + lcdText);
            const std::string combined = HasOuterSign(sumText) ? "(" + sumText + ")" : sumText;
            steps.Add(IsOne(lcd) ? sumText : combined + "/" + lcdShown, "分母不变，把分子相加减");
            const Fraction total {numerator, lcd};
            steps.Add(Joined({ShowFraction(*this, Fraction {numerator, lcd}, false, true)}), "合并分子中的同类项");
            const Fraction reduced = Reduced(total);
            if (!IsConstant(Gcd(numerator, lcd)) && !numerator.empty())
                steps.Add(Joined({ShowFraction(*this, total, true, true)}), "把分子分解因式");
            steps.Add(Joined({ShowFraction(*this, reduced, false, true)}), "约分，约去分子、分母的公因式");
        }

        if (level == 1)
            return steps.last;
        return level < 5 ? steps.Chain() : steps.Worked();
    } catch (const TooMuchWork &) {
        return expression + "\r\n" + kTooMuchWorkSentence;
    } catch (const TooLarge &) {
        return expression + "\r\n这个式子中的数太大，无法准确计算。";
    }
}

} // namespace qimbel
