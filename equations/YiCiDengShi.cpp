#include "algebra/BracketMatching.h"
#include "algebra/ReplaceOperation.h"
#include "equations/EquationText.h"
#include "solver/ExpressionText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"
#include "solver/WholeNumbers.h"

#include <string>
#include <vector>

namespace qimbel {

namespace {

// Simplification rounds end when neither side changes; the cap only guards against a side that
// keeps changing for ever (a sum of a few hundred numbers still ends on its own).
constexpr int kMaxRounds = 200;
// Constants that the simplification brings out on the left side are moved again; the cap
// guards against a left side that never settles.
constexpr int kMaxPasses = 5;

// The column of a worked solution: every line aligned at the relation symbol, written both
// plain (process text) and with its explanation 30 bytes after the start of the right side.
struct Column {
    Solver &solver;
    int alignment;
    std::string process;
    std::string explained;

    void Step(
        const std::string &left, const std::string &symbol, const std::string &right, int step, const std::string &why)
    {
        // A side with nothing left on it is 0: an equation needs two sides.
        const std::string_view l = left.empty() ? std::string_view("0") : std::string_view(left);
        const std::string_view r = right.empty() ? std::string_view("0") : std::string_view(right);
        // The line is written into both texts in place (as ChongFu pads: nothing for a width <= 0).
        const auto pad = [](std::string &text, int width) {
            if (width > 0)
                text.append(static_cast<std::size_t>(width), ' ');
        };
        const std::size_t start = process.size();
        pad(process, alignment - Len(l));
        process.append(l).append(symbol).append(r);
        explained.append(process, start, process.size() - start);
        process += "\r\n";
        pad(explained, 30 - Len(r));
        explained.append("第").append(IntText(step)).append("步:").append(why).append("\r\n");
    }

