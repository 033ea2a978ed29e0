#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

#include <cmath>
#include <cstdlib>

namespace qimbel {

namespace {

constexpr Whole kWholeMax = static_cast<Whole>((static_cast<unsigned __int128>(1) << 127) - 1);

// Digits of an unsigned run, exactly; nothing when they do not fit in 128 bits.
std::optional<Whole> ReadDigits(const std::string &digits)
{
    if (digits.empty())
        return std::nullopt;
    Whole value = 0;
    for (char c : digits) {
        if (!IsDigitByte(c))
            return std::nullopt;
        if (value > (kWholeMax - (c - '0')) / 10)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A signed run: the sign (half-width) and the rest.
bool SplitSign(std::string &text)
{
    bool negative = false;
    while (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = negative != (text[0] == '-');
        text.erase(0, 1);
    }
    return negative;
}

// What stands just before `pos` or just after an occurrence, for ReplaceOperation.
enum class Neighbour { Edge, Open, Close, Plus, Minus, Times, Divide, Power, Operand, Other };

// The kind of a two-byte sign; Other for any other two-byte character.
Neighbour KindOfWide(const std::string &two)
{
    if (two == "＋")
        return Neighbour::Plus;
    if (two == "－")
        return Neighbour::Minus;
    if (two == "×" || two == "·")
        return Neighbour::Times;
    if (two == "÷")
        return Neighbour::Divide;
    return Neighbour::Other;
}

// The kind of a one-byte character.
Neighbour KindOfByte(char c)
{
    if (IsOpeningBracket(c))
        return Neighbour::Open;
    if (IsClosingBracket(c))
        return Neighbour::Close;
    if (c == '+')
        return Neighbour::Plus;
    if (c == '-')
        return Neighbour::Minus;
    if (c == '*')
        return Neighbour::Times;
    if (c == '^')
        return Neighbour::Power;
    if (IsDigitByte(c) || IsLetterByte(c) || c == '.' || c == '/')
        return Neighbour::Operand;
    return Neighbour::Other;
}

Neighbour Before(const std::string &text, int pos)
{
    if (pos <= 0)
        return Neighbour::Edge;
    if (pos >= 2) {
        const std::string two = Mid(text, pos - 2, 2);
        if (IsGbkLead(static_cast<unsigned char>(two[0])) && Find(text, two, pos - 2) == pos - 2)
            return KindOfWide(two);
    }
    return KindOfByte(text[static_cast<std::size_t>(pos - 1)]);
}

Neighbour After(const std::string &text, int pos)
{
    if (pos >= Len(text))
        return Neighbour::Edge;
    const Neighbour wide = KindOfWide(Mid(text, pos, 2));
    if (wide != Neighbour::Other)
        return wide;
    return KindOfByte(text[static_cast<std::size_t>(pos)]);
}

enum class OperationKind { Additive, Multiplicative, Power };

OperationKind KindOf(const std::string &operation)
{
    if (TopLevelTermCount(operation) > 1)
        return OperationKind::Additive;
    if (Contains(operation, "×") || Contains(operation, "÷") || Contains(operation, "·") || Contains(operation, ")(")
        || Contains(operation, "][") || Contains(operation, "}{"))
        return OperationKind::Multiplicative;
    if (Contains(operation, "^"))
        return OperationKind::Power;
    return OperationKind::Multiplicative;
}

// True when an occurrence with these neighbours is an operation of its own that can take the
// result: its neighbours bind no tighter than its operator and do not change its meaning.
bool StandsAlone(OperationKind kind, Neighbour before, Neighbour after)
{
    auto in = [](Neighbour n, std::initializer_list<Neighbour> set) {
        for (Neighbour m : set)
            if (n == m)
                return true;
        return false;
    };
    using N = Neighbour;
    switch (kind) {
    case OperationKind::Additive:
        return in(before, {N::Edge, N::Open, N::Plus}) && in(after, {N::Edge, N::Close, N::Plus, N::Minus});
    case OperationKind::Multiplicative:
        return in(before, {N::Edge, N::Open, N::Plus, N::Minus, N::Times})
            && in(after, {N::Edge, N::Close, N::Plus, N::Minus, N::Times, N::Divide});
    case OperationKind::Power:
        return in(before, {N::Edge, N::Open, N::Plus, N::Minus, N::Times, N::Divide})
            && in(after, {N::Edge, N::Close, N::Plus, N::Minus, N::Times, N::Divide});
    }
    return false;
}

bool EndsWithOperator(const std::string &text)
{
    const std::string two = Right(text, 2);
    return two == "＋" || two == "－" || two == "×" || two == "÷" || two == "·";
}

// The result as it goes into the place of one occurrence. An operation that begins with its own
// sign (－(a－b)) or ends with its operator ((a＋b)＋) is a run of whole terms on that side, so only
// the other side can bind it.
std::string Fitted(const std::string &operation, const std::string &result, Neighbour before, Neighbour after)
{
    using N = Neighbour;
    const bool tightBefore = !StartsWithSign(operation)
        && (before == N::Minus || before == N::Times || before == N::Divide || before == N::Power || before == N::Close
            || before == N::Operand);
    const bool tightAfter = !EndsWithOperator(operation)
        && (after == N::Times || after == N::Divide || after == N::Power || after == N::Open || after == N::Operand);
    if (TopLevelTermCount(result) > 1 && (tightBefore || tightAfter))
        return "(" + result + ")";
    return result;
}

// True when what stands before `pos` would run into a number put there: a closing bracket, or
// a digit, letter or "." (a "/" is a fraction bar: 1/(3＋5) becomes 1/8).
bool GluesBefore(const std::string &text, int pos)
{
    const Neighbour kind = Before(text, pos);
    return kind == Neighbour::Close || (kind == Neighbour::Operand && text[static_cast<std::size_t>(pos - 1)] != '/');
}

// The piece set off from what stands before it and from the first byte of what follows it
// (`next`, empty at the end), as JoinUnglued describes.
std::string Unglue(bool gluesBefore, std::string piece, const std::string &next)
{
    if (piece.empty())
        return piece;
    if (gluesBefore && (StartsWithSign(piece) || IsDigitByte(piece[0]) || piece[0] == '.')) {
        // A term with letters stays a bracketed factor (2(9a^(2))), which the product step takes
        // next; a number is multiplied with a written "×".
        if (HasLetters(piece))
            piece = "(" + piece + ")";
        else if (StartsWithSign(piece))
            piece = "×(" + piece + ")";
        else
            piece = "×" + piece;
    }
    if (!next.empty() && (IsDigitByte(next[0]) || next[0] == '.') && (IsDigitByte(piece.back()) || piece.back() == '.'))
        piece += "×";
    return piece;
}

} // namespace

double NumberValue::AsDouble() const
{
    if (kind == Kind::Decimal)
        return decimal;
    if (denominator == 0)
        return std::nan("");
    return static_cast<double>(numerator) / static_cast<double>(denominator);
}

bool IsDigitByte(char c) { return c >= '0' && c <= '9'; }

bool IsLetterByte(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool HasLetters(const std::string &text)
{
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        if (size == 1 && IsLetterByte(text[static_cast<std::size_t>(i)]))
            return true;
        i += size;
    }
    return false;
}

int LeadingSignLength(const std::string &text)
{
    const std::string two = Left(text, 2);
    return two == "＋" || two == "－" ? 2 : 0;
}

bool StartsWithSign(const std::string &text) { return LeadingSignLength(text) > 0; }

std::optional<NumberValue> ReadNumber(const std::string &input)
{
    std::string text = Trim(input);
    for (std::string inner = WithoutOuterBrackets(text); inner != text; inner = WithoutOuterBrackets(text))
        text = inner;
    text = HalfWidthSigns(text);
    if (text.empty() || Len(text) > 4000)
        return std::nullopt;
    NumberValue value;
    const bool negative = SplitSign(text);
    if (text.empty())
        return std::nullopt;
    const int slash = Find(text, "/");
    if (slash >= 0) {
        std::string top = Left(text, slash);
        std::string bottom = Mid(text, slash + 1);
        const bool topNegative = SplitSign(top);
        const bool bottomNegative = SplitSign(bottom);
        const std::optional<Whole> n = ReadDigits(top);
        const std::optional<Whole> d = ReadDigits(bottom);
        if (!n || !d) {
            // Too long for 128 bits, or not a fraction at all.
            if (Contains(top, ".") || Contains(bottom, ".") || top.empty() || bottom.empty())
                return std::nullopt;
            for (char c : top + bottom)
                if (!IsDigitByte(c))
                    return std::nullopt;
            value.kind = NumberValue::Kind::Decimal;
            value.decimal = std::strtod(top.c_str(), nullptr) / std::strtod(bottom.c_str(), nullptr);
            if (negative != (topNegative != bottomNegative))
                value.decimal = -value.decimal;
            return value;
        }
        value.kind = NumberValue::Kind::Fraction;
        value.numerator = (negative != (topNegative != bottomNegative)) ? -*n : *n;
        value.denominator = *d;
        return value;
    }
    const int dot = Find(text, ".");
    if (dot >= 0) {
        int digits = 0;
        for (int i = 0; i < Len(text); ++i) {
            const char c = text[static_cast<std::size_t>(i)];
            if (IsDigitByte(c))
                ++digits;
            else if (i != dot)
                return std::nullopt;
        }
        if (digits == 0)
            return std::nullopt;
        value.kind = NumberValue::Kind::Decimal;
        value.decimal = std::strtod(text.c_str(), nullptr);
        if (negative)
            value.decimal = -value.decimal;
        return value;
    }
    const std::optional<Whole> n = ReadDigits(text);
    if (!n) {
        for (char c : text)
            if (!IsDigitByte(c))
                return std::nullopt;
        // A whole number beyond 128 bits: the decimal road.
        value.kind = NumberValue::Kind::Decimal;
        value.decimal = std::strtod(text.c_str(), nullptr);
        if (negative)
            value.decimal = -value.decimal;
        return value;
    }
    value.numerator = negative ? -*n : *n;
    return value;
}

std::string WholeText(Whole value)
{
    const bool negative = value < 0;
    std::string digits;
    do {
        const int digit = static_cast<int>(value % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        value /= 10;
    } while (value != 0);
    return negative ? "－" + digits : digits;
}

std::string DecimalText(double value)
{
    if (!std::isfinite(value))
        return {};
    std::string text = Solver().ShuZhiWenBen(value);
    if (text == "-0")
        text = "0";
    if (!text.empty() && text[0] == '-')
        text = "－" + text.substr(1);
    return text;
}

std::string FractionText(Whole numerator, Whole denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    if (denominator == 1)
        return WholeText(numerator);
    return WholeText(numerator) + "/" + WholeText(denominator);
}

bool AddOverflows(Whole a, Whole b, Whole &sum) { return __builtin_add_overflow(a, b, &sum) || sum == -kWholeMax - 1; }

bool MultiplyOverflows(Whole a, Whole b, Whole &product)
{
    return __builtin_mul_overflow(a, b, &product) || product == -kWholeMax - 1;
}

int MatchingClose(const std::string &text, int pos)
{
    int depth = 0;
    for (int i = pos; i < Len(text);) {
        const int size = CharSize(text, i);
        if (size == 1) {
            const char c = text[static_cast<std::size_t>(i)];
            if (IsOpeningBracket(c))
                ++depth;
            else if (IsClosingBracket(c) && --depth == 0)
                return i;
        }
        i += size;
    }
    return -1;
}

int MatchingOpen(const std::string &text, int pos)
{
    int depth = 0;
    for (int i = pos; i >= 0; --i) {
        const char c = text[static_cast<std::size_t>(i)];
        // A trail byte of a two-byte character is never a bracket of ours.
        if (i > 0 && IsGbkLead(static_cast<unsigned char>(text[static_cast<std::size_t>(i - 1)]))
            && Find(text, Mid(text, i - 1, 2), i - 1) == i - 1)
            continue;
        if (IsClosingBracket(c))
            ++depth;
        else if (IsOpeningBracket(c) && --depth == 0)
            return i;
    }
    return -1;
}

std::string WithoutOuterBrackets(const std::string &text)
{
    if (Len(text) >= 2 && IsOpeningBracket(text[0]) && MatchingClose(text, 0) == Len(text) - 1)
        return Mid(text, 1, Len(text) - 2);
    return text;
}

int TopLevelTermCount(const std::string &text)
{
    int count = 1;
    int depth = 0;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        const char c = text[static_cast<std::size_t>(i)];
        if (size == 1 && IsOpeningBracket(c))
            ++depth;
        else if (size == 1 && IsClosingBracket(c))
            --depth;
        else if (depth == 0 && i > 0) {
            const std::string ch = Mid(text, i, size);
            if (ch == "＋" || ch == "－" || ch == "+" || ch == "-") {
                // A sign right after another operator is the sign of a number, not a new term.
                const Neighbour before = Before(text, i);
                if (before != Neighbour::Times && before != Neighbour::Divide && before != Neighbour::Power
                    && before != Neighbour::Plus && before != Neighbour::Minus && before != Neighbour::Open)
                    ++count;
            }
        }
        i += size;
    }
    return count;
}

std::string ReplaceOperation(
    const std::string &expression, const std::string &operation, const std::string &result, int primary)
{
    if (operation.empty())
        return expression;
    const OperationKind kind = KindOf(operation);
    const int length = Len(operation);
    if (primary < 0 || Find(expression, operation, primary) != primary) {
        primary = -1;
        for (int p = Find(expression, operation); p >= 0;
             p = FindFromBoundary(expression, operation, p + CharSize(expression, p)))
            if (StandsAlone(kind, Before(expression, p), After(expression, p + length))) {
                primary = p;
                break;
            }
        if (primary < 0)
            primary = Find(expression, operation);
        if (primary < 0)
            return expression;
    }

    std::string out;
    int copied = 0;
    // An occurrence that is passed over may overlap the next one, so the search goes on from the
    // character after it; one that is replaced is skipped whole.
    for (int p = Find(expression, operation); p >= 0;) {
        const Neighbour before = Before(expression, p);
        const Neighbour after = After(expression, p + length);
        if (p < copied || (p != primary && !StandsAlone(kind, before, after))) {
            p = FindFromBoundary(expression, operation, p + CharSize(expression, p));
            continue;
        }
        std::string piece = Fitted(operation, result, before, after);
        // A result that would run into an operand beside it is set off with "×"; an operation that
        // begins with its own sign or ends with its operator has no operand on that side.
        piece = Unglue(!StartsWithSign(operation) && GluesBefore(expression, p), piece,
            EndsWithOperator(operation) ? std::string() : Mid(expression, p + length, 1));
        std::string head = Mid(expression, copied, p - copied);
        // A sign that meets a sign becomes one sign.
        if ((before == Neighbour::Plus || before == Neighbour::Minus) && StartsWithSign(piece) && Len(head) >= 2
            && (Right(head, 2) == "＋" || Right(head, 2) == "－")) {
            const bool negative = (Right(head, 2) == "－") != (Left(piece, 2) == "－");
            head = Left(head, Len(head) - 2) + (negative ? "－" : "＋");
            piece = Mid(piece, 2);
        }
        out += head + piece;
        copied = p + length;
        p = FindFromBoundary(expression, operation, copied);
    }
    out += Mid(expression, copied);
    return out;
}

std::string JoinUnglued(const std::string &head, const std::string &piece, const std::string &tail, bool bracketSigned)
{
    const bool glues = GluesBefore(head, Len(head));
    if (glues && !bracketSigned && StartsWithSign(piece))
        return head + "×" + Unglue(false, piece, Left(tail, 1)) + tail;
    return head + Unglue(glues, piece, Left(tail, 1)) + tail;
}

std::string MergeSigns(std::string text)
{
    Solver s;
    s.TiHuan(text, "＋－", "－");
    s.TiHuan(text, "－－", "＋");
    s.TiHuan(text, "－＋", "－");
    return text;
}

StepParts SplitStep(const std::string &step)
{
    StepParts parts;
    const int bar = Find(step, "┃");
    if (bar < 0) {
        parts.expression = step;
        return parts;
    }
    parts.expression = Left(step, bar);
    parts.description = Mid(step, bar + Len("┃"));
    parts.hasSeparator = true;
    return parts;
}

int StepPadding(const std::string &first, const std::string &current, int least)
{
    const long long p = static_cast<long long>(Len(first)) - Len(current) + 10;
    return p < least ? least : static_cast<int>(p);
}

std::string StepLine(const std::string &expression, int padding, int number, const std::string &description)
{
    return "\r\n＝" + TrimRight(expression) + std::string(static_cast<std::size_t>(padding > 0 ? padding : 0), ' ')
        + "第" + std::to_string(number) + "步:" + Trim(description);
}

std::string FinalReduction(Solver &solver, const std::string &expression)
{
    const int sign = LeadingSignLength(expression);
    const std::string body = Mid(expression, sign);
    const int slash = Find(body, "/");
    if (slash <= 0 || slash == Len(body) - 1)
        return {};
    for (int i = 0; i < Len(body); ++i)
        if (i != slash && !IsDigitByte(body[static_cast<std::size_t>(i)]))
            return {};
    // The fraction helpers work in 32 bits: larger parts are left as they are.
    const std::optional<NumberValue> value = ReadNumber(body);
    if (!value || value->kind != NumberValue::Kind::Fraction || value->numerator > 2147483647
        || value->denominator > 2147483647 || value->denominator == 0)
        return {};
    if (!solver.KeYueFen(body))
        return {};
    const std::string reduced = solver.YueFen(body);
    if (reduced.empty() || Find(reduced, "┃") <= 0)
        return {};
    return Left(expression, sign) + reduced;
}

std::string OperandBefore(const std::string &expression, int pos)
{
    int start = pos;
    if (start > 0 && IsClosingBracket(expression[static_cast<std::size_t>(start - 1)])) {
        const int open = MatchingOpen(expression, start - 1);
        start = open < 0 ? 0 : open;
    } else {
        while (start > 0) {
            const char c = expression[static_cast<std::size_t>(start - 1)];
            if (!(IsDigitByte(c) || IsLetterByte(c) || c == '.' || c == '/'))
                break;
            --start;
        }
    }
    if (start >= 2) {
        const std::string sign = Mid(expression, start - 2, 2);
        if ((sign == "＋" || sign == "－") && Find(expression, sign, start - 2) == start - 2) {
            const Neighbour before = Before(expression, start - 2);
            if (before == Neighbour::Edge || before == Neighbour::Open || before == Neighbour::Plus
                || before == Neighbour::Minus || before == Neighbour::Times || before == Neighbour::Divide
                || before == Neighbour::Power)
                start -= 2;
        }
    }
    return Mid(expression, start, pos - start);
}

std::string OperandAfter(const std::string &expression, int pos)
{
    int end = pos + LeadingSignLength(Mid(expression, pos, 2));
    if (end < Len(expression) && IsOpeningBracket(expression[static_cast<std::size_t>(end)])) {
        const int close = MatchingClose(expression, end);
        end = close < 0 ? Len(expression) : close + 1;
    } else {
        while (end < Len(expression)) {
            const char c = expression[static_cast<std::size_t>(end)];
            if (!(IsDigitByte(c) || IsLetterByte(c) || c == '.' || c == '/'))
                break;
            ++end;
        }
    }
    return Mid(expression, pos, end - pos);
}

std::string LetterPartKey(const std::string &letterPart)
{
    double exponents[52] = {};
    const int n = Len(letterPart);
    for (int i = 0; i < n;) {
        const char c = letterPart[static_cast<std::size_t>(i)];
        if (!IsLetterByte(c))
            return "#" + letterPart;
        const int slot = c >= 'a' ? c - 'a' : 26 + (c - 'A');
        ++i;
        double exponent = 1;
        if (i < n && letterPart[static_cast<std::size_t>(i)] == '^') {
            ++i;
            int end = i;
            if (end < n && letterPart[static_cast<std::size_t>(end)] == '(') {
                const int close = MatchingClose(letterPart, end);
                if (close < 0)
                    return "#" + letterPart;
                end = close + 1;
            } else {
                while (end < n
                    && (IsDigitByte(letterPart[static_cast<std::size_t>(end)])
                        || letterPart[static_cast<std::size_t>(end)] == '.'))
                    ++end;
            }
            const std::optional<NumberValue> value = ReadNumber(Mid(letterPart, i, end - i));
            if (!value)
                return "#" + letterPart;
            exponent = value->AsDouble();
            i = end;
        }
        exponents[slot] += exponent;
    }
    std::string key;
    for (int slot = 0; slot < 52; ++slot)
        if (exponents[slot] != 0)
            key += std::string(1, static_cast<char>(slot < 26 ? 'a' + slot : 'A' + slot - 26)) + "^"
                + DecimalText(exponents[slot]) + ";";
    return key;
}

std::string SumOrDifference(Solver &solver, std::string a, std::string b, bool subtract)
{
    a = WithoutOuterBrackets(Trim(a));
    b = WithoutOuterBrackets(Trim(b));
    const std::string sign = subtract ? "－" : "＋";
    const bool lettersA = HasLetters(a);
    const bool lettersB = HasLetters(b);
    if (!lettersA && !lettersB) {
        const std::optional<NumberValue> x = ReadNumber(a);
        const std::optional<NumberValue> y = ReadNumber(b);
        if (!x || !y)
            return {};
        using Kind = NumberValue::Kind;
        if (x->kind != Kind::Decimal && y->kind != Kind::Decimal
            && (x->kind == Kind::Fraction || y->kind == Kind::Fraction)) {
            if (x->denominator == 0 || y->denominator == 0)
                return {};
            const Whole n2 = subtract ? -y->numerator : y->numerator;
            Whole n = 0;
            if (x->denominator == y->denominator) {
                if (!AddOverflows(x->numerator, n2, n))
                    return n == 0 ? std::string("0") : FractionText(n, x->denominator);
            } else if (x->numerator >= 0 && y->numerator >= 0 && x->denominator <= 2147483647
                && y->denominator <= 2147483647 && x->numerator <= 2147483647 && y->numerator <= 2147483647) {
                // Different denominators: the common-denominator step, written out.
                auto plain = [](const NumberValue &v) {
                    return v.kind == Kind::Whole ? WholeText(v.numerator)
                                                 : WholeText(v.numerator) + "/" + WholeText(v.denominator);
                };
                return solver.TongFen(plain(*x) + sign + plain(*y));
            } else {
                // Signed operands: brought over the least common denominator directly.
                Whole g = x->denominator, h = y->denominator;
                while (h != 0) {
                    const Whole t = g % h;
                    g = h;
                    h = t;
                }
                Whole l = 0, left = 0, right = 0;
                if (!MultiplyOverflows(x->denominator / g, y->denominator, l)
                    && !MultiplyOverflows(x->numerator, l / x->denominator, left)
                    && !MultiplyOverflows(n2, l / y->denominator, right) && !AddOverflows(left, right, n))
                    return n == 0 ? std::string("0") : FractionText(n, l);
            }
            // Beyond 128 bits: the decimal road.
        }
        if (x->kind == Kind::Whole && y->kind == Kind::Whole) {
            Whole n = 0;
            if (!AddOverflows(x->numerator, subtract ? -y->numerator : y->numerator, n))
                return WholeText(n);
        }
        const double v = subtract ? x->AsDouble() - y->AsDouble() : x->AsDouble() + y->AsDouble();
        return DecimalText(v);
    }
    if (lettersA && lettersB) {
        const std::string partA = DropCoefficient(FullWidthSigns(a));
        const std::string partB = DropCoefficient(FullWidthSigns(b));
        if (LetterPartKey(partA) == LetterPartKey(partB)) {
            auto coefficientOf = [&](const std::string &term) {
                const std::string c = solver.GetShuZi(FullWidthSigns(term));
                if (c.empty() || c == "＋")
                    return std::string("1");
                if (c == "－")
                    return std::string("－1");
                return c;
            };
            const std::string c = SumOrDifference(solver, coefficientOf(a), coefficientOf(b), subtract);
            if (c.empty() || Contains(c, "┃"))
                return FullWidthSigns(a) + sign + FullWidthSigns(b);
            if (c == "0")
                return c;
            if (c == "1")
                return partA;
            if (c == "－1")
                return "－" + partA;
            return c + partA;
        }
    }
    return FullWidthSigns(a) + sign + FullWidthSigns(b);
}

std::string MonomialProduct(Solver &solver, std::string a, std::string b, bool divide)
{
    StringArray x;
    StringArray y;
    solver.DanXiangShiToShuZu(std::move(a), x);
    solver.DanXiangShiToShuZu(std::move(b), y);
    const std::string cx = x[x.GetSize() - 1];
    const std::string cy = y[y.GetSize() - 1];
    std::string c = divide ? solver.XiangChu(cx, cy) : solver.XiangCheng(cx, cy);
    // A fraction quotient comes back as the multiplication still to do.
    const int times = Find(c, "×");
    if (times > 0)
        c = solver.XiangCheng(Left(c, times), Mid(c, times + 2));
    if (c.empty())
        return {};
    if (c == "0")
        return c;

    double exponents[52] = {};
    std::string others; // factors that are no letter power stay as they are, after the letters
    auto take = [&](const StringArray &pieces, bool subtract) {
        for (int i = pieces.GetSize() - 2; i >= 0; --i) {
            const std::string &factor = pieces[i];
            if (factor.empty())
                continue;
            const std::optional<NumberValue> e = ReadNumber(solver.ZhengShiMi(factor));
            if (!IsLetterByte(factor[0]) || !e) {
                others += factor;
                continue;
            }
            const char letter = factor[0];
            const int slot = letter >= 'a' ? letter - 'a' : 26 + (letter - 'A');
            exponents[slot] += subtract ? -e->AsDouble() : e->AsDouble();
        }
    };
    take(x, false);
    take(y, divide);

    std::string text = c == "1" ? std::string() : c == "－1" ? std::string("－") : c;
    for (int slot = 0; slot < 52; ++slot) {
        const std::string sum = DecimalText(exponents[slot]);
        if (sum.empty() || sum == "0")
            continue;
        text += static_cast<char>(slot < 26 ? 'a' + slot : 'A' + slot - 26);
        if (sum != "1")
            text += "^(" + sum + ")";
    }
    text = solver.QuLing(text + others);
    if (text.empty() || text == "－" || text == "＋")
        text += "1";
    return text;
}

std::string GroupStep(Solver &solver, const std::string &head, const std::string &group, const std::string &tail,
    const std::string &opening, const std::string &closing)
{
    const bool wrapped
        = Len(group) >= 2 && Left(group, Len(opening)) == opening && Right(group, Len(closing)) == closing;
    const std::string inside = wrapped ? Mid(group, Len(opening), Len(group) - Len(opening) - Len(closing)) : group;
    // A group inside that still holds work goes first: of the same kind, else of another kind
    // (brackets that pupils nest the other way round, as in ({…})).
    if (wrapped) {
        const char *const kinds[][2] = {{"(", ")"}, {"[", "]"}, {"{", "}"}};
        for (int k = -1; k < 3; ++k) {
            const std::string open = k < 0 ? opening : kinds[k][0];
            const std::string close = k < 0 ? closing : kinds[k][1];
            const std::string inner = solver.KuoHaoCheck(inside, open, close);
            if (inner.empty() || inner == inside || Left(inner, 1) != open || Right(inner, 1) != close)
                continue;
            const int at = solver.ZuiHouWeiZhi(inside, inner);
            if (at >= 0)
                return GroupStep(solver, head + opening + Left(inside, at), inner,
                    Mid(inside, at + Len(inner)) + closing + tail, open, close);
        }
    }
    const char *start = opening == "[" ? "┃进行中括号中，" : opening == "{" ? "┃进行大括号中，" : "┃进行小括号中，";
    const std::string step = solver.ZhengShiYiBu(inside);
    if (step.empty()) {
        // Nothing to work inside, as in {[－3]}: the group's own brackets go.
        if (wrapped && WithoutOuterBrackets(inside) != inside)
            return head + inside + tail + "┃去掉式子 " + group + " 两边的括号";
        return {};
    }
    const StepParts parts = SplitStep(step);
    if (parts.expression.empty())
        return start + parts.description; // the operation formed no value
    if (wrapped && solver.HanYunSuanFu(parts.expression)) {
        // A signed number keeps its brackets; beside a factor it is set off with "×" (2(3－5) is
        // 2×(－2)), so the product is worked next.
        const std::string kept = opening + parts.expression + closing;
        const std::optional<NumberValue> value = ReadNumber(parts.expression);
        if (value && StartsWithSign(parts.expression)) {
            const std::string next = Left(tail, 1);
            const bool digitAfter = !next.empty() && (IsDigitByte(next[0]) || next[0] == '.');
            if (GluesBefore(head, Len(head)))
                return head + "×" + kept + (digitAfter ? "×" : "") + tail + start + parts.description;
            if (digitAfter)
                return head + kept + "×" + tail + start + parts.description;
        }
        return head + kept + tail + start + parts.description;
    }
    return JoinUnglued(head, parts.expression, tail) + start + parts.description;
}

bool NeedsCommonDenominator(Solver &solver, const std::string &expression)
{
    if (Contains(expression, ".") || Contains(expression, "×") || Contains(expression, "÷")
        || Find(expression, "/") <= 0 || !solver.GetZiMu(expression).empty())
        return false;
    for (const char *piece : {"(", ")", "[", "]", "{", "}", "^", "＋－", "－－", "＋＋", "－＋"})
        if (Contains(expression, piece))
            return false;
    return solver.FenMuBuTong(expression) == 1;
}

namespace {

const char *OperationPhrase(const std::string &op)
{
    if (op == "^")
        return " 的乘方计算";
    if (op == "×")
        return " 的乘法计算";
    if (op == "÷")
        return " 的除法计算";
    if (op == "＋")
        return " 的加法计算";
    return " 的减法计算";
}

} // namespace

WorkedOperation WorkOperation(Solver &solver, const std::string &a, const std::string &op, const std::string &b)
{
    WorkedOperation worked;
    worked.operation = a + op + b;
    if (op == "^")
        worked.result = solver.ZhengShiChengFang(a, b);
    else if (op == "×")
        worked.result = solver.XiangCheng(a, b);
    else if (op == "÷")
        worked.result = solver.XiangChu(a, b);
    else if (op == "＋")
        worked.result = solver.XiangJia(a, b);
    else
        worked.result = solver.XiangJian(a, b);
    worked.phrase = OperationPhrase(op);
    const StepParts parts = SplitStep(worked.result);
    if (parts.hasSeparator) {
        worked.result = parts.expression;
        worked.phrase += "  ";
        worked.again = worked.result;
    }
    return worked;
}

std::string OperationStep(const std::string &expression, const WorkedOperation &worked, int start)
{
    if (worked.result.empty())
        return "┃" + worked.operation + "=" + worked.phrase;
    const std::string next = ReplaceOperation(expression, worked.operation, worked.result, start);
    return next + "┃" + worked.operation + "=" + worked.result + worked.phrase + worked.again;
}

std::string DriverStep(Solver &solver, const std::string &expression)
{
    static const char *const kinds[][2] = {{"(", ")"}, {"[", "]"}, {"{", "}"}};
    for (const auto &kind : kinds)
        if (!solver.KuoHaoCheck(expression, kind[0], kind[1]).empty())
            return solver.ZhengShiTuoHao(expression, kind[0], kind[1]);
    return solver.ZhengShiSiZeYunSuan(expression);
}

} // namespace qimbel
