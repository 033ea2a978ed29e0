#include "marking/EquationLine.h"

#include "equations/EquationText.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

namespace qimbel::marking {

namespace {

bool IsAsciiLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

const char *const kFormulaSigns[] = {"＋", "－", "×", "÷", "·", "＝", "＜", "＞", "≤", "≥", "√", "±"};

// The relation symbol that starts at byte i, or nothing.
std::string RelationAt(const std::string &text, int i)
{
    for (const char *symbol : kRelationSymbols)
        if (Mid(text, i, 2) == symbol)
            return symbol;
    return {};
}

bool HasRelation(const std::string &text)
{
    for (const char *symbol : kRelationSymbols)
        if (Contains(text, symbol))
            return true;
    return false;
}

bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }
bool IsClosing(char c) { return c == ')' || c == ']' || c == '}'; }

} // namespace

std::string NormalisedSigns(const std::string &typed)
{
    // Full-width ASCII (row 0xA3 of GBK) first, as single bytes.
    std::string ascii;
    for (int i = 0; i < Len(typed);) {
        const int size = CharSize(typed, i);
        const auto lead = static_cast<unsigned char>(typed[static_cast<std::size_t>(i)]);
        if (size == 2) {
            const auto trail = static_cast<unsigned char>(typed[static_cast<std::size_t>(i) + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
                ascii += static_cast<char>(trail - 0x80);
            else if (Mid(typed, i, 2) == "　")
                ascii += ' ';
            else if (Mid(typed, i, 2) == "—")
                ascii += '-';
            else
                ascii += Mid(typed, i, 2);
        } else {
            ascii += typed[static_cast<std::size_t>(i)];
        }
        i += size;
    }
    std::string out;
    // Signs that meet are one sign: 7＋－3 is 7－3, －－2 is ＋2.
    const auto sign = [&out](bool minus) {
        const std::string last = Right(out, 2);
        if (last == "＋" || last == "－") {
            const bool both = (last == "－") != minus;
            out = Left(out, Len(out) - 2) + (both ? "－" : "＋");
        } else {
            out += minus ? "－" : "＋";
        }
    };
    for (int i = 0; i < Len(ascii);) {
        const int size = CharSize(ascii, i);
        if (size == 2) {
            const std::string two = Mid(ascii, i, 2);
            if (two == "＋" || two == "－")
                sign(two == "－");
            else
                out += two;
            i += 2;
            continue;
        }
        const char c = ascii[static_cast<std::size_t>(i)];
        const char next = i + 1 < Len(ascii) ? ascii[static_cast<std::size_t>(i) + 1] : '\0';
        ++i;
        if (IsBlank(c) || c == '\0')
            continue;
        if ((c == '<' || c == '>') && next == '=') {
            out += c == '<' ? "≤" : "≥";
            ++i;
        } else if (c == '+' || c == '-') {
            sign(c == '-');
        } else if (c == '<' || c == '>' || c == '=' || c == '*') {
            out += c == '<' ? "＜" : c == '>' ? "＞" : c == '=' ? "＝" : "×";
        } else {
            out += c;
        }
    }
    return out;
}

bool IsFormulaChar(const std::string &text, int i)
{
    if (CharSize(text, i) == 2) {
        const std::string two = Mid(text, i, 2);
        for (const char *sign : kFormulaSigns)
            if (two == sign)
                return true;
        return false;
    }
    const char c = text[static_cast<std::size_t>(i)];
    return IsAsciiLetterOrDigit(c) || IsOpening(c) || IsClosing(c) || c == '.' || c == '/' || c == '^';
}

bool HasAnyWord(const std::string &text, const std::vector<const char *> &words)
{
    for (const char *word : words)
        if (Contains(text, word))
            return true;
    return false;
}

std::string WorkingPart(const std::string &normalised)
{
    std::string text = normalised;
    // The last "得" or ":" with a relation after it ends the words in front.
    for (int i = Len(text); i > 0;) {
        int cut = -1;
        for (const char *mark : {"得", ":"}) {
            const int at = ReverseFind(Left(text, i), mark);
            if (at > cut)
                cut = at;
        }
        if (cut < 0)
            break;
        const int after = cut + (Mid(text, cut, 1) == ":" ? 1 : 2);
        if (HasRelation(Mid(text, after))) {
            text = Mid(text, after);
            break;
        }
        i = cut;
    }
    // Words and marks in front and behind.
    int start = 0;
    while (start < Len(text) && !IsFormulaChar(text, start))
        start += CharSize(text, start);
    text = Mid(text, start);
    int end = 0;
    for (int i = 0; i < Len(text); i += CharSize(text, i))
        if (IsFormulaChar(text, i))
            end = i + CharSize(text, i);
    text = Left(text, end);
    // A brace that opens a system without closing it.
    int opened = 0;
    for (char c : text)
        opened += c == '{' ? 1 : c == '}' ? -1 : 0;
    if (opened > 0 && !text.empty() && text[0] == '{')
        text = Mid(text, 1);
    return text;
}

Relations SplitRelations(const std::string &text)
{
    Relations r;
    int from = 0;
    for (int i = 0; i < Len(text);) {
        const std::string symbol = RelationAt(text, i);
        if (symbol.empty()) {
            i += CharSize(text, i);
            continue;
        }
        r.sides.push_back(Mid(text, from, i - from));
        r.symbols.push_back(symbol);
        i += 2;
        from = i;
    }
    r.sides.push_back(Mid(text, from));
    return r;
}

std::string ReversedSymbol(const std::string &symbol)
{
    if (symbol == "＞")
        return "＜";
    if (symbol == "＜")
        return "＞";
    if (symbol == "≥")
        return "≤";
    if (symbol == "≤")
        return "≥";
    return symbol;
}

std::vector<std::string> Pieces(const std::string &text, bool orToo)
{
    std::vector<std::string> pieces;
    int depth = 0;
    int from = 0;
    for (int i = 0; i < Len(text);) {
        const int size = CharSize(text, i);
        const char c = text[static_cast<std::size_t>(i)];
        if (size == 1 && IsOpening(c))
            ++depth;
        else if (size == 1 && IsClosing(c))
            --depth;
        const bool cut = depth == 0 && ((size == 1 && (c == ',' || c == ';')) || (orToo && Mid(text, i, 2) == "或"));
        if (cut) {
            pieces.push_back(Mid(text, from, i - from));
            from = i + size;
        }
        i += size;
    }
    pieces.push_back(Mid(text, from));
    return pieces;
}

std::vector<TermSpan> TopTerms(const std::string &side)
{
    std::vector<TermSpan> terms;
    int depth = 0;
    int from = 0;
    std::string before; // the character before, as text
    for (int i = 0; i < Len(side);) {
        const int size = CharSize(side, i);
        const std::string ch = Mid(side, i, size);
        if (size == 1 && IsOpening(ch[0]))
            ++depth;
        else if (size == 1 && IsClosing(ch[0]))
            --depth;
        const bool sign = ch == "＋" || ch == "－";
        const bool joined = before.empty() || before == "×" || before == "÷" || before == "/" || before == "^"
            || before == "＋" || before == "－" || (before.size() == 1 && IsOpening(before[0]));
        if (depth == 0 && sign && !joined) {
            terms.push_back({from, i - from});
            from = i;
        }
        before = ch;
        i += size;
    }
    if (Len(side) > from)
        terms.push_back({from, Len(side) - from});
    return terms;
}

std::string FlippedTerm(const std::string &side, const TermSpan &term)
{
    const std::string head = Mid(side, term.at, 2);
    const std::string rest = Mid(side, term.at + term.length);
    if (head == "＋")
        return Left(side, term.at) + "－" + Mid(side, term.at + 2, term.length - 2) + rest;
    if (head == "－")
        return Left(side, term.at) + (term.at == 0 ? "" : "＋") + Mid(side, term.at + 2, term.length - 2) + rest;
    return Left(side, term.at) + "－" + Mid(side, term.at, term.length) + rest;
}

} // namespace qimbel::marking
