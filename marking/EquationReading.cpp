#include "marking/EquationReading.h"

#include "algebra/SurdValue.h"
#include "algebra/WorkSpent.h"
#include "equations/Rational.h"
#include "marking/EquationLine.h"
#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

namespace qimbel::marking {

using namespace fractions;

namespace {

// A line with more powers than this is no pupil's equation: it is refused before it is multiplied out.
constexpr int kMostPowers = 6;
// A line joins at most this many equations (x1＝…，x2＝… or x＝…或x＝…).
constexpr std::size_t kMostPieces = 4;

const std::vector<const char *> kNoSolution = {"无解", "没有实数根", "无实数根", "没有解", "不存在"};
const std::vector<const char *> kEveryNumber = {"任何数", "任意数", "任意实数", "全体实数", "一切实数", "无数个解"};

Rational CoefficientAt(const Poly &p, const Monomial &m)
{
    const auto it = p.find(m);
    return it == p.end() ? Rational {0, 1} : it->second;
}

// s^k with s² = r: r^(k/2)·s^(k mod 2).
Poly SurdReduced(const Poly &p, char s, Whole r)
{
    Poly out;
    for (const auto &[m, c] : p) {
        Monomial rest = m;
        int power = 0;
        if (const auto it = rest.find(s); it != rest.end()) {
            power = it->second;
            rest.erase(it);
        }
        Rational coefficient = c;
        for (int k = 0; k < power / 2; ++k)
            coefficient = fractions::Times(coefficient, Rational {r, 1});
        if (power % 2 == 1)
            rest[s] = 1;
        Poly term;
        term.emplace(rest, coefficient);
        out = Sum(out, term);
    }
    return out;
}

// The two parts of p = p0 ＋ p1·letter, p of degree at most 1 in the letter.
void SplitIn(const Poly &p, char letter, Poly &p0, Poly &p1)
{
    p0.clear();
    p1.clear();
    for (const auto &[m, c] : p) {
        Monomial rest = m;
        const auto it = rest.find(letter);
        Poly term;
        if (it == rest.end()) {
            term.emplace(rest, c);
            p0 = Sum(p0, term);
        } else {
            rest.erase(it);
            term.emplace(rest, c);
            p1 = Sum(p1, term);
        }
    }
}

// Why a side or a line could not be read when its work ran out or a number grew too large.
std::string UnreadableReason(const char *otherwise)
{
    return WorkSpent() ? "这个式子太复杂，无法在短时间内算完" : otherwise;
}

struct PieceReading {
    std::string reason;
    SolutionSet raw;
    std::vector<SurdNumber> excluded;
};

// x＝(1＋√5)/2, x－1＝－√2: the square roots become a letter s with s² ＝ r (all of one radicand),
// and the line must be linear in u.
PieceReading SurdPiece(const std::string &left, const std::string &right, char u)
{
    PieceReading out;
    char s = 'a';
    while (s == u || Contains(left + right, std::string(1, s)))
        ++s;
    Whole radicand = 1;
    std::string sides[2] = {left, right};
    for (std::string &side : sides) {
        std::string replaced;
        for (int i = 0; i < Len(side);) {
            if (Mid(side, i, 2) != "√") {
                replaced += Mid(side, i, 1);
                ++i;
                continue;
            }
            i += 2;
            const bool bracket = Mid(side, i, 1) == "(";
            if (bracket)
                ++i;
            Whole n = 0;
            const int from = i;
            while (i < Len(side) && side[static_cast<std::size_t>(i)] >= '0' && side[static_cast<std::size_t>(i)] <= '9'
                && i - from < 9)
                n = n * 10 + (side[static_cast<std::size_t>(i++)] - '0');
            if (i < Len(side) && side[static_cast<std::size_t>(i)] >= '0' && side[static_cast<std::size_t>(i)] <= '9') {
                out.reason = "根号里的数太大";
                return out;
            }
            if (i == from || (bracket && Mid(side, i++, 1) != ")")) {
                out.reason = "根号后面要写一个整数";
                return out;
            }
            // √0 is 0, which SquareFree leaves out.
            const std::optional<std::pair<Whole, Whole>> split = n == 0 ? std::optional(std::pair<Whole, Whole> {0, 1}) : SquareFree(n);
            if (!split || (split->second != 1 && radicand != 1 && split->second != radicand)) {
                out.reason = split ? "一行里只能有一种根号" : "根号里的数太大";
                return out;
            }
            if (split->second == 1) {
                replaced += "(" + WholeText(split->first) + ")";
            } else {
                radicand = split->second;
                replaced += "(" + WholeText(split->first) + std::string(1, s) + ")";
            }
        }
        side = replaced;
    }
    const std::optional<SideValue> l = ReadSide(sides[0]);
    const std::optional<SideValue> r = ReadSide(sides[1]);
    if (!l || !r) {
        out.reason = UnreadableReason("读不懂这个式子，请检查括号和运算符号");
        return out;
    }
    Poly num = SurdReduced(Difference(Product(l->value.num, r->value.den), Product(r->value.num, l->value.den)), s, radicand);
    Poly den = SurdReduced(Product(l->value.den, r->value.den), s, radicand);
    if (DegreeIn(den, s) > 0) {
        Poly d0, d1;
        SplitIn(den, s, d0, d1);
        const Poly conjugate = Difference(d0, Product(d1, LetterPoly(s)));
        num = SurdReduced(Product(num, conjugate), s, radicand);
        den = SurdReduced(Product(den, conjugate), s, radicand);
    }
    Poly a, b;
    SplitIn(num, u, b, a);
    if (!IsConstant(den) || DegreeIn(num, u) != 1 || !IsConstant(a)) {
        out.reason = "带根号的一步要写成 x＝… 的样子";
        return out;
    }
    Poly b0, b1;
    SplitIn(b, s, b0, b1);
    if (!IsConstant(b0) || !IsConstant(b1)) {
        out.reason = "带根号的一步要写成 x＝… 的样子";
        return out;
    }
    const Rational coefficient = ConstantOf(a);
    SurdNumber root {Over(Negated(ConstantOf(b0)), coefficient), Over(Negated(ConstantOf(b1)), coefficient), radicand};
    if (root.q.numerator == 0)
        root.r = 1;
    out.raw.values.push_back(root);
    return out;
}

PieceReading ReadPiece(const std::string &left, const std::string &symbol, const std::string &right, char u)
{
    if (Contains(left + right, "√")) {
        if (symbol != "＝") {
            PieceReading out;
            out.reason = "带根号的不等式这里不能批改";
            return out;
        }
        return SurdPiece(left, right, u);
    }
    PieceReading out;
    const std::optional<SideValue> l = ReadSide(left);
    const std::optional<SideValue> r = ReadSide(right);
    if (!l || !r) {
        out.reason = UnreadableReason("读不懂这个式子，请检查括号和运算符号");
        return out;
    }
    for (const SideValue *side : {&*l, &*r})
        for (const Poly &d : side->denominators) {
            if (DegreeIn(d, u) == 0)
                continue;
            const std::optional<std::vector<SurdNumber>> roots = RootsOf(d, u);
            if (!roots) {
                out.reason = "分母太复杂，这里不能批改";
                return out;
            }
            for (const SurdNumber &n : *roots)
                if (!HasNumber(out.excluded, n))
                    out.excluded.push_back(n);
        }
    Poly num = Difference(Product(l->value.num, r->value.den), Product(r->value.num, l->value.den));
    const Poly den = Product(l->value.den, r->value.den);
    if (symbol != "＝") {
        if (!IsConstant(den)) {
            out.reason = "不等式的分母中有未知数，这里不能批改";
            return out;
        }
        if (ConstantOf(den).numerator < 0)
            num = Scaled(num, Rational {-1, 1});
    }
    const std::optional<SolutionSet> set = SetOf(num, u, symbol);
    if (!set) {
        out.reason = symbol == "＝" ? "这一步不是一元一次方程或一元二次方程" : "这一步不是一元一次不等式";
        return out;
    }
    out.raw = Without(*set, out.excluded);
    return out;
}

bool IsNumberText(const std::string &text) { return ReadRational(text).has_value(); }

} // namespace

bool IsWordsOnly(const std::string &normalised)
{
    for (int i = 0; i < Len(normalised); i += CharSize(normalised, i))
        if (IsFormulaChar(normalised, i))
            return false;
    return !HasAnyWord(normalised, kNoSolution) && !HasAnyWord(normalised, kEveryNumber)
        && !HasAnyWord(normalised, {"检验", "增根", "解集"});
}

std::string LettersOf(const std::string &text)
{
    std::string letters;
    for (char c = 'a'; c <= 'z'; ++c)
        if (Contains(text, std::string(1, c)))
            letters += c;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (Contains(text, std::string(1, c)))
            letters += c;
    return letters;
}

std::optional<SideValue> ReadSide(const std::string &text)
{
    int powers = 0;
    for (char c : text)
        powers += c == '^';
    if (powers > kMostPowers)
        return std::nullopt;
    try {
        const std::optional<std::vector<Term>> terms = ReadSum(text);
        if (!terms)
            return std::nullopt;
        const std::optional<Fraction> value = SumValue(*terms);
        if (!value)
            return std::nullopt;
        SideValue side {*value, {}};
        for (const Term &term : *terms)
            for (std::size_t k = 0; k < term.factors.size(); ++k) {
                const Poly &d = k < term.divides.size() && term.divides[k] ? term.factors[k].num : term.factors[k].den;
                if (!IsConstant(d))
                    side.denominators.push_back(d);
            }
        return side;
    } catch (const TooLarge &) {
        return std::nullopt;
    }
}

OneUnknownLine ReadOneUnknown(
    const std::string &working, const std::string &normalised, char u, const std::vector<SurdNumber> &domain)
{
    OneUnknownLine line;
    const std::string unknown(1, u);
    try {
        if (SplitRelations(working).symbols.empty()) {
            if (HasAnyWord(normalised, kNoSolution))
                line.raw.kind = SolutionSet::Kind::Finite;
            else if (HasAnyWord(normalised, kEveryNumber))
                line.raw.kind = SolutionSet::Kind::AllExcept;
            else
                line.reason = working.empty() ? "这一行没有算式" : "没有等号或不等号";
            line.answer = line.reason.empty();
            line.set = Without(line.raw, domain);
            return line;
        }
        const std::vector<std::string> pieces = Pieces(working, true);
        if (pieces.size() > kMostPieces) {
            line.reason = "一行写的式子太多";
            return line;
        }
        const auto isLabel = [&](const std::string &side) {
            return side == unknown || side == unknown + "1" || side == unknown + "2";
        };
        line.answer = true;
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            const Relations rel = SplitRelations(pieces[k]);
            if (rel.symbols.empty()) {
                line.reason = "没有等号或不等号";
                return line;
            }
            // The equations the piece says. x＝(－b±√△)/(2a)＝(3±√5)/2 and x1＝x2＝3: the unknown
            // equals every side that is a number (a side with the letters of the formula is
            // passed over; a side that is only a label stands for the unknown).
            std::vector<std::pair<std::string, std::string>> equations;
            std::string symbol = rel.symbols[0];
            if (rel.symbols.size() == 1) {
                equations.push_back({isLabel(rel.sides[0]) ? unknown : rel.sides[0], rel.sides[1]});
            } else {
                for (const std::string &between : rel.symbols)
                    if (between != "＝" || !isLabel(rel.sides[0])) {
                        line.reason = "一个式子里只能有一个等号或不等号";
                        return line;
                    }
                for (std::size_t s = 1; s < rel.sides.size(); ++s) {
                    bool formula = false;
                    for (char c : LettersOf(rel.sides[s]))
                        formula = formula || c != u;
                    if (!isLabel(rel.sides[s]) && !formula)
                        equations.push_back({unknown, rel.sides[s]});
                }
                if (equations.empty()) {
                    line.reason = "公式里还要代入数";
                    return line;
                }
            }
            std::optional<SolutionSet> pieceSet;
            for (const auto &[left, right] : equations) {
                for (char c : LettersOf(left + right))
                    if (c != u) {
                        line.reason = "式子里除了 " + unknown + " 还有别的字母";
                        return line;
                    }
                if (left.empty() || right.empty()) {
                    line.reason = "等号或不等号的一边是空的";
                    return line;
                }
                const std::string value = Left(right, 2) == "±" ? Mid(right, 2) : right;
                const bool answer = (left == unknown && !Contains(right, unknown) && (IsNumberText(value) || Contains(right, "√")))
                    || (symbol != "＝" && right == unknown && IsNumberText(left));
                // 1±√2: the two numbers.
                std::vector<std::pair<std::string, std::string>> variants {{left, right}};
                const int pm = Find(left + right, "±");
                if (pm >= 0) {
                    if (Find(left + right, "±", pm + 2) >= 0 || symbol != "＝") {
                        line.reason = "一个式子里只能有一个“±”";
                        return line;
                    }
                    const auto with = [](std::string text, const char *sign) {
                        const int at = Find(text, "±");
                        return at < 0 ? text : Left(text, at) + sign + Mid(text, at + 2);
                    };
                    variants = {{with(left, "＋"), with(right, "＋")}, {with(left, "－"), with(right, "－")}};
                }
                std::optional<SolutionSet> equationSet;
                for (const auto &[l, r] : variants) {
                    PieceReading piece = ReadPiece(l, symbol, r, u);
                    if (!piece.reason.empty()) {
                        line.reason = piece.reason;
                        return line;
                    }
                    if (equationSet && (piece.raw.kind != SolutionSet::Kind::Finite || equationSet->kind != SolutionSet::Kind::Finite)) {
                        line.reason = "几个式子只能是 x＝… 这样连着写";
                        return line;
                    }
                    equationSet = equationSet ? Joined(*equationSet, piece.raw) : piece.raw;
                    for (const SurdNumber &n : piece.excluded)
                        if (!HasNumber(line.excluded, n))
                            line.excluded.push_back(n);
                }
                // The sides of one chain all hold together.
                if (pieceSet && (pieceSet->kind != SolutionSet::Kind::Finite || equationSet->kind != SolutionSet::Kind::Finite)) {
                    line.reason = "几个式子只能是 x＝… 这样连着写";
                    return line;
                }
                pieceSet = pieceSet ? Common(*pieceSet, *equationSet) : *equationSet;
                if (&right == &equations.back().second)
                    line.answer = line.answer && answer;
            }
            const bool first = k == 0;
            if (!first && (pieceSet->kind != SolutionSet::Kind::Finite || line.raw.kind != SolutionSet::Kind::Finite)) {
                line.reason = "几个式子只能是 x＝… 这样连着写";
                return line;
            }
            line.raw = first ? *pieceSet : Joined(line.raw, *pieceSet);
            if (pieces.size() == 1 && rel.symbols.size() == 1 && !Contains(pieces[k], "±") && !Contains(pieces[k], "√")) {
                line.single = true;
                line.left = equations[0].first;
                line.symbol = symbol;
                line.right = equations[0].second;
            }
        }
        line.set = Without(line.raw, domain);
    } catch (const TooLarge &) {
        line = OneUnknownLine {};
        line.reason = UnreadableReason("式子里的数太大，无法准确比较");
    }
    return line;
}

