#include "wordproblems/FormulaText.h"

#include "solver/GbkText.h"

#include <algorithm>

namespace qimbel::wordproblems {

std::optional<NamedProblem> SplitFormulaName(const std::string &line)
{
    const int open = Find(line, "〖");
    if (open < 0)
        return std::nullopt;
    const std::string rest = Mid(line, open + Len("〖"));
    const int close = Find(rest, "〗");
    if (close <= 0)
        return std::nullopt;
    return NamedProblem {Left(rest, close), Mid(rest, close + Len("〗"))};
}

std::string FormulaHead(const std::string &formula)
{
    if (Left(formula, Len("〖")) != "〖")
        return {};
    const int close = Find(formula, "〗");
    return close < 0 ? std::string() : Mid(formula, Len("〖"), close - Len("〖"));
}

namespace {

// The power written right after the head's "〗" at `after`.
int PowerAt(const std::string &formula, int after)
{
    if (after + 2 > Len(formula) || formula[static_cast<std::size_t>(after)] != '^')
        return 1;
    const char digit = formula[static_cast<std::size_t>(after) + 1];
    return digit == '2' ? 2 : digit == '3' ? 3 : 1;
}

} // namespace

int FormulaPower(const std::string &formula)
{
    const int close = Find(formula, "〗");
    return close < 0 ? 1 : PowerAt(formula, close + Len("〗"));
}

std::string FormulaBody(const std::string &formula)
{
    const int close = Find(formula, "〗");
    if (close < 0)
        return formula;
    const int after = close + Len("〗");
    return Mid(formula, after + (PowerAt(formula, after) > 1 ? 2 : 0));
}

std::vector<std::string> FormulaInputs(const std::string &formula)
{
    const std::string body = FormulaBody(formula);
    std::vector<std::string> inputs;
    for (int open = FindFromBoundary(body, "〔", 0); open >= 0;) {
        const int from = open + Len("〔");
        const int close = FindFromBoundary(body, "〕", from);
        if (close < 0)
            break;
        const std::string name = Mid(body, from, close - from);
        if (std::find(inputs.begin(), inputs.end(), name) == inputs.end())
            inputs.push_back(name);
        open = FindFromBoundary(body, "〔", close + Len("〕"));
    }
    return inputs;
}

std::string ReplaceAll(const std::string &text, const std::string &find, const std::string &by)
{
    std::string result;
    int start = 0;
    for (int p = FindFromBoundary(text, find, 0); p >= 0; p = FindFromBoundary(text, find, start)) {
        result += Mid(text, start, p - start) + by;
        start = p + Len(find);
    }
    return result + Mid(text, start);
}

std::string FormulaDisplay(const std::string &formula)
{
    if (const int power = FormulaPower(formula); power > 1) {
        const std::string head = FormulaHead(formula);
        std::string product = head;
        for (int i = 1; i < power; ++i)
            product += "×" + head;
        return product + FormulaDisplay("〖〗" + FormulaBody(formula));
    }
    std::string shown = ReplaceAll(formula, "〖", "");
    shown = ReplaceAll(shown, "〗", "＝");
    shown = ReplaceAll(shown, "〔", "");
    return ReplaceAll(shown, "〕", "");
}

bool IsCleanGbk(const std::string &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x20 && b < 0x7F)
            continue;
        if (!IsGbkLead(b) || i + 1 == text.size())
            return false;
        const auto t = static_cast<unsigned char>(text[++i]);
        if (t < 0x40 || t == 0x7F || t == 0xFF)
            return false;
    }
    return true;
}

std::string FirstNumberToken(const std::string &clause)
{
    auto isNumberByte
        = [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '/' || c == '%' || c == '+' || c == '-'; };
    const int n = Len(clause);
    for (int i = 0; i < n;) {
        const char c = clause[static_cast<std::size_t>(i)];
        if (isNumberByte(c)) {
            int end = i;
            while (end < n && isNumberByte(clause[static_cast<std::size_t>(end)]))
                ++end;
            return Mid(clause, i, end - i);
        }
        i += IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < n ? 2 : 1;
    }
    return {};
}

std::vector<int> OwnPositions(const std::string &clause, const std::vector<std::string> &names)
{
    // An occurrence [p, p + len) is hidden when another occurrence of a name starts at or before
    // p and ends at or after p + len without being the same stretch of text. `reach[q]` is the
    // farthest end of an occurrence that starts at q.
    const int n = Len(clause);
    std::vector<int> reach(static_cast<std::size_t>(n) + 1, 0);
    std::vector<std::vector<int>> found(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        const int len = Len(names[k]);
        for (int p = FindFromBoundary(clause, names[k], 0); p >= 0;) {
            found[k].push_back(p);
            reach[static_cast<std::size_t>(p)] = std::max(reach[static_cast<std::size_t>(p)], p + len);
            const bool twoBytes
                = IsGbkLead(static_cast<unsigned char>(clause[static_cast<std::size_t>(p)])) && p + 1 < n;
            p = FindFromBoundary(clause, names[k], p + (twoBytes ? 2 : 1));
        }
    }
    // before[p]: the farthest end of an occurrence that starts before p.
    std::vector<int> before(static_cast<std::size_t>(n) + 1, 0);
    for (int p = 1; p <= n; ++p)
        before[static_cast<std::size_t>(p)]
            = std::max(before[static_cast<std::size_t>(p - 1)], reach[static_cast<std::size_t>(p - 1)]);

    std::vector<int> positions(names.size(), -1);
    for (std::size_t k = 0; k < names.size(); ++k) {
        const int len = Len(names[k]);
        for (int p : found[k]) {
            const auto at = static_cast<std::size_t>(p);
            if (before[at] < p + len && reach[at] <= p + len) {
                positions[k] = p;
                break;
            }
        }
    }
    return positions;
}

std::string JoinNames(const std::vector<std::string> &names)
{
    std::string joined;
    for (const std::string &name : names)
        joined += (joined.empty() ? "" : "、") + name;
    return joined;
}

} // namespace qimbel::wordproblems
