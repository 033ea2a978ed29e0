#include "numbers/EntryValue.h"
#include "numbers/ExactRoot.h"
#include "numbers/NumberText.h"
#include "solver/Solver.h"

#include <cmath>

namespace qimbel {

// The geometric mean (几何平均数): the n-th root of the product of the n numbers. It is written
// exactly when it is rational (1, 4, 16 gives 4; 1.5, 6 gives 3; 1/2, 2 gives 1), otherwise with
// six decimals. A 0 among the numbers gives 0; negative numbers have no geometric mean, and the
// answer says so.
std::string Solver::JiHePingJunShu(const StringArray &numbers)
{
    const int n = numbers.GetSize();
    if (n == 0)
        return {};
    std::optional<Rational> product = Rational {1, 1};
    long double logSum = 0;
    for (int i = 0; i < n; ++i) {
        const std::string &text = numbers.GetAt(i);
        const std::optional<Rational> value = numbers::EntryValue(text);
        const double approximate = numbers::EntryDouble(text);
        if (value ? value->numerator < 0 : approximate < 0)
            return "不存在（数据中有负数）";
        if (value ? value->numerator == 0 : approximate == 0)
            return "0";
        logSum += std::log(static_cast<long double>(approximate));
        product = product && value ? RationalProduct(*product, *value) : std::nullopt;
    }
    if (product) {
        const std::optional<numbers::Fraction> root
            = numbers::RationalRoot(static_cast<numbers::Wide>(product->numerator),
                static_cast<numbers::Wide>(product->denominator), static_cast<unsigned>(n));
        if (root)
            return numbers::ExactText(*root);
    }
    return ShuZhiWenBen(static_cast<double>(std::exp(logSum / n)));
}

} // namespace qimbel