std::optional<LinearEquation> ReadLinear(const std::string &piece, char x, char y, std::string &reason)
{
    const Relations rel = SplitRelations(piece);
    if (rel.symbols.size() != 1 || rel.symbols[0] != "＝") {
        reason = rel.symbols.empty() ? "没有等号" : "方程组的一步要写成方程";
        return std::nullopt;
    }
    for (char c : LettersOf(piece))
        if (c != x && c != y) {
            reason = std::string("式子里除了 ") + x + " 和 " + y + " 还有别的字母";
            return std::nullopt;
        }
    try {
        const std::optional<SideValue> l = ReadSide(rel.sides[0]);
        const std::optional<SideValue> r = ReadSide(rel.sides[1]);
        if (!l || !r) {
            reason = "读不懂这个式子，请检查括号和运算符号";
            return std::nullopt;
        }
        const Poly num = Difference(Product(l->value.num, r->value.den), Product(r->value.num, l->value.den));
        const Poly den = Product(l->value.den, r->value.den);
        if (!IsConstant(den) || DegreeIn(num, x) > 1 || DegreeIn(num, y) > 1 || CoefficientAt(num, {{x, 1}, {y, 1}}).numerator != 0) {
            reason = "这一步不是二元一次方程";
            return std::nullopt;
        }
        const Rational d = ConstantOf(den);
        return LinearEquation {Over(CoefficientAt(num, {{x, 1}}), d), Over(CoefficientAt(num, {{y, 1}}), d),
            Over(CoefficientAt(num, {}), d)};
    } catch (const TooLarge &) {
        reason = "式子里的数太大，无法准确比较";
        return std::nullopt;
    }
}

