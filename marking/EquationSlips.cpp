#include "marking/EquationSlips.h"

#include "equations/EquationText.h"
#include "equations/Rational.h"
#include "marking/EquationLine.h"
#include "marking/EquationMoves.h"
#include "solver/GbkText.h"

#include <algorithm>

namespace qimbel::marking {

using namespace fractions;

namespace {

const char *const kMovedUnchanged = "移项没有变号";
const char *const kBracketUnchanged = "去括号时没有变号";
const char *const kMissedFactor = "漏乘";
const char *const kSignSlip = "符号错误";
const char *const kDirectionKept = "不等式两边同除以负数没有改变方向";
const char *const kRootNotChecked = "增根没有检验";
const char *const kRootHalf = "开平方时漏掉了负的平方根";

bool Fits(const std::string &text, const SolutionSet &target, char u, const std::vector<SurdNumber> &domain)
{
    const OneUnknownLine line = ReadOneUnknown(text, text, u, domain);
    return line.reason.empty() && SameSet(line.set, target);
}

bool SameValue(const Fraction &a, const Fraction &b) { return SamePoly(Product(a.num, b.den), Product(b.num, a.den)); }

int Brackets(const std::string &text)
{
    int n = 0;
    for (char c : text)
        n += c == '(';
    return n;
}

std::string Side(const OneUnknownLine &line, int s) { return s == 0 ? line.left : line.right; }

std::string WithSide(const OneUnknownLine &line, int s, const std::string &side)
{
    return s == 0 ? side + line.symbol + line.right : line.left + line.symbol + side;
}

// The term of the wrong line has come across from the other side of the line before unchanged.
bool MovedUnchanged(const OneUnknownLine &previous, int side, const std::string &term)
{
    const std::optional<SideValue> moved = ReadSide(term);
    if (!moved)
        return false;
    const std::string other = Side(previous, 1 - side);
    for (const TermSpan &span : TopTerms(other))
        if (const std::optional<SideValue> v = ReadSide(Mid(other, span.at, span.length)))
            if (SameValue(v->value, moved->value))
                return true;
    return false;
}

bool HasNegativeBracket(const OneUnknownLine &line)
{
    for (int s = 0; s < 2; ++s) {
        const std::string side = Side(line, s);
        for (const TermSpan &span : TopTerms(side)) {
            const std::string term = Mid(side, span.at, span.length);
            if (Left(term, 2) == "－" && Contains(term, "("))
                return true;
        }
    }
    return false;
}

std::string Joined(const std::vector<Poly> &parts)
{
    std::string text;
    for (const Poly &p : parts) {
        if (p.empty())
            continue;
        const std::string piece = PolyText(p);
        text += text.empty() || Left(piece, 2) == "－" ? piece : "＋" + piece;
    }
    return text.empty() ? std::string("0") : text;
}

// The side with one term replaced by a sum.
std::string Replaced(const std::string &side, const TermSpan &span, const std::string &sum)
{
    const std::string before = Left(side, span.at);
    return before + (before.empty() || Left(sum, 2) == "－" ? "" : "＋") + sum + Mid(side, span.at + span.length);
}

// ±k(a1＋a2＋…): the sign, the factor and the terms inside (each a polynomial).
struct BracketTerm {
    int sign = 1;
    Rational k {1, 1};
    std::vector<Poly> inner;
};

std::optional<BracketTerm> ReadBracketTerm(const std::string &term)
{
    BracketTerm b;
    int i = 0;
    if (Left(term, 2) == "＋" || Left(term, 2) == "－") {
        b.sign = Left(term, 2) == "－" ? -1 : 1;
        i = 2;
    }
    int c = i;
    while (c < Len(term)
        && ((term[static_cast<std::size_t>(c)] >= '0' && term[static_cast<std::size_t>(c)] <= '9')
            || term[static_cast<std::size_t>(c)] == '.' || term[static_cast<std::size_t>(c)] == '/'))
        ++c;
    const std::string coefficient = Mid(term, i, c - i);
    if (Mid(term, c, 2) == "×")
        c += 2;
    if (Mid(term, c, 1) != "(" || Right(term, 1) != ")")
        return std::nullopt;
    int depth = 0;
    for (int j = c; j < Len(term) - 1; ++j) {
        depth += term[static_cast<std::size_t>(j)] == '(' ? 1 : term[static_cast<std::size_t>(j)] == ')' ? -1 : 0;
        if (depth == 0)
            return std::nullopt; // the bracket closes before the end: (a)(b) or (a)x
    }
    if (!coefficient.empty()) {
        const std::optional<Rational> k = ReadRational(coefficient);
        if (!k)
            return std::nullopt;
        b.k = *k;
    }
    const std::string inner = Mid(term, c + 1, Len(term) - c - 2);
    for (const TermSpan &span : TopTerms(inner)) {
        const std::optional<SideValue> v = ReadSide(Mid(inner, span.at, span.length));
        if (!v || !IsConstant(v->value.den))
            return std::nullopt;
        b.inner.push_back(Scaled(v->value.num, Over(Rational {1, 1}, ConstantOf(v->value.den))));
    }
    if (b.inner.size() < 2)
        return std::nullopt;
    return b;
}

std::string RootList(char u, const std::vector<SurdNumber> &values)
{
    std::string text;
    for (const SurdNumber &n : values)
        text += (text.empty() ? "" : "、") + std::string(1, u) + "＝" + SurdNumberText(n);
    return text;
}

// The numbers named as u＝number in a clause; `rest` gets the clause without them.
std::vector<SurdNumber> NamedValues(const std::string &clause, char u, std::string &rest)
{
    std::vector<SurdNumber> values;
    rest.clear();
    for (int i = 0; i < Len(clause);) {
        const int size
            = i < Len(clause) && IsGbkLead(static_cast<unsigned char>(clause[static_cast<std::size_t>(i)])) ? 2 : 1;
        if (size == 1 && clause[static_cast<std::size_t>(i)] == u) {
            int j = i + 1;
            if (j < Len(clause)
                && (clause[static_cast<std::size_t>(j)] == '1' || clause[static_cast<std::size_t>(j)] == '2')
                && Mid(clause, j + 1, 2) == "＝")
                ++j;
            if (Mid(clause, j, 2) == "＝") {
                int k = j + 2;
                const int from = k;
                if (Mid(clause, k, 2) == "－" || Mid(clause, k, 2) == "＋")
                    k += 2;
                while (k < Len(clause)
                    && ((clause[static_cast<std::size_t>(k)] >= '0' && clause[static_cast<std::size_t>(k)] <= '9')
                        || clause[static_cast<std::size_t>(k)] == '.' || clause[static_cast<std::size_t>(k)] == '/'))
                    ++k;
                if (const std::optional<Rational> v = ReadRational(Mid(clause, from, k - from))) {
                    values.push_back({*v});
                    i = k;
                    continue;
                }
            }
        }
        rest += Mid(clause, i, size);
        i += size;
    }
    return values;
}

// "＝0" as a result (not the start of 0.5 or 0/…).
bool SaysZero(const std::string &text)
{
    for (int at = Find(text, "＝0"); at >= 0; at = Find(text, "＝0", at + 2)) {
        const char next = at + 3 < Len(text) ? text[static_cast<std::size_t>(at) + 3] : '\0';
        if (!((next >= '0' && next <= '9') || next == '.' || next == '/'))
            return true;
    }
    return false;
}

// A line of the form A＝±s read from "A^2＝k" written as A＝s: the slip of the missing negative
// root, with the line as it should read.
std::optional<Slip> RootSlip(
    const OneUnknownLine &previous, const OneUnknownLine &wrong, char u, const std::vector<SurdNumber> &domain)
{
    if (wrong.symbol != "＝" || previous.symbol != "＝" || wrong.answer)
        return std::nullopt;
    const std::optional<SideValue> l = ReadSide(wrong.left);
    const std::optional<SideValue> r = ReadSide(wrong.right);
    const std::optional<SideValue> pl = ReadSide(previous.left);
    const std::optional<SideValue> pr = ReadSide(previous.right);
    if (!l || !r || !pl || !pr || !IsConstant(l->value.den) || !IsConstant(r->value.den) || !IsConstant(r->value.num)
        || DegreeIn(l->value.num, u) != 1 || r->value.num.empty())
        return std::nullopt;
    // (A − s)(A ＋ s) against the difference of the sides before.
    const Poly a = Product(l->value.num, r->value.den);
    const Poly s = Product(r->value.num, l->value.den);
    const Poly square = Product(Difference(a, s), Sum(a, s));
    const Poly before = Difference(Product(pl->value.num, pr->value.den), Product(pr->value.num, pl->value.den));
    if (!IsConstant(pl->value.den) || !IsConstant(pr->value.den) || DegreeIn(before, u) != 2)
        return std::nullopt;
    if (!ExactQuotient(before, square) || !IsConstant(*ExactQuotient(before, square)))
        return std::nullopt;
    std::string root = wrong.right;
    if (Left(root, 2) == "－" || Left(root, 2) == "＋")
        root = Mid(root, 2);
    const std::string fix = wrong.left + "＝±" + root;
    return Slip {kRootHalf, Fits(fix, previous.set, u, domain) ? fix : std::string()};
}

bool FitsMove(const OneUnknownLine &previous, const std::string &text, char u, const std::vector<SurdNumber> &domain)
{
    return RightStepText(previous, text, previous.set, u, domain);
}

} // namespace

std::vector<WrongRemoval> WrongRemovals(const std::string &left, const std::string &symbol, const std::string &right)
{
    OneUnknownLine line;
    line.left = left;
    line.symbol = symbol;
    line.right = right;
    std::vector<WrongRemoval> out;
    try {
        for (int s = 0; s < 2; ++s) {
            const std::string side = Side(line, s);
            for (const TermSpan &span : TopTerms(side)) {
                const std::optional<BracketTerm> b = ReadBracketTerm(Mid(side, span.at, span.length));
                if (!b)
                    continue;
                const Rational sk = b->sign < 0 ? Negated(b->k) : b->k;
                std::vector<Poly> rightly, dropped, unchanged, missed;
                for (std::size_t k = 0; k < b->inner.size(); ++k) {
                    rightly.push_back(Scaled(b->inner[k], sk));
                    dropped.push_back(Scaled(b->inner[k], Negated(sk)));
                    unchanged.push_back(
                        k == 0 ? rightly.back() : Scaled(b->inner[k], sk.numerator < 0 ? Negated(sk) : sk));
                    missed.push_back(k == 0 ? rightly.back() : Scaled(b->inner[k], Rational {b->sign, 1}));
                }
                const std::string fix = WithSide(line, s, Replaced(side, span, Joined(rightly)));
                if (sk.numerator < 0) {
                    out.push_back({WithSide(line, s, Replaced(side, span, Joined(unchanged))), kBracketUnchanged, fix});
                    out.push_back({WithSide(line, s, Replaced(side, span, Joined(dropped))), kBracketUnchanged, fix});
                }
                const bool one = b->k.denominator == 1 && (b->k.numerator == 1 || b->k.numerator == -1);
                if (!one)
                    out.push_back({WithSide(line, s, Replaced(side, span, Joined(missed))), kMissedFactor, fix});
            }
        }
    } catch (const TooLarge &) {
    }
    return out;
}

Slip FindSlip(
    const OneUnknownLine &previous, const OneUnknownLine &wrong, char u, const std::vector<SurdNumber> &domain)
{
    if (!previous.single || !wrong.single)
        return {};
    try {
        const std::string &symbol = wrong.symbol;
        // A bracket taken off wrongly, and the rest of the line a right step from there: the
        // move is judged, so this holds even when the solutions came out right by chance.
        for (const WrongRemoval &removal : WrongRemovals(previous.left, previous.symbol, previous.right)) {
            const OneUnknownLine mutated = ReadOneUnknown(removal.text, removal.text, u, domain);
            if (!mutated.reason.empty())
                continue;
            const MoveVerdict move = JudgeMove(mutated, wrong, u);
            if (move == MoveVerdict::Right || (move == MoveVerdict::Unknown && SameSet(mutated.set, wrong.set)))
                return {removal.slip, FitsMove(previous, removal.fix, u, domain) ? removal.fix : std::string()};
        }
        if (symbol != "＝" && symbol == previous.symbol
            && JudgeMove(previous, wrong, u) == MoveVerdict::DirectionKept) {
            const std::string turned = wrong.left + ReversedSymbol(symbol) + wrong.right;
            if (FitsMove(previous, turned, u, domain))
                return {kDirectionKept, turned};
        }
        if (std::optional<Slip> root = RootSlip(previous, wrong, u, domain))
            return *root;
        // One term of the wrong line with the other sign makes it right (the right side first,
        // where the numbers are worked out: 2x＝－4 should read 2x＝4, not －2x＝－4).
        for (int s = 1; s >= 0; --s) {
            const std::string side = Side(wrong, s);
            std::vector<std::string> tried; // a term written alike gives a line alike
            for (const TermSpan &span : TopTerms(side)) {
                std::string term = Mid(side, span.at, span.length);
                if (Left(term, 2) == "＋")
                    term = Mid(term, 2);
                if (std::find(tried.begin(), tried.end(), term) != tried.end())
                    continue;
                tried.push_back(term);
                const std::string flipped = FlippedTerm(side, span);
                const std::string fixed = WithSide(wrong, s, flipped.empty() ? std::string("0") : flipped);
                if (!FitsMove(previous, fixed, u, domain))
                    continue;
                const char *name = kSignSlip;
                if (MovedUnchanged(previous, s, Mid(side, span.at, span.length)))
                    name = kMovedUnchanged;
                else if (HasNegativeBracket(previous)
                    && Brackets(wrong.left + wrong.right) < Brackets(previous.left + previous.right))
                    name = kBracketUnchanged;
                return {name, fixed};
            }
        }
        // 去分母 with one term not multiplied.
        if (const std::optional<std::string> cleared
            = DenominatorsCleared(previous.left, previous.symbol, previous.right)) {
            const std::string fix = FitsMove(previous, *cleared, u, domain) ? *cleared : std::string();
            for (int s = 0; s < 2; ++s) {
                const int terms = static_cast<int>(TopTerms(Side(previous, s)).size());
                for (int k = 0; k < terms; ++k) {
                    const std::optional<std::string> missed
                        = DenominatorsCleared(previous.left, previous.symbol, previous.right, s, k);
                    if (missed && Fits(*missed, wrong.set, u, domain))
                        return {kMissedFactor, fix};
                }
            }
        }
    } catch (const TooLarge &) {
    }
    return {};
}

std::optional<std::string> BracketsRemoved(const OneUnknownLine &line)
{
    if (!line.single)
        return std::nullopt;
    bool any = false;
    std::string sides[2];
    try {
        for (int s = 0; s < 2; ++s) {
            const std::string side = Side(line, s);
            for (const TermSpan &span : TopTerms(side)) {
                const std::string term = Mid(side, span.at, span.length);
                const std::optional<BracketTerm> b = ReadBracketTerm(term);
                if (!b) {
                    sides[s] += sides[s].empty() || Left(term, 2) == "－" || Left(term, 2) == "＋" ? term : "＋" + term;
                    continue;
                }
                any = true;
                const Rational sk = b->sign < 0 ? Negated(b->k) : b->k;
                std::vector<Poly> right;
                for (const Poly &p : b->inner)
                    right.push_back(Scaled(p, sk));
                const std::string sum = Joined(right);
                sides[s] += sides[s].empty() || Left(sum, 2) == "－" ? sum : "＋" + sum;
            }
            if (Left(sides[s], 2) == "＋")
                sides[s] = Mid(sides[s], 2);
        }
    } catch (const TooLarge &) {
        return std::nullopt;
    }
    if (!any)
        return std::nullopt;
    return sides[0] + line.symbol + sides[1];
}

std::string AnswerText(const SolutionSet &set, char u, int type)
{
    const std::string unknown(1, u);
    switch (set.kind) {
    case SolutionSet::Kind::Above:
        return unknown + (set.closed ? "≥" : "＞") + ExactText(set.bound);
    case SolutionSet::Kind::Below:
        return unknown + (set.closed ? "≤" : "＜") + ExactText(set.bound);
    case SolutionSet::Kind::AllExcept:
        return set.values.empty() ? unknown + "取任何数都成立" : std::string("使分母不为0的任何数都是原方程的解");
    case SolutionSet::Kind::Finite:
        break;
    }
    if (set.values.empty())
        return type == 27 ? "方程没有实数根" : type == 30 ? "不等式无解" : "原方程无解";
    if (set.values.size() == 1)
        return unknown + "＝" + SurdNumberText(set.values[0]);
    std::vector<SurdNumber> v = set.values;
    if (v.size() == 2) {
        const bool swap = v[0].q.numerator != 0 ? v[0].q.numerator > 0 : LessThan(v[1].p, v[0].p);
        if (swap)
            std::swap(v[0], v[1]);
    }
    std::string text;
    for (std::size_t k = 0; k < v.size(); ++k)
        text += (k == 0 ? "" : "，") + unknown + IntText(static_cast<long long>(k + 1)) + "＝" + SurdNumberText(v[k]);
    return text;
}

std::optional<std::string> GeneralForm(const std::string &left, const std::string &right, char u)
{
    try {
        const std::optional<SideValue> l = ReadSide(left);
        const std::optional<SideValue> r = ReadSide(right);
        if (!l || !r)
            return std::nullopt;
        const Poly den = Product(l->value.den, r->value.den);
        const Poly num = Difference(Product(l->value.num, r->value.den), Product(r->value.num, l->value.den));
        if (!IsConstant(den) || DegreeIn(num, u) != 2)
            return std::nullopt;
        return PolyText(Normalised(num)) + "＝0";
    } catch (const TooLarge &) {
        return std::nullopt;
    }
}

CheckReading ReadCheck(
    const std::string &normalised, char u, const SolutionSet &problem, const std::vector<SurdNumber> &domain)
{
    CheckReading check;
    std::vector<SurdNumber> pending;
    std::vector<std::string> clauses;
    for (const std::string &piece : Pieces(normalised, false)) {
        std::string rest = piece;
        for (int at = Find(rest, "。"); at >= 0; at = Find(rest, "。")) {
            clauses.push_back(Left(rest, at));
            rest = Mid(rest, at + 2);
        }
        clauses.push_back(rest);
    }
    for (const std::string &clause : clauses) {
        std::string rest;
        std::vector<SurdNumber> values = NamedValues(clause, u, rest);
        int claim = 0; // 1: solutions, -1: 增根
        if (HasAnyWord(rest, {"不是原方程的解", "不是原方程的根", "增根"}))
            claim = -1;
        else if (HasAnyWord(
                     rest, {"不等于0", "不为0", "≠0", "是原方程的解", "是原方程的根", "是分式方程的解", "是方程的解"}))
            claim = 1;
        // A denominator that comes out 0 (not a side of an equation that does).
        else if (!domain.empty() && !HasAnyWord(rest, {"左边", "右边"})
            && (HasAnyWord(rest, {"等于0", "为0"}) || SaysZero(rest)))
            claim = -1;
        if (Contains(rest, "无解")) {
            check.claims = true;
            const bool none = problem.kind == SolutionSet::Kind::Finite && problem.values.empty();
            check.right = check.right && none;
        }
        if (claim == 0) {
            pending.insert(pending.end(), values.begin(), values.end());
            continue;
        }
        check.claims = true;
        values.insert(values.begin(), pending.begin(), pending.end());
        pending.clear();
        for (const SurdNumber &v : values) {
            const bool excluded = HasNumber(domain, v);
            if (claim < 0 && !excluded)
                check.right = false;
            if (claim > 0) {
                const bool solves = problem.kind == SolutionSet::Kind::Finite
                    ? HasNumber(problem.values, v)
                    : problem.kind == SolutionSet::Kind::AllExcept && !excluded;
                if (!solves) {
                    check.right = false;
                    if (excluded)
                        check.slip = kRootNotChecked;
                }
            }
        }
    }
    return check;
}

std::string CheckConclusion(char u, const SolutionSet &roots, const std::vector<SurdNumber> &domain)
{
    std::vector<SurdNumber> bad, good;
    for (const SurdNumber &n : roots.values)
        (HasNumber(domain, n) ? bad : good).push_back(n);
    if (roots.kind != SolutionSet::Kind::Finite || (bad.empty() && good.empty()))
        return "原方程无解";
    if (good.empty())
        return "经检验，" + RootList(u, bad) + "是原方程的增根，原方程无解";
    if (bad.empty())
        return "经检验，" + RootList(u, good) + "是原方程的解";
    return "经检验，" + RootList(u, bad) + "是原方程的增根，" + RootList(u, good) + "是原方程的解";
}

} // namespace qimbel::marking
