#include "marking/InequalitySystemMarking.h"

#include "marking/EquationLine.h"
#include "marking/EquationMarking.h"
#include "marking/EquationReading.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"

#include <optional>

namespace qimbel {

using namespace marking;

namespace {

constexpr const char *kCircled[] = {"①", "②", "③", "④", "⑤"};
constexpr std::size_t kMostInequalities = 5;

bool SameRational(const Rational &a, const Rational &b)
{
    return a.numerator == b.numerator && a.denominator == b.denominator;
}

// A set of real numbers that is an interval: its ends, each open or closed, or none.
struct Range {
    bool empty = false;
    bool hasLow = false, lowClosed = false;
    Rational low {0, 1};
    bool hasHigh = false, highClosed = false;
    Rational high {0, 1};
};

bool SameRange(const Range &a, const Range &b)
{
    if (a.empty || b.empty)
        return a.empty == b.empty;
    const auto sameEnd = [](bool hasA, bool closedA, const Rational &va, bool hasB, bool closedB, const Rational &vb) {
        return hasA == hasB && (!hasA || (closedA == closedB && SameRational(va, vb)));
    };
    return sameEnd(a.hasLow, a.lowClosed, a.low, b.hasLow, b.lowClosed, b.low)
        && sameEnd(a.hasHigh, a.highClosed, a.high, b.hasHigh, b.highClosed, b.high);
}

// The same ends, each perhaps open where the other is closed.
bool SameEnds(const Range &a, const Range &b)
{
    return !a.empty && !b.empty && a.hasLow == b.hasLow && a.hasHigh == b.hasHigh
        && (!a.hasLow || SameRational(a.low, b.low)) && (!a.hasHigh || SameRational(a.high, b.high));
}

std::optional<Range> RangeOf(const SolutionSet &set)
{
    Range r;
    switch (set.kind) {
    case SolutionSet::Kind::Above:
        r.hasLow = true;
        r.low = set.bound;
        r.lowClosed = set.closed;
        return r;
    case SolutionSet::Kind::Below:
        r.hasHigh = true;
        r.high = set.bound;
        r.highClosed = set.closed;
        return r;
    case SolutionSet::Kind::Finite:
        if (!set.values.empty())
            return std::nullopt;
        r.empty = true;
        return r;
    case SolutionSet::Kind::AllExcept:
        if (!set.values.empty())
            return std::nullopt;
        return r;
    }
    return std::nullopt;
}

Range Common(const Range &a, const Range &b)
{
    if (a.empty || b.empty)
        return Range {true};
    Range r = a;
    if (b.hasLow) {
        if (!r.hasLow || LessThan(r.low, b.low)) {
            r.hasLow = true;
            r.low = b.low;
            r.lowClosed = b.lowClosed;
        } else if (SameRational(r.low, b.low)) {
            r.lowClosed = r.lowClosed && b.lowClosed;
        }
    }
    if (b.hasHigh) {
        if (!r.hasHigh || LessThan(b.high, r.high)) {
            r.hasHigh = true;
            r.high = b.high;
            r.highClosed = b.highClosed;
        } else if (SameRational(r.high, b.high)) {
            r.highClosed = r.highClosed && b.highClosed;
        }
    }
    if (r.hasLow && r.hasHigh
        && (LessThan(r.high, r.low) || (SameRational(r.low, r.high) && !(r.lowClosed && r.highClosed))))
        return Range {true};
    return r;
}

std::string NumberText(const Rational &v) { return SurdNumberText(SurdNumber {v, {0, 1}, 1}); }

// The set as a teacher writes it: x＞3, 3＜x≤5, x＝2, 不等式组无解.
std::string RangeText(const Range &r, char u)
{
    const std::string x(1, u);
    if (r.empty)
        return "不等式组无解";
    if (r.hasLow && r.hasHigh && SameRational(r.low, r.high))
        return x + "＝" + NumberText(r.low);
    if (r.hasLow && r.hasHigh)
        return NumberText(r.low) + (r.lowClosed ? "≤" : "＜") + x + (r.highClosed ? "≤" : "＜") + NumberText(r.high);
    if (r.hasLow)
        return x + (r.lowClosed ? "≥" : "＞") + NumberText(r.low);
    if (r.hasHigh)
        return x + (r.highClosed ? "≤" : "＜") + NumberText(r.high);
    return "任何数";
}

// One inequality of the working: its set, or nothing.
std::optional<OneUnknownLine> ReadInequality(const std::string &working, const std::string &normalised, char u)
{
    OneUnknownLine line = ReadOneUnknown(working, normalised, u, {});
    if (!line.reason.empty())
        return std::nullopt;
    return line;
}

// The set a line of the system's answer states: 无解, a chain a＜x＜b, or one inequality.
std::optional<Range> ReadAnswerRange(const std::string &typed, char u)
{
    const std::string normalised = NormalisedSigns(typed);
    if (Contains(normalised, "无解"))
        return Range {true};
    const std::string working = WorkingPart(normalised);
    const Relations rel = SplitRelations(working);
    if (rel.symbols.size() == 2) {
        if (rel.sides[1] != std::string(1, u) || rel.symbols[0] == "＝" || rel.symbols[1] == "＝")
            return std::nullopt;
        const std::optional<OneUnknownLine> a
            = ReadInequality(rel.sides[0] + rel.symbols[0] + rel.sides[1], normalised, u);
        const std::optional<OneUnknownLine> b
            = ReadInequality(rel.sides[1] + rel.symbols[1] + rel.sides[2], normalised, u);
        if (!a || !b)
            return std::nullopt;
        const std::optional<Range> ra = RangeOf(a->set);
        const std::optional<Range> rb = RangeOf(b->set);
        if (!ra || !rb || ra->empty || rb->empty || (ra->hasLow && rb->hasLow) || (ra->hasHigh && rb->hasHigh))
            return std::nullopt;
        // Kept as typed even when no number lies between the ends (2≤x＜2): that is no way
        // to write 无解.
        Range chain = *ra;
        chain.hasHigh = rb->hasHigh || ra->hasHigh;
        chain.hasLow = rb->hasLow || ra->hasLow;
        if (rb->hasHigh) {
            chain.high = rb->high;
            chain.highClosed = rb->highClosed;
        } else {
            chain.low = rb->low;
            chain.lowClosed = rb->lowClosed;
        }
        return chain;
    }
    if (rel.symbols.size() != 1)
        return std::nullopt;
    const std::optional<OneUnknownLine> a = ReadInequality(working, normalised, u);
    if (!a)
        return std::nullopt;
    // x＝2 as the answer of a system whose common part is one number.
    if (a->set.kind == SolutionSet::Kind::Finite && a->set.values.size() == 1 && a->set.values[0].r == 1
        && a->set.values[0].q.numerator == 0) {
        Range point;
        point.hasLow = point.hasHigh = point.lowClosed = point.highClosed = true;
        point.low = point.high = a->set.values[0].p;
        return point;
    }
    return RangeOf(a->set);
}

// The rule a teacher names for the common part of the sets.
std::string CommonPartSlip(const std::vector<Range> &sets, const Range &right, const Range &typed)
{
    if (SameEnds(right, typed))
        return "端点取错了：≥、≤包括端点，＞、＜不包括端点";
    bool low = false;
    bool high = false;
    for (const Range &r : sets) {
        low = low || r.hasLow;
        high = high || r.hasHigh;
    }
    if (low && !high)
        return "取公共部分错了：同大取大";
    if (high && !low)
        return "取公共部分错了：同小取小";
    if (right.empty)
        return "取公共部分错了：大大小小找不到，不等式组无解";
    return "取公共部分错了：大小小大中间找";
}

int CircledIndex(const std::string &normalised)
{
    for (std::size_t k = 0; k < kMostInequalities; ++k)
        if (Contains(normalised, kCircled[k]))
            return static_cast<int>(k);
    return -1;
}

struct Inequality {
    std::string text; // its last line, as typed (or the piece of the problem)
    Range range;
    bool solved = false;
    bool worked = false; // a step of it has been written
};

bool IsInequalityLine(const std::string &working)
{
    const Relations rel = SplitRelations(working);
    return rel.symbols.size() == 1 && rel.symbols[0] != "＝";
}

} // namespace

int InequalitySystemProblemLines(const std::vector<std::string> &lines)
{
    if (lines.empty())
        return 0;
    const std::vector<std::string> pieces = Pieces(WorkingPart(NormalisedSigns(lines[0])), false);
    return pieces.size() >= 2 || lines.size() < 2 ? 1 : 2;
}

MarkedProblem MarkInequalitySystemWorking(Solver &solver, const std::vector<std::string> &lines)
{
    MarkedProblem marked;
    for (const std::string &line : lines)
        marked.lines.push_back({line, StepMark::Problem, "", ""});
    if (lines.empty())
        return marked;
    const std::size_t problemLines = static_cast<std::size_t>(InequalitySystemProblemLines(lines));
    std::vector<std::string> pieces;
    for (std::size_t k = 0; k < problemLines; ++k)
        for (const std::string &piece : Pieces(WorkingPart(NormalisedSigns(lines[k])), false))
            pieces.push_back(piece);
    std::string letters;
    for (const std::string &piece : pieces)
        letters += LettersOf(piece);
    const std::string unknown = LettersOf(letters);
    const auto unreadable = [&](const std::string &why) {
        marked.lines[0].reason = why;
        marked.missing = "题目无法识别";
        return marked;
    };
    if (pieces.size() < 2 || pieces.size() > kMostInequalities)
        return unreadable("不等式组要有两个或几个不等式，写在两行里，或写在一行里用“，”隔开");
    if (unknown.size() != 1)
        return unreadable("不等式组里只能有一个未知数");
    const char u = unknown[0];
    std::vector<Inequality> inequalities;
    Range truth;
    for (const std::string &piece : pieces) {
        const std::optional<OneUnknownLine> read
            = IsInequalityLine(piece) ? ReadInequality(piece, piece, u) : std::nullopt;
        const std::optional<Range> range = read ? RangeOf(read->set) : std::nullopt;
        if (!range)
            return unreadable("不等式组里的每一个式子都要是一元一次不等式");
        inequalities.push_back({piece, *range, read->answer, false});
        truth = Common(truth, *range);
    }

    int step = 0;
    int firstWrong = 0;
    bool answered = false; // the last step states the set of the system
    Range stated;
    std::size_t active = 0;
    for (std::size_t i = problemLines; i < lines.size(); ++i) {
        MarkedLine &mark = marked.lines[i];
        const std::string normalised = NormalisedSigns(lines[i]);
        if (Len(lines[i]) > kLongestExpressionLine) {
            mark.mark = StepMark::Unreadable;
            mark.reason = "这一行太长，一行最多可以有" + IntText(kLongestExpressionLine) + "个字符";
            ++step;
            continue;
        }
        if (IsWordsOnly(normalised) && !Contains(normalised, "无解"))
            continue;
        ++step;
        const std::string working = WorkingPart(normalised);
        const int named = CircledIndex(normalised);
        bool allSolved = true;
        for (const Inequality &q : inequalities)
            allSolved = allSolved && q.solved;
        const bool answerLine = Contains(normalised, "无解") || Contains(normalised, "解集")
            || Contains(normalised, "公共部分") || SplitRelations(working).symbols.size() == 2
            || (allSolved && named < 0);
        if (answerLine) {
            const std::optional<Range> typed = ReadAnswerRange(lines[i], u);
            if (!typed) {
                mark.mark = StepMark::Unreadable;
                mark.reason
                    = "不等式组的解集要写成" + std::string(1, u) + "＞a、a＜" + std::string(1, u) + "＜b或“无解”";
                continue;
            }
            // Compared with the common part of the pupil's own sets: a slip before shows there.
            std::vector<Range> sets;
            Range own;
            for (const Inequality &q : inequalities) {
                sets.push_back(q.range);
                own = Common(own, q.range);
            }
            answered = true;
            stated = *typed;
            // The true set is right even after a slip that the pupil has put right in the head.
            mark.mark = SameRange(own, *typed) || SameRange(truth, *typed) ? StepMark::Right : StepMark::Wrong;
            if (mark.mark == StepMark::Wrong) {
                mark.reason = CommonPartSlip(sets, own, *typed);
                if (firstWrong == 0) {
                    firstWrong = step;
                    const std::string fix = RangeText(own, u);
                    const std::optional<Range> back = ReadAnswerRange(fix, u);
                    if (back && SameRange(*back, own))
                        mark.correctStep = fix;
                }
            }
            continue;
        }
        answered = false;
        // A step of one inequality: the one it names, else one it follows by a right move,
        // else the one being worked.
        std::size_t which = active;
        MarkedProblem judged;
        if (named >= 0 && static_cast<std::size_t>(named) < inequalities.size()) {
            which = static_cast<std::size_t>(named);
            judged = MarkEquationWorking(solver, 30, {inequalities[which].text, lines[i]});
        } else {
            bool found = false;
            for (std::size_t k = 0; k < inequalities.size() && !found; ++k) {
                const std::size_t q = (active + k) % inequalities.size();
                // A solved inequality takes no more steps: x＜2 → 4x＜8 is a right move, but
                // after x＜2 it is the next inequality being worked.
                if (inequalities[q].solved)
                    continue;
                MarkedProblem tried = MarkEquationWorking(solver, 30, {inequalities[q].text, lines[i]});
                if (tried.lines.size() == 2 && tried.lines[1].mark == StepMark::Right) {
                    which = q;
                    judged = std::move(tried);
                    found = true;
                }
            }
            if (!found) {
                while (which < inequalities.size() && inequalities[which].solved)
                    ++which;
                if (which == inequalities.size())
                    which = active;
                judged = MarkEquationWorking(solver, 30, {inequalities[which].text, lines[i]});
            }
        }
        if (judged.lines.size() != 2 || judged.lines[1].mark == StepMark::Problem) {
            mark.mark = StepMark::Unreadable;
            mark.reason = judged.lines.size() == 2 && !judged.lines[0].reason.empty() ? judged.lines[0].reason
                                                                                      : "这一行无法识别";
            continue;
        }
        mark.mark = judged.lines[1].mark;
        mark.reason = judged.lines[1].reason;
        if (mark.mark == StepMark::Unreadable)
            continue;
        if (mark.mark == StepMark::Wrong && firstWrong == 0) {
            firstWrong = step;
            mark.correctStep = judged.lines[1].correctStep;
        }
        Inequality &q = inequalities[which];
        q.text = lines[i];
        q.worked = true;
        const std::optional<OneUnknownLine> read = ReadInequality(working, normalised, u);
        const std::optional<Range> range = read ? RangeOf(read->set) : std::nullopt;
        if (range)
            q.range = *range;
        q.solved = read && read->answer && range;
        active = which;
    }

    if (step == 0) {
        marked.missing = "还没有写出解题步骤";
        return marked;
    }
    if (answered) {
        if (!SameRange(stated, truth))
            marked.missing = "答案不对，要从第" + IntText(firstWrong > 0 ? firstWrong : step) + "步改起";
        else if (firstWrong > 0)
            marked.missing = "答案对了，但是第" + IntText(firstWrong) + "步的做法不对";
        marked.finished = marked.missing.empty();
        return marked;
    }
    for (std::size_t k = 0; k < inequalities.size(); ++k)
        if (!inequalities[k].solved) {
            marked.missing = std::string("还要解不等式") + kCircled[k];
            return marked;
        }
    marked.missing = "还要求出不等式组的解集，取各个解集的公共部分";
    return marked;
}

} // namespace qimbel
