#include "marking/QuadraticSystemMarking.h"

#include "algebra/SurdValue.h"
#include "marking/EquationLine.h"
#include "marking/EquationMarking.h"
#include "marking/EquationReading.h"
#include "marking/SurdMarking.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"

#include <algorithm>
#include <optional>

namespace qimbel {

using namespace marking;
using fractions::Poly;

namespace {

struct Pair {
    SurdNumber x, y;
};

bool SamePair(const Pair &a, const Pair &b) { return SameNumber(a.x, b.x) && SameNumber(a.y, b.y); }

bool HasPair(const std::vector<Pair> &pairs, const Pair &p)
{
    for (const Pair &q : pairs)
        if (SamePair(p, q))
            return true;
    return false;
}

// L − R of an equation whose denominators are numbers; nothing when it cannot be read.
std::optional<Poly> EquationPoly(const std::string &piece)
{
    const Relations rel = SplitRelations(piece);
    if (rel.symbols.size() != 1 || rel.symbols[0] != "＝")
        return std::nullopt;
    const std::optional<SideValue> left = ReadSide(rel.sides[0]);
    const std::optional<SideValue> right = ReadSide(rel.sides[1]);
    if (!left || !right || !fractions::IsConstant(left->value.den) || !fractions::IsConstant(right->value.den))
        return std::nullopt;
    using namespace fractions;
    const Rational ld = ConstantOf(left->value.den);
    const Rational rd = ConstantOf(right->value.den);
    if (ld.numerator == 0 || rd.numerator == 0)
        return std::nullopt;
    return Difference(
        Scaled(left->value.num, Over(Rational {1, 1}, ld)), Scaled(right->value.num, Over(Rational {1, 1}, rd)));
}

int TotalDegree(const Poly &p)
{
    int most = 0;
    for (const auto &[monomial, c] : p) {
        int d = 0;
        for (const auto &[letter, e] : monomial)
            d += e;
        most = std::max(most, d);
    }
    return most;
}

Surd SurdOfNumber(const SurdNumber &n)
{
    Surd s = SurdOf(QValue {n.p, true});
    if (n.q.numerator != 0)
        s = *SurdSum(s, *SurdProduct(SurdOf(QValue {n.q, true}), *SurdRoot(MakeQ(n.r))));
    return s;
}

std::optional<SurdNumber> NumberOfSurd(const Surd &s)
{
    SurdNumber n;
    for (const SurdTerm &t : s.terms) {
        if (!t.coefficient.ok)
            return std::nullopt;
        if (t.radicand == 1) {
            n.p = t.coefficient.v;
        } else if (n.q.numerator == 0) {
            n.q = t.coefficient.v;
            n.r = t.radicand;
        } else {
            return std::nullopt;
        }
    }
    return n;
}

// p(x, y) ＝ 0 exactly at the pair.
bool Satisfies(const Poly &p, char x, char y, const Pair &pair)
{
    const Surd vx = SurdOfNumber(pair.x);
    const Surd vy = SurdOfNumber(pair.y);
    std::optional<Surd> total = Surd {};
    for (const auto &[monomial, c] : p) {
        std::optional<Surd> term = SurdOf(QValue {c, true});
        for (const auto &[letter, e] : monomial)
            for (int k = 0; k < e && term; ++k)
                term = letter == x ? SurdProduct(*term, vx) : letter == y ? SurdProduct(*term, vy) : std::nullopt;
        if (!term)
            return false;
        total = SurdSum(*total, *term);
        if (!total)
            return false;
    }
    return total->terms.empty();
}

// p with the letter `of` replaced by the polynomial `by`.
Poly Composed(const Poly &p, char of, const Poly &by)
{
    using namespace fractions;
    Poly out;
    for (const auto &[monomial, c] : p) {
        Poly term = Constant(c);
        for (const auto &[letter, e] : monomial)
            for (int k = 0; k < e; ++k)
                term = Product(term, letter == of ? by : LetterPoly(letter));
        out = Sum(out, term);
    }
    return out;
}

// The real roots of a polynomial in one letter of degree 0 to 2; nothing for 0 ＝ 0 or beyond.
std::optional<std::vector<SurdNumber>> RootsUpTo2(const Poly &p, char letter)
{
    if (p.empty())
        return std::nullopt;
    if (fractions::IsConstant(p))
        return std::vector<SurdNumber> {};
    return RootsOf(p, letter);
}

// The solutions of a linear equation and a quadratic one, by substitution.
std::optional<std::vector<Pair>> Solve(const Poly &linear, const Poly &quadratic, char x, char y)
{
    using namespace fractions;
    const auto coefficient = [&](char letter) {
        Monomial m;
        m[letter] = 1;
        const auto at = linear.find(m);
        return at == linear.end() ? Rational {0, 1} : at->second;
    };
    const Rational a = coefficient(x);
    const Rational b = coefficient(y);
    const Rational c = linear.count(Monomial {}) ? linear.at(Monomial {}) : Rational {0, 1};
    std::vector<Pair> pairs;
    const bool solveForY = b.numerator != 0;
    const char known = solveForY ? x : y; // the unknown left after substitution
    const char gone = solveForY ? y : x;
    const Rational k = solveForY ? b : a; // linear: k·gone ＋ m·known ＋ c ＝ 0
    const Rational m = solveForY ? a : b;
    if (k.numerator == 0)
        return std::nullopt;
    // gone ＝ −(m·known ＋ c)/k.
    const Rational slope = Negated(Over(m, k));
    const Rational shift = Negated(Over(c, k));
    const Poly by = Sum(Scaled(LetterPoly(known), slope), Constant(shift));
    const std::optional<std::vector<SurdNumber>> roots = RootsUpTo2(Composed(quadratic, gone, by), known);
    if (!roots)
        return std::nullopt;
    for (const SurdNumber &r : *roots) {
        SurdNumber other {Plus(Times(slope, r.p), shift), Times(slope, r.q), r.r};
        if (other.q.numerator == 0)
            other.r = 1;
        pairs.push_back(solveForY ? Pair {r, other} : Pair {other, r});
    }
    return pairs;
}

// A value stated in a line: the letter, its index (x1 is 1, x is 0) and the number.
struct Value {
    char letter = 0;
    int index = 0;
    SurdNumber number;
};

std::optional<Value> ReadValue(const std::string &piece, const std::string &letters)
{
    const Relations rel = SplitRelations(piece);
    if (rel.symbols.size() != 1 || rel.symbols[0] != "＝")
        return std::nullopt;
    const std::string &left = rel.sides[0];
    if (left.empty() || letters.find(left[0]) == std::string::npos || Len(left) > 2)
        return std::nullopt;
    Value v;
    v.letter = left[0];
    if (Len(left) == 2) {
        if (left[1] < '1' || left[1] > '9')
            return std::nullopt;
        v.index = left[1] - '0';
    }
    if (!LettersOf(rel.sides[1]).empty())
        return std::nullopt;
    const std::optional<Surd> number = SurdValueOfText(rel.sides[1]);
    const std::optional<SurdNumber> n = number ? NumberOfSurd(*number) : std::nullopt;
    if (!n)
        return std::nullopt;
    v.number = *n;
    return v;
}

std::string ValueText(const SurdNumber &n) { return SurdNumberText(n); }

std::string PairText(const Pair &p, char x, char y, int index)
{
    const std::string i = index > 0 ? IntText(index) : std::string();
    return std::string(1, x) + i + "＝" + ValueText(p.x) + "，" + std::string(1, y) + i + "＝" + ValueText(p.y);
}

std::string PairsText(const std::vector<Pair> &pairs, char x, char y)
{
    if (pairs.empty())
        return "原方程组无实数解";
    std::string out;
    for (std::size_t k = 0; k < pairs.size(); ++k)
        out += (k == 0 ? "" : "；") + PairText(pairs[k], x, y, pairs.size() > 1 ? static_cast<int>(k) + 1 : 0);
    return out;
}

std::vector<SurdNumber> ValuesOf(const std::vector<Pair> &pairs, char letter, char x)
{
    std::vector<SurdNumber> values;
    for (const Pair &p : pairs) {
        const SurdNumber &v = letter == x ? p.x : p.y;
        if (!HasNumber(values, v))
            values.push_back(v);
    }
    return values;
}

bool SameValues(const std::vector<SurdNumber> &a, const std::vector<SurdNumber> &b)
{
    if (a.size() != b.size())
        return false;
    for (const SurdNumber &n : a)
        if (!HasNumber(b, n))
            return false;
    return true;
}

// "把x＝1代入③" in front of a line: the value it substitutes.
std::optional<Value> SubstitutedValue(const std::string &normalised, const std::string &letters)
{
    const int at = Find(normalised, "代入");
    if (at < 0)
        return std::nullopt;
    std::string before = Left(normalised, at);
    for (const char *word : {"把", "将", "当"})
        if (Left(before, Len(word)) == word)
            before = Mid(before, Len(word));
    return ReadValue(Trim(before), letters);
}

class QuadraticSystem {
public:
    QuadraticSystem(Solver &solver, const std::vector<std::string> &lines)
        : solver_(solver)
        , lines_(lines)
    {
    }

