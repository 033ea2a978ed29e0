#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

#include <vector>

namespace qimbel {

namespace {

// A factor that is (a byte of) a written operator: "×", "·", "÷" or a single byte that is
// neither a letter nor a digit.
bool IsOperatorPiece(const std::string &factor)
{
    if (factor == "×" || factor == "·" || factor == "÷")
        return true;
    return Len(factor) == 1 && !IsDigitByte(factor[0]) && !IsLetterByte(factor[0]);
}

} // namespace

// The operand that ends where the text ends, i.e. the one on the left of the operator that
// follows the text. The text is cut into terms and factors and walked from the last factor back:
// letters, digits, numbers, powers and bracket groups are taken; a written "×", "·" or "÷" at the
// very end stays with the operand; the walk ends at the next operator or at a sign. A signed
// coefficient ends the walk but gives its digits: 3＋2a× gives 2a×, 5－(a＋b) gives (a＋b).
std::string Solver::LeftShi(std::string text)
{
    text = FullWidthSigns(std::move(text));
    std::vector<std::string> factors;
    StringArray terms;
    ZhengShiToShuZu(text, terms);
    for (int i = terms.GetSize() - 1; i >= 0; --i) {
        StringArray pieces;
        HunHeShiToShuZu(terms[i], pieces);
        for (int j = pieces.GetSize() - 1; j >= 0; --j)
            factors.push_back(pieces[j]);
    }

    std::string r;
    std::string pending;
    for (auto it = factors.rbegin(); it != factors.rend(); ++it) {
        const std::string &factor = *it;
        if (factor.empty())
            continue;
        if (IsOperatorPiece(factor)) {
            pending = factor + pending;
            const std::string lead = Left(pending, 2);
            if (Len(pending) > 1 && (lead == "×" || lead == "·" || lead == "÷")) {
                if (!r.empty())
                    break;
                r = pending;
                pending.clear();
            }
            continue;
        }
        if (Len(factor) == 1) {
            r = factor + r;
            continue;
        }
        if (StartsWithSign(factor)) {
            if (r.empty()) {
                r = factor;
                if (Len(factor) > 2)
                    break;
                continue;
            }
            r = Mid(factor, 2) + r;
            break;
        }
        r = factor + r;
    }
    if (StartsWithSign(r) && Len(r) > 2)
        r = Mid(r, 2);
    return r;
}

} // namespace qimbel
