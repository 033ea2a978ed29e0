#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

namespace qimbel {

namespace {

// The exact quotient as a number text: 3.5, or 1/3 where six places would not end it.
std::string QuotientText(const NumberValue &x, const NumberValue &y)
{
    const std::optional<Rational> a = ExactValue(x);
    const std::optional<Rational> b = ExactValue(y);
    if (a && b)
        if (const std::optional<Rational> q = RationalQuotient(*a, *b))
            return ExactText(*q);
    return DecimalText(x.AsDouble() / y.AsDouble());
}

} // namespace

// The quotient of two operands as text. An operand wrapped in brackets loses them. With letters,
// every term of the dividend is divided by the divisor (DanXiangShiChu); a divisor of several
// terms cannot be divided term by term, so nothing is formed. Decimals give the exact quotient in
// the same way. With a
// fraction the divisor is turned over and the result is the multiplication still to be done:
// 1/2÷3/4 gives 1/2×4/3. Whole numbers give their exact quotient: a whole number, a decimal of at
// most six places (7÷2 gives 3.5) or a reduced fraction (1÷3 gives 1/3). A divisor of 0 forms
// nothing: the result is empty.
std::string Solver::XiangChu(std::string a, std::string b)
{
    a = WithoutOuterBrackets(Trim(a));
    b = WithoutOuterBrackets(Trim(b));
    if (HasLetters(a) || HasLetters(b)) {
        StringArray dividend;
        StringArray divisor;
        DuoXiangShiToShuZu(a, dividend);
        DuoXiangShiToShuZu(b, divisor);
        if (divisor.GetSize() != 1)
            return {};
        std::string quotient;
        for (int i = dividend.GetSize() - 1; i >= 0; --i) {
            const std::string term = DanXiangShiChu(dividend[i], divisor[0]);
            if (term.empty())
                return {};
            if (!quotient.empty() && !StartsWithSign(term))
                quotient += "＋";
            quotient += term;
        }
        return FullWidthSigns(quotient);
    }
    const std::optional<NumberValue> x = ReadNumber(a);
    const std::optional<NumberValue> y = ReadNumber(b);
    if (!x || !y)
        return {};
    using Kind = NumberValue::Kind;
    if (x->kind == Kind::Decimal || y->kind == Kind::Decimal) {
        if (y->AsDouble() == 0 || x->denominator == 0 || y->denominator == 0)
            return {};
        return QuotientText(*x, *y);
    }
    if (y->numerator == 0 || x->denominator == 0 || y->denominator == 0)
        return {};
    if (x->kind == Kind::Fraction || y->kind == Kind::Fraction) {
        // The divisor turned over, its sign in front of the new fraction.
        Whole top = y->denominator;
        Whole bottom = y->numerator;
        if (bottom < 0) {
            top = -top;
            bottom = -bottom;
        }
        std::string dividend = a;
        if (x->kind == Kind::Whole)
            dividend = WholeText(x->numerator);
        return FullWidthSigns(dividend) + "×" + WholeText(top) + "/" + WholeText(bottom);
    }
    if (x->numerator % y->numerator == 0)
        return WholeText(x->numerator / y->numerator);
    return QuotientText(*x, *y);
}

} // namespace qimbel
