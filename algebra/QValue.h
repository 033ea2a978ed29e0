// An exact rational that carries whether every step so far fitted in 128 bits, so a chain of
// operations reads as arithmetic and is checked once at its end.
#pragma once

#include "algebra/ExactNumber.h"

#include <optional>

namespace qimbel {

struct QValue {
    Rational v;
    bool ok = true;
};

inline QValue MakeQ(Whole numerator, Whole denominator = 1)
{
    const std::optional<Rational> r = MakeRational(numerator, denominator);
    return r ? QValue {*r, true} : QValue {{}, false};
}
inline QValue FromOptional(const std::optional<Rational> &r) { return r ? QValue {*r, true} : QValue {{}, false}; }
inline QValue operator+(const QValue &a, const QValue &b)
{
    return a.ok && b.ok ? FromOptional(RationalSum(a.v, b.v)) : QValue {{}, false};
}
inline QValue operator-(const QValue &a) { return QValue {{-a.v.numerator, a.v.denominator}, a.ok}; }
inline QValue operator-(const QValue &a, const QValue &b) { return a + -b; }
inline QValue operator*(const QValue &a, const QValue &b)
{
    return a.ok && b.ok ? FromOptional(RationalProduct(a.v, b.v)) : QValue {{}, false};
}
inline QValue operator/(const QValue &a, const QValue &b)
{
    return a.ok && b.ok ? FromOptional(RationalQuotient(a.v, b.v)) : QValue {{}, false};
}
inline bool Same(const QValue &a, const QValue &b)
{
    return a.ok && b.ok && a.v.numerator == b.v.numerator && a.v.denominator == b.v.denominator;
}
inline bool IsZero(const QValue &a) { return a.ok && a.v.numerator == 0; }
inline bool Negative(const QValue &a) { return a.v.numerator < 0; }
inline bool IsWhole(const QValue &a) { return a.ok && a.v.denominator == 1; }

} // namespace qimbel