std::optional<std::string> DenominatorsCleared(
    const std::string &left, const std::string &symbol, const std::string &right, int skipSide, int skipIndex)
{
    try {
        std::vector<std::vector<Term>> sides;
        std::vector<Fraction> all;
        for (const std::string *side : {&left, &right}) {
            const std::optional<std::vector<Term>> terms = ReadSum(*side);
            if (!terms || terms->size() != TopTerms(*side).size())
                return std::nullopt;
            for (const Term &term : *terms) {
                std::optional<Fraction> v = TermValue(term);
                if (!v)
                    return std::nullopt;
                all.push_back(*v);
            }
            sides.push_back(*terms);
        }
        const Poly lcd = CommonDenominator(all);
        if (SamePoly(lcd, Constant(Rational {1, 1})) || (symbol != "＝" && !IsConstant(lcd)))
            return std::nullopt;
        if (IsConstant(lcd) && ConstantOf(lcd).numerator < 0)
            return std::nullopt;
        std::string out[2];
        std::size_t next = 0;
        for (int s = 0; s < 2; ++s) {
            const std::string &typed = s == 0 ? left : right;
            const std::vector<TermSpan> spans = TopTerms(typed);
            for (std::size_t k = 0; k < sides[static_cast<std::size_t>(s)].size(); ++k) {
                const Fraction &v = all[next++];
                std::string piece;
                if (s == skipSide && static_cast<int>(k) == skipIndex) {
                    piece = Mid(typed, spans[k].at, spans[k].length);
                    if (Left(piece, 2) == "＋")
                        piece = Mid(piece, 2);
                } else {
                    const std::optional<Poly> times = ExactQuotient(Product(lcd, v.num), v.den);
                    if (!times)
                        return std::nullopt;
                    if (times->empty())
                        continue;
                    piece = PolyText(*times);
                }
                out[s] += out[s].empty() || Left(piece, 2) == "－" ? piece : "＋" + piece;
            }
            if (out[s].empty())
                out[s] = "0";
        }
        return out[0] + symbol + out[1];
    } catch (const TooLarge &) {
        return std::nullopt;
    }
}

} // namespace qimbel::marking
