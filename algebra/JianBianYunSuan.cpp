// 简便运算: the textbook laws that make a calculation simpler, each named in its step.
//
// The line is read as numbers (whole, decimal, a/b) and signs. The patterns, tried in this order:
//   - a chain of ＋ and －: numbers that make a whole ten, hundred … (or a whole number, for
//     decimals and fractions) are put together: 加法交换律 and 结合律, 减法的性质 a－b－c＝a－(b＋c);
//   - a chain of × and ÷: 乘法交换律 and 结合律 (25×17×4), 除法的性质 a÷b÷c＝a÷(b×c);
//   - a product of two numbers: 拆数, near a whole hundred (99×37＝(100－1)×37, then 乘法分配律)
//     or into factors (25×44＝25×4×11);
//   - products that share a factor: 乘法分配律 the other way round (99×37＋37＝(99＋1)×37);
//   - (a＋b)×c whose products are whole: 乘法分配律 ((1/4＋1/6)×12＝1/4×12＋1/6×12).
// After the law, the rest is worked in the usual order by HunHeYunSuan, its steps numbered on.
// A line that fits no pattern says so and is worked in the usual order.
#include "algebra/QValue.h"
#include "algebra/WorkedSteps.h"
#include "solver/ExpressionText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace qimbel {

namespace {

struct Number {
    std::string text;
    QValue value;
};

// A token: a number, or one of '+', '-', '*', '/', '(', ')'.
struct Token {
    char sign = 0; // 0 for a number
    Number number;
};

// The most numbers of a chain whose pairs are searched (the search grows with the cube).
constexpr std::size_t kLongestChain = 24;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<std::vector<Token>> Tokens(const std::string &line)
{
    static const std::pair<const char *, char> signs[] = {{"＋", '+'}, {"－", '-'}, {"×", '*'}, {"÷", '/'}, {"+", '+'},
        {"-", '-'}, {"*", '*'}, {"(", '('}, {")", ')'}, {"（", '('}, {"）", ')'}};
    std::vector<Token> tokens;
    const int n = Len(line);
    int i = 0;
    while (i < n) {
        bool found = false;
        for (const auto &[text, sign] : signs) {
            if (Mid(line, i, Len(text)) == text) {
                tokens.push_back(Token {sign, {}});
                i += Len(text);
                found = true;
                break;
            }
        }
        if (found)
            continue;
        const int start = i;
        while (i < n && (IsDigit(line[i]) || line[i] == '.'))
            ++i;
        if (i < n - 1 && line[i] == '/' && IsDigit(line[i + 1]) && i > start) {
            ++i;
            while (i < n && IsDigit(line[i]))
                ++i;
        }
        if (i == start)
            return std::nullopt;
        const std::string text = Mid(line, start, i - start);
        const std::optional<NumberValue> read = ReadNumber(text);
        const std::optional<Rational> value = read ? ExactValue(*read) : std::nullopt;
        if (!value)
            return std::nullopt;
        tokens.push_back(Token {0, Number {text, QValue {*value, true}}});
    }
    return tokens;
}

// A signed chain a op b op c … of numbers only, every op of one kind ('+' for ＋ －, '*' for × ÷).
struct Chain {
    std::vector<Number> numbers;
    std::vector<bool> inverse; // － or ÷ in front of the number (never the first)
};

std::optional<Chain> ReadChain(const std::vector<Token> &tokens, char kind)
{
    Chain chain;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const bool wantNumber = k % 2 == 0;
        if (wantNumber != (tokens[k].sign == 0))
            return std::nullopt;
        if (wantNumber) {
            chain.numbers.push_back(tokens[k].number);
            chain.inverse.push_back(k > 0 && (tokens[k - 1].sign == '-' || tokens[k - 1].sign == '/'));
            continue;
        }
        const char s = tokens[k].sign;
        const bool ok = kind == '+' ? (s == '+' || s == '-') : (s == '*' || s == '/');
        if (!ok)
            return std::nullopt;
    }
    if (tokens.empty() || tokens.back().sign != 0)
        return std::nullopt;
    return chain;
}

