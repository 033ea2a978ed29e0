#include "marking/EquationSystem.h"

#include "marking/EquationSlips.h"

#include "equations/Rational.h"
#include "marking/EquationLine.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"

namespace qimbel::marking {

using namespace fractions;

namespace {

bool IsZero(const Rational &r) { return r.numerator == 0; }
bool Same(const Rational &a, const Rational &b) { return a.numerator == b.numerator && a.denominator == b.denominator; }
Rational Cross(const Rational &a, const Rational &b, const Rational &c, const Rational &d)
{
    return Plus(fractions::Times(a, b), Negated(fractions::Times(c, d)));
}

bool Empty(const LinearEquation &e) { return IsZero(e.a) && IsZero(e.b); }

// e and f have the same solutions (both not empty).
bool Proportional(const LinearEquation &e, const LinearEquation &f)
{
    return IsZero(Cross(e.a, f.b, f.a, e.b)) && IsZero(Cross(e.a, f.c, f.a, e.c)) && IsZero(Cross(e.b, f.c, f.b, e.c));
}

std::string Withoutstop(std::string s)
{
    if (Right(s, 2) == "。")
        s = Left(s, Len(s) - 2);
    return s;
}

struct Read {
    std::string reason;
    std::vector<LinearEquation> equations;
    std::vector<std::string> texts; // the working part of each
};

Read ReadPieces(const std::string &working, char x, char y)
{
    Read read;
    const std::vector<std::string> pieces = Pieces(working, false);
    if (pieces.size() > 2) {
        read.reason = "一行最多写两个方程";
        return read;
    }
    for (const std::string &piece : pieces) {
        std::optional<LinearEquation> e = ReadLinear(piece, x, y, read.reason);
        if (!e)
            return read;
        read.equations.push_back(*e);
        read.texts.push_back(piece);
    }
    return read;
}

// x＝3 or y＝2: the letter and the number, when the piece is such.
bool StatedValue(const std::string &piece, char letter, Rational &value)
{
    const Relations rel = SplitRelations(piece);
    if (rel.symbols.size() != 1 || rel.sides[0] != std::string(1, letter))
        return false;
    const std::optional<Rational> v = ReadRational(rel.sides[1]);
    if (v)
        value = *v;
    return v.has_value();
}

// A term of the line before stands unchanged on the other side of the wrong line.
bool MovedUnchanged(const std::string &before, int side, const std::string &term)
{
    const std::optional<SideValue> moved = ReadSide(term);
    if (!moved)
        return false;
    for (const std::string &piece : Pieces(before, false)) {
        const Relations rel = SplitRelations(piece);
        if (rel.sides.size() != 2)
            continue;
        const std::string &other = rel.sides[static_cast<std::size_t>(1 - side)];
        for (const TermSpan &span : TopTerms(other))
            if (const std::optional<SideValue> v = ReadSide(Mid(other, span.at, span.length)))
                if (SamePoly(Product(v->value.num, moved->value.den), Product(moved->value.num, v->value.den)))
                    return true;
    }
    return false;
}

// e lies in the span of u and v: it is a sum of multiples of the two, so it follows from them by
// adding and subtracting even when they have no common solution.
bool Combined(const LinearEquation &e, const LinearEquation &u, const LinearEquation &v)
{
    const auto zero = [](const LinearEquation &f) { return Empty(f) && IsZero(f.c); };
    const auto parallel = [](const LinearEquation &f, const LinearEquation &g) {
        return IsZero(Cross(f.a, g.b, g.a, f.b)) && IsZero(Cross(f.a, g.c, g.a, f.c))
            && IsZero(Cross(f.b, g.c, g.b, f.c));
    };
    if (zero(e))
        return true;
    if (zero(u) && zero(v))
        return false;
    if (parallel(u, v))
        return parallel(zero(u) ? v : u, e);
    // det(u, v, e) = 0.
    const Rational minorA = Cross(v.b, e.c, e.b, v.c);
    const Rational minorB = Cross(v.a, e.c, e.a, v.c);
    const Rational minorC = Cross(v.a, e.b, e.a, v.b);
    return IsZero(Plus(
        Plus(fractions::Times(u.a, minorA), Negated(fractions::Times(u.b, minorB))), fractions::Times(u.c, minorC)));
}

// A line that says in words that the system has no solution, or infinitely many.
enum class Statement { None, NoSolution, EveryPair };
Statement StatementOf(const std::string &normalised)
{
    if (HasAnyWord(normalised, {"无解", "没有解", "不存在"}))
        return Statement::NoSolution;
    if (HasAnyWord(normalised, {"无数个解", "无数组解", "无穷多", "无数多"}))
        return Statement::EveryPair;
    return Statement::None;
}

std::string PointText(const PairSet &set, char x, char y)
{
    return std::string(1, x) + "＝" + ExactText(set.x) + "，" + std::string(1, y) + "＝" + ExactText(set.y);
}

// K·u ＝ M as a pupil writes it: 4y＝4, －y＝2, y＝0.5.
std::string OneUnknownText(const Rational &k, char u, const Rational &m)
{
    const std::string number = IsZero(Plus(k, Rational {-1, 1})) ? std::string()
        : IsZero(Plus(k, Rational {1, 1}))                       ? std::string("－")
        : k.numerator < 0                                        ? "－" + ExactText(Negated(k))
                                                                 : ExactText(k);
    const std::string right = m.numerator < 0 ? "－" + ExactText(Negated(m)) : ExactText(m);
    return number + std::string(1, u) + "＝" + right;
}

// The equation in one unknown that eliminating the other from the pair gives (①－② or ①＋②
// when the coefficients are equal or opposite, else each multiplied first), when `e` has that
// one unknown; empty otherwise.
std::string EliminationText(
    const LinearEquation &first, const LinearEquation &second, const LinearEquation &e, char x, char y)
{
    const bool onlyY = IsZero(e.a) && !IsZero(e.b);
    const bool onlyX = IsZero(e.b) && !IsZero(e.a);
    if (!onlyX && !onlyY)
        return {};
    const Rational p = onlyY ? first.a : first.b;
    const Rational q = onlyY ? second.a : second.b;
    if (IsZero(p) || IsZero(q))
        return {};
    // first·q − second·p, or with equal coefficients simply first − second.
    Rational f = q, g = p;
    if (IsZero(Plus(p, Negated(q))))
        f = g = Rational {1, 1};
    else if (IsZero(Plus(p, q))) {
        f = Rational {1, 1};
        g = Rational {-1, 1};
    }
    const Rational k = Plus(
        fractions::Times(onlyY ? first.b : first.a, f), Negated(fractions::Times(onlyY ? second.b : second.a, g)));
    const Rational c = Plus(fractions::Times(first.c, f), Negated(fractions::Times(second.c, g)));
    if (IsZero(k))
        return {};
    return OneUnknownText(k, onlyY ? y : x, Negated(c));
}

} // namespace

PairSet Solved(const LinearEquation &first, const LinearEquation &second)
{
    PairSet set;
    const Rational det = Cross(first.a, second.b, second.a, first.b);
    if (!IsZero(det)) {
        set.kind = PairSet::Kind::Point;
        set.x = Over(Cross(first.b, second.c, second.b, first.c), det);
        set.y = Over(Cross(second.a, first.c, first.a, second.c), det);
        return set;
    }
    const bool firstEmpty = Empty(first);
    const bool secondEmpty = Empty(second);
    if ((firstEmpty && !IsZero(first.c)) || (secondEmpty && !IsZero(second.c))) {
        set.kind = PairSet::Kind::None;
        return set;
    }
    if (firstEmpty && secondEmpty) {
        set.kind = PairSet::Kind::All;
        return set;
    }
    if (firstEmpty || secondEmpty || Proportional(first, second)) {
        set.kind = PairSet::Kind::Line;
        set.line = firstEmpty ? second : first;
        return set;
    }
    set.kind = PairSet::Kind::None;
    return set;
}

bool SamePairSet(const PairSet &a, const PairSet &b)
{
    if (a.kind != b.kind)
        return false;
    if (a.kind == PairSet::Kind::Point)
        return Same(a.x, b.x) && Same(a.y, b.y);
    if (a.kind == PairSet::Kind::Line)
        return Proportional(a.line, b.line);
    return true;
}

bool Implied(const LinearEquation &e, const PairSet &set)
{
    switch (set.kind) {
    case PairSet::Kind::Point:
        return IsZero(Plus(Plus(fractions::Times(e.a, set.x), fractions::Times(e.b, set.y)), e.c));
    case PairSet::Kind::Line:
        return (Empty(e) && IsZero(e.c)) || (!Empty(e) && Proportional(e, set.line));
    case PairSet::Kind::None:
        return true;
    case PairSet::Kind::All:
        break;
    }
    return Empty(e) && IsZero(e.c);
}

bool SameRational(const Rational &a, const Rational &b)
{
    return a.numerator == b.numerator && a.denominator == b.denominator;
}

struct BracketSlip {
    std::string name;
    std::string fix;
};

// The equation `e` as an equation of the line before with a bracket taken off wrongly: the slip,
// and that equation with the bracket taken off rightly (when the solutions keep it).
template <typename Implied>
BracketSlip BracketSlipOf(const std::string &before, const LinearEquation &e, char x, char y, const Implied &implied)
{
    for (const std::string &piece : Pieces(before, false)) {
        const Relations rel = SplitRelations(piece);
        if (rel.symbols.size() != 1)
            continue;
        for (const WrongRemoval &removal : WrongRemovals(rel.sides[0], rel.symbols[0], rel.sides[1])) {
            std::string ignored;
            const std::optional<LinearEquation> wrong = ReadLinear(removal.text, x, y, ignored);
            if (!wrong || !SamePairSet(Solved(*wrong, *wrong), Solved(e, e)))
                continue;
            const std::optional<LinearEquation> fixed = ReadLinear(removal.fix, x, y, ignored);
            return {removal.slip, fixed && implied(*fixed) ? removal.fix : std::string()};
        }
    }
    return {};
}

MarkedProblem MarkSystemWorking(const std::vector<std::string> &lines)
{
    MarkedProblem marked;
    for (const std::string &line : lines)
        marked.lines.push_back({line, StepMark::Problem, "", ""});
    if (lines.empty())
        return marked;
    // A problem that cannot be read: its reason stands on its first line and no step is marked.
    const auto unreadable = [&](std::size_t, const std::string &reason) {
        marked.lines[0].reason = reason;
        marked.missing = "题目无法识别";
        return marked;
    };

    // The problem.
    std::vector<std::string> problem = Pieces(WorkingPart(NormalisedSigns(lines[0])), false);
    std::size_t problemLines = 1;
    if (problem.size() == 1 && lines.size() > 1) {
        problem.push_back(WorkingPart(NormalisedSigns(lines[1])));
        problemLines = 2;
    }
    for (std::size_t i = 0; i < problemLines; ++i)
        if (std::string sentence = EquationTooLarge(lines[i]); !sentence.empty())
            return unreadable(problemLines, Withoutstop(sentence));
    if (problem.size() != 2)
        return unreadable(problemLines, "方程组要有两个方程");
    const std::string letters = LettersOf(problem[0] + problem[1]);
    if (letters.size() != 2)
        return unreadable(problemLines, "方程组要有两个未知数");
    const char x = letters[0];
    const char y = letters[1];
    std::string reason;
    const std::optional<LinearEquation> older = ReadLinear(problem[0], x, y, reason);
    const std::optional<LinearEquation> newer = older ? ReadLinear(problem[1], x, y, reason) : std::nullopt;
    if (!older || !newer)
        return unreadable(problemLines, reason);
    // The pairs the working may stand on: one, or after a wrong step the wrong equation with
    // either equation before it (the next step may use either).
    struct Pair {
        LinearEquation older, newer;
    };
    std::vector<Pair> held {{*older, *newer}};
    PairSet problemSet;
    try {
        problemSet = Solved(*older, *newer);
    } catch (const TooLarge &) {
        return unreadable(problemLines, "式子里的数太大，无法准确比较");
    }
    PairSet set = problemSet;

    std::string before = problem[0] + "," + problem[1]; // the last readable line
    bool knowX = false, knowY = false; // a right step stated the value
    Rational xValue {0, 1}, yValue {0, 1};
    bool lastIsAnswer = false;
    bool lastWrong = false; // the last readable line is wrong
    bool saidRight = false; // the last line said rightly that there is no solution, or many
    bool concluded = false; // the last line is a right equation without unknowns
    int firstWrong = 0;
    int steps = 0;
    for (std::size_t i = problemLines; i < lines.size(); ++i) {
        MarkedLine &out = marked.lines[i];
        const std::string sentence = EquationTooLarge(lines[i]);
        const std::string normalised = sentence.empty() ? NormalisedSigns(lines[i]) : std::string();
        if (sentence.empty() && IsWordsOnly(normalised))
            continue; // "解：" on a line of its own
        const int step = ++steps;
        if (!sentence.empty()) {
            out.mark = StepMark::Unreadable;
            out.reason = Withoutstop(sentence);
            continue;
        }
        if (const Statement said = StatementOf(normalised); said != Statement::None) {
            const bool right = said == Statement::NoSolution
                ? problemSet.kind == PairSet::Kind::None
                : problemSet.kind == PairSet::Kind::Line || problemSet.kind == PairSet::Kind::All;
            out.mark = right ? StepMark::Right : StepMark::Wrong;
            lastWrong = !right;
            lastIsAnswer = true;
            saidRight = right;
            concluded = false;
            if (!right && firstWrong == 0)
                firstWrong = step;
            continue;
        }
        saidRight = false;
        const std::string working = WorkingPart(normalised);
        const Read read = ReadPieces(working, x, y);
        if (!read.reason.empty()) {
            out.mark = StepMark::Unreadable;
            out.reason = read.reason;
            continue;
        }
        const Pair pairBefore = held[0];
        try {
            std::vector<PairSet> was;
            for (const Pair &h : held)
                was.push_back(Solved(h.older, h.newer));
            // A system without solutions is worked by adding and subtracting its equations: what
            // follows is what those give, not everything.
            const auto implied = [&](const LinearEquation &e) {
                for (std::size_t h = 0; h < held.size(); ++h)
                    if (was[h].kind == PairSet::Kind::None ? Combined(e, held[h].older, held[h].newer)
                                                           : Implied(e, was[h]))
                        return true;
                return false;
            };
            bool right = false;
            if (read.equations.size() == 2) {
                const PairSet pair = Solved(read.equations[0], read.equations[1]);
                for (const PairSet &w : was)
                    right = right || SamePairSet(pair, w);
                if (pair.kind == PairSet::Kind::None)
                    right = right && implied(read.equations[0]) && implied(read.equations[1]);
                // A wrong pair is not worked on: the next step is compared with the last right one.
                if (right)
                    held = {{read.equations[0], read.equations[1]}};
            } else {
                const LinearEquation &e = read.equations[0];
                right = implied(e);
                std::vector<Pair> next;
                if (right) {
                    for (std::size_t h = 0; h < held.size(); ++h) {
                        if (!Implied(e, was[h]))
                            continue;
                        // e takes the place of the equation it makes redundant.
                        if (SamePairSet(Solved(held[h].newer, e), was[h]))
                            next.push_back({held[h].newer, e});
                        else if (SamePairSet(Solved(held[h].older, e), was[h]))
                            next.push_back({held[h].older, e});
                        else
                            next.push_back(held[h]);
                    }
                    held = next;
                }
                // A wrong equation is not worked on: the next step is compared with the equations
                // of the last right one.
            }
            set = Solved(held[0].older, held[0].newer);
            out.mark = right ? StepMark::Right : StepMark::Wrong;
            lastWrong = !right;
            lastIsAnswer = true;
            // 1＝2 ends the working of a system without solutions, 0＝0 one with infinitely many.
            concluded = right && read.equations.size() == 1 && Empty(read.equations[0])
                && (problemSet.kind != PairSet::Kind::None || !IsZero(read.equations[0].c));
            for (const std::string &piece : read.texts) {
                Rational value;
                const bool isX = StatedValue(piece, x, value);
                const bool isY = !isX && StatedValue(piece, y, value);
                lastIsAnswer = lastIsAnswer && (isX || isY);
                if (right && isX) {
                    knowX = true;
                    xValue = value;
                }
                if (right && isY) {
                    knowY = true;
                    yValue = value;
                }
            }
            if (!right && read.equations.size() == 1) {
                // A bracket of an equation before taken off wrongly.
                const BracketSlip slip = BracketSlipOf(before, read.equations[0], x, y, implied);
                out.reason = slip.name;
                if (firstWrong == 0)
                    out.correctStep = slip.fix;
            }
            if (!right && read.equations.size() == 1) {
                // One term with the other sign makes it right (the right side first).
                const Relations rel = SplitRelations(read.texts[0]);
                for (int s = 1; s >= 0 && out.reason.empty(); --s) {
                    const std::string side = rel.sides[static_cast<std::size_t>(s)];
                    for (const TermSpan &span : TopTerms(side)) {
                        const std::string flipped = FlippedTerm(side, span);
                        const std::string fixed = s == 0 ? (flipped.empty() ? "0" : flipped) + "＝" + rel.sides[1]
                                                         : rel.sides[0] + "＝" + (flipped.empty() ? "0" : flipped);
                        std::string ignored;
                        const std::optional<LinearEquation> f = ReadLinear(fixed, x, y, ignored);
                        if (!f || !implied(*f))
                            continue;
                        out.reason
                            = MovedUnchanged(before, s, Mid(side, span.at, span.length)) ? "移项没有变号" : "符号错误";
                        if (firstWrong == 0)
                            out.correctStep = fixed;
                        break;
                    }
                }
            }
            if (!right && firstWrong == 0) {
                firstWrong = step;
                // An equation in one unknown where the pupil was eliminating the other: the two
                // equations added or taken one from the other, as they should have been.
                if (out.correctStep.empty() && read.equations.size() == 1 && held.size() > 0)
                    out.correctStep = EliminationText(pairBefore.older, pairBefore.newer, read.equations[0], x, y);
                if (out.correctStep.empty() && was[0].kind == PairSet::Kind::Point)
                    out.correctStep = PointText(was[0], x, y);
            }
        } catch (const TooLarge &) {
            out.mark = StepMark::Unreadable;
            out.reason = "式子里的数太大，无法准确比较";
            continue;
        }
        before = working;
    }

    const bool answered = lastIsAnswer && knowX && knowY && SamePairSet(set, problemSet);
    const bool pointless = problemSet.kind != PairSet::Kind::Point;
    if (steps == 0)
        marked.missing = "还没有写出解题步骤";
    else if (pointless && (saidRight || concluded))
        marked.finished = true;
    else if (pointless)
        marked.missing = problemSet.kind == PairSet::Kind::None ? "这个方程组无解，要写出“方程组无解”"
                                                                : "这个方程组有无数个解，要写出“方程组有无数个解”";
    else if (answered && set.kind == PairSet::Kind::Point)
        marked.finished = true;
    else if (lastIsAnswer && (lastWrong || (knowX && knowY)))
        marked.missing = firstWrong > 0 ? "答案不对，要从第" + IntText(firstWrong) + "步改起" : std::string("答案不对");
    else if (firstWrong > 0 && problemSet.kind == PairSet::Kind::Point
        && ((knowX && !SameRational(xValue, problemSet.x)) || (knowY && !SameRational(yValue, problemSet.y))))
        // A value worked out from a wrong step: finding the other one will not put it right.
        marked.missing
            = std::string(knowX && !SameRational(xValue, problemSet.x) ? std::string(1, x) : std::string(1, y))
            + "的值不对，要从第" + IntText(firstWrong) + "步改起";
    else if (!knowX && !knowY)
        marked.missing = std::string("还要求出") + x + "和" + y + "的值";
    else
        marked.missing = std::string("还要求出") + (knowX ? y : x) + "的值";
    return marked;
}

} // namespace qimbel::marking
