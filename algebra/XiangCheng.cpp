#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

namespace qimbel {

namespace {

// n/d in lowest terms. Positive parts that the fraction helpers can hold go through them (the
// reducibility test, then the reduction, of which only the reduced text is kept); a negative
// fraction is reduced by its size and keeps its sign.
std::string ReducedProduct(Solver &solver, Whole numerator, Whole denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    if (numerator == 0)
        return "0";
    const bool negative = numerator < 0;
    const Whole size = negative ? -numerator : numerator;
    if (size <= 2147483647 && denominator <= 2147483647) {
        const std::string plain = WholeText(size) + "/" + WholeText(denominator);
        std::string reduced = plain;
        if (solver.KeYueFen(plain)) {
            const std::string step = solver.YueFen(plain);
            const int bar = Find(step, "┃");
            if (bar > 0)
                reduced = Left(step, bar);
        }
        // A denominator of 1 is no fraction any more: 12/1 is written 12.
        if (Len(reduced) > 2 && Right(reduced, 2) == "/1")
            reduced = Left(reduced, Len(reduced) - 2);
        return negative ? "－" + reduced : reduced;
    }
    Whole g = size, h = denominator;
    while (h != 0) {
        const Whole t = g % h;
        g = h;
        h = t;
    }
    return FractionText(numerator / g, denominator / g);
}

} // namespace

// The product of two operands as text. An operand wrapped in brackets loses them. With letters,
// every term of the first is multiplied by every term of the second (DanXiangShiCheng), in text
// order, without combining like terms (more than kMostProductTerms products form nothing). With a
// decimal the exact product is written as a number text of at most six places, else as a reduced
// fraction (0.5×1/3 gives 1/6); fractions multiply numerators and denominators and are reduced;
// whole numbers are multiplied exactly. Empty when an operand is no number (or a fraction has the
// denominator 0).
std::string Solver::XiangCheng(std::string a, std::string b)
{
    a = WithoutOuterBrackets(Trim(a));
    b = WithoutOuterBrackets(Trim(b));
    if (HasLetters(a) || HasLetters(b)) {
        StringArray first;
        StringArray second;
        DuoXiangShiToShuZu(a, first);
        DuoXiangShiToShuZu(b, second);
        // A product too large for any worked line is not formed.
        if (first.GetSize() * second.GetSize() > kMostProductTerms)
            return {};
        std::string product;
        for (int i = first.GetSize() - 1; i >= 0; --i)
            for (int j = second.GetSize() - 1; j >= 0; --j) {
                const std::string term = DanXiangShiCheng(first[i], second[j]);
                if (term.empty())
                    return {};
                if (!product.empty() && !StartsWithSign(term))
                    product += "＋";
                product += term;
            }
        return FullWidthSigns(product);
    }
    const std::optional<NumberValue> x = ReadNumber(a);
    const std::optional<NumberValue> y = ReadNumber(b);
    if (!x || !y)
        return {};
    using Kind = NumberValue::Kind;
    if (x->kind == Kind::Decimal || y->kind == Kind::Decimal) {
        const std::optional<Rational> a = ExactValue(*x);
        const std::optional<Rational> b = ExactValue(*y);
        if (a && b)
            if (const std::optional<Rational> product = RationalProduct(*a, *b))
                return ExactText(*product);
        return DecimalText(x->AsDouble() * y->AsDouble());
    }
    if (x->denominator == 0 || y->denominator == 0)
        return {};
    if (x->kind == Kind::Fraction || y->kind == Kind::Fraction) {
        Whole n = 0;
        Whole d = 0;
        if (!MultiplyOverflows(x->numerator, y->numerator, n) && !MultiplyOverflows(x->denominator, y->denominator, d))
            return ReducedProduct(*this, n, d);
        return DecimalText(x->AsDouble() * y->AsDouble());
    }
    Whole n = 0;
    if (!MultiplyOverflows(x->numerator, y->numerator, n))
        return WholeText(n);
    return DecimalText(x->AsDouble() * y->AsDouble());
}

} // namespace qimbel
