#include "pages/LineKind.h"

#include "algebra/FractionAlgebra.h"
#include "marking/EquationLine.h"
#include "marking/EquationReading.h"
#include "solver/GbkText.h"

#include <algorithm>

namespace qimbel {

bool DividesByZero(const std::string &text)
{
    for (const char *sign : {"÷", "/"}) {
        for (int at = FindFromBoundary(text, sign, 0); at >= 0; at = FindFromBoundary(text, sign, at + 1)) {
            int i = at + Len(sign);
            while (
                i < Len(text) && (text[static_cast<std::size_t>(i)] == '(' || text[static_cast<std::size_t>(i)] == ' '))
                ++i;
            if (i >= Len(text) || text[static_cast<std::size_t>(i)] != '0')
                continue;
            const char after = i + 1 < Len(text) ? text[static_cast<std::size_t>(i) + 1] : ' ';
            if (!(after >= '0' && after <= '9') && after != '.')
                return true;
        }
    }
    return false;
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

std::string WrongKindSentence(const std::string &line, int type)
{
    const TypeNeeds *needs = NeedsOf(type);
    if (needs == nullptr)
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