    MarkedProblem Mark()
    {
        for (const std::string &line : lines_)
            marked_.lines.push_back({line, StepMark::Problem, "", ""});
        if (lines_.empty())
            return marked_;
        if (const std::string why = ReadProblem(); !why.empty()) {
            marked_.lines[0].reason = why;
            marked_.missing = "题目无法识别";
            return marked_;
        }
        for (std::size_t i = problemLines_; i < lines_.size(); ++i) {
            const fractions::WorkLimit limit(fractions::kLineWork);
            try {
                MarkLine(i);
            } catch (const fractions::TooLarge &) {
                marked_.lines[i] = {lines_[i], StepMark::Unreadable, "式子太复杂，无法在短时间内比较", ""};
            }
        }
        End();
        return marked_;
    }

private:
    std::string ReadProblem()
    {
        const std::vector<std::string> first = Pieces(WorkingPart(NormalisedSigns(lines_[0])), false);
        problemLines_ = first.size() >= 2 || lines_.size() < 2 ? 1 : 2;
        std::vector<std::string> pieces;
        for (std::size_t k = 0; k < problemLines_; ++k)
            for (const std::string &piece : Pieces(WorkingPart(NormalisedSigns(lines_[k])), false))
                pieces.push_back(piece);
        if (pieces.size() != 2)
            return "方程组要有两个方程，写在两行里，或写在一行里用“，”隔开";
        for (const std::string &piece : pieces)
            if (Len(piece) > kLongestExpressionLine)
                return "这一行太长";
        letters_ = LettersOf(pieces[0] + pieces[1]);
        if (letters_.size() != 2)
            return "二元二次方程组里要有两个未知数";
        x_ = letters_[0];
        y_ = letters_[1];
        const fractions::WorkLimit limit(fractions::kLineWork);
        try {
            std::optional<Poly> p = EquationPoly(pieces[0]);
            std::optional<Poly> q = EquationPoly(pieces[1]);
            if (!p || !q)
                return "方程无法识别";
            if (TotalDegree(*p) > TotalDegree(*q))
                std::swap(p, q);
            if (TotalDegree(*p) != 1 || TotalDegree(*q) != 2)
                return "只能批改由一个二元一次方程和一个二元二次方程组成的方程组";
            const std::optional<std::vector<Pair>> solved = Solve(*p, *q, x_, y_);
            if (!solved)
                return "这个方程组的解无法准确求出";
            solutions_ = *solved;
            linear_ = *p;
        } catch (const fractions::TooLarge &) {
            return "数太大，无法准确比较";
        }
        return {};
    }

