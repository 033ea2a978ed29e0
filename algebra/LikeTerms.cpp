#include "algebra/LikeTerms.h"

#include "algebra/BracketMatching.h"
#include "algebra/ExactNumber.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

namespace qimbel {

std::string LetterPartKey(const std::string &letterPart)
{
    double exponents[52] = {};
    const int n = Len(letterPart);
    for (int i = 0; i < n;) {
        const char c = letterPart[static_cast<std::size_t>(i)];
        if (!IsLetterByte(c))
            return "#" + letterPart;
        const int slot = c >= 'a' ? c - 'a' : 26 + (c - 'A');
        ++i;
        double exponent = 1;
        if (i < n && letterPart[static_cast<std::size_t>(i)] == '^') {
            ++i;
            int end = i;
            if (end < n && letterPart[static_cast<std::size_t>(end)] == '(') {
                const int close = MatchingClose(letterPart, end);
                if (close < 0)
                    return "#" + letterPart;
                end = close + 1;
            } else {
                while (end < n
                    && (IsDigitByte(letterPart[static_cast<std::size_t>(end)])
                        || letterPart[static_cast<std::size_t>(end)] == '.'))
                    ++end;
            }
            const std::optional<NumberValue> value = ReadNumber(Mid(letterPart, i, end - i));
            if (!value)
                return "#" + letterPart;
            exponent = value->AsDouble();
            i = end;
        }
        exponents[slot] += exponent;
    }
    std::string key;
    for (int slot = 0; slot < 52; ++slot)
        if (exponents[slot] != 0)
            key += std::string(1, static_cast<char>(slot < 26 ? 'a' + slot : 'A' + slot - 26)) + "^"
                + DecimalText(exponents[slot]) + ";";
    return key;
}

std::string SumOrDifference(Solver &solver, std::string a, std::string b, bool subtract)
{
    a = WithoutOuterBrackets(Trim(a));
    b = WithoutOuterBrackets(Trim(b));
    const std::string sign = subtract ? "－" : "＋";
    const bool lettersA = HasLetters(a);
    const bool lettersB = HasLetters(b);
    if (!lettersA && !lettersB) {
        const std::optional<NumberValue> x = ReadNumber(a);
        const std::optional<NumberValue> y = ReadNumber(b);
        if (!x || !y)
            return {};
        using Kind = NumberValue::Kind;
        if (x->kind != Kind::Decimal && y->kind != Kind::Decimal
            && (x->kind == Kind::Fraction || y->kind == Kind::Fraction)) {
            if (x->denominator == 0 || y->denominator == 0)
                return {};
            const Whole n2 = subtract ? -y->numerator : y->numerator;
            Whole n = 0;
            if (x->denominator == y->denominator) {
                if (!AddOverflows(x->numerator, n2, n))
                    return n == 0 ? std::string("0") : FractionText(n, x->denominator);
            } else if (x->numerator >= 0 && y->numerator >= 0 && x->denominator <= 2147483647
                && y->denominator <= 2147483647 && x->numerator <= 2147483647 && y->numerator <= 2147483647) {
                // Different denominators: the common-denominator step, written out.
                auto plain = [](const NumberValue &v) {
                    return v.kind == Kind::Whole ? WholeText(v.numerator)
                                                 : WholeText(v.numerator) + "/" + WholeText(v.denominator);
                };
                return solver.TongFen(plain(*x) + sign + plain(*y));
            } else {
                // Signed operands: brought over the least common denominator directly.
                Whole g = x->denominator, h = y->denominator;
                while (h != 0) {
                    const Whole t = g % h;
                    g = h;
                    h = t;
                }
                Whole l = 0, left = 0, right = 0;
                if (!MultiplyOverflows(x->denominator / g, y->denominator, l)
                    && !MultiplyOverflows(x->numerator, l / x->denominator, left)
                    && !MultiplyOverflows(n2, l / y->denominator, right) && !AddOverflows(left, right, n))
                    return n == 0 ? std::string("0") : FractionText(n, l);
            }
            // Beyond 128 bits: the decimal road.
        }
        if (x->kind == Kind::Whole && y->kind == Kind::Whole) {
            Whole n = 0;
            if (!AddOverflows(x->numerator, subtract ? -y->numerator : y->numerator, n))
                return WholeText(n);
        }
        // A decimal operand: the exact sum, as a decimal of at most six places or else a fraction.
        std::optional<Rational> p = ExactValue(*x);
        std::optional<Rational> q = ExactValue(*y);
        if (p && q && subtract)
            q = MakeRational(-q->numerator, q->denominator);
        if (p && q)
            if (const std::optional<Rational> sum = RationalSum(*p, *q))
                return ExactText(*sum);
        const double v = subtract ? x->AsDouble() - y->AsDouble() : x->AsDouble() + y->AsDouble();
        return DecimalText(v);
    }
    if (lettersA && lettersB) {
        const std::string partA = DropCoefficient(FullWidthSigns(a));
        const std::string partB = DropCoefficient(FullWidthSigns(b));
        if (LetterPartKey(partA) == LetterPartKey(partB)) {
            auto coefficientOf = [&](const std::string &term) {
                const std::string c = solver.GetShuZi(FullWidthSigns(term));
                if (c.empty() || c == "＋")
                    return std::string("1");
                if (c == "－")
                    return std::string("－1");
                return c;
            };
            const std::string c = SumOrDifference(solver, coefficientOf(a), coefficientOf(b), subtract);
            if (c.empty() || Contains(c, "┃"))
                return FullWidthSigns(a) + sign + FullWidthSigns(b);
            if (c == "0")
                return c;
            if (c == "1")
                return partA;
            if (c == "－1")
                return "－" + partA;
            return c + partA;
        }
    }
    return FullWidthSigns(a) + sign + FullWidthSigns(b);
}

std::string MonomialProduct(Solver &solver, std::string a, std::string b, bool divide)
{
    // A fraction bar with a letter under it divides: a/b is no factor a and b, and its product is
    // no monomial this routine can write (6a×(a/b) came out as 6a^(2)b/). A number under the bar
    // is a coefficient, as in 1/3a.
    for (const std::string *operand : {&a, &b}) {
        const std::size_t bar = operand->find('/');
        if (bar != std::string::npos && (bar + 1 == operand->size() || !IsDigitByte((*operand)[bar + 1])))
            return {};
        // A bracket group inside a term (other than an exponent's) is no monomial either:
        // aba(1－ca) times 22a came out as a^(5)bc(22－22).
        for (std::size_t open = operand->find_first_of("([{"); open != std::string::npos;
             open = operand->find_first_of("([{", open + 1))
            if (open == 0 || (*operand)[open - 1] != '^')
                return {};
    }
    StringArray x;
    StringArray y;
    solver.DanXiangShiToShuZu(std::move(a), x);
    solver.DanXiangShiToShuZu(std::move(b), y);
    const std::string cx = x[x.GetSize() - 1];
    const std::string cy = y[y.GetSize() - 1];
    std::string c = divide ? solver.XiangChu(cx, cy) : solver.XiangCheng(cx, cy);
    // A fraction quotient comes back as the multiplication still to do.
    const int times = Find(c, "×");
    if (times > 0)
        c = solver.XiangCheng(Left(c, times), Mid(c, times + 2));
    if (c.empty())
        return {};
    if (c == "0")
        return c;

    double exponents[52] = {};
    std::string others; // factors that are no letter power stay as they are, after the letters
    auto take = [&](const StringArray &pieces, bool subtract) {
        for (int i = pieces.GetSize() - 2; i >= 0; --i) {
            const std::string &factor = pieces[i];
            if (factor.empty())
                continue;
            const std::optional<NumberValue> e = ReadNumber(solver.ZhengShiMi(factor));
            if (!IsLetterByte(factor[0]) || !e) {
                others += factor;
                continue;
            }
            const char letter = factor[0];
            const int slot = letter >= 'a' ? letter - 'a' : 26 + (letter - 'A');
            exponents[slot] += subtract ? -e->AsDouble() : e->AsDouble();
        }
    };
    take(x, false);
    take(y, divide);

    std::string text = c == "1" ? std::string() : c == "－1" ? std::string("－") : c;
    for (int slot = 0; slot < 52; ++slot) {
        if (exponents[slot] == 0)
            continue; // a letter that is not there (its text would be "0")
        const std::string sum = DecimalText(exponents[slot]);
        if (sum.empty() || sum == "0")
            continue;
        text += static_cast<char>(slot < 26 ? 'a' + slot : 'A' + slot - 26);
        if (sum != "1")
            text += "^(" + sum + ")";
    }
    text = solver.QuLing(text + others);
    if (text.empty() || text == "－" || text == "＋")
        text += "1";
    return text;
}

} // namespace qimbel
