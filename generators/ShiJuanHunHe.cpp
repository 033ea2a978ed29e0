// 四则混合运算 problems, built backwards from their value: each operation splits the value it must
// give into two operands that give it. So every intermediate value is positive, every division
// is exact and every number stays in the grade's range without any drawing again.
#include "generators/ShiJuanChuTi.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace qimbel::shijuan {

namespace {

enum Op { kNone, kPlus, kMinus, kTimes, kDivide };

struct Rules {
    int ops = 2; // operations per problem
    bool multiply = true; // × and ÷ allowed
    bool table = false; // × and ÷ within the multiplication table: factors and quotients up to 9
    long long maxValue = 100 * kDanWei; // no number or intermediate value above it
    long long maxFactor = 9; // whole factors and divisors from 2 up to it
    long long grain = kDanWei; // every number is a multiple of it: 100 whole numbers, 10 tenths
    bool decimalFactors = false; // 0.5, 1.5 … as factors and divisors too
};

Rules RulesOf(int grade, bool decimals)
{
    Rules rules;
    switch (grade) {
    case 1:
        rules.multiply = false;
        rules.maxValue = 20 * kDanWei;
        break;
    case 2:
        rules.table = true;
        break;
    case 3:
        rules.maxValue = 1000 * kDanWei;
        break;
    case 4:
        rules.ops = 3;
        rules.maxValue = 1000 * kDanWei;
        rules.maxFactor = 25;
        break;
    default:
        rules.ops = 3;
        rules.maxValue = (grade == 5 ? 1000 : 2000) * kDanWei;
        rules.maxFactor = 25;
        break;
    }
    if (decimals && grade >= 3) {
        rules.grain = 10;
        rules.decimalFactors = grade >= 5;
        if (grade == 3)
            rules.multiply = rules.ops > 2; // 三年级 adds and subtracts decimals only
        // Decimals are worked by hand digit by digit: smaller numbers keep the work fair.
        rules.maxValue = std::min(rules.maxValue, (grade >= 6 ? 500 : 200) * kDanWei);
        rules.maxFactor = std::min(rules.maxFactor, 12LL);
    }
    return rules;
}

struct Node {
    std::string text;
    Op op = kNone;
};

int Precedence(Op op) { return op == kPlus || op == kMinus ? 1 : 2; }

// Whether a part needs brackets under its operator, so that the problem is worked in the order it
// was built (and no intermediate value leaves the range): a part of lower precedence always, a
// part of the same precedence on the right as well.
bool NeedsBrackets(Op parent, Op child, bool right)
{
    if (child == kNone || (parent == kPlus && child == kPlus)) // partial sums never pass the sum
        return false;
    return Precedence(child) < Precedence(parent) || (right && Precedence(child) == Precedence(parent));
}

// Brackets round a part: round ones first, square ones round those, braces round square ones.
std::string Bracketed(const std::string &text)
{
    if (text.find('[') != std::string::npos)
        return "{" + text + "}";
    if (text.find('(') != std::string::npos)
        return "[" + text + "]";
    return "(" + text + ")";
}

class Builder {
public:
    Builder(SeededRandom &random, const Rules &rules)
        : random_(random)
        , rules_(rules)
    {
    }

