#include "algebra/ArithmeticText.h"

#include "solver/ExpressionText.h"

#include <deque>
#include <unordered_map>

namespace qimbel {

namespace {

// A coefficient or a sum of them: exact while every part is, else the decimal road.
struct Coefficient {
    double approx = 0;
    std::optional<Rational> exact = Rational {};

    void Add(const Coefficient &other)
    {
        approx += other.approx;
        exact = exact && other.exact ? RationalSum(*exact, *other.exact) : std::nullopt;
    }
    void Negate()
    {
        approx = -approx;
        if (exact)
            exact = MakeRational(-exact->numerator, exact->denominator);
    }
    std::string Text() const { return exact ? ExactText(*exact) : DecimalText(approx); }
};

struct LikeTerms {
    std::string letters; // the letter part as written where it last occurs
    Coefficient sum;
};

} // namespace

// Combines like terms. Terms are alike when their letter parts hold the same letters with the
// same exponents, however written (a^(2) and a^2, ab and ba). The sums stand in the order of the
// last occurrence of each letter part; a coefficient of 1 is written as nothing and −1 as "－", a
// sum of 0 drops the term, and a text whose sums are all 0 gives the empty text. The sums are exact:
// 1/3x＋1/3x gives 2/3x.
// 2a＋3b－a gives 3b＋a; x＋x＋1 gives 2x＋1.
std::string Solver::HeBingTongLeiXiang(std::string polynomial)
{
    StringArray terms;
    ZhengShiToShuZu(polynomial, terms);
    std::deque<LikeTerms> parts;
    std::unordered_map<std::string, std::size_t> slotOf; // key → position counted from the back
    std::vector<std::pair<std::string, Coefficient>> values;
    // From index 0 upward meets the terms from the last one back; a new letter part goes in front.
    for (int i = 0; i < terms.GetSize(); ++i) {
        const std::string term = terms[i];
        if (term.empty())
            continue;
        const std::string coefficient = GetShuZi(term);
        const std::string letters = DropCoefficient(term);
        Coefficient value {1, Rational {1, 1}};
        if (coefficient == "－")
            value.Negate();
        else if (!coefficient.empty() && coefficient != "＋") {
            const std::optional<NumberValue> number = ReadNumber(coefficient);
            if (!number || (number->kind == NumberValue::Kind::Fraction && number->denominator == 0))
                return polynomial;
            value = {number->AsDouble(), ExactValue(*number)};
        }
        if (letters.empty() && (coefficient.empty() || coefficient == "＋" || coefficient == "－")) {
            // A bare sign is no term but the sign of the term after it: a－－b is a＋b.
            if (coefficient == "－" && !values.empty())
                values.back().second.Negate();
            continue;
        }
        const std::string key = letters.empty() ? std::string() : LetterPartKey(letters);
        values.emplace_back(key, value);
        if (slotOf.find(key) == slotOf.end()) {
            slotOf[key] = parts.size();
            parts.push_front({letters, {}});
        }
    }
    const std::size_t count = parts.size();
    for (const auto &[key, value] : values)
        parts[count - 1 - slotOf[key]].sum.Add(value);

    std::string result;
    for (const LikeTerms &part : parts) {
        const std::string sum = part.sum.Text();
        if (sum.empty() || sum == "0")
            continue;
        std::string term;
        if (part.letters.empty())
            term = sum;
        else if (sum == "1")
            term = part.letters;
        else if (sum == "－1")
            term = "－" + part.letters;
        else
            term = sum + part.letters;
        if (!result.empty() && !StartsWithSign(term))
            result += "＋";
        result += term;
    }
    return FullWidthSigns(result);
}

} // namespace qimbel
