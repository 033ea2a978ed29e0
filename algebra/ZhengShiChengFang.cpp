#include "algebra/ArithmeticText.h"

#include <cmath>

namespace qimbel {

// A power worked out: the base multiplied by itself (exponent − 1) times with XiangCheng, term
// by term for a bracketed polynomial, like terms combined after every round. An exponent of 0
// gives 1. A numeric base takes a negative exponent as 1 divided by the power, and a fractional or
// decimal exponent as a number text (empty for a negative base, which has no real value). A
// power that cannot be worked (letters with an exponent that is not a whole number, a result too
// long for a worked line) is given back unchanged as base^exponent.
std::string Solver::ZhengShiChengFang(std::string base, std::string exponent)
{
    const std::string unchanged = base + "^" + exponent;
    const std::optional<NumberValue> e = ReadNumber(exponent);
    if (!e || (e->kind == NumberValue::Kind::Fraction && e->denominator == 0))
        return unchanged;
    const bool whole = e->kind == NumberValue::Kind::Whole
        || (e->kind == NumberValue::Kind::Fraction && e->numerator % e->denominator == 0);
    const Whole n = whole ? e->numerator / e->denominator : 0;

    if (!HasLetters(base)) {
        const std::optional<NumberValue> b = ReadNumber(base);
        if (!b)
            return unchanged;
        if (!whole) {
            if (b->AsDouble() < 0)
                return {};
            return DecimalText(std::pow(b->AsDouble(), e->AsDouble()));
        }
        if (n == 0)
            return "1";
        const Whole size = n < 0 ? -n : n;
        std::string power;
        if (size <= 128) {
            power = WithoutOuterBrackets(base);
            for (Whole i = 1; i < size && !power.empty(); ++i)
                power = XiangCheng(power, base);
        } else {
            power = DecimalText(std::pow(b->AsDouble(), static_cast<double>(size)));
        }
        if (power.empty() || n > 0)
            return power;
        std::string inverse = XiangChu("1", power);
        const int times = Find(inverse, "×");
        if (times > 0)
            inverse = XiangCheng(Left(inverse, times), Mid(inverse, times + 2));
        return inverse;
    }

    if (!whole || n < 0 || n > 64)
        return unchanged;
    if (n == 0)
        return "1";
    std::string power = HeBingTongLeiXiang(WithoutOuterBrackets(base));
    for (Whole i = 1; i < n && !power.empty(); ++i) {
        const std::string product = XiangCheng(power, base);
        if (product.empty() || Len(product) > kLongestExpression / 2)
            return unchanged;
        power = HeBingTongLeiXiang(product);
    }
    return power.empty() ? std::string("0") : power;
}

} // namespace qimbel