int TrailingZeros(const QValue &value)
{
    if (!IsWhole(value) || IsZero(value))
        return 0;
    Whole w = value.v.numerator < 0 ? -value.v.numerator : value.v.numerator;
    int zeros = 0;
    while (w % 10 == 0) {
        w /= 10;
        ++zeros;
    }
    return zeros;
}

// How round a result is that comes from `parts`: the number of trailing zeros of a whole result
// of whole numbers; a whole result of decimals or fractions counts one more than its zeros. 0 is
// not round.
int Roundness(const QValue &result, std::initializer_list<QValue> parts)
{
    if (!IsWhole(result) || IsZero(result))
        return 0;
    bool allWhole = true;
    for (const QValue &part : parts)
        allWhole = allWhole && IsWhole(part);
    return allWhole ? TrailingZeros(result) : 1 + TrailingZeros(result);
}

std::string RoundWord(const QValue &result, bool allWhole)
{
    if (!allWhole)
        return "整数";
    switch (TrailingZeros(result)) {
    case 0:
        return "整数"; // a whole quotient: 48÷6
    case 1:
        return "整十数";
    case 2:
        return "整百数";
    case 3:
        return "整千数";
    default:
        return "整万数";
    }
}

// How much easier a pair makes the work: its result must be rounder than both numbers
// (1200×4 is no easier than 1200); 0 when it is not.
int Easier(const QValue &result, const QValue &a, const QValue &b)
{
    const int score = Roundness(result, {a, b});
    return score > TrailingZeros(a) && score > TrailingZeros(b) ? score : 0;
}

// One step of the simplification: the new expression and what was done.
using Step = WorkedStep;

std::string JoinLaws(const std::vector<std::string> &laws)
{
    std::string text;
    for (std::size_t k = 0; k < laws.size(); ++k)
        text += (k == 0 ? "" : k + 1 == laws.size() ? "和" : "、") + laws[k];
    return text;
}