    // A closing sentence without step number, on both texts.
    void Note(const std::string &sentence)
    {
        process += sentence + "\r\n";
        explained += sentence + "\r\n";
    }
};

// A term moved to the other side changes its sign; `why` gets the matching explanation.
std::string MoveTerm(const std::string &term, std::string &why)
{
    if (Left(term, 2) == "＋") {
        why += "并变号为 －" + Mid(term, 2) + "；";
        return "－" + Mid(term, 2);
    }
    if (Left(term, 2) == "－") {
        why += "并变号为 ＋" + Mid(term, 2) + "；";
        return "＋" + Mid(term, 2);
    }
    why += "并变号为 －" + term + "；";
    return "－" + term;
}

// The terms of a side in written order.
std::vector<std::string> TermsOf(Solver &solver, const std::string &side)
{
    StringArray terms;
    solver.ZhengShiToShuZu(side, terms);
    std::vector<std::string> ordered;
    for (int i = terms.GetSize() - 1; i >= 0; --i)
        if (!terms[i].empty())
            ordered.push_back(terms[i]);
    return ordered;
}

// Whether 0 (symbol) value holds, for the sentence written when the unknown drops out.
bool ZeroRelationHolds(const std::string &symbol, double value)
{
    if (symbol == "＝")
        return value == 0;
    if (symbol == "＞")
        return 0 > value;
    if (symbol == "＜")
        return 0 < value;
    if (symbol == "≥")
        return 0 >= value;
    return 0 <= value;
}

// A "/" after a letter or a closing bracket divides (x/2 is x÷2); only after a digit is it the
// bar of a number such as 2/3.
std::string DivisionsWritten(const std::string &equation)
{
    std::string out;
    char before = '\0'; // the character before, when it is a single byte
    for (int i = 0; i < Len(equation);) {
        const int size = CharSize(equation, i);
        const char c = size == 1 ? equation[static_cast<std::size_t>(i)] : '\0';
        out += c == '/' && (IsLetterByte(before) || IsClosingBracket(before)) ? std::string("÷")
                                                                              : Mid(equation, i, size);
        before = c;
        i += size;
    }
    return out;
}

// True when the unknown stands in a divisor: in the operand after a "÷" (2÷x, 2÷3x, 2÷(8－4x)),
// or under a fraction bar "/" that a letter or a bracket follows (2/x, 2/(4x)). Digits under a
// bar are the denominator of a coefficient: 5/3y is five thirds of y.
bool InDivisor(const std::string &equation, const std::string &unknown)
{
    for (int p = Find(equation, "÷"); p >= 0; p = Find(equation, "÷", p + 2))
        if (Contains(OperandAfter(equation, p + 2), unknown))
            return true;
    for (int p = Find(equation, "/"); p >= 0; p = Find(equation, "/", p + 1)) {
        const std::string under = OperandAfter(equation, p + 1);
        if (!under.empty() && !IsDigitByte(under[0]) && Contains(under, unknown))
            return true;
    }
    return false;
}

// A side that holds a fraction coefficient (1/3x) writes its decimal coefficients as fractions too
// (0.5x is 1/2x), so that one line never mixes the two forms. A decimal that is no coefficient of
// a letter, or one too long to hold, stays.
std::string CoefficientsAsFractions(const std::string &side)
{
    if (!Contains(side, "/") || !Contains(side, "."))
        return side;
    std::string out;
    const int n = Len(side);
    for (int i = 0; i < n;) {
        const auto at = [&side](int k) { return side[static_cast<std::size_t>(k)]; };
        const bool starts
            = IsDigitByte(at(i)) && (i == 0 || (!IsDigitByte(at(i - 1)) && at(i - 1) != '.' && at(i - 1) != '/'));
        if (!starts) {
            const int size = CharSize(side, i);
            out += Mid(side, i, size);
            i += size;
            continue;
        }
        int j = i;
        while (j < n && IsDigitByte(at(j)))
            ++j;
        int k = j;
        if (k < n && at(k) == '.')
            for (++k; k < n && IsDigitByte(at(k));)
                ++k;
        const int places = k - j - 1;
        if (places < 1 || places > 9 || j - i > 9 || k >= n || !IsLetterByte(at(k))) {
            out += Mid(side, i, k - i);
            i = k;
            continue;
        }
        long long den = 1;
        for (int d = 0; d < places; ++d)
            den *= 10;
        const long long num = std::stoll(Mid(side, i, j - i)) * den + std::stoll(Mid(side, j + 1, places));
        const long long g = Gcd(num, den);
        out += den / g == 1 ? IntText(static_cast<int>(num / g))
                            : std::to_string(num / g) + "/" + std::to_string(den / g);
        i = k;
    }
    return out;
}

} // namespace

// Solves a linear equation or inequality in one unknown by the school method: unknown terms to
// the left, constants to the right (one step each), simplification rounds, division by the
// coefficient. Level 1 gives the result line, 2 to 4 the column, 5 the column with explanations.
std::string Solver::YiCiDengShi(std::string equation, std::string unknown, int level)
{
    if (std::string sentence = EquationTooLarge(equation); !sentence.empty())
        return sentence;
    if (level < 1 || level > 5)
        level = 1;
    std::string symbol = RelationSymbol(equation);
    if (symbol.empty())
        return "没有找到等号或不等号，无法求解。";
    if (unknown.empty() || !Contains(equation, unknown))
        return "没有找到未知数" + unknown + "，无法求解。";

    // The column is laid out on the equation as typed; the work is done on it with the signs
    // that meet merged, so that 2＋－3 is the one term －3 and not a lone "＋" and －3.
    const int w = Len(equation);
    Column column {*this, w + Find(equation, symbol), ChongFu(w, " ") + equation + "\r\n", {}};
    column.explained = column.process;
    equation = DivisionsWritten(MergeMeetingSigns(equation));
    const int p = Find(equation, symbol);

    // The unknown in a divisor makes a fractional equation, which this method cannot solve.
    if (InDivisor(equation, unknown)) {
        const std::string kind = symbol == "＝" ? "方程" : "不等式";
        const std::string sentence = "未知数 " + unknown + " 在分母中，这是分式" + kind + "，无法按一元一次" + kind
            + "求出 " + unknown + " 的值。";
        if (level == 1)
            return sentence;
        column.Note(sentence);
        return level == 5 ? column.explained : column.process;
    }

    const std::vector<std::string> leftTerms = TermsOf(*this, Left(equation, p));
    const std::vector<std::string> rightTerms = TermsOf(*this, Mid(equation, p + Len(symbol)));
    std::string l0 = Left(equation, p);
    std::string lx;
    std::string rk;
    std::string why;
    int step = 0;
    for (const std::string &term : leftTerms)
        if (Contains(term, unknown))
            lx += term;

    // Unknown terms of the right side move to the left in one step.
    bool moved = false;
    for (const std::string &term : rightTerms) {
        if (!Contains(term, unknown)) {
            rk += term;
            continue;
        }
        why += "未知数项 " + term + " 移项到左边，";
        const std::string movedTerm = MoveTerm(term, why);
        lx += movedTerm;
        l0 += movedTerm;
        moved = true;
    }
    if (moved) {
        step = 1;
        column.Step(l0, symbol, rk, step, why);
    }

    // Constants of the left side move to the right, one step each. When the simplification
    // leaves constants on the left (a bracket multiplied out), they are moved the same way.
    std::string rc = rk;
    std::vector<std::string> constantSource = leftTerms;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        for (const std::string &term : constantSource) {
            if (Contains(term, unknown))
                continue;
            why = "常数项 " + term + " 移项到右边，";
            rc += MoveTerm(term, why);
            column.Step(lx, symbol, rc, ++step, why);
        }

        // Simplification rounds, one chufa per side and round, while either side still changes.
        // Stopping at the first round in which one side stays put would leave the other half
        // done: x×2×3 would give up its coefficient as 2 instead of 6 (a wrong answer), and
        // x＝1＋2＋3 would end as x＝3＋3. A side that keeps growing far beyond the typed
        // equation is not being simplified (text that is no expression): the rounds stop there.
        const int longest = 8 * w + 256;
        for (int round = 0; round < kMaxRounds; ++round) {
            const std::string lx2 = CoefficientsAsFractions(chufa(lx, 1));
            const std::string rc2 = CoefficientsAsFractions(chufa(rc, 1));
            if (Len(lx2) > longest || Len(rc2) > longest || Len(column.explained) > kLongestWorkedText)
                break;
            why.clear();
            if (lx2 != lx)
                why += "左边进行" + lx + "＝" + lx2 + "的运算；";
            if (rc2 != rc)
                why += "右边进行" + rc + "＝" + rc2 + "的运算；";
            if (why.empty())
                break;
            column.Step(lx2, symbol, rc2, ++step, why);
            if (!lx2.empty())
                lx = lx2;
            if (!rc2.empty())
                rc = rc2;
        }

        constantSource = TermsOf(*this, lx);
        std::string unknownTerms;
        for (const std::string &term : constantSource)
            if (Contains(term, unknown))
                unknownTerms += term;
        if (unknownTerms == lx)
            break;
        lx = unknownTerms;
    }

