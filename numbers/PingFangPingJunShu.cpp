#include "numbers/ExactRoot.h"
#include "numbers/NumberText.h"
#include "solver/Solver.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qimbel {

namespace {

// Σ x² / n as an exact fraction of the numbers' decimals; empty when a number or a sum does not
// fit in 128 bits.
std::optional<numbers::Fraction> MeanOfSquares(const StringArray &numbers)
{
    const int n = numbers.GetSize();
    std::vector<numbers::ExactDecimal> values;
    int places = 0;
    for (int i = 0; i < n; ++i) {
        const std::optional<numbers::ExactDecimal> value = numbers::LeadingDecimal(numbers.GetAt(i));
        if (!value || value->decimals > 19)
            return std::nullopt;
        values.push_back(*value);
        places = std::max(places, value->decimals);
    }
    // Every square is brought to the denominator 10^(2 × places).
    numbers::Wide sum = 0;
    for (const numbers::ExactDecimal &value : values) {
        numbers::Wide square = value.digits;
        const std::optional<numbers::Wide> scale = numbers::PowerOfTen(places - value.decimals);
        if (!scale || !numbers::MultiplyInto(square, value.digits) || !numbers::MultiplyInto(square, *scale)
            || !numbers::MultiplyInto(square, *scale) || !numbers::AddInto(sum, square))
            return std::nullopt;
    }
    std::optional<numbers::Wide> denominator = numbers::PowerOfTen(places);
    if (!denominator || !numbers::MultiplyInto(*denominator, *denominator)
        || !numbers::MultiplyInto(*denominator, static_cast<numbers::Wide>(n)))
        return std::nullopt;
    return numbers::Fraction {sum, *denominator};
}

} // namespace

// The quadratic mean (平方平均数): the square root of the mean of the squares. It is written exactly
// when it is rational (1, 7 gives 5), otherwise with six decimals.
std::string Solver::PingFangPingJunShu(const StringArray &numbers)
{
    const int n = numbers.GetSize();
    if (n == 0)
        return {};
    const std::optional<numbers::Fraction> meanSquare = MeanOfSquares(numbers);
    if (meanSquare) {
        const std::optional<numbers::Fraction> root
            = numbers::RationalRoot(meanSquare->numerator, meanSquare->denominator, 2);
        if (root)
            return numbers::ExactText(*root);
    }
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const double value = numbers::LeadingValue(numbers.GetAt(i));
        sum += value * value;
    }
    return ShuZhiWenBen(std::sqrt(sum / n));
}

} // namespace qimbel