    Node Build(long long value, int ops)
    {
        if (ops <= 0)
            return {ShuZiWenBen(value), kNone};
        std::vector<Op> choices;
        if (value >= 2 * rules_.grain)
            choices.push_back(kPlus);
        if (rules_.maxValue - value >= rules_.grain)
            choices.push_back(kMinus);
        const std::vector<long long> factors = rules_.multiply ? Factors(value) : std::vector<long long> {};
        const std::vector<long long> divisors = rules_.multiply ? Divisors(value) : std::vector<long long> {};
        if (!factors.empty()) {
            choices.push_back(kTimes);
            choices.push_back(kTimes);
        }
        if (!divisors.empty()) {
            choices.push_back(kDivide);
            choices.push_back(kDivide);
        }
        if (choices.empty())
            return {ShuZiWenBen(value), kNone};
        const Op op = choices[static_cast<std::size_t>(random_.Between(0, static_cast<long long>(choices.size()) - 1))];
        const int leftOps = static_cast<int>(random_.Between(0, ops - 1));
        const int rightOps = ops - 1 - leftOps;

        long long left = 0;
        long long right = 0;
        const char *sign = "";
        switch (op) {
        case kPlus:
            left = rules_.grain * random_.Between(1, value / rules_.grain - 1);
            right = value - left;
            sign = "＋";
            break;
        case kMinus:
            right = rules_.grain * random_.Between(1, std::min(value, rules_.maxValue - value) / rules_.grain);
            left = value + right;
            sign = "－";
            break;
        case kTimes: {
            const long long factor = Pick(factors);
            const long long other = value * kDanWei / factor;
            const bool factorFirst = random_.Chance(1, 2);
            left = factorFirst ? factor : other;
            right = factorFirst ? other : factor;
            sign = "×";
            break;
        }
        default: {
            right = Pick(divisors);
            left = value * right / kDanWei;
            sign = "÷";
            break;
        }
        }
        Node a = Build(left, leftOps);
        Node b = Build(right, rightOps);
        // 5＋(7－3) reads better as 7－3＋5, and 4×(6÷2) as 6÷2×4: same order of work.
        const bool commutes = op == kPlus || op == kTimes;
        if (commutes && a.op == kNone && b.op != kNone && Precedence(b.op) == Precedence(op))
            std::swap(a, b);
        if (NeedsBrackets(op, a.op, false))
            a.text = Bracketed(a.text);
        if (NeedsBrackets(op, b.op, true))
            b.text = Bracketed(b.text);
        return {a.text + sign + b.text, op};
    }

private:
    // The factors f of `value` that leave a cofactor value÷f on the grain and in range.
    std::vector<long long> Factors(long long value) const
    {
        std::vector<long long> found;
        for (const long long f : Candidates()) {
            if ((value * kDanWei) % f != 0)
                continue;
            const long long other = value * kDanWei / f;
            if (other % rules_.grain != 0 || other > rules_.maxValue || other < 2 * kDanWei)
                continue;
            if (rules_.table && other > 9 * kDanWei)
                continue;
            found.push_back(f);
        }
        return found;
    }

    // The divisors d for which value×d is on the grain and in range.
    std::vector<long long> Divisors(long long value) const
    {
        std::vector<long long> found;
        if (rules_.table && value > 9 * kDanWei)
            return found;
        for (const long long d : Candidates()) {
            if ((value * d) % kDanWei != 0)
                continue;
            const long long dividend = value * d / kDanWei;
            if (dividend % rules_.grain == 0 && dividend <= rules_.maxValue)
                found.push_back(d);
        }
        return found;
    }

    std::vector<long long> Candidates() const
    {
        std::vector<long long> list;
        for (long long f = 2; f <= rules_.maxFactor; ++f)
            list.push_back(f * kDanWei);
        if (rules_.decimalFactors)
            for (const long long f : {20, 40, 50, 80, 120, 150, 250})
                list.push_back(f);
        return list;
    }

    long long Pick(const std::vector<long long> &list)
    {
        return list[static_cast<std::size_t>(random_.Between(0, static_cast<long long>(list.size()) - 1))];
    }

    SeededRandom &random_;
    const Rules &rules_;
};

} // namespace

ShiJuanTi HunHeTi(SeededRandom &random, int grade, bool decimals)
{
    const Rules rules = RulesOf(grade, decimals);
    // The value: a round number for the lower grades, a number on the grain later.
    const long long top = std::min(rules.maxValue, (grade <= 2 ? 20 : 200) * kDanWei);
    const long long value = rules.grain * random.Between(2, top / rules.grain);
    Builder builder(random, rules);
    const Node node = builder.Build(value, rules.ops);
    ShiJuanTi problem;
    problem.kind = TiXing::HunHe;
    problem.text = node.text + "＝";
    problem.answer = ShuZiWenBen(value);
    return problem;
}

} // namespace qimbel::shijuan
