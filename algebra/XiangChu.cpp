#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

namespace qimbel {

// The quotient of two operands as text. An operand wrapped in brackets loses them. With letters,
// every term of the dividend is divided by the divisor (DanXiangShiChu); a divisor of several
// terms cannot be divided term by term, so nothing is formed. Decimals give a number text. With a
// fraction the divisor is turned over and the result is the multiplication still to be done:
// 1/2÷3/4 gives 1/2×4/3. Whole numbers give their exact quotient, or a number text (7÷2 gives
// 3.5). A divisor of 0 forms nothing: the result is empty.
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
        return DecimalText(x->AsDouble() / y->AsDouble());
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
    return DecimalText(x->AsDouble() / y->AsDouble());
}

} // namespace qimbel
