#include "solver/ExpressionText.h"

#include "solver/Solver.h"

namespace qimbel {

std::string HalfWidthSigns(std::string text)
{
    // Most pieces handed here hold neither sign: they go back as they are, without a search for
    // each. Both signs are one lead byte with two trail bytes.
    static constexpr std::string_view plus = "＋", minus = "－";
    static_assert(plus.size() == 2 && minus.size() == 2 && plus[0] == minus[0]);
    bool holds = false;
    for (std::size_t i = 0; i + 1 < text.size() && !holds; ++i)
        holds = text[i] == plus[0] && (text[i + 1] == plus[1] || text[i + 1] == minus[1]);
    if (!holds)
        return text;
    Solver s;
    s.TiHuan(text, "＋", "+");
    s.TiHuan(text, "－", "-");
    return text;
}

std::string FullWidthSigns(std::string text)
{
    if (text.find_first_of("+-") == std::string::npos)
        return text; // nothing to widen
    Solver s;
    s.TiHuan(text, "+", "＋");
    s.TiHuan(text, "-", "－");
    return text;
}

std::string HalfWidthNumbers(const std::string &text)
{
    // Every character changed here is 0xA3 followed by one of these trail bytes.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80 || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const unsigned char t = static_cast<unsigned char>(text[i + 1]);
        ++i;
        if (c == 0xA3 && t >= 0xB0 && t <= 0xB9)
            out += static_cast<char>('0' + (t - 0xB0)); // ０ to ９
        else if (c == 0xA3 && (t == 0xAE || t == 0xA8 || t == 0xA9 || t == 0xAF))
            out += t == 0xAE ? '.' : t == 0xA8 ? '(' : t == 0xA9 ? ')' : '/'; // ． （ ） ／
        else
            out.append(text, i - 1, 2);
    }
    return out;
}

bool EndsWithByte(const std::string &text, char c)
{
    const int last = Len(text) - 1;
    return last >= 0 && Find(text, std::string(1, c), last) == last;
}

std::string DropCoefficient(const std::string &term)
{
    const std::string coefficient = Solver().GetShuZi(term);
    const int p = Find(term, coefficient);
    return p >= 0 ? Mid(term, p + Len(coefficient)) : term;
}

bool BracketsPair(const std::string &line)
{
    std::string open;
    const std::size_t n = line.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (IsGbkLead(c) && i + 1 < n) {
            // "（" and "）" are A3A8 and A3A9 in GBK.
            const unsigned char t = static_cast<unsigned char>(line[i + 1]);
            if (c == 0xA3 && t == 0xA8)
                open += '(';
            else if (c == 0xA3 && t == 0xA9) {
                if (open.empty() || open.back() != '(')
                    return false;
                open.pop_back();
            }
            i += 2;
            continue;
        }
        if (c == '(' || c == '[' || c == '{') {
            open += static_cast<char>(c);
        } else if (c == ')' || c == ']' || c == '}') {
            const char opening = c == ')' ? '(' : c == ']' ? '[' : '{';
            if (open.empty() || open.back() != opening)
                return false;
            open.pop_back();
        }
        ++i;
    }
    return open.empty();
}

} // namespace qimbel
