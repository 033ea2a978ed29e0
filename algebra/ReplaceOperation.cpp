#include "algebra/ReplaceOperation.h"

#include "algebra/BracketMatching.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

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
    const std::string_view two = std::string_view(text).substr(text.size() < 2 ? 0 : text.size() - 2);
    return IsText(two, "＋") || IsText(two, "－") || IsText(two, "×") || IsText(two, "÷") || IsText(two, "·");
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

// True when what stands before `pos` would run into a number put there: a closing bracket, or
// a digit, letter or "." (a "/" is a fraction bar: 1/(3＋5) becomes 1/8).
bool GluesBefore(const std::string &text, int pos)
{
    const Neighbour kind = Before(text, pos);
    return kind == Neighbour::Close || (kind == Neighbour::Operand && text[static_cast<std::size_t>(pos - 1)] != '/');
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

namespace {

bool IsSign(std::string_view c) { return IsText(c, "＋") || IsText(c, "－"); }

// True when the signs from `pos` on stand in front of a bracket group, directly or after a
// factor (digits, letters, powers) that the group follows.
bool SignsBeforeGroup(const std::string &text, int pos)
{
    int j = pos;
    while (j < Len(text) && IsSign(std::string_view(text).substr(static_cast<std::size_t>(j), 2)))
        j += 2;
    while (j < Len(text)) {
        const char c = text[static_cast<std::size_t>(j)];
        if (!(IsDigitByte(c) || IsLetterByte(c) || c == '.' || c == '/' || c == '^'))
            break;
        ++j;
    }
    return j < Len(text) && IsOpeningBracket(text[static_cast<std::size_t>(j)]);
}

} // namespace

std::string MergeMeetingSigns(const std::string &text, bool beforeGroupsOnly)
{
    std::string out;
    bool lastWasSign = false;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        const std::string c = Mid(text, i, size);
        const bool sign = IsSign(c);
        if (sign && lastWasSign && (!beforeGroupsOnly || SignsBeforeGroup(text, i))) {
            const bool negative = std::string_view(out).ends_with("－") != (c == "－");
            out = Left(out, Len(out) - 2) + (negative ? "－" : "＋");
        } else {
            out += c;
        }
        lastWasSign = sign;
        i += size;
    }
    return out;
}

} // namespace qimbel