// ＋ － chains and × ÷ chains: pairs that make a round number are bracketed and brought forward.
// `kind` is '+' or '*'.
std::vector<Step> Regroup(const Chain &chain, char kind)
{
    // Pairs are sought afresh for every group: a long chain is not what this type is for.
    const std::size_t n = chain.numbers.size();
    if (n < 3 || n > kLongestChain)
        return {};
    for (std::size_t k = 1; k < n; ++k)
        if (kind == '*' && chain.inverse[k] && IsZero(chain.numbers[k].value))
            return {};
    const char plain = kind;
    const char inverse = kind == '+' ? '-' : '/';
    struct Group {
        std::size_t i, j;
        bool inverseGroup; // both inverse: －(b＋c) or ÷(b×c)
        QValue value;
        int score;
    };
    std::vector<bool> used(n, false);
    std::vector<Group> groups;
    for (;;) {
        std::optional<Group> best;
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = i + 1; j < n; ++j) {
                if (used[i] || used[j])
                    continue;
                const QValue &a = chain.numbers[i].value;
                const QValue &b = chain.numbers[j].value;
                const bool ia = chain.inverse[i];
                const bool ib = chain.inverse[j];
                QValue value;
                int score = 0;
                if (ia != ib && ia)
                    continue; // an inverse number first: the other order is tried as (j, i)
                if (ia == ib) {
                    value = kind == '+' ? a + b : a * b;
                    score = Easier(value, a, b);
                } else {
                    value = kind == '+' ? a - b : a / b;
                    // a－a and a÷a go first (125×8÷125×8); else a－b that is round and not below 0.
                    const bool cancels = kind == '+' ? IsZero(value) : Same(value, MakeQ(1));
                    score = cancels ? 8 : kind == '+' && !Negative(value) ? Easier(value, a, b) : 0;
                }
                // The first two numbers of the line are worked first anyway: no law.
                if (i == 0 && j == 1)
                    score = 0;
                // On a tie 减法的性质 and 除法的性质 go first: 500－37－63 is 500－(37＋63).
                const bool both = ia && ib;
                if (score > 0
                    && (!best || score > best->score || (score == best->score && both && !best->inverseGroup)))
                    best = Group {i, j, both, value, score};
            }
        }
        if (!best)
            break;
        used[best->i] = used[best->j] = true;
        groups.push_back(*best);
    }
    if (groups.empty())
        return {};

    // New order: groups led by a plain sign, plain numbers, inverse groups, inverse numbers.
    struct Piece {
        std::string text;
        bool inverse;
        std::vector<std::size_t> order;
    };
    std::vector<Piece> pieces;
    const auto groupText = [&](const Group &g) {
        const Number &a = chain.numbers[g.i];
        const Number &b = chain.numbers[g.j];
        const char inner = g.inverseGroup ? plain : (chain.inverse[g.j] ? inverse : plain);
        return a.text + OperatorSign(inner) + b.text;
    };
    for (const Group &g : groups)
        if (!g.inverseGroup)
            pieces.push_back(Piece {"(" + groupText(g) + ")", false, {g.i, g.j}});
    for (std::size_t k = 0; k < n; ++k)
        if (!used[k] && !chain.inverse[k])
            pieces.push_back(Piece {chain.numbers[k].text, false, {k}});
    for (const Group &g : groups)
        if (g.inverseGroup)
            pieces.push_back(Piece {"(" + groupText(g) + ")", true, {g.i, g.j}});
    for (std::size_t k = 0; k < n; ++k)
        if (!used[k] && chain.inverse[k])
            pieces.push_back(Piece {chain.numbers[k].text, true, {k}});

    std::string expression;
    std::vector<std::size_t> order;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        if (k > 0)
            expression += OperatorSign(pieces[k].inverse ? inverse : plain);
        expression += pieces[k].text;
        order.insert(order.end(), pieces[k].order.begin(), pieces[k].order.end());
    }
    // An inverse group's numbers stand in their own order; the sequence read off is the order of
    // the numbers in the new line.
    bool moved = false;
    for (std::size_t k = 0; k < order.size(); ++k)
        moved = moved || order[k] != k;
    bool mixedGroup = false;
    bool inverseGroup = false;
    for (const Group &g : groups) {
        mixedGroup = mixedGroup || (!g.inverseGroup && chain.inverse[g.j]);
        inverseGroup = inverseGroup || g.inverseGroup;
    }
    std::vector<std::string> laws;
    const std::string family = kind == '+' ? "加法" : "乘法";
    if (moved)
        laws.push_back(family + "交换律");
    if (mixedGroup || (!inverseGroup && groups.size() > 0))
        laws.push_back(family + "结合律");
    if (inverseGroup)
        laws.push_back(kind == '+' ? "减法的性质" : "除法的性质");
    std::string what;
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const Group &g = groups[k];
        const bool allWhole = IsWhole(chain.numbers[g.i].value) && IsWhole(chain.numbers[g.j].value);
        what += (k == 0 ? "" : "，") + groupText(g) + "＝" + ExactText(g.value.v) + "是" + RoundWord(g.value, allWhole);
    }
    std::string description = "运用" + JoinLaws(laws) + "，先算括号里的数：" + what;
    if (mixedGroup)
        description = "运用" + JoinLaws(laws) + "（带着符号搬家），先算括号里的数：" + what;
    return {Step {expression, description}};
}