    void Wrong(std::size_t i, const std::string &reason, const std::string &fix)
    {
        MarkedLine &mark = marked_.lines[i];
        mark.mark = StepMark::Wrong;
        mark.reason = reason;
        if (firstWrong_ == 0) {
            firstWrong_ = step_;
            mark.correctStep = fix;
        }
    }

    void MarkLine(std::size_t i)
    {
        const std::string normalised = NormalisedSigns(lines_[i]);
        if ((IsWordsOnly(normalised) && !Contains(normalised, "无解"))
            || (Contains(normalised, "检验") && !Contains(normalised, "＝")))
            return;
        ++step_;
        MarkedLine &mark = marked_.lines[i];
        mark.mark = StepMark::Right;
        lastPairs_.clear();
        lastWasPairs_ = false;
        if (Contains(normalised, "无解") || Contains(normalised, "没有实数解") || Contains(normalised, "无实数解")) {
            lastWasPairs_ = true;
            if (!solutions_.empty())
                Wrong(i, "方程组有实数解", CheckedPairsText());
            return;
        }
        // 把 x＝2 代入③，得 y＝1；把 x＝1 代入③，得 y＝2: each substitution on its own.
        if (Contains(normalised, "代入") && Contains(normalised, ";")) {
            for (const std::string &clause : Clauses(normalised)) {
                std::vector<Value> values;
                for (const std::string &piece : Pieces(WorkingPart(clause), true))
                    if (const std::optional<Value> v = ReadValue(piece, letters_))
                        values.push_back(*v);
                if (values.empty()) {
                    mark = {lines_[i], StepMark::Unreadable, "这一行无法识别", ""};
                    return;
                }
                MarkValues(i, clause, values);
            }
            return;
        }
        const std::string working = WorkingPart(normalised);
        const std::vector<std::string> pieces = Pieces(working, true);
        std::vector<Value> values;
        for (const std::string &piece : pieces)
            if (const std::optional<Value> v = ReadValue(piece, letters_))
                values.push_back(*v);
        if (!values.empty() && values.size() == pieces.size()) {
            MarkValues(i, normalised, values);
            return;
        }
        // Equations.
        std::vector<Poly> polys;
        for (const std::string &piece : pieces) {
            const std::optional<Poly> p = EquationPoly(piece);
            if (!p) {
                // A 公式法 line (△＝…，x＝(3±1)/2，x1＝2，x2＝1) is read as on the 一元二次方程 page.
                if (!oneUnknownText_.empty() && FormulaLine(i))
                    return;
                // Else the values it ends with (x1＝…，x2＝…) are judged.
                std::vector<Value> trailing;
                for (const std::string &other : pieces)
                    if (const std::optional<Value> v = ReadValue(other, letters_))
                        trailing.push_back(*v);
                if (!trailing.empty()
                    && (Contains(normalised, "△") || Contains(normalised, "Δ") || Contains(normalised, "b^2"))) {
                    MarkValues(i, normalised, trailing);
                    return;
                }
                mark = {lines_[i], StepMark::Unreadable, "这一行无法识别", ""};
                return;
            }
            polys.push_back(*p);
        }
        const std::string letters = LettersOf(working);
        if (letters.size() == 1 && polys.size() == 1) {
            const char u = letters[0];
            if (oneUnknownLetter_ == u && !oneUnknownText_.empty()) {
                // A step of the equation in one unknown: judged by the moves of a quadratic.
                const MarkedProblem judged = MarkEquationWorking(solver_, 27, {oneUnknownText_, lines_[i]});
                if (judged.lines.size() == 2 && judged.lines[1].mark != StepMark::Problem) {
                    mark.mark = judged.lines[1].mark;
                    mark.reason = judged.lines[1].reason;
                    if (mark.mark == StepMark::Wrong) {
                        mark.mark = StepMark::Right;
                        Wrong(i, judged.lines[1].reason, judged.lines[1].correctStep);
                    }
                    if (mark.mark != StepMark::Unreadable)
                        oneUnknownText_ = lines_[i];
                    return;
                }
            }
            const std::optional<std::vector<SurdNumber>> roots = RootsUpTo2(polys[0], u);
            const std::vector<SurdNumber> wanted = ValuesOf(solutions_, u, x_);
            oneUnknownLetter_ = u;
            oneUnknownText_ = lines_[i];
            if (!roots || !SameValues(*roots, wanted))
                Wrong(i, "消元时出错了，得到的方程与原方程组不同解", CheckedEliminatedText(u));
            return;
        }
        // Equations in both unknowns: every solution satisfies each.
        for (const Poly &p : polys)
            for (const Pair &pair : solutions_)
                if (!Satisfies(p, x_, y_, pair)) {
                    const bool linear = TotalDegree(p) == 1;
                    Wrong(i, linear ? "由一次方程变形时出错了" : "方程变形出错了",
                        linear && pieces.size() == 1 ? SolvedLinearText(pieces[0]) : std::string());
                    return;
                }
    }

