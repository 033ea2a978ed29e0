// Reading a text box into the typeset tree: lines, blocks, step labels, grid lines, and in each
// flow line the maths runs with their fractions, powers, radicals and subscripts.
#include "typeset/TypesetTree.h"

#include "typeset/GbkUnicode.h"

#include <cstring>

namespace qimbel {

namespace {

// Characters are cut as the decoder reads them (an unassigned two-byte code is two single bytes),
// so that every face sees the same characters.
std::size_t CharLength(const std::string &s, std::size_t pos)
{
    if (static_cast<unsigned char>(s[pos]) < 0x80)
        return 1;
    return DecodeGbkChar(s, pos).length;
}

bool IsBlankByte(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Two-byte signs read as maths, by kind.
const char *const kWideSigns[] = {"＋", "－", "×", "÷", "＝", "＞", "＜", "≥", "≤", "≠", "±", "∴", "∵", "≈", "∶"};
const char *const kWideNames[] = {"△", "π", "α", "β", "∠"};
const char kRadical[] = "√";

bool Is(const std::string &s, std::size_t pos, const char *what)
{
    const std::size_t n = std::strlen(what);
    return s.compare(pos, n, what) == 0;
}

template <std::size_t N> bool IsOneOf(const std::string &s, std::size_t pos, const char *const (&list)[N])
{
    for (const char *w : list)
        if (Is(s, pos, w))
            return true;
    return false;
}

// A character that can stand in a maths run.
bool IsMathChar(const std::string &s, std::size_t pos)
{
    const char c = s[pos];
    if (IsDigit(c) || IsLetter(c))
        return true;
    if (std::strchr("+-*/=<>()[]{}^.,|%", c) != nullptr && c != '\0')
        return true;
    if (CharLength(s, pos) == 2)
        return IsOneOf(s, pos, kWideSigns) || IsOneOf(s, pos, kWideNames) || Is(s, pos, kRadical);
    return false;
}

TsNode Leaf(TsKind kind, std::string text)
{
    TsNode n;
    n.kind = kind;
    n.text = std::move(text);
    return n;
}

bool IsAtom(const TsNode &n)
{
    return n.kind == TsKind::Number || n.kind == TsKind::Name || n.kind == TsKind::Fenced || n.kind == TsKind::Fraction
        || n.kind == TsKind::Power || n.kind == TsKind::Root || n.kind == TsKind::Index;
}

// A bracket group turned into the row its surroundings (a bar, a radical, a raised exponent)
// already delimit: its brackets are kept, hidden.
TsNode Unfence(TsNode n)
{
    if (n.kind == TsKind::Fenced) {
        n.kind = TsKind::Row;
        return n;
    }
    TsNode row;
    row.kind = TsKind::Row;
    row.kids.push_back(std::move(n));
    return row;
}

// Brackets nested deeper than this stay plain signs: the tree, and every walk over it, stays shallow.
constexpr int kMaxDepth = 24;

class MathReader {
public:
    // Reads the maths run s[begin, end); `subscripts` after a "∴".
    // `divisionBars`: "÷" is a fraction bar, as the solver of the type reads it.
    MathReader(const std::string &s, std::size_t begin, std::size_t end, bool subscripts, bool divisionBars = false)
        : s_(s)
        , begin_(begin)
        , match_(end - begin, std::string::npos)
        , subscripts_(subscripts)
        , divisionBars_(divisionBars)
    {
        // Matching brackets in one pass; a closing bracket of the wrong kind matches nothing.
        std::vector<std::size_t> open;
        for (std::size_t p = begin; p < end; p += CharLength(s, p)) {
            const char c = s[p];
            if (c == '(' || c == '[' || c == '{') {
                open.push_back(p);
            } else if ((c == ')' || c == ']' || c == '}') && !open.empty() && Closing(s[open.back()]) == c) {
                match_[open.back() - begin] = p;
                open.pop_back();
            }
        }
    }

    std::vector<TsNode> Read(std::size_t pos, std::size_t end, int depth = 0)
    {
        std::vector<TsNode> items;
        while (pos < end) {
            std::size_t next = pos;
            TsNode atom;
            if (!ReadAtom(pos, end, depth, atom, next)) {
                const std::size_t n = CharLength(s_, pos);
                items.push_back(Leaf(TsKind::Sign, s_.substr(pos, n)));
                pos += n;
                continue;
            }
            pos = ReadPowers(next, end, depth, atom);
            items.push_back(std::move(atom));
        }
        return Fractions(std::move(items), divisionBars_);
    }

private:
    const std::string &s_;
    std::size_t begin_;
    std::vector<std::size_t> match_;
    bool subscripts_;
    bool divisionBars_;

    static char Closing(char open) { return open == '(' ? ')' : open == '[' ? ']' : '}'; }

    // The matching closing bracket of the one at `pos` before `end`, or npos.
    std::size_t Match(std::size_t pos, std::size_t end) const
    {
        const std::size_t m = match_[pos - begin_];
        return m < end ? m : std::string::npos;
    }

    bool ReadAtom(std::size_t pos, std::size_t end, int depth, TsNode &atom, std::size_t &next)
    {
        const char c = s_[pos];
        if (IsDigit(c)) {
            std::size_t p = pos;
            while (p < end && IsDigit(s_[p]))
                ++p;
            if (p + 1 < end && s_[p] == '.' && IsDigit(s_[p + 1])) {
                ++p;
                while (p < end && IsDigit(s_[p]))
                    ++p;
            }
            atom = Leaf(TsKind::Number, s_.substr(pos, p - pos));
            next = p;
            return true;
        }
        if (IsLetter(c)) {
            atom = Leaf(TsKind::Name, s_.substr(pos, 1));
            next = pos + 1;
            // x1, x2 after ∴: the digits are a subscript.
            std::size_t p = next;
            while (subscripts_ && p < end && IsDigit(s_[p]) && p - next < 2)
                ++p;
            if (subscripts_ && p > next
                && (p == end || !(IsDigit(s_[p]) || IsLetter(s_[p]) || s_[p] == '.' || s_[p] == '^' || s_[p] == '/'))) {
                TsNode index;
                index.kind = TsKind::Index;
                index.kids.push_back(std::move(atom));
                index.kids.push_back(Leaf(TsKind::Number, s_.substr(next, p - next)));
                atom = std::move(index);
                next = p;
            }
            return true;
        }
        if (CharLength(s_, pos) == 2 && IsOneOf(s_, pos, kWideNames)) {
            atom = Leaf(TsKind::Name, s_.substr(pos, 2));
            next = pos + 2;
            return true;
        }
        if (c == '(' || c == '[' || c == '{') {
            const std::size_t close = Match(pos, end);
            if (close == std::string::npos || depth >= kMaxDepth)
                return false;
            atom = TsNode {};
            atom.kind = TsKind::Fenced;
            atom.open = s_.substr(pos, 1);
            atom.close = s_.substr(close, 1);
            atom.kids = Read(pos + 1, close, depth + 1);
            next = close + 1;
            return true;
        }
        if (Is(s_, pos, kRadical) && pos + 2 < end) {
            TsNode radicand;
            std::size_t after = pos + 2;
            const char r = s_[after];
            if (!(IsDigit(r) || IsLetter(r) || r == '(' || r == '[' || r == '{' || IsOneOf(s_, after, kWideNames)))
                return false;
            if (!ReadAtom(after, end, depth, radicand, after))
                return false;
            atom = TsNode {};
            atom.kind = TsKind::Root;
            atom.text = kRadical;
            atom.kids.push_back(Unfence(std::move(radicand)));
            next = after;
            return true;
        }
        return false;
    }

    // The powers written after an atom: ^(n), ^n, ^－n.
    std::size_t ReadPowers(std::size_t pos, std::size_t end, int depth, TsNode &atom)
    {
        while (pos + 1 < end && s_[pos] == '^') {
            std::size_t p = pos + 1;
            TsNode exponent;
            exponent.kind = TsKind::Row;
            if (s_[p] == '(') {
                const std::size_t close = Match(p, end);
                if (close == std::string::npos || close == p + 1 || depth >= kMaxDepth)
                    break;
                exponent.open = "(";
                exponent.close = ")";
                exponent.kids = Read(p + 1, close, depth + 1);
                p = close + 1;
            } else {
                if (Is(s_, p, "－") || s_[p] == '-') {
                    const std::size_t n = s_[p] == '-' ? 1 : 2;
                    if (p + n >= end || !IsDigit(s_[p + n]))
                        break;
                    exponent.kids.push_back(Leaf(TsKind::Sign, s_.substr(p, n)));
                    p += n;
                }
                if (IsDigit(s_[p])) {
                    std::size_t q = p;
                    while (q < end && IsDigit(s_[q]))
                        ++q;
                    exponent.kids.push_back(Leaf(TsKind::Number, s_.substr(p, q - p)));
                    p = q;
                } else if (IsLetter(s_[p])) {
                    exponent.kids.push_back(Leaf(TsKind::Name, s_.substr(p, 1)));
                    ++p;
                } else {
                    break;
                }
            }
            TsNode power;
            power.kind = TsKind::Power;
            power.text = "^";
            power.kids.push_back(std::move(atom));
            power.kids.push_back(std::move(exponent));
            atom = std::move(power);
            pos = p;
        }
        return pos;
    }

    // An ASCII "*" binds a product into one side of a fraction, as the explanations write it
    // (1*3/2*3 is 1×3 over 2×3); "×" does not.
    static bool IsStar(const TsNode &n) { return n.kind == TsKind::Sign && n.text == "*"; }

    // "/" between atoms: the run of atoms written together before it over the atom after it. With
    // `divisionBars` a "÷" is a bar too, as the fraction routines read it: the run before it over
    // the run written together after it (2÷x(x＋1) is 2 over x(x＋1)); a "÷" after a whole
    // fraction divides it.
    static std::vector<TsNode> Fractions(std::vector<TsNode> items, bool divisionBars)
    {
        std::vector<TsNode> out;
        for (std::size_t i = 0; i < items.size(); ++i) {
            TsNode &item = items[i];
            const bool division = divisionBars && item.kind == TsKind::Sign && item.text == "÷";
            const bool bar = (item.kind == TsKind::Sign && item.text == "/")
                || (division && !out.empty() && out.back().kind != TsKind::Fraction);
            if (!bar || out.empty() || !IsAtom(out.back()) || i + 1 >= items.size() || !IsAtom(items[i + 1])) {
                out.push_back(std::move(item));
                continue;
            }
            std::size_t first = out.size();
            while (first > 0
                && (IsAtom(out[first - 1]) || (IsStar(out[first - 1]) && first >= 2 && IsAtom(out[first - 2]))))
                --first;
            TsNode numerator;
            if (out.size() - first == 1) {
                numerator = Unfence(std::move(out.back()));
            } else {
                numerator.kind = TsKind::Row;
                for (std::size_t k = first; k < out.size(); ++k)
                    numerator.kids.push_back(std::move(out[k]));
            }
            out.resize(first);
            std::size_t last = i + 1;
            while (last + 2 < items.size() && IsStar(items[last + 1]) && IsAtom(items[last + 2]))
                last += 2;
            while (division && last + 1 < items.size() && IsAtom(items[last + 1]))
                ++last;
            TsNode denominator;
            if (last == i + 1) {
                denominator = Unfence(std::move(items[i + 1]));
            } else {
                denominator.kind = TsKind::Row;
                for (std::size_t k = i + 1; k <= last; ++k)
                    denominator.kids.push_back(std::move(items[k]));
            }
            TsNode fraction;
            fraction.kind = TsKind::Fraction;
            fraction.text = item.text;
            fraction.kids.push_back(std::move(numerator));
            fraction.kids.push_back(std::move(denominator));
            out.push_back(std::move(fraction));
            i = last;
        }
        return out;
    }
};

// Splits [pos, end) of a line into blanks, text runs and maths runs.
void ReadRuns(
    const std::string &s, std::size_t pos, std::size_t end, std::size_t subscriptsFrom, TsNode &row, bool divisionBars)
{
    row.kind = TsKind::Row;
    while (pos < end) {
        std::size_t p = pos;
        if (IsBlankByte(s[p])) {
            while (p < end && IsBlankByte(s[p]))
                ++p;
            row.kids.push_back(Leaf(TsKind::Blank, s.substr(pos, p - pos)));
        } else if (s[p] == '-' && p + 1 < end && s[p + 1] == '-') {
            // A rule of hyphens (the result header, a bar) is no row of minus signs.
            while (p < end && s[p] == '-')
                ++p;
            row.kids.push_back(Leaf(TsKind::Text, s.substr(pos, p - pos)));
        } else if (IsMathChar(s, p)) {
            while (p < end && IsMathChar(s, p) && !(s[p] == '-' && p + 1 < end && s[p + 1] == '-'))
                p += CharLength(s, p);
            if (p > end)
                p = end;
            MathReader reader(s, pos, p, pos >= subscriptsFrom, divisionBars);
            for (TsNode &n : reader.Read(pos, p))
                row.kids.push_back(std::move(n));
        } else {
            while (p < end && !IsBlankByte(s[p]) && !IsMathChar(s, p))
                p += CharLength(s, p);
            if (p > end)
                p = end;
            row.kids.push_back(Leaf(TsKind::Text, s.substr(pos, p - pos)));
        }
        pos = p;
    }
}

bool IsRelation(const TsNode &n) { return n.kind == TsKind::Sign && TsIsRelation(n.text); }

bool HasRelation(const TsNode &row)
{
    for (const TsNode &n : row.kids)
        if (IsRelation(n))
            return true;
    return false;
}

// A line of a column sum or a long division: leading blanks, then digits, points, bars, blanks,
// ")" and the column's operator signs only.
bool IsColumnLine(const std::string &s, std::size_t begin, std::size_t end)
{
    std::size_t p = begin;
    while (p < end && s[p] == ' ')
        ++p;
    if (p - begin < 4 || p == end)
        return false;
    bool digitOrBar = false;
    while (p < end) {
        const char c = s[p];
        if (IsDigit(c) || c == '-') {
            digitOrBar = true;
            ++p;
        } else if (c == ' ' || c == '.' || c == ')') {
            ++p;
        } else if (Is(s, p, "＋") || Is(s, p, "－") || Is(s, p, "×") || Is(s, p, "÷")) {
            p += 2;
        } else {
            return false;
        }
    }
    return digitOrBar;
}

// Start of the step label that ends [begin, end): two or more blanks after a body, then 第, a
// number (with blanks around it in the linear-system texts), 步 and a colon. npos when none.
std::size_t LabelStart(const std::string &s, std::size_t begin, std::size_t end, std::size_t &gapStart)
{
    for (std::size_t p = begin; p < end; p += CharLength(s, p)) {
        if (!Is(s, p, "第") || p < begin + 2 || !IsBlankByte(s[p - 1]) || !IsBlankByte(s[p - 2]))
            continue;
        std::size_t q = p + 2;
        while (q < end && s[q] == ' ')
            ++q;
        const std::size_t digits = q;
        while (q < end && IsDigit(s[q]))
            ++q;
        if (q == digits)
            continue;
        while (q < end && s[q] == ' ')
            ++q;
        if (!Is(s, q, "步") || !(Is(s, q + 2, ":") || Is(s, q + 2, "：")))
            continue;
        std::size_t g = p;
        while (g > begin && IsBlankByte(s[g - 1]))
            --g;
        if (g == begin)
            return std::string::npos; // a label alone on its line stays where it is
        gapStart = g;
        return p;
    }
    return std::string::npos;
}

// A line of a marked copy that carries a mark: "√", or "× 第k步错了…" whose sentence stays.
bool ReadMarkLine(const std::string &text, bool markedCopy, TsLine &line)
{
    const bool right = markedCopy && text == "√";
    if (!right && !(markedCopy && text.compare(0, std::strlen("× 第"), "× 第") == 0))
        return false;
    line.mark = right ? TsMark::Right : TsMark::Wrong;
    line.markSign = right ? text : text.substr(0, std::strlen("× "));
    if (!right)
        line.body.kids.push_back(Leaf(TsKind::Text, text.substr(line.markSign.size())));
    return true;
}

bool StartsBlankOrRelation(const TsNode &row)
{
    if (row.kids.empty())
        return false;
    const TsNode &first = row.kids.front();
    return first.kind == TsKind::Blank || IsRelation(first);
}

} // namespace

TsDocument ReadTypeset(const std::string &s, bool divisionBars)
{
    TsDocument doc;
    int block = 0;
    bool previousEmpty = true;
    bool markedCopy = false; // after 批改结果：, until the next separator
    bool pastBudget = false; // a line after the first kMostTypesetText bytes was met
    std::size_t pos = 0;
    while (pos < s.size() || (pos == 0 && s.empty())) {
        if (s.empty())
            break;
        std::size_t nl = s.find('\n', pos);
        std::size_t end = nl == std::string::npos ? s.size() : nl;
        TsLine line;
        if (nl != std::string::npos) {
            if (end > pos && s[end - 1] == '\r')
                --end;
            line.ending = s.substr(end, nl + 1 - end);
        }
        std::size_t trimmed = pos;
        while (trimmed < end && IsBlankByte(s[trimmed]))
            ++trimmed;
        const bool empty = trimmed == end;
        if (!empty && previousEmpty)
            ++block;
        previousEmpty = empty;
        line.block = empty ? 0 : block;

        line.body.kind = TsKind::Row;
        line.label.kind = TsKind::Row;
        if (end - pos > kLongestTypesetLine || pos >= kMostTypesetText) {
            line.untypeset = true;
            if (end - pos > kLongestTypesetLine)
                line.plain = "（这一行太长，没有排版，按原样显示。）";
            else if (!pastBudget)
                line.plain = "（后面的内容太多，没有排版，按原样显示。）";
            pastBudget = pastBudget || pos >= kMostTypesetText;
            if (end > pos)
                line.body.kids.push_back(Leaf(TsKind::Text, s.substr(pos, end - pos)));
        } else if (const std::string text = s.substr(pos, end - pos); text.find("----") != std::string::npos) {
            markedCopy = false;
        } else if (text == "批改结果：") {
            markedCopy = true;
        }
        if (!line.untypeset && !ReadMarkLine(s.substr(pos, end - pos), markedCopy, line)) {
            std::size_t gapStart = 0;
            std::size_t label = LabelStart(s, pos, end, gapStart);
            const std::size_t bodyEnd = label == std::string::npos ? end : gapStart;
            if (IsColumnLine(s, pos, bodyEnd)) {
                line.grid = true;
                if (end > pos)
                    line.body.kids.push_back(Leaf(TsKind::Text, s.substr(pos, end - pos)));
            } else {
                std::size_t subscriptsFrom = std::string::npos;
                for (std::size_t p = pos; p < end; p += CharLength(s, p))
                    if (Is(s, p, "∴")) {
                        subscriptsFrom = p;
                        break;
                    }
                ReadRuns(s, pos, bodyEnd, subscriptsFrom, line.body, divisionBars);
                if (label != std::string::npos) {
                    line.gap = s.substr(gapStart, label - gapStart);
                    ReadRuns(s, label, end, subscriptsFrom, line.label, divisionBars);
                }
            }
        }
        doc.lines.push_back(std::move(line));
        if (nl == std::string::npos)
            break;
        pos = nl + 1;
        if (pos == s.size())
            break;
    }
    // Equation chains: two or more neighbouring flow lines of a block, each with a relation sign,
    // the later ones starting with blanks or the sign; their relation signs line up.
    for (std::size_t i = 0; i < doc.lines.size();) {
        std::size_t j = i;
        while (j < doc.lines.size() && !doc.lines[j].grid && doc.lines[j].block != 0
            && doc.lines[j].block == doc.lines[i].block && HasRelation(doc.lines[j].body)
            && (j == i || StartsBlankOrRelation(doc.lines[j].body)))
            ++j;
        if (j - i >= 2)
            for (std::size_t k = i; k < j; ++k)
                doc.lines[k].aligned = true;
        i = j > i ? j : i + 1;
    }
    return doc;
}

bool TsIsRelation(const std::string &sign)
{
    for (const char *r : {"＝", "＞", "＜", "≥", "≤", "≠", "=", ">", "<"})
        if (sign == r)
            return true;
    return false;
}

std::string TsMathSign(const std::string &gbk)
{
    if (gbk == "＋")
        return "+";
    if (gbk == "－" || gbk == "-")
        return "\xE2\x88\x92"; // U+2212 MINUS SIGN
    if (gbk == "＝")
        return "=";
    if (gbk == "＞")
        return ">";
    if (gbk == "＜")
        return "<";
    return GbkToUtf8Lossy(gbk);
}

std::string TsPlainText(const TsNode &n)
{
    switch (n.kind) {
    case TsKind::Row:
    case TsKind::Fenced: {
        std::string out = n.open;
        for (const TsNode &k : n.kids)
            out += TsPlainText(k);
        return out + n.close;
    }
    case TsKind::Fraction:
    case TsKind::Power:
        return TsPlainText(n.kids[0]) + n.text + TsPlainText(n.kids[1]);
    case TsKind::Root:
        return n.text + TsPlainText(n.kids[0]);
    case TsKind::Index:
        return TsPlainText(n.kids[0]) + TsPlainText(n.kids[1]);
    default:
        return n.text;
    }
}

std::string TsPlainText(const TsLine &line)
{
    return line.markSign + TsPlainText(line.body) + line.gap + TsPlainText(line.label) + line.ending;
}

std::string TsPlainText(const TsDocument &document)
{
    std::string out;
    for (const TsLine &line : document.lines)
        out += TsPlainText(line);
    return out;
}

} // namespace qimbel