// The second factor of `m` that makes a round product: 25×4, 125×8, 2.5×4.
std::vector<Step> SplitFactor(const Number &a, const Number &b)
{
    for (int side = 0; side < 2; ++side) {
        const Number &m = side == 0 ? a : b;
        const Number &x = side == 0 ? b : a;
        if (!x.value.ok || x.value.v.numerator <= 0)
            continue;
        for (Whole d : {8, 4, 2}) {
            // x ＝ rest×d with no more decimal places than x: 44＝11×4, 4.8＝0.6×8.
            const QValue restValue = x.value / MakeQ(d);
            if (!restValue.ok || x.value.v.denominator % restValue.v.denominator != 0 || Same(restValue, MakeQ(1))
                || (IsWhole(x.value) && restValue.v.numerator <= 1))
                continue;
            const QValue product = m.value * MakeQ(d);
            const int score = Roundness(product, {m.value});
            const int before = IsWhole(m.value) ? TrailingZeros(m.value) : 0;
            // Worth it only for a whole hundred or more (25×4, 125×8), or a whole number from a
            // decimal (2.5×4, 0.125×8).
            if (score == 0 || (IsWhole(m.value) && (TrailingZeros(product) <= before || TrailingZeros(product) < 2)))
                continue;
            const std::string dt = WholeText(d);
            const std::string rt = ExactText(restValue.v);
            const std::string split = side == 0 ? dt + "×" + rt : rt + "×" + dt;
            const std::string flat = side == 0 ? m.text + "×" + split : split + "×" + m.text;
            const std::string grouped
                = side == 0 ? "(" + m.text + "×" + dt + ")×" + rt : rt + "×(" + dt + "×" + m.text + ")";
            const std::string pair = side == 0 ? m.text + "×" + dt : dt + "×" + m.text;
            return {Step {flat, "拆数，把" + x.text + "拆成" + split},
                Step {grouped,
                    "运用乘法结合律，先算" + pair + "＝" + ExactText(product.v) + "是"
                        + RoundWord(product, IsWhole(m.value))}};
        }
    }
    return {};
}

// A whole factor near a whole hundred: 99 as 100－1, 102 as 100＋2, then 乘法分配律.
std::vector<Step> NearHundred(const Number &a, const Number &b)
{
    for (int side = 0; side < 2; ++side) {
        const Number &x = side == 0 ? a : b;
        const Number &y = side == 0 ? b : a;
        if (!IsWhole(x.value) || x.value.v.numerator < 95 || x.value.v.numerator > 1000000)
            continue;
        const Whole v = x.value.v.numerator;
        const Whole below = v % 100;
        const bool up = below >= 95;
        const Whole round = up ? v + (100 - below) : v - below;
        const Whole diff = up ? 100 - below : below;
        if (diff == 0 || diff > 5 || round <= 0)
            continue;
        const std::string r = WholeText(round);
        const std::string d = WholeText(diff);
        const std::string op = up ? "－" : "＋";
        const std::string split = "(" + r + op + d + ")";
        const std::string first = side == 0 ? split + "×" + y.text : y.text + "×" + split;
        const std::string spread
            = side == 0 ? r + "×" + y.text + op + d + "×" + y.text : y.text + "×" + r + op + y.text + "×" + d;
        return {Step {first, "拆数，把" + x.text + "看成" + r + op + d},
            Step {spread, std::string("运用乘法分配律：(a") + op + "b)×c＝a×c" + op + "b×c"}};
    }
    return {};
}

