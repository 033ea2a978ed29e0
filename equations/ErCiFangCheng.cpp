#include "algebra/ReplaceOperation.h"
#include "equations/EquationText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

// The coefficient of a term for the text `what`: the part in front of it, with "1" added when
// that part is empty or a bare sign (x^2 gives 1, －x gives －1).
std::string CoefficientFor(const std::string &term, const std::string &what)
{
    std::string part = Left(term, Find(term, what));
    if (part.empty() || part == "＋" || part == "－")
        part += "1";
    return part;
}

} // namespace

// Examines a quadratic equation by its discriminant: standard form, the coefficients a, b and c,
// △ = b² − 4ac written out and evaluated, and what its sign says about the real roots.
std::string Solver::ErCiFangCheng(std::string equation, std::string unknown)
{
    if (std::string sentence = EquationTooLarge(equation); !sentence.empty())
        return sentence;
    int p = Find(equation, "＝");
    if (p < 0)
        return "方程中没有等号，无法求解。";
    if (unknown.empty())
        return "没有找到未知数，无法求解。";

    // Standard form: the right side's terms move to the left with their signs reversed. Signs
    // that meet are one sign first, so that x^2＝－－5x moves 5x and not a lone "－".
    equation = MergeMeetingSigns(equation);
    // Merging shortens the text: the relation is found again, or the sides would be cut at the
    // old place (through a Chinese character).
    p = Find(equation, "＝");
    if (p < 0)
        return "方程中没有等号，无法求解。";
    std::string q;
    StringArray terms;
    ZhengShiToShuZu(Left(equation, p), terms);
    for (int i = terms.GetSize() - 1; i >= 0; --i)
        q += terms[i];
    terms.RemoveAll();
    ZhengShiToShuZu(Mid(equation, p + 2), terms);
    for (int i = terms.GetSize() - 1; i >= 0; --i) {
        const std::string &t = terms[i];
        if (Left(t, 2) == "＋")
            q += "－" + Mid(t, 2);
        else if (Left(t, 2) == "－")
            q += "＋" + Mid(t, 2);
        else if (!t.empty())
            q += "－" + t;
    }

    std::string a;
    std::string b;
    std::string c;
    terms.RemoveAll();
    ZhengShiToShuZu(HunHeYunSuan(q, 1), terms);
    const std::string square = unknown + "^(2)";
    const std::string squareBare = unknown + "^2";
    for (int i = terms.GetSize() - 1; i >= 0; --i) {
        const std::string &n = terms[i];
        if (Contains(n, square))
            a += CoefficientFor(n, square);
        else if (Contains(n, squareBare))
            a += CoefficientFor(n, squareBare);
        else if (Contains(n, unknown))
            b += CoefficientFor(n, unknown);
        else if (!n.empty())
            c += n;
    }

    std::string out = "∵ a＝" + a + " ,b＝" + b + " ,c＝" + c + "\r\n";
    out += " △＝b^2 － 4ac＝(" + b + ")^(2) － 4×(" + a + ")×(" + c + ")\r\n";
    // Without a square term the equation is not quadratic and the discriminant says nothing.
    bool aIsNumber = false;
    const double aValue = LeadingValue(HunHeYunSuan(a, 1), &aIsNumber);
    if (a.empty() || (aIsNumber && aValue == 0))
        return out + "\r\n∴二次项系数为0，方程不是一元二次方程.\r\n\r\n";

    // A missing coefficient is 0 in the evaluation (the written line keeps its empty brackets).
    const auto orZero = [](const std::string &text) { return text.empty() ? std::string("0") : text; };
    const std::string d = HunHeYunSuan("(" + orZero(b) + ")^(2)－4×(" + a + ")×(" + orZero(c) + ")", 1);
    if (!IsPlainNumber(d))
        return out + "   ＝" + d + "\r\n\r\n∴无法判断△的正负.\r\n\r\n";
    const double value = LeadingValue(d);
    if (value > 0)
        return out + "   ＝ " + d + " ＞0\r\n\r\n∴方程有两个不相等的实数根.\r\n\r\n"
            + ErCiFangChengGen(a, b, c, unknown);
    if (value == 0)
        return out + "   ＝" + d + " ＝0\r\n\r\n∴方程有两个相等的实数根.\r\n\r\n" + ErCiFangChengGen(a, b, c, unknown);
    return out + "   ＝" + d + " ＜0\r\n\r\n∴方程没有实数根.\r\n\r\n";
}

} // namespace qimbel
