#include "equations/EquationText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <utility>
#include <vector>

namespace qimbel {

// Solves a system of linear equations by substitution. Forward: for each unknown in the order
// of the list (highest index first), solve the first equation that holds it for that unknown
// and put the result into every other equation that holds it. Back: when every equation has
// been used, put the values found into the earlier solved forms, newest first.
std::string Solver::FangChengZu(const StringArray &equations, const StringArray &letters)
{
    for (int i = equations.GetSize() - 1; i >= 0; --i)
        if (std::string sentence = EquationTooLarge(equations[i]); !sentence.empty())
            return sentence;
    std::vector<std::string> slots;
    for (int i = equations.GetSize() - 1; i >= 0; --i)
        slots.push_back(equations[i]);
    std::vector<std::string> unknowns;
    for (int i = letters.GetSize() - 1; i >= 0; --i)
        if (!letters[i].empty())
            unknowns.push_back(letters[i]);

    std::string out;
    int step = 0;
    std::vector<std::string> solved; // oldest first
    bool stuck = false;
    for (const std::string &u : unknowns) {
        std::string *source = nullptr;
        for (std::string &slot : slots)
            if (!slot.empty() && Contains(slot, u)) {
                source = &slot;
                break;
            }
        if (!source)
            continue;
        const std::string e = std::exchange(*source, std::string());
        const std::string s = YiCiDengShi(e, u, 1);
        out += "\r\n第 " + IntText(++step) + " 步:由方程\t" + e + " 求出变量为 " + u + " 的未知数的值为：\r\n" + s
            + "\r\n";
        // A sentence instead of u＝… (the unknown dropped out): nothing can be substituted.
        if (Left(s, Len(u) + 2) != u + "＝") {
            stuck = true;
            break;
        }
        solved.push_back(s);
        const std::string h = Mid(s, Len(u) + 2);
        for (std::string &f : slots) {
            if (f.empty() || !Contains(f, u))
                continue;
            out += "将方程: " + f + "中的未知数 " + u + " 替换为: " + h;
            const std::string substituted = SubstituteLetter(f, u, h);
            // A letter that stands many times over can make the equation explode: it is not worked.
            if (Len(substituted) > kLongestEquationLine) {
                out += " 得到的方程太长，无法计算。\r\n";
                stuck = true;
                break;
            }
            f = DengShiHuaJian(substituted);
            out += " 得：" + f + "\r\n";
        }
        if (stuck)
            break;
        bool left = false;
        for (const std::string &slot : slots)
            left = left || !slot.empty();
        if (left) {
            out += "\r\n从而得到新的方程（组）为：";
            for (const std::string &slot : slots)
                out += "\r\n" + slot;
            out += "\r\n";
        }
    }

    bool allUsed = !stuck;
    for (const std::string &slot : slots)
        allUsed = allUsed && slot.empty();
    std::vector<std::pair<std::string, std::string>> finals; // unknown, value; in settled order
    std::vector<std::string> finalTexts;
    if (allUsed) {
        for (auto it = solved.rbegin(); it != solved.rend(); ++it) {
            const int eq = Find(*it, "＝");
            const std::string l = Left(*it, eq);
            std::string k = Mid(*it, eq + 2);
            bool hasLetter = false;
            for (const std::string &u : unknowns)
                hasLetter = hasLetter || Contains(k, u);
            std::string settled = *it;
            if (hasLetter) {
                std::string m;
                for (const auto &[g, v] : finals) {
                    if (!Contains(k, g))
                        continue;
                    k = SubstituteLetter(k, g, v);
                    m += (m.empty() ? "" : ",") + g + "＝" + v;
                }
                // No settled value occurs in it (an unknown no equation fixes): it stays as it is.
                if (!m.empty()) {
                    settled = DengShiHuaJian(l + "＝" + k);
                    out += "\r\n第 " + IntText(++step) + " 步:将 " + m + "分别代入到方程" + *it + "中得到：" + "\r\n"
                        + settled;
                }
            }
            const int at = Find(settled, "＝");
            finals.emplace_back(Left(settled, at), at >= 0 ? Mid(settled, at + 2) : std::string());
            finalTexts.push_back(settled);
        }
    }

    out += "\r\n\r\n ∴ 该方程组的解为：\r\n";
    for (const std::string &text : finalTexts)
        out += "\r\n" + text;
    return out;
}

} // namespace qimbel
