#include "generators/KouSuanGenerator.h"

#include "solver/SeededRandom.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace qimbel::kousuan {

namespace {

// The largest single-digit factor and divisor of the number-range problems (口算 stays with the
// tables on one side).
constexpr long long kDigit = 9;

// How often a problem is drawn at most before a repeat is let stand.
constexpr int kDraws = 40;

Problem Addition(SeededRandom &random, long long range)
{
    Problem p;
    p.op = Op::Add;
    p.a = random.Between(1, range - 1);
    p.b = random.Between(1, range - p.a);
    p.result = p.a + p.b;
    return p;
}

Problem Subtraction(SeededRandom &random, long long range, bool negative)
{
    Problem p;
    p.op = Op::Sub;
    if (negative) {
        p.a = random.Between(1, range);
        p.b = random.Between(1, range);
    } else {
        p.a = random.Between(2, range);
        p.b = random.Between(1, p.a);
    }
    p.result = p.a - p.b;
    return p;
}

// Two factors: one from the table (or a digit), the other from the rest of the range; in either order.
void Factors(SeededRandom &random, long long range, int table, long long &first, long long &second)
{
    long long small = 0;
    long long other = 0;
    if (table > 0) {
        small = random.Between(1, table);
        other = random.Between(1, kDigit);
    } else {
        small = random.Between(2, kDigit);
        other = random.Between(1, range / small);
    }
    if (random.Chance(1, 2))
        std::swap(small, other);
    first = small;
    second = other;
}

Problem Multiplication(SeededRandom &random, long long range, int table)
{
    Problem p;
    p.op = Op::Mul;
    Factors(random, range, table, p.a, p.b);
    p.result = p.a * p.b;
    return p;
}

Problem Division(SeededRandom &random, long long range, int table, bool remainder)
{
    Problem p;
    p.op = Op::Div;
    long long divisor = 0;
    long long quotient = 0;
    long long rest = 0;
    if (table > 0) {
        Factors(random, range, table, divisor, quotient);
        if (remainder)
            rest = random.Between(0, divisor - 1);
    } else {
        divisor = random.Between(2, kDigit);
        if (remainder)
            rest = random.Between(0, std::min(divisor - 1, range - divisor));
        quotient = random.Between(1, (range - rest) / divisor);
    }
    p.a = divisor * quotient + rest;
    p.b = divisor;
    p.result = quotient;
    p.remainder = rest;
    return p;
}

} // namespace

int RangeOf(const Options &options)
{
    if (options.range <= 15)
        return 10;
    if (options.range <= 60)
        return 20;
    if (options.range <= 550)
        return 100;
    return 1000;
}

int TableOf(const Options &options) { return std::clamp(options.table, 0, 9); }

int CountOf(const Options &options) { return std::clamp(options.count, 10, 200); }

std::vector<Problem> Generate(const Options &options)
{
    std::vector<Op> ops;
    if (options.add)
        ops.push_back(Op::Add);
    if (options.sub)
        ops.push_back(Op::Sub);
    if (options.mul)
        ops.push_back(Op::Mul);
    if (options.div)
        ops.push_back(Op::Div);
    if (ops.empty())
        ops.push_back(Op::Add);

    const long long range = RangeOf(options);
    const int table = TableOf(options);
    SeededRandom random(options.seed);
    std::vector<Problem> sheet;
    const int count = CountOf(options);
    sheet.reserve(static_cast<std::size_t>(count));
    // The problems of one sheet are distinct: a problem already on it is drawn again, a bounded
    // number of times (a small range with many problems has fewer distinct ones than places).
    std::set<std::tuple<Op, long long, long long>> drawn;
    for (int i = 0; i < count; ++i) {
        Problem p;
        for (int attempt = 0; attempt < kDraws; ++attempt) {
            const Op op = ops[static_cast<std::size_t>(random.Between(0, static_cast<long long>(ops.size()) - 1))];
            switch (op) {
            case Op::Add:
                p = Addition(random, range);
                break;
            case Op::Sub:
                p = Subtraction(random, range, options.negative);
                break;
            case Op::Mul:
                p = Multiplication(random, range, table);
                break;
            case Op::Div:
                p = Division(random, range, table, options.remainder);
                break;
            }
            if (drawn.insert({p.op, p.a, p.b}).second)
                break;
        }
        switch (options.blank) {
        case BlankChoice::Result:
            p.blank = Blank::Result;
            break;
        case BlankChoice::Operand:
            p.blank = Blank::Operand;
            break;
        case BlankChoice::Mixed:
            p.blank = random.Chance(1, 2) ? Blank::Operand : Blank::Result;
            break;
        }
        sheet.push_back(p);
    }
    return sheet;
}

} // namespace qimbel::kousuan
