// 批改 of the equation types. Every step is read into its exact solution set and compared with
// the readable line before it: an equation or inequality in one unknown (its domain, for a
// fractional equation, is the problem's), or the solution of a system of two linear equations.
#include "marking/EquationMarking.h"

#include "equations/Rational.h"
#include "marking/EquationFormula.h"
#include "marking/EquationLine.h"
#include "marking/EquationMoves.h"
#include "marking/EquationReading.h"
#include "marking/EquationSlips.h"
#include "marking/EquationSystem.h"
#include "solver/GbkText.h"
#include "solver/InputLimits.h"

#include <cctype>
#include <numeric>

namespace qimbel {

using namespace marking;

namespace {

// The sentence of a limit without its full stop, as a reason.
std::string WithoutFullStop(std::string sentence)
{
    if (Right(sentence, 2) == "。")
        sentence = Left(sentence, Len(sentence) - 2);
    return sentence;
}

bool IsCheckLine(const std::string &normalised) { return Contains(normalised, "检验") || Contains(normalised, "增根"); }

std::string RightAnswerWrongWay(int firstWrong) { return "答案对了，但是第" + IntText(firstWrong) + "步的做法不对"; }

int Brackets(const std::string &text)
{
    int n = 0;
    for (char c : text)
        n += c == '(' || c == '[';
    return n;
}

// The steps of a line that holds two, joined by "," (3x＝6，x＝2): each a single relation, the
// first not yet an answer. One step otherwise.
std::vector<std::string> StepsOnOneLine(const std::string &working)
{
    const std::vector<std::string> pieces = Pieces(working, false);
    if (pieces.size() != 2)
        return {working};
    for (const std::string &piece : pieces)
        if (SplitRelations(piece).symbols.size() != 1)
            return {working};
    const std::string letters = LettersOf(pieces[0]);
    const Relations first = SplitRelations(pieces[0]);
    // x＝2，x＝3 (or x1＝2，x2＝3) is one answer.
    if (letters.size() == 1 && (first.sides[0] == letters || Left(first.sides[0], 2) == letters + "1"))
        return {working};
    return pieces;
}

// A fraction of two whole numbers not in its lowest terms (6/4, 4/2) as a number of the line.
bool HasUnreducedFraction(const std::string &text)
{
    const auto digit = [&](int i) {
        return i >= 0 && i < Len(text) && text[static_cast<std::size_t>(i)] >= '0'
            && text[static_cast<std::size_t>(i)] <= '9';
    };
    for (int bar = Find(text, "/"); bar >= 0; bar = Find(text, "/", bar + 1)) {
        int a = bar;
        while (digit(a - 1))
            --a;
        int b = bar + 1;
        while (digit(b))
            ++b;
        if (a == bar || b == bar + 1 || bar - a > 12 || b - bar > 13)
            continue;
        const char before = a > 0 ? text[static_cast<std::size_t>(a) - 1] : '\0';
        const char after = b < Len(text) ? text[static_cast<std::size_t>(b)] : '\0';
        if (before == ')' || before == '.' || std::isalpha(static_cast<unsigned char>(before)) || after == '.'
            || after == '(' || after == '^' || std::isalpha(static_cast<unsigned char>(after)))
            continue;
        const long long n = std::stoll(Mid(text, a, bar - a));
        const long long d = std::stoll(Mid(text, bar + 1, b - bar - 1));
        if (d == 1 || (d != 0 && std::gcd(n, d) > 1))
            return true;
    }
    return false;
}

std::string WrongAnswerSentence(int firstWrong)
{
    return firstWrong > 0 ? "答案不对，要从第" + IntText(firstWrong) + "步改起" : std::string("答案不对");
}

// A problem that cannot be read: its reason stands on the problem line and no step is marked.
MarkedProblem ProblemUnreadable(MarkedProblem marked, const std::string &reason)
{
    marked.lines[0].reason = reason;
    marked.missing = "题目无法识别";
    return marked;
}

class OneUnknownMarking {
public:
    OneUnknownMarking(Solver &solver, int type)
        : solver_(solver)
        , type_(type)
    {
    }

