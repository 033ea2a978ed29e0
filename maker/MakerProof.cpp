// The proof of a made problem: the type's own routine works it (as the page calls it, at the
// level of the bare result) and its answer must be the maker's, exactly.
#include "maker/MakerProof.h"

#include "marking/ExactExpression.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaText.h"

#include <algorithm>

namespace qimbel::maker {

namespace {

const std::string kUnknownValue = wordproblems::kUnknown;

// The last non-empty line of a routine's text.
std::string LastLine(const std::string &text)
{
    const std::vector<std::string> lines = Lines(text);
    return lines.empty() ? std::string() : lines.back();
}

bool SameNumber(const std::string &routine, const std::string &answer)
{
    const std::optional<Rational> a = ValueOf(routine);
    const std::optional<Rational> b = ValueOf(answer);
    return a && b && SameValue(*a, *b);
}

// "x＝3" against "x＝3": the same letter and relation, the same value.
bool SameRelation(const std::string &routine, const std::string &answer)
{
    for (const char *relation : {"＝", "≥", "≤", "＞", "＜"}) {
        const int p = Find(answer, relation);
        if (p < 0)
            continue;
        const int q = Find(routine, relation);
        return q == p && Left(routine, q) == Left(answer, p)
            && SameNumber(Mid(routine, q + Len(relation)), Mid(answer, p + Len(relation)));
    }
    return false;
}

// The unknown of a one-line equation, as the page finds it.
std::string UnknownOf(Solver &solver, const std::string &line)
{
    StringArray letters;
    solver.GetWeiZhiShu(line, letters);
    return letters.IsEmpty() ? std::string() : letters[0];
}

// The solution "x＝1，y＝2" as letter → value.
std::map<std::string, std::string> Assignments(const std::vector<std::string> &parts)
{
    std::map<std::string, std::string> values;
    for (const std::string &part : parts) {
        const int p = Find(part, "＝");
        if (p > 0)
            values[Left(part, p)] = Mid(part, p + Len("＝"));
    }
    return values;
}

std::vector<std::string> Split(const std::string &text, const std::string &by)
{
    std::vector<std::string> parts;
    int start = 0;
    for (int p = Find(text, by); p >= 0; p = Find(text, by, start)) {
        parts.push_back(Trim(Mid(text, start, p - start)));
        start = p + Len(by);
    }
    parts.push_back(Trim(Mid(text, start)));
    return parts;
}

bool SameSystemSolution(const std::string &routine, const std::string &answer)
{
    const int p = Find(routine, "该方程组的解为：");
    if (p < 0)
        return false;
    const std::map<std::string, std::string> got = Assignments(Lines(Mid(routine, p + Len("该方程组的解为："))));
    const std::map<std::string, std::string> want = Assignments(Split(answer, "，"));
    if (got.size() != want.size())
        return false;
    for (const auto &[letter, value] : want) {
        const auto other = got.find(letter);
        if (other == got.end() || !SameNumber(other->second, value))
            return false;
    }
    return true;
}

// The roots of "x1＝a ,x2＝b" or "x1＝x2＝a", in the order written.
std::vector<std::string> Roots(std::string line)
{
    if (Left(line, Len("∴")) == "∴")
        line = Mid(line, Len("∴"));
    const std::vector<std::string> parts = Split(line, ",");
    if (parts.size() == 2) {
        const std::map<std::string, std::string> values = Assignments(parts);
        if (values.size() != 2)
            return {};
        std::vector<std::string> roots;
        for (const auto &[letter, value] : values)
            roots.push_back(value);
        return roots;
    }
    const std::vector<std::string> equal = Split(line, "＝");
    if (equal.size() == 3)
        return {equal[2], equal[2]};
    return {};
}

bool SameRoots(const std::string &routine, const std::string &answer)
{
    std::string rootLine;
    for (const std::string &line : Lines(routine))
        if (Left(line, Len("∴x")) == "∴x")
            rootLine = line;
    const std::vector<std::string> got = Roots(rootLine);
    const std::vector<std::string> want = Roots(answer);
    if (got.size() != 2 || want.size() != 2)
        return false;
    return (SameNumber(got[0], want[0]) && SameNumber(got[1], want[1]))
        || (SameNumber(got[0], want[1]) && SameNumber(got[1], want[0]));
}

bool SameFactors(const std::string &routine, const std::string &answer)
{
    const auto got = ReadFactors(Trim(routine));
    const auto want = ReadFactors(answer);
    return got && want && *got == *want;
}

bool SamePolynomialText(const std::string &routine, const std::string &answer)
{
    const auto got = ReadPolynomial(Trim(routine));
    const auto want = ReadPolynomial(answer);
    return got && want && SamePolynomial(*got, *want);
}

// 竖式计算: the column routine of the line's one operator.
std::string ColumnAnswer(Solver &solver, const std::string &line, int level)
{
    for (const char *op : {"＋", "－", "×", "÷"}) {
        const int p = Find(line, op);
        if (p <= 0)
            continue;
        const std::string left = Left(line, p);
        const std::string right = Mid(line, p + Len(op));
        const std::string o = op;
        if (o == "＋")
            return solver.ShuShiJiaFa(left, right, level);
        if (o == "－")
            return solver.ShuShiJianFa(left, right, level);
        if (o == "×")
            return solver.ShuShiChengFa(left, right, level);
        return solver.ShuShiChuFa(left, right, level);
    }
    return {};
}

// The solutions "x1＝3，y1＝2；x2＝2，y2＝3" (or "x＝2，y＝2") as whole pairs; empty when one
// value is not a whole number.
std::vector<std::pair<long long, long long>> SolutionPairs(const std::string &text)
{
    std::vector<std::pair<long long, long long>> pairs;
    for (const std::string &solution : Split(text, "；")) {
        const std::vector<std::string> halves = Split(solution, "，");
        if (halves.size() != 2)
            return {};
        long long values[2] = {0, 0};
        for (int i = 0; i < 2; ++i) {
            const int p = Find(halves[i], "＝");
            const std::optional<Rational> value = p > 0 ? ValueOf(Mid(halves[i], p + Len("＝"))) : std::nullopt;
            if (!value || value->denominator != 1)
                return {};
            values[i] = static_cast<long long>(value->numerator);
        }
        pairs.push_back({values[0], values[1]});
    }
    return pairs;
}

bool SameExactValue(const std::string &a, const std::string &b)
{
    const ReadExpression x = ReadPupilExpression(a, false);
    const ReadExpression y = ReadPupilExpression(b, false);
    if (!x.tree || !y.tree)
        return false;
    const auto u = ExactValueOf(*x.tree);
    const auto v = ExactValueOf(*y.tree);
    return u && v && qimbel::SameValue(*u, *v).value_or(false);
}

} // namespace

std::string RoutineText(int type, const std::string &line, int level)
{
    Solver solver;
    switch (type) {
    case 7:
        return ColumnAnswer(solver, line, level);
    case 8:
    case 20:
    case 21:
        return solver.HunHeYunSuan(line, level);
    case 11:
        return solver.JianBianYunSuan(line, level);
    case 9:
    case 25:
    case 30:
        return solver.YiCiDengShi(line, UnknownOf(solver, line), level);
    case 22:
        return solver.YinShiFenJie(line, 8, level);
    case 23:
        return solver.FenShiSiZeYunSuan(line, level);
    case 24:
        return solver.GenShiSiZeYunSuan(line, level);
    case 32:
        return solver.SuanShiTianKong(line, level);
    case 33:
        return solver.ZhaoGuiLv(line, level);
    case 27:
        return solver.ErCiFangCheng(line, UnknownOf(solver, line));
    case 29:
        return solver.FenShiFangCheng(line, UnknownOf(solver, line), level);
    case 26:
    case 28:
    case 31: {
        // As the page reads a system: the first line at the highest index, the letters of every
        // line, first line first.
        StringArray equations;
        StringArray letters;
        for (const std::string &equation : Split(line, "；"))
            equations.InsertAt(0, equation);
        for (int i = equations.GetSize() - 1; i >= 0; --i)
            solver.GetWeiZhiShu(equations[i], letters);
        if (type == 28)
            return solver.ErCiFangChengZu(equations, letters, level);
        return type == 26 ? solver.FangChengZu(equations, letters) : solver.BuDengShiZu(equations, letters);
    }
    case kWordProblemType:
        return solver.GongShiJieTi(line, wordproblems::FormulaFolder(solver.GetLuJing()));
    case 1:
        return solver.ShuDeDuFa(line, level);
    case 2:
        return solver.ShuDeXieFa(line, level);
    case 6:
        return solver.DanWeiZhuanHuan(line, level);
    case 14:
        return solver.GetJinSiZhi(line, level);
    case 16:
    case 17: {
        // As the page: the list first (at the highest index), then the question; 数的基本性质 is
        // answered at the level of the bare result.
        StringArray lines;
        for (const std::string &each : Split(line, "；"))
            lines.InsertAt(0, each);
        return solver.ShuDeXingZhi(lines, type == 16 ? 1 : level);
    }
    case 3:
        return solver.BeiShu(line);
    case 5:
        return solver.DaXiaoBiJiao(line, level);
    case 13:
        return solver.KeXueJiShuFa(line);
    case 15:
        return solver.PaiXu(line);
    case 4:
        return solver.YinShuGuoCheng(line, level) + solver.YinShu(line);
    case 12:
        return line + "＝" + solver.fenjieyinshu(line);
    case 10: {
        // As the page: a ratio of three or more terms its own working, else the quotient and the
        // simplest whole-number ratio.
        if (const std::string chain = solver.LianBiHuaJian(line); !chain.empty())
            return "  " + line + "\r\n" + chain;
        std::string text = "  " + line + "\r\n＝" + solver.SiZeHunHeYunSuan(solver.BiHuaShang(line)) + "\r\n";
        if (const std::string simplest = solver.ZuiJianBi(line); !simplest.empty())
            text += simplest + "\r\n";
        return text;
    }
    case 18: {
        const std::string equation = solver.BiLiFangCheng(line);
        const std::string unknown = UnknownOf(solver, equation);
        if (unknown.empty())
            return {};
        if (const std::string squared = solver.BiLiPingFang(line, unknown); !squared.empty())
            return squared;
        return "  " + line + "\r\n  " + equation + "\r\n" + solver.YiCiDengShi(equation, unknown, level);
    }
    default:
        return {};
    }
}

std::optional<std::string> RoutineAnswer(int type, const std::string &line)
{
    return AnswerOfText(type, RoutineText(type, line));
}

std::optional<std::string> AnswerOfText(int type, const std::string &routine)
{
    const std::string last = LastLine(routine);
    if (last.empty() || Contains(routine, "无法") || Contains(routine, "错误"))
        return std::nullopt;
    switch (type) {
    case 7:
    case 8:
    case 11:
    case 20:
        return ValueOf(last) ? std::optional<std::string>(last) : std::nullopt;
    case 29:
        if (Contains(last, "原方程无解"))
            return std::string("原方程无解");
        [[fallthrough]];
    case 9:
    case 25:
    case 30:
        for (const char *relation : {"＝", "≥", "≤", "＞", "＜"}) {
            const int p = Find(last, relation);
            if (p > 0 && ValueOf(Mid(last, p + Len(relation))))
                return last;
        }
        return std::nullopt;
    case 21: {
        if (!ReadPolynomial(last))
            return std::nullopt;
        std::string plain;
        for (std::size_t i = 0; i < last.size(); ++i) {
            if (last.compare(i, 2, "^(") == 0) {
                const std::size_t close = last.find(')', i);
                if (close == std::string::npos)
                    return std::nullopt;
                plain += "^" + last.substr(i + 2, close - i - 2);
                i = close;
            } else {
                plain += last[i];
            }
        }
        return plain;
    }
    case 22: {
        const auto factors = ReadFactors(last);
        return factors && factors->size() >= 2 ? std::optional<std::string>(last) : std::nullopt;
    }
    case 26: {
        const int p = Find(routine, "该方程组的解为：");
        if (p < 0)
            return std::nullopt;
        const std::map<std::string, std::string> values = Assignments(Lines(Mid(routine, p + Len("该方程组的解为："))));
        std::string answer;
        for (const auto &[letter, value] : values) {
            if (!ValueOf(value))
                return std::nullopt;
            answer += (answer.empty() ? "" : "，") + letter + "＝" + value;
        }
        return answer.empty() ? std::nullopt : std::optional<std::string>(answer);
    }
    case 3:
    case 4: {
        const int p = Find(routine, "答案为：");
        if (p < 0)
            return std::nullopt;
        std::string list = Lines(Mid(routine, p + Len("答案为："))).front();
        const int dots = Find(list, "......");
        return Trim(dots >= 0 ? Left(list, dots) : list);
    }
    case 5:
    case 13:
    case 24:
    case 1:
    case 2:
    case 14:
        return last;
    case 6:
        return Contains(last, "=") && !Contains(last, "()") ? std::optional<std::string>(last) : std::nullopt;
    case kWordProblemType:
        // 答：宽是5米。
        for (const std::string &each : Lines(routine))
            if (Left(each, Len("答：")) == "答：" && Right(each, Len("。")) == "。" && !Contains(each, kUnknownValue))
                return Mid(each, Len("答："), Len(each) - Len("答：") - Len("。"));
        return std::nullopt;
    case 16:
    case 17: {
        // The picked numbers after 答案为：, or the statistic in the question's "()".
        if (const int p = Find(last, "答案为："); p >= 0) {
            const std::string list = Trim(Mid(last, p + Len("答案为：")));
            return list.empty() ? std::nullopt : std::optional<std::string>(list);
        }
        const int open = Find(last, "(");
        const int close = open < 0 ? -1 : Find(last, ")", open);
        if (close <= open + 1)
            return std::nullopt;
        return Mid(last, open + 1, close - open - 1);
    }
    case 32:
    case 33:
        return Contains(last, "(") ? std::optional<std::string>(last) : std::nullopt;
    case 28: {
        const int p = Find(last, "原方程组的解是");
        if (p < 0 || SolutionPairs(Mid(last, p + Len("原方程组的解是"))).empty())
            return std::nullopt;
        return Trim(Mid(last, p + Len("原方程组的解是")));
    }
    case 15: {
        const int p = Find(routine, "从小到大排序为：");
        if (p < 0)
            return std::nullopt;
        const std::vector<std::string> after = Lines(Mid(routine, p + Len("从小到大排序为：")));
        return after.empty() ? std::nullopt : std::optional<std::string>(after.front());
    }
    case 23:
        return Left(last, 1) == "(" || Contains(last, "/") || ValueOf(last) ? std::optional<std::string>(last)
                                                                            : std::nullopt;
    case 12: {
        const int p = Find(last, "＝");
        return p > 0 ? std::optional<std::string>(Mid(last, p + Len("＝"))) : std::nullopt;
    }
    case 10:
        return Left(last, Len("＝")) == "＝" ? std::optional<std::string>(Mid(last, Len("＝"))) : std::nullopt;
    case 18:
        return Left(last, Len("x＝")) == "x＝" && ValueOf(Mid(last, Len("x＝"))) ? std::optional<std::string>(last)
                                                                                 : std::nullopt;
    case 31:
        return last;
    case 27:
        for (const std::string &each : Lines(routine))
            if (Left(each, Len("∴x")) == "∴x" && Roots(each).size() == 2)
                return Mid(each, Len("∴"));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<std::string> Proved(int type, const Candidate &made)
{
    const std::string routine = RoutineText(type, made.line);
    if (routine.empty() || !SameAnswer(type, made, routine))
        return std::nullopt;
    return AnswerOfText(type, routine);
}

bool SameAnswer(int type, const Candidate &made, const std::string &routine)
{
    switch (type) {
    case 11:
        // A line without a law to use is no 简便运算 problem.
        if (Contains(Solver().JianBianYunSuan(made.line, 5), "没有能简便计算"))
            return false;
        return SameNumber(LastLine(routine), made.answer);
    case 7:
    case 8:
    case 20:
        return SameNumber(LastLine(routine), made.answer);
    case 9:
    case 25:
    case 30:
        return SameRelation(LastLine(routine), made.answer);
    case 29:
        if (Contains(made.answer, "无解"))
            return Contains(LastLine(routine), "原方程无解");
        return SameRelation(LastLine(routine), made.answer);
    case 21:
        return SamePolynomialText(LastLine(routine), made.answer);
    case 22:
        return SameFactors(LastLine(routine), made.answer);
    case 26:
        return SameSystemSolution(routine, made.answer);
    case 28: {
        // The same solutions in any order; a solution written once for two equal ones.
        const std::optional<std::string> answer = AnswerOfText(type, routine);
        if (!answer)
            return false;
        auto got = SolutionPairs(*answer);
        auto want = SolutionPairs(made.answer);
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
        want.erase(std::unique(want.begin(), want.end()), want.end());
        return !got.empty() && got == want;
    }
    case 3:
    case 4:
    case 10:
    case 12:
    case 31:
        // Lists, factors, ratios and solution sets: the same text.
        return AnswerOfText(type, routine) == made.answer;
    case 18:
        return SameRelation(LastLine(routine), made.answer);
    case 5:
    case 15:
    case 24:
    case 32:
    case 33:
    case 1:
    case 2:
    case 6:
    case 14:
    case 16:
    case kWordProblemType:
        return AnswerOfText(type, routine) == made.answer;
    case 17: {
        // The same value: the routine writes six decimals at most, the maker's answer is exact.
        const std::optional<std::string> answer = AnswerOfText(type, routine);
        return answer && SameNumber(*answer, made.answer);
    }
    case 13: {
        // The same power of ten and the same mantissa (the routine may write 3.400000 for 3.4).
        const std::string answer = AnswerOfText(type, routine).value_or("");
        const int p = Find(answer, "×10^(");
        const int q = Find(made.answer, "×10^(");
        return p > 0 && q > 0 && Mid(answer, p) == Mid(made.answer, q)
            && SameNumber(Left(answer, p), Left(made.answer, q));
    }
    case 23: {
        // The same fraction of polynomials, exactly.
        const std::optional<std::string> answer = AnswerOfText(type, routine);
        return answer && SameExactValue(*answer, made.answer);
    }
    case 27:
        return SameRoots(routine, made.answer);
    default:
        return false;
    }
}

} // namespace qimbel::maker
