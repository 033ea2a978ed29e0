#include "algebra/FactorSearch.h"
#include "algebra/YinShiFenJie.h"
#include "solver/WholeNumbers.h"

namespace qimbel {

namespace {

// v/2 as a pupil writes it: 3, 5/2, －5/2.
std::string Half(long long v)
{
    if (v % 2 == 0)
        return CoefficientText(v / 2);
    return CoefficientText(v) + "/2";
}

// The square of |v|/2: 3^2, (5/2)^2.
std::string HalfSquared(long long v)
{
    const long long size = v < 0 ? -v : v;
    return size % 2 == 0 ? Half(size) + "^2" : "(" + Half(size) + ")^2";
}

// "x＋3", "x－5/2": the letter plus v/2.
std::string PlusHalf(const std::string &x, long long v)
{
    if (v == 0)
        return x;
    return x + (v < 0 ? "－" : "＋") + Half(v < 0 ? -v : v);
}

} // namespace

// 配方法 on x^2＋Bx＋C in one letter: half the middle coefficient, squared, is added and taken
// away; the first three terms make a perfect square, and what is left is a difference of two
// squares, split by a^2－b^2＝(a＋b)(a－b).
//   x^2－5x＋6 ＝ x^2－5x＋(5/2)^2－(5/2)^2＋6 ＝ (x－5/2)^2－(1/2)^2
//              ＝ (x－5/2＋1/2)(x－5/2－1/2) ＝ (x－2)(x－3)
bool PeiFangFenJie(Factored &f, FenJieBuZhou &steps)
{
    for (std::size_t i = 0; i < f.factors.size(); ++i) {
        if (f.factors[i].power != 1)
            continue;
        const std::optional<QuadraticForm> q = QuadraticOf(f.factors[i].poly);
        if (!q || q->power != 1 || q->a != 1 || TotalDegree(q->m) != 0 || q->b == 0)
            continue;
        const long long b = q->b;
        const long long c = q->c;
        if (b > 2000000000LL || b < -2000000000LL || c > 1000000000000000LL || c < -1000000000000000LL)
            continue;
        const long long d = b * b - 4 * c; // (2k)^2 where k^2 is what is left after the square
        if (d < 0)
            continue;
        const long long s = SquareRootFloor(d);
        if (s * s != d)
            continue;
        const std::string x(1, LetterOf(q->letter));
        Exponents ex {};
        ex[static_cast<std::size_t>(q->letter)] = 1;
        const std::string square = HalfSquared(b);
        steps.push_back({FactoredText(f, static_cast<int>(i),
                             x + "^2" + MonomialText(b, ex, true) + "＋" + square + "－" + square
                                 + CoefficientText(c).insert(0, c > 0 ? "＋" : "")),
            "配方法：加上并减去一次项系数一半的平方 " + square});
        const std::string base = PlusHalf(x, b);
        const QuadraticForm form = *q;
        // The roots of the bracket: x＋(b＋s)/2 and x＋(b－s)/2, whole numbers since b and s have
        // the same parity.
        const CrossSplit split {1, 1, (b + s) / 2, (b - s) / 2};
        if (s == 0) {
            SplitQuadratic(f, i, form, split);
            steps.push_back({FactoredText(f), "配方法：a^2＋2ab＋b^2＝(a＋b)^2，配成完全平方"});
            return true;
        }
        const std::string k = HalfSquared(s);
        steps.push_back(
            {FactoredText(f, static_cast<int>(i), "(" + base + ")^2－" + k), "配方法：前三项配成完全平方，常数项合并"});
        steps.push_back(
            {FactoredText(f, static_cast<int>(i), "(" + base + "＋" + Half(s) + ")(" + base + "－" + Half(s) + ")"),
                "配方法：应用平方差公式 a^2－b^2＝(a＋b)(a－b)"});
        SplitQuadratic(f, i, form, split);
        steps.push_back({FactoredText(f), "配方法：化简各因式"});
        return true;
    }
    return false;
}

} // namespace qimbel