// Terms a×c ± b×c (a bare c counts as 1×c): the shared factor taken out.
std::vector<Step> TakeOut(const std::vector<Token> &tokens)
{
    struct Term {
        bool minus = false;
        std::vector<Number> factors; // one or two
    };
    std::vector<Term> terms(1);
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const Token &t = tokens[k];
        const bool wantNumber = k % 2 == 0;
        if (wantNumber != (t.sign == 0))
            return {};
        if (wantNumber) {
            terms.back().factors.push_back(t.number);
        } else if (t.sign == '+' || t.sign == '-') {
            terms.push_back(Term {t.sign == '-', {}});
        } else if (t.sign != '*') {
            return {};
        }
    }
    if (terms.size() < 2 || tokens.empty() || tokens.back().sign != 0)
        return {};
    bool anyProduct = false;
    for (const Term &term : terms) {
        if (term.factors.size() > 2)
            return {};
        anyProduct = anyProduct || term.factors.size() == 2;
    }
    if (!anyProduct)
        return {};
    // The shared factor: one of the first product's two numbers found in every term.
    const Term *firstProduct = nullptr;
    for (const Term &term : terms)
        if (term.factors.size() == 2 && firstProduct == nullptr)
            firstProduct = &term;
    for (int pick = 1; pick >= 0; --pick) {
        const Number common = firstProduct->factors[static_cast<std::size_t>(pick)];
        const bool right = pick == 1;
        std::vector<Number> others;
        bool bare = false;
        bool swapped = false;
        bool fits = true;
        for (const Term &term : terms) {
            if (term.factors.size() == 1) {
                if (!Same(term.factors[0].value, common.value)) {
                    fits = false;
                    break;
                }
                others.push_back(Number {"1", MakeQ(1)});
                bare = true;
                continue;
            }
            const bool atRight = Same(term.factors[1].value, common.value);
            const bool atLeft = Same(term.factors[0].value, common.value);
            if (!atRight && !atLeft) {
                fits = false;
                break;
            }
            const bool here = right ? atRight : atLeft;
            swapped = swapped || !here;
            others.push_back(here ? term.factors[right ? 0 : 1] : term.factors[right ? 1 : 0]);
        }
        if (!fits)
            continue;
        QValue sum = MakeQ(0);
        bool allWhole = true;
        for (std::size_t k = 0; k < terms.size(); ++k) {
            sum = terms[k].minus ? sum - others[k].value : sum + others[k].value;
            allWhole = allWhole && IsWhole(others[k].value);
        }
        if (!sum.ok || IsZero(sum) || Negative(sum) || !IsWhole(sum) || (allWhole && TrailingZeros(sum) == 0))
            continue;
        std::string inner;
        std::string spread;
        for (std::size_t k = 0; k < terms.size(); ++k) {
            const std::string sign = k == 0 ? "" : terms[k].minus ? "－" : "＋";
            inner += sign + others[k].text;
            spread += sign + (right ? others[k].text + "×" + common.text : common.text + "×" + others[k].text);
        }
        std::vector<Step> steps;
        if (bare || swapped) {
            std::string why;
            if (bare)
                why = "把" + common.text + "看成" + (right ? "1×" + common.text : common.text + "×1");
            if (swapped)
                why += std::string(why.empty() ? "" : "，") + "运用乘法交换律把相同的因数" + common.text + "都写在"
                    + (right ? "后面" : "前面");
            steps.push_back(Step {spread, why});
        }
        const std::string taken = right ? "(" + inner + ")×" + common.text : common.text + "×(" + inner + ")";
        steps.push_back(Step {taken,
            "运用乘法分配律（反过来用），提出相同的因数" + common.text + "，" + inner + "＝" + ExactText(sum.v) + "是"
                + RoundWord(sum, allWhole)});
        return steps;
    }
    return {};
}

// (a ± b …)×c or c×(a ± b …) whose products are whole numbers, while the bracket is not.
std::vector<Step> Spread(const std::vector<Token> &tokens)
{
    const std::size_t n = tokens.size();
    if (n < 7)
        return {};
    const bool bracketFirst
        = tokens[0].sign == '(' && tokens[n - 3].sign == ')' && tokens[n - 2].sign == '*' && tokens[n - 1].sign == 0;
    const bool bracketLast
        = tokens[0].sign == 0 && tokens[1].sign == '*' && tokens[2].sign == '(' && tokens[n - 1].sign == ')';
    if (!bracketFirst && !bracketLast)
        return {};
    const std::vector<Token> inside(tokens.begin() + (bracketFirst ? 1 : 3), tokens.end() - (bracketFirst ? 3 : 1));
    const std::optional<Chain> chain = ReadChain(inside, '+');
    if (!chain || chain->numbers.size() < 2)
        return {};
    const Number &c = bracketFirst ? tokens[n - 1].number : tokens[0].number;
    QValue sum = MakeQ(0);
    bool anyRound = false;
    std::string spread;
    for (std::size_t k = 0; k < chain->numbers.size(); ++k) {
        const Number &a = chain->numbers[k];
        const QValue product = a.value * c.value;
        if (!IsWhole(product))
            return {};
        anyRound = anyRound || (IsWhole(a.value) && TrailingZeros(product) >= 2 && TrailingZeros(a.value) >= 1);
        sum = chain->inverse[k] ? sum - a.value : sum + a.value;
        spread += (k == 0                     ? ""
                          : chain->inverse[k] ? "－"
                                              : "＋")
            + (bracketFirst ? a.text + "×" + c.text : c.text + "×" + a.text);
    }
    if (!sum.ok || (IsWhole(sum) && !(anyRound && TrailingZeros(sum) == 0)))
        return {};
    return {Step {spread,
        bracketFirst ? "运用乘法分配律：(a＋b)×c＝a×c＋b×c，每个乘积都是整数"
                     : "运用乘法分配律：c×(a＋b)＝c×a＋c×b，每个乘积都是整数"}};
}

