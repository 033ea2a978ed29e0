#include "algebra/ArithmeticText.h"
#include "solver/ExpressionText.h"
#include "solver/InputLimits.h"

#include <cctype>
#include <string_view>

namespace qimbel {

namespace {

// A sign that opens the expression or a bracket, or follows ×, ÷ or a power mark, and is followed
// at once by another sign and a number (－＋1, (＋－2, x×＋＋4 …): the driver would take the first
// sign for the whole bracket or drop the operator (x×＋＋16384 became x＋＋16384), so such a line
// is asked to be written with a bracket instead of being worked wrongly.
bool SignsRunTogether(const std::string &expression)
{
    // The length of the sign at `at` (＋, －, + or -), or 0. Both full-width signs are one lead
    // byte with two trail bytes, so a sign is told byte by byte.
    static constexpr std::string_view plus = "＋", minus = "－";
    static_assert(plus.size() == 2 && minus.size() == 2 && plus[0] == minus[0]);
    const auto signAt = [&](std::size_t at) -> std::size_t {
        if (at >= expression.size())
            return 0;
        const char c = expression[at];
        if (c == '+' || c == '-')
            return 1;
        return c == plus[0] && at + 1 < expression.size()
                && (expression[at + 1] == plus[1] || expression[at + 1] == minus[1])
            ? 2
            : 0;
    };
    // Every case below has two signs back to back: an expression without them (the usual one) is
    // told at once.
    bool doubled = false;
    for (std::size_t at = 0; at < expression.size() && !doubled; ++at) {
        const std::size_t first = signAt(at);
        doubled = first > 0 && signAt(at + first) > 0;
    }
    if (!doubled)
        return false;
    static constexpr std::string_view operators[] = {"×", "÷", "·", "*", "/", "^", "("};
    auto afterOperator = [&](std::size_t at) {
        for (const std::string_view op : operators)
            if (at >= op.size() && HasAt(expression, at - op.size(), op))
                return true;
        return false;
    };
    // Among letters, two signs meeting before a term with a written × or ÷ in it: the product was
    // put back after the second sign alone (ab－＋a×(a^(2)＋ab) became ab－＋a^(3)＋a^(2)b).
    const bool letters = HasLetters(expression);
    auto timesInTermAt = [&](std::size_t at) {
        int depth = 0;
        for (std::size_t i = at; i < expression.size(); ++i) {
            const char c = expression[i];
            if (IsOpeningBracket(c))
                ++depth;
            else if (IsClosingBracket(c))
                --depth;
            else if (depth == 0 && signAt(i) > 0)
                return false;
            else if (depth == 0 && (HasAt(expression, i, "×") || HasAt(expression, i, "÷") || c == '*'))
                return true;
        }
        return false;
    };
    for (std::size_t at = 0; at < expression.size(); ++at) {
        if (at > 0 && !afterOperator(at)) {
            const std::size_t first = signAt(at);
            const std::size_t second = first > 0 ? signAt(at + first) : 0;
            if (letters && second > 0 && timesInTermAt(at + first + second))
                return true;
            continue;
        }
        const std::size_t first = signAt(at);
        const std::size_t second = first > 0 ? signAt(at + first) : 0;
        // Before a bracket the doubled sign is opened as one (－－(a＋b) is a＋b).
        if (second > 0 && expression.compare(at + first + second, 1, "(") != 0)
            return true;
    }
    return false;
}

// A digit written right after a letter (a9, x2): read as a product the driver joins the digits
// of neighbouring factors (a9×b2 became ab92), and a pupil may mean a power.
bool DigitAfterLetter(const std::string &expression)
{
    bool afterLetter = false;
    for (std::size_t at = 0; at < expression.size(); ++at) {
        const auto c = static_cast<unsigned char>(expression[at]);
        if (c >= 0x81) { // a GBK character: its second byte may look like a letter
            ++at;
            afterLetter = false;
            continue;
        }
        if (afterLetter && c >= '0' && c <= '9')
            return true;
        afterLetter = std::isalpha(c) != 0;
    }
    return false;
}

// A fraction bar with no denominator right after it (1/＋2, 2/): the steps would read the bar
// and the sign in different ways from one line to the next (1/2/＋1/2 became 1/2＋1/2).
bool BarWithoutDenominator(const std::string &expression)
{
    for (std::size_t at = 0; at < expression.size(); ++at) {
        if (static_cast<unsigned char>(expression[at]) >= 0x81) { // the two bytes of a GBK character
            ++at;
            continue;
        }
        if (expression[at] != '/')
            continue;
        const char next = at + 1 < expression.size() ? expression[at + 1] : '\0';
        if (!std::isalnum(static_cast<unsigned char>(next)) && next != '(')
            return true;
    }
    return false;
}

// A fraction bar right before a bracket in a line of numbers is a denominator only when the
// bracket works out to a positive whole number, as 1/(3＋5) does. Otherwise the steps would take
// the bracket for a factor or a base of its own and write the rest as a fraction that reads
// otherwise (1/(2)×3 gave 1/6, 3/(2－5)＋1 gave 3/－2, 6/(1＋2)^2 gave 6/3^2, 1/(－79/4)×－1 gave
// 1/79/4), so such a line is asked to be written with "÷".
bool BarBeforeBracket(Solver &solver, const std::string &expression)
{
    // With letters a bracket under the bar is a 分式's denominator, which these steps do not
    // work (1/(x)×3 gave 1/3x).
    if (HasLetters(expression))
        return expression.find("/(") != std::string::npos;
    for (std::size_t bar = expression.find("/("); bar != std::string::npos; bar = expression.find("/(", bar + 1)) {
        const int open = static_cast<int>(bar + 1);
        const int close = MatchingClose(expression, open);
        if (close < 0 || (close + 1 < Len(expression) && expression[static_cast<std::size_t>(close + 1)] == '^'))
            return true;
        const std::string inside = Mid(expression, open + 1, close - open - 1);
        // Only work on whole numbers inside (no lone number, fraction, decimal or bracket).
        const bool operation = Contains(inside, "＋") || Contains(inside, "－") || Contains(inside, "×")
            || Contains(inside, "÷") || inside.find_first_of("+-*") != std::string::npos;
        if (!operation || LeadingSignLength(inside) > 0 || inside.find_first_of("/([{^.") != std::string::npos)
            return true;
        const std::optional<NumberValue> value = ReadNumber(solver.HunHeYunSuan(inside, 1));
        if (!value || value->kind != NumberValue::Kind::Whole || value->numerator <= 0)
            return true;
    }
    return false;
}

// True when a written exponent, digits (or digits in brackets, with `bracketed`), is followed at
// once by `next`.
bool ExponentFollowedBy(const std::string &expression, char next, bool bracketed)
{
    for (std::size_t caret = expression.find('^'); caret != std::string::npos;
         caret = expression.find('^', caret + 1)) {
        std::size_t end = caret + 1;
        const bool bracket = bracketed && end < expression.size() && expression[end] == '(';
        if (bracket)
            ++end;
        const std::size_t first = end;
        while (end < expression.size() && expression[end] >= '0' && expression[end] <= '9')
            ++end;
        if (bracket && end < expression.size() && expression[end] == ')')
            ++end;
        if (end > first && end < expression.size() && expression[end] == next)
            return true;
    }
    return false;
}

// A fraction bar right after a written exponent (5^3/2, x^2/3): the steps read it as the
// exponent 3/2 and write a decimal power, where a pupil means (5^3)/2 as often, so the line is
// asked for brackets.
bool BarAfterExponent(const std::string &expression) { return ExponentFollowedBy(expression, '/', false); }

// A power of a power written without brackets (x^2^2, (－2)^3^2): the steps read the letter part
// of x^2^2x as x^(3)^2 and wrote (－2)^3^2 as －8^2, so the line is asked for brackets.
bool PowerOfPower(const std::string &expression) { return ExponentFollowedBy(expression, '^', true); }

// Two fraction bars with only a number or letters between them (1/2/4, b/2/1a): a fraction of a
// fraction, or a division? The steps read them one way and then another (b×a^(2)b/2/1aa gave
// a^(4)b^(2)/2/1), so the line is asked for a division sign or brackets, as 批改 asks.
bool BarsRunTogether(const std::string &expression)
{
    bool sinceBar = false; // a bar seen, and nothing since but digits, letters and points
    for (std::size_t at = 0; at < expression.size(); ++at) {
        const auto c = static_cast<unsigned char>(expression[at]);
        if (c == '/') {
            if (sinceBar)
                return true;
            sinceBar = true;
        } else if (!std::isalnum(c) && c != '.') {
            sinceBar = false;
            if (c >= 0x81) // the second byte of a GBK character
                ++at;
        }
    }
    return false;
}

// A decimal point that does not stand between two digits (a.0b, .5, 3.): the steps drop it or
// read it as a number of its own (5×(a.0ab) was worked as 5a^(2)b).
bool StrayPoint(const std::string &expression)
{
    for (std::size_t at = 0; at < expression.size(); ++at) {
        const auto c = static_cast<unsigned char>(expression[at]);
        if (c >= 0x81) { // the two bytes of a GBK character
            ++at;
            continue;
        }
        if (c != '.')
            continue;
        const bool digitBefore = at > 0 && std::isdigit(static_cast<unsigned char>(expression[at - 1])) != 0;
        const bool digitAfter
            = at + 1 < expression.size() && std::isdigit(static_cast<unsigned char>(expression[at + 1])) != 0;
        if (!digitBefore || !digitAfter)
            return true;
    }
    return false;
}

// A power written back with its exponent in brackets (x^(2), as a step writes it) and multiplied
// or divided next is read as x^2 by the next step: the product finder took "(2)" for a factor of
// its own, so x^(2)×3 became x^6.
std::string PlainExponents(const std::string &expression)
{
    std::string plain;
    plain.reserve(expression.size());
    for (std::size_t at = 0; at < expression.size(); ++at) {
        if (expression.compare(at, 2, "^(") == 0) {
            std::size_t end = at + 2;
            while (end < expression.size() && expression[end] >= '0' && expression[end] <= '9')
                ++end;
            const std::string_view after
                = end < expression.size() ? std::string_view(expression).substr(end + 1) : std::string_view();
            const bool timesNext = after.starts_with("×") || after.starts_with("÷");
            if (end > at + 2 && end < expression.size() && expression[end] == ')' && timesNext) {
                plain += '^';
                plain.append(expression, at + 2, end - at - 2);
                at = end;
                continue;
            }
        }
        plain += expression[at];
    }
    return plain;
}

} // namespace

// The general driver: works an expression of numbers and letters one step at a time and returns,
// by detail level, the final expression (1, and any level outside 1 to 5), the chain of
// expressions without labels (2 to 4) or the full worked text (5). A bracket group that holds work
// goes first, small brackets before middle before large (ZhengShiTuoHao); then the expression
// itself (ZhengShiSiZeYunSuan). Labels stand at least 30 blanks after their expression. At most
// 21 steps are written; a step that finds nothing or gives back the same expression ends the
// working, as every further step would find the same, and so does a step whose expression would
// be longer than kLongestExpression bytes. A fraction that can be reduced ends with
// a "约分:" step.
std::string Solver::HunHeYunSuan(std::string expression, int level)
{
    if (std::string sentence = ExpressionTooLarge(expression); !sentence.empty())
        return sentence;
    if (SignsRunTogether(expression))
        return "两个符号连在一起，请写成 －(＋1) 这样，加上括号。";
    if (DigitAfterLetter(expression))
        return "字母后面直接写了数字，请写成 9a 或 a^9 这样。";
    if (BarWithoutDenominator(expression))
        return "分数线后面要直接写分母，请写成 1/2 或 －1/2 这样。";
    if (StrayPoint(expression))
        return "小数点要写在两个数字中间，如 0.5。";
    if (BarsRunTogether(expression))
        return "分数线连着写，有两种读法，请写出除号或添上括号。";
    if (PowerOfPower(expression))
        return "乘方连着写，请添上括号，如 (x^2)^3。";
    if (BarAfterExponent(expression))
        return "指数后面紧跟着分数线，有两种读法，请添上括号，如 (5^3)/2 或 5^(3/2)。";
    if (BarBeforeBracket(*this, expression))
        return "分数线后面是括号，请写成除号，如 1÷(2＋1)。";
    if (level < 1 || level > 5)
        level = 1;
    const std::string first = expression;
    std::string worked = expression;
    std::string chain = expression;
    int number = 0;
    while (HanYunSuanFu(expression)) {
        ++number;
        const std::string step = DriverStep(*this, PlainExponents(expression));

        const StepParts parts = SplitStep(step);
        if (parts.expression.empty() || parts.expression == expression || Len(parts.expression) > kLongestExpression) {
            --number; // no line was written for it
            break;
        }
        worked += StepLine(parts.expression, StepPadding(first, parts.expression, 30), number, parts.description);
        chain += "\r\n＝" + parts.expression;
        expression = parts.expression;
        if (number > 20)
            break;
    }
    const std::string reduction = FinalReduction(*this, expression);
    if (!reduction.empty()) {
        const StepParts parts = SplitStep(reduction);
        worked += StepLine(parts.expression, StepPadding(first, parts.expression, 30), number + 1, parts.description);
        chain += "\r\n＝" + parts.expression;
        expression = parts.expression;
    }
    if (level == 1)
        return expression;
    if (level < 5)
        return chain;
    return TrimLeft(worked);
}

} // namespace qimbel
