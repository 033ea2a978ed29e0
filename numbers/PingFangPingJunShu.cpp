#include "numbers/EntryValue.h"
#include "numbers/ExactRoot.h"
#include "numbers/NumberText.h"
#include "solver/Solver.h"

#include <cmath>

namespace qimbel {

namespace {

// Σ x² / n exactly; empty when a number has no exact value or a sum does not fit in 128 bits.
std::optional<Rational> MeanOfSquares(const StringArray &numbers)
{
    std::optional<Rational> sum = Rational {0, 1};
    for (int i = 0; i < numbers.GetSize() && sum; ++i) {
        const std::optional<Rational> value = numbers::EntryValue(numbers.GetAt(i));
        const std::optional<Rational> square = value ? RationalProduct(*value, *value) : std::nullopt;
        sum = square ? RationalSum(*sum, *square) : std::nullopt;
    }
    return sum ? RationalQuotient(*sum, Rational {numbers.GetSize(), 1}) : std::nullopt;
}

} // namespace

// The quadratic mean (平方平均数): the square root of the mean of the squares. It is written exactly
// when it is rational (1, 7 gives 5), otherwise with six decimals.
std::string Solver::PingFangPingJunShu(const StringArray &numbers)
{
    const int n = numbers.GetSize();
    if (n == 0)
        return {};
    const std::optional<Rational> meanSquare = MeanOfSquares(numbers);
    if (meanSquare) {
        const std::optional<numbers::Fraction> root = numbers::RationalRoot(
            static_cast<numbers::Wide>(meanSquare->numerator), static_cast<numbers::Wide>(meanSquare->denominator), 2);
        if (root)
            return numbers::ExactText(*root);
    }
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double value = numbers::EntryDouble(numbers.GetAt(i));
        sum += value * value;
    }
    return ShuZhiWenBen(std::sqrt(sum / n));
}

} // namespace qimbel