// a＋b or a－b with b near a whole hundred (凑整): 456－198＝456－200＋2 (多减要加),
// 325＋98＝325＋100－2 (多加要减), 325＋103＝325＋100＋3.
std::vector<Step> NearRound(const Chain &chain)
{
    if (chain.numbers.size() != 2)
        return {};
    const Number &a = chain.numbers[0];
    const Number &b = chain.numbers[1];
    const bool minus = chain.inverse[1];
    if (!IsWhole(a.value) || !IsWhole(b.value) || b.value.v.numerator < 95 || b.value.v.numerator > 1000000
        || TrailingZeros(a.value) >= 2 || (minus && Negative(a.value - b.value)))
        return {};
    const Whole v = b.value.v.numerator;
    const Whole below = v % 100;
    const bool up = below >= 95;
    const Whole round = up ? v + (100 - below) : v - below;
    const Whole diff = up ? 100 - below : below;
    if (diff == 0 || diff > 5 || round <= 0 || (minus && a.value.v.numerator < round))
        return {};
    const std::string r = WholeText(round);
    const std::string d = WholeText(diff);
    const std::string first = a.text + (minus ? "－" : "＋") + r;
    // The sign of the correction: 多减要加, 多加要减; a part left out is taken or added after.
    const bool add = minus == up;
    const std::string how = "凑整，把" + b.text + "看成" + r + (up ? "－" : "＋") + d + "，"
        + (up ? std::string(minus ? "多减了" : "多加了") + d + "，要" + (minus ? "加上" : "减去") + d
                    + (minus ? "（多减要加）" : "（多加要减）")
              : std::string(minus ? "先减" : "先加") + r + "，再" + (minus ? "减" : "加") + d);
    return {Step {first + (add ? "＋" : "－") + d, how}};
}

// a－(b＋c) and a－(b－c) where a－b (or a－c) is round: 减法的性质 takes the brackets off.
std::vector<Step> OpenBracket(const std::vector<Token> &t)
{
    if (t.size() != 7 || t[0].sign != 0 || t[1].sign != '-' || t[2].sign != '(' || t[3].sign != 0
        || (t[4].sign != '+' && t[4].sign != '-') || t[5].sign != 0 || t[6].sign != ')')
        return {};
    const Number &a = t[0].number;
    for (int pick = 0; pick < (t[4].sign == '+' ? 2 : 1); ++pick) {
        const Number &b = pick == 0 ? t[3].number : t[5].number;
        const Number &c = pick == 0 ? t[5].number : t[3].number;
        const QValue value = a.value - b.value;
        if (!value.ok || Negative(value) || Easier(value, a.value, b.value) == 0)
            continue;
        const bool plus = t[4].sign == '+';
        const std::string rule = plus ? "a－(b＋c)＝a－b－c" : "a－(b－c)＝a－b＋c";
        const bool allWhole = IsWhole(a.value) && IsWhole(b.value);
        return {Step {a.text + "－" + b.text + (plus ? "－" : "＋") + c.text,
            "运用减法的性质：" + rule + "，先算" + a.text + "－" + b.text + "＝" + ExactText(value.v) + "是"
                + RoundWord(value, allWhole)}};
    }
    return {};
}

// A terminating decimal (or whole number) other than 0.
bool Terminates(const QValue &v)
{
    constexpr Whole kMillion = 1000000;
    return v.ok && !IsZero(v) && kMillion % v.v.denominator == 0;
}