    // A line the marker of one quadratic equation reads after the last equation in one unknown.
    bool FormulaLine(std::size_t i)
    {
        const MarkedProblem judged = MarkEquationWorking(solver_, 27, {oneUnknownText_, lines_[i]});
        if (judged.lines.size() != 2
            || (judged.lines[1].mark != StepMark::Right && judged.lines[1].mark != StepMark::Wrong))
            return false;
        if (judged.lines[1].mark == StepMark::Wrong)
            Wrong(i, judged.lines[1].reason, judged.lines[1].correctStep);
        // Its values, at the end of the line, are what the next lines substitute.
        const std::vector<std::string> pieces = Pieces(WorkingPart(NormalisedSigns(lines_[i])), true);
        for (const std::string &piece : pieces)
            if (const std::optional<Value> v = ReadValue(piece, letters_))
                knownLetter_ = v->letter;
        return true;
    }

    static std::vector<std::string> Clauses(const std::string &normalised)
    {
        std::vector<std::string> clauses;
        int from = 0;
        for (int at = Find(normalised, ";"); at >= 0; at = Find(normalised, ";", from)) {
            clauses.push_back(Mid(normalised, from, at - from));
            from = at + 1;
        }
        clauses.push_back(Mid(normalised, from));
        return clauses;
    }