    MarkedProblem Mark(const std::vector<std::string> &lines)
    {
        MarkedProblem marked;
        for (const std::string &line : lines)
            marked.lines.push_back({line, StepMark::Problem, "", ""});
        if (lines.empty())
            return marked;
        {
            const fractions::WorkLimit limit(fractions::kLineWork);
            if (std::string reason = ReadProblem(lines[0]); !reason.empty())
                return ProblemUnreadable(marked, reason);
        }

        OneUnknownLine previous = problem_;
        std::size_t lastEquation = 0;
        std::size_t lastCheck = 0;
        bool checkRight = false; // a 检验 line marked √
        bool unreduced = false; // the last equation holds a fraction not in its lowest terms
        bool checkClaims = false; // the last 检验 line says what the check shows
        int firstWrong = 0;
        int steps = 0;
        std::vector<int> stepOf(lines.size(), 0); // the number of each step, as the pupil counts them
        for (std::size_t i = 1; i < lines.size(); ++i) {
            MarkedLine &out = marked.lines[i];
            // Each line its own share of work: reading, judging and the right step in its place.
            // A line past it is unreadable, and the next one is compared with the line before.
            const fractions::WorkLimit limit(fractions::kLineWork);
            const std::string sentence = EquationTooLarge(lines[i]);
            const std::string normalised = sentence.empty() ? NormalisedSigns(lines[i]) : std::string();
            if (sentence.empty() && IsWordsOnly(normalised))
                continue; // "解：" on a line of its own
            const int step = stepOf[i] = ++steps;
            if (!sentence.empty()) {
                out.mark = StepMark::Unreadable;
                out.reason = WithoutFullStop(sentence);
                continue;
            }
            if (IsCheckLine(normalised)) {
                const CheckReading check = ReadCheck(normalised, u_, problem_.set, domain_);
                out.mark = check.right ? StepMark::Right : StepMark::Wrong;
                out.reason = check.slip;
                if (!check.right && firstWrong == 0) {
                    firstWrong = step;
                    out.correctStep = CheckConclusion(u_, previous.raw, domain_);
                }
                checkRight = checkRight || check.right;
                checkClaims = check.claims;
                lastCheck = i;
                continue;
            }
            if (IsFormulaLine(normalised)) {
                const FormulaLine formula = ReadFormulaLine(normalised, previous, u_, stated_);
                if (!formula.reason.empty()) {
                    out.mark = StepMark::Unreadable;
                    out.reason = formula.reason;
                    continue;
                }
                out.mark = formula.right ? StepMark::Right : StepMark::Wrong;
                out.reason = formula.slip;
                if (formula.stated)
                    stated_ = formula.stated;
                if (!formula.right && firstWrong == 0) {
                    firstWrong = step;
                    out.correctStep = formula.fix;
                }
                continue;
            }
            const std::string working = WorkingPart(normalised);
            // Two steps on one line: 解：3x＝6，x＝2.
            std::vector<std::string> parts = StepsOnOneLine(working);
            OneUnknownLine line;
            bool right = true;
            for (const std::string &part : parts) {
                line = ReadOneUnknown(part, parts.size() == 1 ? normalised : part, u_, domain_);
                if (!line.reason.empty())
                    break;
                const MoveVerdict move = JudgeMove(previous, line, u_);
                if (SameSet(line.set, previous.set) && (move == MoveVerdict::Right || move == MoveVerdict::Unknown)) {
                    previous = line;
                    continue;
                }
                right = false;
                out.mark = StepMark::Wrong;
                const Slip slip = FindSlip(previous, line, u_, domain_);
                out.reason = slip.name;
                if (firstWrong == 0) {
                    firstWrong = step;
                    out.correctStep = !slip.fix.empty() ? slip.fix : CorrectStep(previous, line, part);
                }
                break;
            }
            if (!line.reason.empty()) {
                out.mark = StepMark::Unreadable;
                out.reason = line.reason;
                continue;
            }
            if (right) {
                out.mark = StepMark::Right;
                unreduced = HasUnreducedFraction(working);
            } else {
                unreduced = false;
            }
            previous = line;
            stated_.reset();
            lastEquation = i;
        }

        const bool fractional = !domain_.empty();
        // An answer that keeps a number which makes a denominator 0, with no 检验 after it.
        if (fractional && lastEquation > 0 && lastCheck < lastEquation && previous.answer) {
            bool keepsExcluded = false;
            for (const SurdNumber &n : previous.raw.values)
                keepsExcluded = keepsExcluded || HasNumber(domain_, n);
            if (keepsExcluded && previous.raw.kind == SolutionSet::Kind::Finite) {
                MarkedLine &out = marked.lines[lastEquation];
                out.mark = StepMark::Wrong;
                if (out.reason.empty())
                    out.reason = "增根没有检验";
                if (firstWrong == 0 || firstWrong == stepOf[lastEquation]) {
                    firstWrong = stepOf[lastEquation];
                    out.correctStep = CheckConclusion(u_, previous.raw, domain_);
                }
            }
        }

        // The end.
        const bool answerRight = previous.answer && SameSet(previous.set, problem_.set);
        if (steps == 0) {
            marked.missing = "还没有写出解题步骤";
        } else if (lastCheck > lastEquation) {
            if (!marked.lines[lastCheck].reason.empty() || marked.lines[lastCheck].mark == StepMark::Wrong)
                marked.missing = "检验的结论不对";
            else if (!checkClaims)
                marked.missing = "还要写出检验的结论";
            else if (!answerRight && lastEquation > 0 && previous.answer)
                marked.missing = WrongAnswerSentence(firstWrong);
            else
                marked.finished = true;
        } else if (previous.answer && lastEquation > 0) {
            if (!answerRight)
                marked.missing = WrongAnswerSentence(firstWrong);
            else if (unreduced)
                marked.missing = "还要约分";
            else if (fractional && !checkRight)
                marked.missing = "还要检验";
            else if (firstWrong > 0)
                marked.missing = RightAnswerWrongWay(firstWrong);
            else
                marked.finished = true;
        } else {
            marked.missing = Missing(previous);
        }
        return marked;
    }

private:
    std::string ReadProblem(const std::string &typed)
    {
        if (std::string sentence = EquationTooLarge(typed); !sentence.empty())
            return WithoutFullStop(sentence);
        const std::string normalised = NormalisedSigns(typed);
        const std::string working = WorkingPart(normalised);
        const std::string letters = LettersOf(working);
        if (letters.size() != 1)
            return letters.empty() ? "题目中没有未知数" : "题目中的字母不止一个";
        u_ = letters[0];
        problem_ = ReadOneUnknown(working, normalised, u_, {});
        if (!problem_.reason.empty())
            return problem_.reason;
        domain_ = problem_.excluded;
        return {};
    }

