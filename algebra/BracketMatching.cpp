#include "algebra/BracketMatching.h"

#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

namespace qimbel {

namespace {

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

} // namespace

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
    const std::string_view view(text);
    return view.starts_with("＋") || view.starts_with("－") ? 2 : 0;
}

bool StartsWithSign(const std::string &text) { return LeadingSignLength(text) > 0; }

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
            const std::string_view ch
                = std::string_view(text).substr(static_cast<std::size_t>(i), static_cast<std::size_t>(size));
            if (IsText(ch, "＋") || IsText(ch, "－") || IsText(ch, "+") || IsText(ch, "-")) {
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

} // namespace qimbel