// p×x×q with no round pair: x split into u×v so that p×u and v×q are whole or round
// (1.25×0.32×2.5＝1.25×(0.8×0.4)×2.5, 25×32×125＝25×(4×8)×125).
std::vector<Step> SplitForTwo(const Chain &chain)
{
    if (chain.numbers.size() != 3 || chain.inverse[1] || chain.inverse[2])
        return {};
    for (std::size_t k = 0; k < 3; ++k) {
        const Number &x = chain.numbers[k];
        const Number &p = chain.numbers[k == 0 ? 1 : 0];
        const Number &q = chain.numbers[k == 2 ? 1 : 2];
        for (Whole e : {1, 10, 100, 1000}) {
            const QValue u = MakeQ(e) / p.value;
            const QValue v = x.value / u;
            // Parts with no more decimal places than x: 0.32＝0.8×0.4, 32＝4×8.
            if (!Terminates(u) || !Terminates(v) || Same(u, MakeQ(1)) || Same(v, MakeQ(1))
                || x.value.v.denominator % u.v.denominator != 0 || x.value.v.denominator % v.v.denominator != 0)
                continue;
            const QValue right = v * q.value;
            if (!right.ok || Easier(right, v, q.value) == 0)
                continue;
            const std::string ut = ExactText(u.v);
            const std::string vt = ExactText(v.v);
            std::string flat;
            for (std::size_t j = 0; j < 3; ++j)
                flat += (j == 0 ? "" : "×") + (j == k ? "(" + ut + "×" + vt + ")" : chain.numbers[j].text);
            const std::string grouped = "(" + p.text + "×" + ut + ")×(" + vt + "×" + q.text + ")";
            return {Step {flat, "拆数，把" + x.text + "拆成" + ut + "×" + vt},
                Step {grouped,
                    "运用乘法交换律和乘法结合律，先算" + p.text + "×" + ut + "＝" + ExactText(MakeQ(e).v) + "，" + vt
                        + "×" + q.text + "＝" + ExactText(right.v)}};
        }
    }
    return {};
}

// a×b＋c where c is a and a round rest: 999×999＋1999＝999×999＋999＋1000＝999×(999＋1)＋1000.
std::vector<Step> SplitAddend(const std::vector<Token> &t)
{
    if (t.size() != 5 || t[0].sign != 0 || t[1].sign != '*' || t[2].sign != 0 || t[3].sign != '+' || t[4].sign != 0)
        return {};
    const Number &a = t[0].number;
    const Number &b = t[2].number;
    const Number &c = t[4].number;
    for (int pick = 0; pick < 2; ++pick) {
        const Number &common = pick == 0 ? a : b;
        const Number &other = pick == 0 ? b : a;
        const QValue rest = c.value - common.value;
        const QValue sum = other.value + MakeQ(1);
        if (!IsWhole(rest) || !IsWhole(sum) || rest.v.numerator <= 0 || TrailingZeros(sum) < 2
            || TrailingZeros(other.value) >= 2)
            continue;
        const std::string rt = ExactText(rest.v);
        const std::string product = a.text + "×" + b.text;
        const std::string taken
            = pick == 0 ? common.text + "×(" + other.text + "＋1)" : "(" + other.text + "＋1)×" + common.text;
        return {Step {product + "＋" + common.text + "＋" + rt, "拆数，把" + c.text + "拆成" + common.text + "＋" + rt},
            Step {taken + "＋" + rt,
                "运用乘法分配律（反过来用），提出相同的因数" + common.text + "，" + other.text + "＋1＝"
                    + ExactText(sum.v) + "是" + RoundWord(sum, true)}};
    }
    return {};
}

std::vector<Step> Simplify(const std::vector<Token> &tokens)
{
    if (const std::optional<Chain> sum = ReadChain(tokens, '+'))
        return sum->numbers.size() == 2 ? NearRound(*sum) : Regroup(*sum, '+');
    if (const std::optional<Chain> product = ReadChain(tokens, '*')) {
        if (product->numbers.size() == 2 && !product->inverse[1]) {
            std::vector<Step> steps = NearHundred(product->numbers[0], product->numbers[1]);
            if (steps.empty())
                steps = SplitFactor(product->numbers[0], product->numbers[1]);
            return steps;
        }
        std::vector<Step> steps = Regroup(*product, '*');
        return steps.empty() ? SplitForTwo(*product) : steps;
    }
    std::vector<Step> steps = TakeOut(tokens);
    if (steps.empty())
        steps = Spread(tokens);
    if (steps.empty())
        steps = OpenBracket(tokens);
    if (steps.empty())
        steps = SplitAddend(tokens);
    return steps;
}

