#include "pages/LineKind.h"

#include "algebra/FractionAlgebra.h"
#include "marking/EquationLine.h"
#include "marking/EquationReading.h"
#include "solver/GbkText.h"

#include <algorithm>
#include <cctype>

namespace qimbel {

bool DividesByZero(std::string_view text)
{
    // One pass over the 0s: "/" is never part of a two-byte character, and "÷" followed by a 0
    // cannot be the tail of one (a 0 is no trailing byte of GBK).
    for (std::size_t i = text.find('0'); i != std::string_view::npos; i = text.find('0', i + 1)) {
        const char after = i + 1 < text.size() ? text[i + 1] : ' ';
        if ((after >= '0' && after <= '9') || after == '.')
            continue;
        std::size_t at = i;
        while (at > 0 && (text[at - 1] == '(' || text[at - 1] == ' '))
            --at;
        if ((at >= 1 && text[at - 1] == '/') || (at >= 2 && text.substr(at - 2, 2) == "÷"))
            return true;
    }
    return false;
}

bool MayDivide(std::string_view line)
{
    return line.find('/') != std::string_view::npos || line.find("÷") != std::string_view::npos;
}

namespace {

using fractions::Poly;

bool IsInequality(const std::string &symbol)
{
    return symbol == "＜" || symbol == "＞" || symbol == "≤" || symbol == "≥";
}

// The highest total degree among the terms of p that are not 0.
int TotalDegree(const Poly &p)
{
    int degree = 0;
    for (const auto &[monomial, coefficient] : p) {
        if (coefficient.numerator == 0)
            continue;
        int d = 0;
        for (const auto &[letter, power] : monomial)
            d += power;
        degree = std::max(degree, d);
    }
    return degree;
}

struct KindName {
    LineKind kind;
    const char *name; // what the line is
    const char *type; // the type that solves it
};
constexpr KindName kKindNames[] = {
    {LineKind::LinearOne, "一元一次方程", "一元一次方程"},
    {LineKind::QuadraticOne, "一元二次方程", "一元二次方程"},
    {LineKind::FractionalOne, "分式方程", "分式方程"},
    {LineKind::LinearTwo, "二元一次方程", "二元一次方程组"},
    {LineKind::QuadraticTwo, "二元二次方程", "二元二次方程组"},
    {LineKind::LinearInequality, "一元一次不等式", "一元一次不等式"},
};

// What type `type` takes, and what such a line is called in a refusal.
struct TypeNeeds {
    int type;
    std::vector<LineKind> fits;
    const char *name;
};

const TypeNeeds *NeedsOf(int type)
{
    static const std::vector<TypeNeeds> needs = {
        // The linear routine names a letter in a denominator itself (这是分式方程 …).
        {9, {LineKind::LinearOne, LineKind::FractionalOne}, "一元一次方程"},
        {25, {LineKind::LinearOne, LineKind::FractionalOne}, "一元一次方程"},
        {27, {LineKind::QuadraticOne}, "一元二次方程"},
        {29, {LineKind::FractionalOne, LineKind::LinearOne}, "分式方程"},
        {30, {LineKind::LinearInequality}, "一元一次不等式"},
        {26, {LineKind::LinearOne, LineKind::LinearTwo}, "二元一次方程组里的方程"},
        {28, {LineKind::LinearOne, LineKind::LinearTwo, LineKind::QuadraticOne, LineKind::QuadraticTwo},
            "二元二次方程组里的方程"},
        {31, {LineKind::LinearInequality}, "一元一次不等式组里的不等式"},
    };
    for (const TypeNeeds &n : needs)
        if (n.type == type)
            return &n;
    return nullptr;
}

} // namespace

LineKind KindOfLine(const std::string &line)
{
    const std::string normalised = marking::NormalisedSigns(line);
    const marking::Relations relations = marking::SplitRelations(normalised);
    if (relations.symbols.size() != 1 || relations.symbols[0] == "≠")
        return LineKind::Unread;
    const std::optional<marking::SideValue> left = marking::ReadSide(relations.sides[0]);
    const std::optional<marking::SideValue> right = marking::ReadSide(relations.sides[1]);
    if (!left || !right || Trim(relations.sides[0]).empty() || Trim(relations.sides[1]).empty())
        return LineKind::Unread;
    const std::size_t letters = marking::LettersOf(normalised).size();
    const bool inequality = IsInequality(relations.symbols[0]);
    if (!left->denominators.empty() || !right->denominators.empty())
        return inequality || letters != 1 ? LineKind::Other : LineKind::FractionalOne;
    int degree = 0;
    try {
        degree = TotalDegree(fractions::Difference(fractions::Product(left->value.num, right->value.den),
            fractions::Product(right->value.num, left->value.den)));
    } catch (const fractions::TooLarge &) {
        return LineKind::Unread;
    }
    if (degree == 0 || letters == 0)
        return LineKind::Unread; // 3＝3, x＝x: the routine says what such a line is
    if (inequality)
        return letters == 1 && degree == 1 ? LineKind::LinearInequality : LineKind::Other;
    if (letters == 1)
        return degree == 1 ? LineKind::LinearOne : degree == 2 ? LineKind::QuadraticOne : LineKind::Other;
    if (letters == 2)
        return degree == 1 ? LineKind::LinearTwo : degree == 2 ? LineKind::QuadraticTwo : LineKind::Other;
    return LineKind::Other;
}

// A line that is surely linear in one letter at most, told from its text alone (no power, one
// letter, one "＝", the letter at most once in each term outside brackets: 5(a－2)＝15 but not
// a(a＋1)＝2), so that the usual line of a type that takes linear equations is not read twice.
bool SurelyLinear(const std::string &line)
{
    char letter = 0;
    bool letterInTerm = false;
    int relations = 0;
    int depth = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c >= 0x80) {
            const std::string_view sign = std::string_view(line).substr(i, 2);
            if (sign == "＋" || sign == "－" || sign == "＝") {
                letterInTerm = letterInTerm && depth > 0;
                relations += sign == "＝";
            } else if (sign != "×" && sign != "÷") {
                return false; // relations and words of other kinds
            }
            ++i;
            continue;
        }
        if (std::isalpha(c)) {
            if ((letter != 0 && letter != static_cast<char>(c)) || letterInTerm)
                return false;
            letter = static_cast<char>(c);
            letterInTerm = true;
        } else if (c == '+' || c == '-' || c == '=') {
            letterInTerm = letterInTerm && depth > 0;
            relations += c == '=';
        } else if (c == '(' || c == ')') {
            depth += c == '(' ? 1 : -1;
            if (depth < 0)
                return false;
        } else if (!(std::isdigit(c) || c == '.' || c == '/' || c == ' ')) {
            return false;
        }
    }
    return relations == 1 && depth == 0;
}

std::string WrongKindSentence(const std::string &line, int type)
{
    const TypeNeeds *needs = NeedsOf(type);
    if (needs == nullptr)
        return {};
    const bool takesLinear
        = std::find(needs->fits.begin(), needs->fits.end(), LineKind::LinearOne) != needs->fits.end();
    if (takesLinear && SurelyLinear(line))
        return {};
    const LineKind kind = KindOfLine(line);
    if (kind == LineKind::Unread)
        return {};
    for (LineKind fit : needs->fits)
        if (fit == kind)
            return {};
    for (const KindName &k : kKindNames)
        if (k.kind == kind)
            return std::string("这是") + k.name + "，请选“" + k.type + "”。";
    return std::string("这不是") + needs->name + "，无法求解。";
}

std::string WrongKindSentence(const std::vector<std::string> &lines, int type)
{
    for (const std::string &line : lines)
        if (std::string sentence = WrongKindSentence(line, type); !sentence.empty())
            return sentence;
    return {};
}

} // namespace qimbel
