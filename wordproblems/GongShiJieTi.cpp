#include "algebra/ArithmeticText.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaPlan.h"
#include "wordproblems/FormulaText.h"

#include <algorithm>
#include <utility>

namespace qimbel {

namespace {

using namespace wordproblems;

constexpr const char *kEnd = "\r\n\r\n";

bool IsQuestion(const std::string &clause) { return Contains(clause, "求") && Contains(clause, "多少"); }

// A number a quantity can take: a whole number, a decimal or a fraction with a denominator.
bool IsValue(const std::string &text)
{
    const std::optional<NumberValue> value = ReadNumber(text);
    return value && value->denominator != 0;
}

// The result of a worked solution: the text after the last "＝", cut before the first "第",
// without blanks. A negative result ends the working with a line that holds "＝" alone (no
// operation is left to find), so an empty last line gives the line before it.
std::string FinalValue(const std::string &worked)
{
    std::string rest = worked;
    for (;;) {
        const int equals = ReverseFind(rest, "＝");
        std::string value = equals < 0 ? rest : Mid(rest, equals + Len("＝"));
        const int label = Find(value, "第");
        if (label >= 0)
            value = Left(value, label);
        value = Trim(value);
        if (!value.empty() || equals < 0)
            return value;
        rest = Left(rest, equals);
    }
}

// The known values put into a formula's expression; a signed value is bracketed, so that
// 6÷〔长〕 with 长 = －2 reads 6÷(－2).
std::string Substituted(const FormulaWork &work, const std::string &formula)
{
    std::string expression = FormulaBody(formula);
    for (int i = 0; i < work.quantities.GetSize(); ++i) {
        std::string value = work.values[i];
        if (value == kUnknown)
            continue;
        if (StartsWithSign(value) || value[0] == '-' || value[0] == '+')
            value = "(" + value + ")";
        expression = ReplaceAll(expression, "〔" + work.quantities[i] + "〕", value);
    }
    return expression;
}

std::string ValueOf(const FormulaWork &work, const std::string &quantity)
{
    for (int i = 0; i < work.quantities.GetSize(); ++i)
        if (work.quantities[i] == quantity)
            return work.values[i];
    return kUnknown;
}

// The names of the file's quantities in the order of its keys.
std::vector<std::string> NamesInFileOrder(const StringArray &quantities)
{
    std::vector<std::string> names;
    for (int i = quantities.GetSize() - 1; i >= 0; --i)
        names.push_back(quantities[i]);
    return names;
}

// The problem with a closing mark after its last clause: a clause that the pupil did not close
// is still part of the problem (FenJu drops an unclosed last clause).
std::string Closed(std::string problem)
{
    problem = Trim(problem);
    if (problem.empty())
        return problem;
    for (const char *mark : {"，", "。", "？", "；", "！"})
        if (Len(problem) >= 2 && Right(problem, 2) == mark && Find(problem, mark, Len(problem) - 2) >= 0)
            return problem;
    return problem + "。";
}

// One asked quantity onto the apply list: nothing when it is already on its way, a note when the
// problem gives it, the formulas that lead there, or else the file's first formula for it (its
// evaluation then names what is missing).
void Ask(Solver &solver, FormulaWork &work, const std::string &quantity, const std::string &fileName)
{
    const std::string value = ValueOf(work, quantity);
    if (value != kUnknown) {
        const std::string note = quantity + "已知：" + value + "。";
        for (int i = 0; i < work.applyList.GetSize(); ++i)
            if (work.applyList[i] == note)
                return;
        work.applyList.Add(note);
        return;
    }
    if (IsAvailable(work, quantity))
        return;
    const int mark = work.usedHeads.GetSize();
    work.usedHeads.Add(quantity);
    if (WorkOutQuantity(solver, work, quantity))
        return;
    work.usedHeads.SetSize(mark);
    for (int i = work.formulas.GetSize() - 1; i >= 0; --i)
        if (FormulaHead(work.formulas[i]) == quantity) {
            work.applyList.Add(work.formulas[i]);
            return;
        }
    work.applyList.Add("公式文件〖" + fileName + "〗中没有求" + quantity + "的公式。");
}

// The text of one entry of the apply list. A formula shows as the pupil writes it, then its
// worked evaluation, whose result becomes the value of its quantity; a formula with an input
// that has no value says which, and is not evaluated.
std::string Evaluate(Solver &solver, FormulaWork &work, const std::string &entry)
{
    const std::string head = FormulaHead(entry);
    if (head.empty())
        return "\r\n" + entry + "\r\n";
    std::string out = "\r\n" + FormulaDisplay(entry) + "\r\n";
    std::vector<std::string> missing;
    for (const std::string &input : FormulaInputs(entry))
        if (ValueOf(work, input) == kUnknown)
            missing.push_back(input);
    if (!missing.empty())
        return out + "条件不足，缺少" + JoinNames(missing) + "，无法求出" + head + "。\r\n";
    const std::string expression = Substituted(work, entry);
    if (Len(expression) > kLongestExpression)
        return out + "算式太长，无法求出" + head + "。\r\n";
    const std::string worked = solver.SiZeHunHeYunSuan(expression);
    out += "＝" + worked + "\r\n";
    const std::string value = FinalValue(worked);
    if (!IsValue(value))
        return out + "无法求出" + head + "。\r\n";
    solver.SheZhiBianLiang(work.quantities, work.values, head, value);
    return out;
}

} // namespace

// One formula word problem: 〖长方形〗长方形的长是5米，宽是3米，求长方形的面积是多少？
// The file named in 〖 〗 gives the quantities and formulas. Every clause with a number gives its
// first number to the quantities it names; every clause with 求 and 多少 asks for the quantities
// it names. The formulas that lead from the known quantities to each asked one are evaluated in
// order with the worked mixed operations, each result becoming the value of its quantity. A name
// counts only where it is not part of a longer name of the file, or of the file's own name.
std::string Solver::GongShiJieTi(std::string line, std::string folder)
{
    const std::optional<NamedProblem> named = SplitFormulaName(line);
    if (!named)
        return kEnd;
    const std::string &fileName = named->name;
    std::string out = kWordProblemHeader;
    out += "\r\n\r\n已知条件：\r\n";
    if (Len(line) > kLongestProblem)
        return out + "\r\n题目太长，无法解答：一道题最多" + IntText(kLongestProblem) + "个字节。\r\n" + kEnd;

    const FormulaFile file = ReadFormulaFile(folder, fileName);
    if (file.state == FormulaFile::State::Missing) {
        out += "\r\n没有找到公式文件〖" + fileName + "〗。\r\n";
        const std::vector<std::string> names = FormulaFileNames(folder);
        if (!names.empty())
            out += "可以使用的公式文件：" + JoinNames(names) + "。\r\n";
        return out + kEnd;
    }
    if (file.state == FormulaFile::State::TooLarge)
        return out + "\r\n公式文件〖" + fileName + "〗太大，无法读取。\r\n" + kEnd;
    if (file.quantities.IsEmpty() || file.formulas.IsEmpty())
        return out + "\r\n公式文件〖" + fileName + "〗中没有可用的公式。\r\n" + kEnd;

    FormulaWork work;
    work.quantities = file.quantities;
    work.formulas = file.formulas;
    for (int i = 0; i < work.quantities.GetSize(); ++i)
        work.values.Add(kUnknown);

    StringArray clauses;
    FenJu(Closed(named->problem), clauses);

    std::vector<std::string> names;
    for (int i = 0; i < work.quantities.GetSize(); ++i)
        names.push_back(work.quantities[i]);
    names.push_back(fileName);

    // Known values, from the last clause back to the first, so the first clause that names a
    // quantity has the last word. A question gives no values: 求2个… asks, it does not tell.
    for (int c = 0; c < clauses.GetSize(); ++c) {
        const std::string &clause = clauses[c];
        if (IsQuestion(clause) || !Contains(GetShuMoShi(clause), "1"))
            continue;
        const std::string token = FirstNumberToken(clause);
        if (!IsValue(token))
            continue;
        const std::vector<int> positions = OwnPositions(clause, names);
        for (int k = 0; k < work.quantities.GetSize(); ++k)
            if (positions[static_cast<std::size_t>(k)] >= 0)
                SheZhiBianLiang(work.quantities, work.values, work.quantities[k], token);
    }

    // Questions, in the order of the text; the quantities of one question in the order in which
    // it names them.
    bool asked = false;
    for (int c = clauses.GetSize() - 1; c >= 0; --c) {
        const std::string &clause = clauses[c];
        if (!IsQuestion(clause))
            continue;
        const std::vector<int> positions = OwnPositions(clause, names);
        std::vector<std::pair<int, std::string>> wanted;
        for (int k = 0; k < work.quantities.GetSize(); ++k)
            if (positions[static_cast<std::size_t>(k)] >= 0)
                wanted.emplace_back(positions[static_cast<std::size_t>(k)], work.quantities[k]);
        std::sort(wanted.begin(), wanted.end());
        for (const auto &[position, quantity] : wanted) {
            (void)position;
            asked = true;
            Ask(*this, work, quantity, fileName);
        }
    }

    for (int i = 0; i < work.quantities.GetSize(); ++i)
        if (work.values[i] != kUnknown)
            out += work.quantities[i] + ": " + work.values[i] + "\r\n";
    if (!asked)
        out += "\r\n没有找到要求的量：请用“求……是多少？”提问。公式文件〖" + fileName + "〗中的量有："
            + JoinNames(NamesInFileOrder(work.quantities)) + "。\r\n";

    for (int i = 0; i < work.applyList.GetSize(); ++i)
        out += Evaluate(*this, work, work.applyList[i]);
    return out + kEnd;
}

} // namespace qimbel