// False for a line that is no calculation: a letter, no number, or a sign with no number after
// it (25×4×) or before it (×5).
bool Readable(const std::string &line, const std::optional<std::vector<Token>> &tokens)
{
    bool digit = false;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const unsigned char c = static_cast<unsigned char>(line[k]);
        if (c >= 0x80) {
            // A two-byte character: ０ to ９ count as digits.
            if (k + 1 < line.size() && c == 0xA3 && static_cast<unsigned char>(line[k + 1]) >= 0xB0
                && static_cast<unsigned char>(line[k + 1]) <= 0xB9)
                digit = true;
            ++k;
            continue;
        }
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            return false;
        digit = digit || (c >= '0' && c <= '9');
    }
    if (!digit)
        return false;
    if (!tokens)
        return true; // brackets of other kinds, powers …: the usual order reads them
    char before = '(';
    for (const Token &t : *tokens) {
        const bool operatorSign = t.sign != 0 && t.sign != '(' && t.sign != ')';
        const bool afterSign = before != 0 && before != ')';
        // ＋ and － after a sign or "(" belong to the number (5×(－3), 5×－3); × ÷ ")" need a number first.
        const bool signOfNumber = t.sign == '-' || t.sign == '+';
        if (afterSign && ((operatorSign && !signOfNumber) || t.sign == ')'))
            return false;
        before = t.sign;
    }
    return before == 0 || before == ')';
}

// The lines of a worked text of HunHeYunSuan after its first: each new expression and its label's
// description.
std::vector<Step> DriverSteps(const std::string &worked)
{
    std::vector<Step> steps;
    std::size_t start = 0;
    bool first = true;
    for (;;) {
        const std::size_t end = worked.find("\r\n", start);
        const std::string line = worked.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!first && Left(line, 2) == "＝") {
            const int blank = Find(line, " ");
            Step step;
            step.expression = blank < 0 ? Mid(line, 2) : Mid(line, 2, blank - 2);
            const int label = blank < 0 ? -1 : Find(line, "步:", blank);
            // The 通分 note writes its products with the sign the pupil writes: 3×2/4×2.
            step.description = label < 0 ? std::string() : Mid(line, label + 3);
            for (int star = Find(step.description, "*"); star >= 0; star = Find(step.description, "*", star))
                step.description = Left(step.description, star) + "×" + Mid(step.description, star + 1);
            steps.push_back(step);
        }
        first = false;
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    return steps;
}

} // namespace

std::string Solver::JianBianYunSuan(std::string expression, int level)
{
    if (level < 1 || level > 5)
        level = 1;
    expression = Trim(expression);
    if (std::string sentence = ExpressionTooLarge(expression); !sentence.empty())
        return sentence;
    expression = HalfWidthNumbers(expression);
    const std::optional<std::vector<Token>> tokens = Tokens(expression);
    if (!Readable(expression, tokens))
        return MeiYouGuoCheng(expression, 11);
    const std::vector<Step> laws = tokens ? Simplify(*tokens) : std::vector<Step> {};
    if (laws.empty()) {
        std::string worked = HunHeYunSuan(expression, level);
        if (level == 1)
            return worked;
        const int firstBreak = Find(worked, "\r\n");
        for (int star = Find(worked, "*", std::max(firstBreak, 0)); firstBreak >= 0 && star >= 0;
             star = Find(worked, "*", star))
            worked = Left(worked, star) + "×" + Mid(worked, star + 1);
        return worked + "\r\n（这道题没有能简便计算的地方，按运算顺序计算。）";
    }
    const std::string simpler = laws.back().expression;
    std::vector<Step> steps = laws;
    for (const Step &step : DriverSteps(HunHeYunSuan(simpler, 5)))
        steps.push_back(step);
    if (level == 1)
        return steps.back().expression;
    return WrittenSteps(expression, steps, level);
}

} // namespace qimbel