    // The pairs as the right last line, shown only when reading it back gives every solution.
    std::string CheckedPairsText() const
    {
        const std::string text = PairsText(solutions_, x_, y_);
        if (solutions_.empty())
            return text;
        std::vector<Value> values;
        for (const std::string &piece : Pieces(NormalisedSigns(text), false))
            if (const std::optional<Value> v = ReadValue(piece, letters_))
                values.push_back(*v);
        if (values.size() != 2 * solutions_.size())
            return {};
        for (std::size_t k = 0; k + 1 < values.size(); k += 2)
            if (!HasPair(solutions_, Pair {values[k].number, values[k + 1].number}))
                return {};
        return text;
    }

    // The equation in one unknown after substitution, shown only when its roots are the values.
    std::string CheckedEliminatedText(char u) const
    {
        const std::string text = EliminatedText(u);
        const std::optional<Poly> p = text.empty() ? std::nullopt : EquationPoly(NormalisedSigns(text));
        const std::optional<std::vector<SurdNumber>> roots = p ? RootsUpTo2(*p, u) : std::nullopt;
        return roots && SameValues(*roots, ValuesOf(solutions_, u, x_)) ? text : std::string();
    }

    // The problem's linear equation solved for the unknown the pupil's line has alone on its
    // left (y＝3－x), shown only when every solution satisfies it.
    std::string SolvedLinearText(const std::string &piece) const
    {
        const Relations rel = SplitRelations(piece);
        if (rel.symbols.size() != 1 || Len(rel.sides[0]) != 1 || letters_.find(rel.sides[0][0]) == std::string::npos)
            return {};
        using namespace fractions;
        const char u = rel.sides[0][0];
        Monomial m;
        m[u] = 1;
        const auto at = linear_.find(m);
        if (at == linear_.end())
            return {};
        // linear ＝ k·u ＋ rest ＝ 0, so u ＝ −rest/k.
        Poly rest = linear_;
        rest.erase(m);
        const Poly solved = Scaled(rest, Negated(Over(Rational {1, 1}, at->second)));
        const std::string text = std::string(1, u) + "＝" + PolyText(solved);
        const std::optional<Poly> back = EquationPoly(text);
        if (!back)
            return {};
        for (const Pair &pair : solutions_)
            if (!Satisfies(*back, x_, y_, pair))
                return {};
        return text;
    }

    // The equation in u that substitution gives, as the fix of a wrong elimination.
    std::string EliminatedText(char u) const
    {
        std::vector<SurdNumber> wanted = ValuesOf(solutions_, u, x_);
        if (wanted.empty() || wanted.size() > 2)
            return {};
        for (const SurdNumber &n : wanted)
            if (n.q.numerator != 0)
                return {};
        using namespace fractions;
        Poly p = Sum(LetterPoly(u), Constant(Negated(wanted[0].p)));
        if (wanted.size() == 2)
            p = Product(p, Sum(LetterPoly(u), Constant(Negated(wanted[1].p))));
        return PolyText(p) + "＝0";
    }

