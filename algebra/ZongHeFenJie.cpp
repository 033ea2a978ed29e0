#include "algebra/YinShiFenJie.h"

#include <algorithm>

namespace qimbel {

// 综合处理: round after round, the first method that splits a factor, in the order a teacher
// tries them: the common factor, the formulas, cross multiplication, grouping, for a factor of
// degree three or more in one letter a trial root, for one of degree four or more a factor of
// degree two; then, for a factor in several letters, grouping by the powers of one letter, and
// cross multiplication and trial roots with one letter as the unknown. A factor in three letters or
// more, each of power one, is grouped by the powers of one letter after another. The rounds end when
// nothing splits: every factor left is then irreducible over the integers (for factors of
// degree up to five in one letter, and quadratic or with a factor of degree one in some letter
// in several).
namespace {

// True when some factor is one the later searches may split: of degree four or more, or in
// several letters with a letter of degree two or more. Factors of degree one never split, and
// the check is far cheaper than the searches' own.
bool BeyondTheFirstMethods(const Factored &f)
{
    for (const PolyFactor &factor : f.factors) {
        int letters = 0;
        int degree = 0;
        Exponents seen {};
        for (const PolyTerm &t : factor.poly.terms)
            for (std::size_t k = 0; k < t.exponents.size(); ++k)
                if (t.exponents[k] > 0) {
                    letters += seen[k] == 0;
                    seen[k] = 1;
                    degree = std::max(degree, static_cast<int>(t.exponents[k]));
                }
        if (degree >= 4 || (letters >= 2 && degree >= 2))
            return true;
    }
    return false;
}

// True when some factor holds three letters or more in four terms or more: grouping by one letter
// after another (ace＋acf＋…＋bdf) may split it though no letter has a power above one.
bool ManyLetters(const Factored &f)
{
    for (const PolyFactor &factor : f.factors) {
        Exponents seen {};
        int letters = 0;
        for (const PolyTerm &t : factor.poly.terms)
            for (std::size_t k = 0; k < t.exponents.size(); ++k)
                if (t.exponents[k] > 0 && seen[k] == 0) {
                    seen[k] = 1;
                    ++letters;
                }
        if (letters >= 3 && factor.poly.terms.size() >= 4)
            return true;
    }
    return false;
}

} // namespace

bool ZongHeFenJie(Factored &f, FenJieBuZhou &steps, int tried)
{
    bool split = false;
    for (int round = 0; round < 64; ++round) {
        // The method already tried on these very factors is not searched again at once.
        const auto may = [&](int method) { return round > 0 || method != tried; };
        if ((may(kTiGongYinFa) && TiGongYinShi(f, steps)) || (may(kYingYongGongShiFa) && GongShiFenJie(f, steps))
            || (may(kShiZiXiangChengFa) && ShiZiXiangCheng(f, steps)) || (may(kFenZuFenJieFa) && FenZuFenJie(f, steps))
            || (may(kQiuGenFa) && QiuGenFenJie(f, steps, 3))
            || (may(kFenZuFenJieFa) && ManyLetters(f) && !BeyondTheFirstMethods(f) && AnZiMuFenZu(f, steps))
            || (BeyondTheFirstMethods(f)
                && ((may(kDaiDingXiShuFa) && ErCiYinShiFenJie(f, steps))
                    || (may(kFenZuFenJieFa) && AnZiMuFenZu(f, steps))
                    || (may(kShiZiXiangChengFa) && ZhuYuanShiZiXiangCheng(f, steps))
                    || (may(kQiuGenFa) && ZhuYuanQiuGen(f, steps)))))
            split = true;
        else
            break;
    }
    return split;
}

} // namespace qimbel
