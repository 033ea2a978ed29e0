#include "equations/EquationText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <vector>

namespace qimbel {

namespace {

// One side of the solution set: the strongest bound so far, its value and symbol.
struct Bound {
    std::string value;
    std::string symbol;
    double number = 0;

    // Keeps `e` when it is stronger (`better` says which way), or makes the symbol strict when
    // it is as strong and strict.
    void Offer(const std::string &e, const std::string &s, bool better, double v, const char *strict)
    {
        if (value.empty() || better) {
            value = e;
            symbol = s;
            number = v;
        } else if (v == number && s == strict) {
            symbol = strict;
        }
    }
};

} // namespace

// Solves every inequality of a system in one unknown with its explained column, then keeps the
// greatest lower and the least upper bound and states the solution set.
std::string Solver::BuDengShiZu(const StringArray &inequalities, const StringArray &letters)
{
    for (int i = inequalities.GetSize() - 1; i >= 0; --i)
        if (std::string sentence = EquationTooLarge(inequalities[i]); !sentence.empty())
            return sentence;
    std::string out;
    std::vector<std::string> solutions;
    const std::string u = letters.GetSize() == 1 ? letters[0] : std::string();
    if (!u.empty()) {
        for (int i = inequalities.GetSize() - 1; i >= 0; --i) {
            const std::string &inequality = inequalities[i];
            if (inequality.empty())
                continue;
            out += "解不等不等式 " + inequality + " ,得到\r\n" + YiCiDengShi(inequality, u, 5) + "\r\n";
            solutions.push_back(YiCiDengShi(inequality, u, 1));
        }
    }

    out += "\r\n根据不等式（组）：\r\n";
    Bound lower;
    Bound upper;
    bool none = false;
    for (const std::string &s : solutions) {
        out += s + "\r\n";
        const std::string symbol = RelationSymbol(s);
        if (symbol.empty()) {
            // The unknown dropped out of this inequality: it may hold for no number at all.
            none = none || Contains(s, "无解");
            continue;
        }
        const std::string e = Mid(s, Find(s, symbol) + Len(symbol));
        const double v = LeadingValue(e);
        if (symbol == "＞" || symbol == "≥")
            lower.Offer(e, symbol, !lower.value.empty() && v > lower.number, v, "＞");
        else if (symbol == "＜" || symbol == "≤")
            upper.Offer(e, symbol, !upper.value.empty() && v < upper.number, v, "＜");
    }

    out += "得到不等式（组）的  解集为：\r\n\r\n";
    const bool hasLower = !lower.value.empty();
    const bool hasUpper = !upper.value.empty();
    // Bounds that meet leave one number when both include it, and nothing when either is strict.
    const bool meet = hasLower && hasUpper && upper.number == lower.number;
    if (none || (hasLower && hasUpper && upper.number < lower.number)
        || (meet && (lower.symbol == "＞" || upper.symbol == "＜")))
        out += "无解\r\n";
    else if (meet)
        out += u + "＝" + lower.value + "\r\n";
    else if (hasLower && hasUpper)
        out += lower.value + (lower.symbol == "＞" ? "＜" : "≤") + u + upper.symbol + upper.value + "\r\n";
    else if (hasLower)
        out += u + lower.symbol + lower.value + "\r\n";
    else if (hasUpper)
        out += u + upper.symbol + upper.value + "\r\n";
    return out;
}

} // namespace qimbel