    // The coefficient; a negative one reverses an inequality.
    std::string k = GetShuZi(lx);
    if (k == "－" || k == "＋" || k == "-" || k == "+")
        k += "1";
    if (Contains(k, "－") || Contains(k, "-"))
        symbol = ReversedSymbol(symbol);

    std::string result;
    bool zero = false;
    if (!Contains(lx, unknown)) {
        zero = true;
    } else if (!k.empty()) {
        bool isNumber = false;
        zero = LeadingValue(HunHeYunSuan(k, 1), &isNumber) == 0 && isNumber;
    }
    if (zero) {
        // The unknown terms cancel (or the coefficient is 0): no division is possible.
        bool known = false;
        const double value = LeadingValue(rc, &known);
        if (rc.empty() || IsPlainNumber(rc))
            result = ZeroRelationHolds(symbol, rc.empty() ? 0 : value)
                ? "未知数的系数为0，" + unknown + " 取任何数都成立。"
                : "未知数的系数为0，无解。";
        else
            result = "未知数的系数为0，无法求出 " + unknown + " 的值。";
        column.Note(result);
    } else if (!k.empty()) {
        why = "式子两边同时除以 " + k + " ，将未知数系数化为1；";
        if (symbol != "＝" && (Contains(k, "－") || Contains(k, "-")))
            why += "不等式两边同时除以同一个负数，不等号的方向改变；";
        // An empty right side stands for 0.
        const std::string value = HunHeYunSuan("(" + (rc.empty() ? std::string("0") : rc) + ")÷(" + k + ")", 1);
        column.Step(unknown, symbol, value, ++step, why);
        result = unknown + symbol + value;
    } else {
        result = unknown + symbol + rc;
    }

    if (level == 1)
        return result;
    return level == 5 ? column.explained : column.process;
}

} // namespace qimbel
