#include "charts/FunctionForm.h"

#include "solver/GbkText.h"

#include <algorithm>

namespace qimbel {

namespace {

Rational Negated(const Rational &r) { return Rational {-r.numerator, r.denominator}; }

void Trim(Polynomial &p)
{
    while (!p.c.empty() && p.c.back().numerator == 0)
        p.c.pop_back();
}

std::optional<Polynomial> Scaled(const Polynomial &p, const Rational &by)
{
    Polynomial result;
    for (const Rational &c : p.c) {
        const std::optional<Rational> r = RationalProduct(c, by);
        if (!r)
            return std::nullopt;
        result.c.push_back(*r);
    }
    Trim(result);
    return result;
}

// Takes a common power of x out of both sides and makes a constant denominator 1.
std::optional<RationalForm> Normalised(RationalForm form)
{
    if (form.denominator.IsZero())
        return std::nullopt;
    std::size_t lowest = 0;
    while (lowest + 1 < form.denominator.c.size() && form.denominator.c[lowest].numerator == 0
        && (form.numerator.IsZero() || (lowest < form.numerator.c.size() && form.numerator.c[lowest].numerator == 0)))
        ++lowest;
    if (lowest > 0) {
        form.denominator.c.erase(form.denominator.c.begin(), form.denominator.c.begin() + static_cast<long>(lowest));
        if (!form.numerator.IsZero())
            form.numerator.c.erase(form.numerator.c.begin(), form.numerator.c.begin() + static_cast<long>(lowest));
        if (form.denominator.Degree() == 0)
            form.holes = true;
    }
    if (form.denominator.Degree() == 0) {
        const std::optional<Rational> inverse = RationalQuotient(Rational {1, 1}, form.denominator.c[0]);
        if (!inverse)
            return std::nullopt;
        const std::optional<Polynomial> n = Scaled(form.numerator, *inverse);
        if (!n)
            return std::nullopt;
        form.numerator = *n;
        form.denominator = Constant(Rational {1, 1});
    }
    if (form.numerator.Degree() > kHighestFormDegree || form.denominator.Degree() > kHighestFormDegree)
        return std::nullopt;
    return form;
}

std::optional<RationalForm> Combine(const RationalForm &a, const RationalForm &b, FormulaStep::Code code)
{
    RationalForm r;
    r.holes = a.holes || b.holes;
    std::optional<Polynomial> n, d;
    switch (code) {
    case FormulaStep::Code::Add:
    case FormulaStep::Code::Subtract: {
        const std::optional<Polynomial> left = PolynomialProduct(a.numerator, b.denominator);
        const std::optional<Polynomial> right = PolynomialProduct(b.numerator, a.denominator);
        if (!left || !right)
            return std::nullopt;
        n = code == FormulaStep::Code::Add ? PolynomialSum(*left, *right) : PolynomialDifference(*left, *right);
        d = PolynomialProduct(a.denominator, b.denominator);
        break;
    }
    case FormulaStep::Code::Multiply:
        n = PolynomialProduct(a.numerator, b.numerator);
        d = PolynomialProduct(a.denominator, b.denominator);
        break;
    case FormulaStep::Code::Divide:
        if (b.numerator.IsZero())
            return std::nullopt;
        n = PolynomialProduct(a.numerator, b.denominator);
        d = PolynomialProduct(a.denominator, b.numerator);
        break;
    default:
        return std::nullopt;
    }
    if (!n || !d)
        return std::nullopt;
    r.numerator = *n;
    r.denominator = *d;
    // A divisor that depends on x stays in the denominator, unless a power of x cancels out: only
    // then can a point fall away, and Normalised notes it.
    return Normalised(r);
}

bool IsConstant(const RationalForm &f) { return f.numerator.Degree() <= 0 && f.denominator.Degree() == 0; }

} // namespace

Polynomial Constant(const Rational &value)
{
    Polynomial p;
    if (value.numerator != 0)
        p.c.push_back(value);
    return p;
}

std::optional<Polynomial> PolynomialSum(const Polynomial &a, const Polynomial &b)
{
    Polynomial s;
    const std::size_t n = std::max(a.c.size(), b.c.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::optional<Rational> r = RationalSum(a.At(static_cast<int>(i)), b.At(static_cast<int>(i)));
        if (!r)
            return std::nullopt;
        s.c.push_back(*r);
    }
    Trim(s);
    return s;
}

std::optional<Polynomial> PolynomialDifference(const Polynomial &a, const Polynomial &b)
{
    const std::optional<Polynomial> minusB = Scaled(b, Rational {-1, 1});
    if (!minusB)
        return std::nullopt;
    return PolynomialSum(a, *minusB);
}

std::optional<Polynomial> PolynomialProduct(const Polynomial &a, const Polynomial &b)
{
    if (a.IsZero() || b.IsZero())
        return Polynomial {};
    if (a.Degree() + b.Degree() > kHighestFormDegree)
        return std::nullopt;
    Polynomial p;
    p.c.assign(a.c.size() + b.c.size() - 1, Rational {0, 1});
    for (std::size_t i = 0; i < a.c.size(); ++i)
        for (std::size_t j = 0; j < b.c.size(); ++j) {
            const std::optional<Rational> term = RationalProduct(a.c[i], b.c[j]);
            if (!term)
                return std::nullopt;
            const std::optional<Rational> sum = RationalSum(p.c[i + j], *term);
            if (!sum)
                return std::nullopt;
            p.c[i + j] = *sum;
        }
    Trim(p);
    return p;
}

std::optional<Rational> PolynomialValue(const Polynomial &p, const Rational &x)
{
    Rational value {0, 1};
    for (std::size_t i = p.c.size(); i-- > 0;) {
        const std::optional<Rational> times = RationalProduct(value, x);
        if (!times)
            return std::nullopt;
        const std::optional<Rational> plus = RationalSum(*times, p.c[i]);
        if (!plus)
            return std::nullopt;
        value = *plus;
    }
    return value;
}

std::string PolynomialText(const Polynomial &p)
{
    if (p.IsZero())
        return "0";
    std::string text;
    for (int i = p.Degree(); i >= 0; --i) {
        Rational c = p.At(i);
        if (c.numerator == 0)
            continue;
        const bool negative = c.numerator < 0;
        if (negative)
            c.numerator = -c.numerator;
        if (negative)
            text += "－";
        else if (!text.empty())
            text += "＋";
        const std::string number = ExactText(c);
        if (i == 0)
            text += number;
        else if (!(c.numerator == 1 && c.denominator == 1))
            text += number.find('/') != std::string::npos ? "(" + number + ")" : number;
        if (i >= 1)
            text += "x";
        if (i >= 2)
            text += "^" + IntText(i);
    }
    return text;
}

std::optional<RationalForm> RationalFormOf(const FunctionFormula &formula)
{
    if (!formula.Ok())
        return std::nullopt;
    const Polynomial one = Constant(Rational {1, 1});
    std::vector<RationalForm> stack;
    for (const FormulaStep &step : formula.Steps()) {
        switch (step.code) {
        case FormulaStep::Code::Number:
            stack.push_back(RationalForm {Constant(step.number), one, false});
            continue;
        case FormulaStep::Code::X: {
            Polynomial x;
            x.c = {Rational {0, 1}, Rational {1, 1}};
            stack.push_back(RationalForm {x, one, false});
            continue;
        }
        case FormulaStep::Code::Negate: {
            const std::optional<Polynomial> n = Scaled(stack.back().numerator, Rational {-1, 1});
            if (!n)
                return std::nullopt;
            stack.back().numerator = *n;
            continue;
        }
        case FormulaStep::Code::Root:
        case FormulaStep::Code::Absolute: {
            // Only of a number: √4 is 2, |－3| is 3.
            RationalForm &f = stack.back();
            if (!IsConstant(f))
                return std::nullopt;
            Rational value = f.numerator.At(0);
            if (step.code == FormulaStep::Code::Absolute) {
                if (value.numerator < 0)
                    value = Negated(value);
            } else {
                const std::optional<Rational> root = ExactSquareRoot(value);
                if (!root)
                    return std::nullopt;
                value = *root;
            }
            f.numerator = Constant(value);
            continue;
        }
        default:
            break;
        }
        const RationalForm b = stack.back();
        stack.pop_back();
        RationalForm a = stack.back();
        std::optional<RationalForm> result;
        if (step.code == FormulaStep::Code::Power) {
            if (!IsConstant(b))
                return std::nullopt;
            const Rational e = b.numerator.At(0);
            if (e.denominator != 1 || e.numerator > kHighestFormDegree || e.numerator < -kHighestFormDegree)
                return std::nullopt;
            result = RationalForm {one, one, a.holes};
            const int n = static_cast<int>(e.numerator < 0 ? -e.numerator : e.numerator);
            for (int k = 0; k < n && result; ++k)
                result = Combine(*result, a, FormulaStep::Code::Multiply);
            if (result && e.numerator < 0)
                result = Combine(RationalForm {one, one, false}, *result, FormulaStep::Code::Divide);
        } else {
            result = Combine(a, b, step.code);
        }
        if (!result)
            return std::nullopt;
        stack.back() = *result;
    }
    if (stack.size() != 1)
        return std::nullopt;
    return stack[0];
}

} // namespace qimbel