    void MarkValues(std::size_t i, const std::string &normalised, const std::vector<Value> &values)
    {
        bool hasX = false;
        bool hasY = false;
        for (const Value &v : values) {
            hasX = hasX || v.letter == x_;
            hasY = hasY || v.letter == y_;
        }
        const std::optional<Value> context = SubstitutedValue(normalised, letters_);
        std::vector<Pair> pairs;
        if (hasX && hasY) {
            // Paired by their index (x1 with y1), else in order.
            std::vector<const Value *> xs;
            std::vector<const Value *> ys;
            for (const Value &v : values)
                (v.letter == x_ ? xs : ys).push_back(&v);
            if (xs.size() != ys.size()) {
                marked_.lines[i] = {lines_[i], StepMark::Unreadable, "每一组解都要写出两个未知数的值", ""};
                return;
            }
            for (std::size_t k = 0; k < xs.size(); ++k) {
                const Value *py = ys[k];
                for (const Value *cand : ys)
                    if (xs[k]->index > 0 && cand->index == xs[k]->index)
                        py = cand;
                pairs.push_back({xs[k]->number, py->number});
            }
        } else if (context && context->letter != values[0].letter) {
            for (const Value &v : values)
                pairs.push_back(
                    context->letter == x_ ? Pair {context->number, v.number} : Pair {v.number, context->number});
        } else {
            // The values of one unknown: none wrong, and none lost after its equation.
            const char u = values[0].letter;
            const std::vector<SurdNumber> wanted = ValuesOf(solutions_, u, x_);
            std::vector<SurdNumber> typed;
            for (const Value &v : values)
                typed.push_back(v.number);
            std::string fix;
            for (std::size_t k = 0; k < wanted.size(); ++k)
                fix += (k == 0 ? "" : "，") + std::string(1, u)
                    + (wanted.size() > 1 ? IntText(static_cast<int>(k) + 1) : "") + "＝" + ValueText(wanted[k]);
            for (const SurdNumber &n : typed)
                if (!HasNumber(wanted, n)) {
                    Wrong(i, std::string(1, u) + "的值算错了", fix);
                    return;
                }
            if (oneUnknownLetter_ == u && !SameValues(typed, wanted)) {
                Wrong(i, "漏掉了一个根", fix);
                return;
            }
            for (const SurdNumber &n : typed)
                if (!HasNumber(knownValues_, n) && u == x_)
                    knownValues_.push_back(n);
            knownLetter_ = u;
            return;
        }
        lastPairs_ = pairs;
        lastWasPairs_ = hasX && hasY;
        for (const Pair &p : pairs)
            if (!HasPair(solutions_, p)) {
                const bool xRight = HasNumber(ValuesOf(solutions_, x_, x_), p.x);
                Wrong(i, std::string(1, xRight ? y_ : x_) + "的值算错了", CheckedPairsText());
                return;
            }
        for (const Pair &p : pairs)
            if (!HasPair(stated_, p))
                stated_.push_back(p);
    }

    void End()
    {
        if (step_ == 0) {
            marked_.missing = "还没有写出解题步骤";
            return;
        }
        if (lastWasPairs_) {
            std::vector<Pair> missing;
            for (const Pair &p : solutions_)
                if (!HasPair(lastPairs_, p))
                    missing.push_back(p);
            if (firstWrong_ > 0 && !missing.empty()) {
                marked_.missing = "答案不对，要从第" + IntText(firstWrong_) + "步改起";
            } else if (!missing.empty()) {
                marked_.missing = "还少一组解：" + PairText(missing[0], x_, y_, 0);
            } else if (firstWrong_ > 0) {
                marked_.missing = "答案对了，但是第" + IntText(firstWrong_) + "步的做法不对";
            }
            marked_.finished = marked_.missing.empty();
            return;
        }
        if (stated_.size() == solutions_.size() && !solutions_.empty() && firstWrong_ == 0) {
            marked_.missing = "还要写出方程组的解";
            return;
        }
        if (knownLetter_ != 0 || oneUnknownLetter_ != 0) {
            const char u = knownLetter_ != 0 ? knownLetter_ : oneUnknownLetter_;
            marked_.missing = knownLetter_ != 0 ? std::string("还要求出") + (u == x_ ? y_ : x_) + "的值"
                                                : std::string("还要求出") + u + "的值";
            return;
        }
        marked_.missing = "还要代入消元";
    }

    Solver &solver_;
    const std::vector<std::string> &lines_;
    MarkedProblem marked_;
    std::size_t problemLines_ = 1;
    std::string letters_;
    char x_ = 'x';
    char y_ = 'y';
    std::vector<Pair> solutions_;
    Poly linear_;
    int step_ = 0;
    int firstWrong_ = 0;
    char oneUnknownLetter_ = 0; // the unknown of the last equation in one unknown
    std::string oneUnknownText_;
    char knownLetter_ = 0; // the unknown whose values a line has listed
    std::vector<SurdNumber> knownValues_;
    std::vector<Pair> stated_; // every pair stated so far
    std::vector<Pair> lastPairs_;
    bool lastWasPairs_ = false;
};

} // namespace

MarkedProblem MarkQuadraticSystemWorking(Solver &solver, const std::vector<std::string> &lines)
{
    return QuadraticSystem(solver, lines).Mark();
}

} // namespace qimbel