    // Qimbel's own step after the last right line: 去分母, the next line of its own working, the
    // general form of a quadratic, or the answer; each read back and kept only when it is right.
    std::string CorrectStep(const OneUnknownLine &previous, const OneUnknownLine &line, const std::string &wrong)
    {
        std::vector<std::string> candidates;
        // The pupil's own move first: brackets taken off, when the wrong line has fewer.
        if (previous.single && line.single
            && Brackets(line.left + line.right) < Brackets(previous.left + previous.right))
            if (std::optional<std::string> removed = BracketsRemoved(previous))
                candidates.push_back(*removed);
        if (previous.single) {
            const std::string text = previous.left + previous.symbol + previous.right;
            if (std::optional<std::string> cleared
                = DenominatorsCleared(previous.left, previous.symbol, previous.right))
                candidates.push_back(*cleared);
            if (type_ != 27) {
                const std::string worked = solver_.YiCiDengShi(text, std::string(1, u_), 4);
                const int first = Find(worked, "\r\n");
                if (first >= 0) {
                    const std::string rest = Mid(worked, first + 2);
                    const int second = Find(rest, "\r\n");
                    candidates.push_back(Trim(second >= 0 ? Left(rest, second) : rest));
                }
            }
            // A quadratic not yet of the form …＝0 is brought to it; one that is gets its roots.
            if (previous.right != "0")
                if (std::optional<std::string> general = GeneralForm(previous.left, previous.right, u_))
                    candidates.push_back(*general);
        }
        for (const std::string &candidate : candidates) {
            if (candidate.empty() || candidate == wrong)
                continue;
            if (RightStepText(previous, candidate, previous.set, u_, domain_))
                return candidate;
        }
        const std::string answer = AnswerText(previous.set, u_, type_);
        // The answer is written from the exact set; it only has to be a move the rules allow.
        const OneUnknownLine read = ReadOneUnknown(answer, answer, u_, domain_);
        const MoveVerdict move = JudgeMove(previous, read, u_);
        return move == MoveVerdict::Right || move == MoveVerdict::Unknown ? answer : std::string();
    }

    std::string Missing(const OneUnknownLine &line) const
    {
        const std::string unknown(1, u_);
        const std::string whole = type_ == 30 ? std::string("还要求出不等式的解集") : "还要求出" + unknown + "的值";
        if (!line.single || type_ == 27)
            return whole;
        if (type_ == 29 && !line.excluded.empty())
            return "还要去分母";
        if (Contains(line.left + line.right, "(") || Contains(line.left + line.right, "["))
            return "还要去括号";
        const std::vector<TermSpan> left = TopTerms(line.left);
        const std::vector<TermSpan> right = TopTerms(line.right);
        bool constantLeft = false;
        for (const TermSpan &t : left)
            constantLeft = constantLeft || !Contains(Mid(line.left, t.at, t.length), unknown);
        if (Contains(line.right, unknown) || constantLeft)
            return "还要移项";
        if (left.size() > 1 || right.size() > 1)
            return "还要合并同类项";
        if (type_ != 27 && left.size() == 1 && line.left != unknown)
            return "还要把" + unknown + "的系数化为1";
        return whole;
    }

    Solver &solver_;
    int type_;
    char u_ = 'x';
    OneUnknownLine problem_;
    std::vector<SurdNumber> domain_;
    std::optional<Coefficients> stated_; // a, b, c as a right line gave them for the last equation
};

} // namespace

MarkedProblem MarkEquationWorking(Solver &solver, int type, const std::vector<std::string> &lines)
{
    if (type == 26)
        return MarkSystemWorking(lines);
    return OneUnknownMarking(solver, type).Mark(lines);
}

} // namespace qimbel
