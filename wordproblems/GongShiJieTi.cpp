#include "algebra/ArithmeticText.h"
#include "numbers/ExactRoot.h"
#include "solver/InputLimits.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaPlan.h"
#include "wordproblems/FormulaText.h"
#include "wordproblems/FormulaUnits.h"
#include "wordproblems/ProblemReading.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <utility>

namespace qimbel {

namespace {

using namespace wordproblems;

constexpr const char *kEnd = "\r\n\r\n";

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

// The quantity under a square or a cube: the number whose square (cube) is `value`. The step
// says why: 因为 4×4＝16，所以 边长＝4; a root that is no exact number takes six places
// (因为 3.162278×3.162278≈10，所以 边长≈3.162278). Empty for a negative value.
std::string RootStep(const std::string &value, int power, const std::string &head, std::string &root)
{
    const std::optional<NumberValue> read = ReadNumber(value);
    const std::optional<Rational> exact = read ? ExactValue(*read) : std::nullopt;
    if (!read || read->AsDouble() < 0 || (exact && exact->numerator < 0))
        return {};
    root.clear();
    if (exact) {
        if (const std::optional<numbers::Fraction> found
            = numbers::RationalRoot(static_cast<numbers::Wide>(exact->numerator),
                static_cast<numbers::Wide>(exact->denominator), static_cast<unsigned>(power)))
            root = numbers::ExactText(*found);
    }
    const bool isExact = !root.empty();
    if (!isExact)
        root = DecimalText(std::pow(read->AsDouble(), 1.0 / power));
    if (root.empty())
        return {};
    std::string product = root;
    for (int i = 1; i < power; ++i)
        product += "×" + root;
    const std::string relation = isExact ? "＝" : "≈";
    return "因为 " + product + relation + value + "，所以 " + head + relation + root;
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
    std::string value = FinalValue(worked);
    if (!IsValue(value))
        return out + "无法求出" + head + "。\r\n";
    if (const int power = FormulaPower(entry); power > 1) {
        std::string root;
        const std::string step = RootStep(value, power, head, root);
        if (step.empty())
            return out + "无法求出" + head + "。\r\n";
        out += step + "\r\n";
        value = root;
    }
    solver.SheZhiBianLiang(work.quantities, work.values, head, value);
    // No figure has a side of less than nothing: conditions that say so contradict each other.
    if (Left(value, 2) == "－" || value[0] == '-')
        out += "注意：" + head + "是负数，请检查题目中的条件。\r\n";
    return out;
}

// The kinds of the file's quantities: those of the given values, then whatever the formulas give
// from them (面积 from 长 and 宽 in 米 is of the kind of 平方米).
std::map<std::string, Dimension> Dimensions(const FormulaWork &work, std::map<std::string, Dimension> known)
{
    for (bool grew = true; grew;) {
        grew = false;
        for (int i = work.formulas.GetSize() - 1; i >= 0; --i) {
            const std::string &formula = work.formulas[i];
            const std::string head = FormulaHead(formula);
            if (known.count(head))
                continue;
            std::optional<Dimension> dimension = ExpressionDimension(FormulaBody(formula), known);
            const int power = FormulaPower(formula);
            for (auto &[chain, exponent] : dimension ? *dimension : Dimension {}) {
                (void)chain;
                if (exponent % power != 0)
                    dimension.reset();
                else
                    exponent /= power;
                if (!dimension)
                    break;
            }
            if (dimension) {
                known[head] = *dimension;
                grew = true;
            }
        }
    }
    return known;
}

// The kind a quantity of the formula files usually has, by a unit it is measured in: 时间 in 秒,
// 速度 in 米/秒, 面积 in 平方米. Nothing for a name that is not in the list.
std::optional<Dimension> UsualDimension(const CommonUnits &units, const std::string &quantity)
{
    static const std::pair<const char *, const char *> usual[] = {
        {"路程", "米"},
        {"速度", "米/秒"},
        {"时间", "秒"},
        {"工作时间", "秒"},
        {"长", "米"},
        {"宽", "米"},
        {"高", "米"},
        {"底", "米"},
        {"上底", "米"},
        {"下底", "米"},
        {"边长", "米"},
        {"棱长", "米"},
        {"半径", "米"},
        {"直径", "米"},
        {"周长", "米"},
        {"底面半径", "米"},
        {"底面直径", "米"},
        {"底面周长", "米"},
        {"棱长总和", "米"},
        {"面积", "平方米"},
        {"底面积", "平方米"},
        {"侧面积", "平方米"},
        {"表面积", "平方米"},
        {"体积", "立方米"},
    };
    for (const auto &[name, unit] : usual)
        if (quantity == name)
            return units.DimensionOf(unit);
    return std::nullopt;
}

// The formulas a relation gives, both ways: 长是宽的2倍 gives 长＝宽×2 and 宽＝长÷2; 长比宽的2倍多3
// gives 长＝宽×2＋3 and 宽＝(长－3)÷2.
std::vector<std::string> RelationFormulas(const Relation &relation, const std::string &number, const std::string &extra)
{
    const std::string a = "〔" + relation.quantity + "〕";
    const std::string b = "〔" + relation.other + "〕";
    const std::string headA = "〖" + relation.quantity + "〗";
    const std::string headB = "〖" + relation.other + "〗";
    switch (relation.kind) {
    case Relation::Kind::Times:
        return {headA + b + "×" + number, headB + a + "÷" + number};
    case Relation::Kind::More:
        return {headA + b + "＋" + number, headB + a + "－" + number};
    case Relation::Kind::Less:
        return {headA + b + "－" + number, headB + a + "＋" + number};
    case Relation::Kind::TimesMore:
        return {headA + b + "×" + number + "＋" + extra, headB + "(" + a + "－" + extra + ")÷" + number};
    case Relation::Kind::TimesLess:
        return {headA + b + "×" + number + "－" + extra, headB + "(" + a + "＋" + extra + ")÷" + number};
    }
    return {};
}

// The answer as a teacher writes it under the working: the question with the result in place of
// 多少 (答：这个圆的面积是12.56平方厘米。), or each asked quantity with its value.
std::string AnswerLine(const ProblemReading &reading, const std::vector<std::pair<std::string, std::string>> &answers)
{
    if (answers.empty())
        return {};
    if (answers.size() == 1 && reading.questionCount == 1 && Contains(reading.question, "多少")) {
        const int much = Find(reading.question, "多少");
        return "\r\n答：" + Left(reading.question, much) + answers[0].second + Mid(reading.question, much + Len("多少"))
            + "。\r\n";
    }
    std::string line;
    for (const auto &[quantity, value] : answers)
        line += (line.empty() ? "" : "，") + quantity + "是" + value;
    return "\r\n答：" + line + "。\r\n";
}

} // namespace

std::vector<std::string> wordproblems::MatchingFormulaFiles(const std::string &problem, const std::string &folder)
{
    const std::shared_ptr<const UnitBook> book
        = CachedUnitBook((std::filesystem::path(folder).parent_path() / "danwei.ini").string());
    const std::string normalised = NormalisedProblem(problem);
    std::vector<std::string> best;
    int bestScore = 0;
    for (const std::string &name : FormulaFileNames(folder)) {
        const FormulaFile file = ReadFormulaFile(folder, name);
        if (file.state != FormulaFile::State::Read)
            continue;
        const std::vector<std::string> quantities = NamesInFileOrder(file.quantities);
        const ProblemReading reading = ReadProblem(normalised, quantities, {name}, book->Names());
        if (!reading.questionFound)
            return {}; // a problem that asks nothing is no problem to choose a file for
        int score = Contains(normalised, name) ? 3 : 0;
        std::vector<std::string> named;
        for (const GivenValue &given : reading.given)
            named.push_back(given.quantity);
        for (const Relation &relation : reading.relations)
            named.insert(named.end(), {relation.quantity, relation.other});
        named.insert(named.end(), reading.asked.begin(), reading.asked.end());
        std::sort(named.begin(), named.end());
        score += 2 * static_cast<int>(std::unique(named.begin(), named.end()) - named.begin());
        const CommonUnits units(*book, reading.questionUnit, reading.unnamed);
        for (const Amount &amount : reading.unnamed) {
            const std::optional<Dimension> kind = units.DimensionOf(amount.unit);
            for (const std::string &quantity : quantities)
                if (kind && UsualDimension(units, quantity) == kind) {
                    ++score;
                    break;
                }
        }
        if (score > bestScore)
            best.clear(), bestScore = score;
        if (score == bestScore && score > 0)
            best.push_back(name);
    }
    return best;
}

// One formula word problem: 〖长方形〗长方形的长是5米，宽是3米，求长方形的面积是多少？
// The file named in 〖 〗 gives the quantities and formulas. The problem gives values (each name
// takes the number after it, 分别 pairs names and numbers in order), relations between quantities
// (长是宽的2倍, 宽比长少2米: two more formulas, one each way) and questions (a clause with 多少, or
// one that starts with 求). Every value is brought into the common unit of its kind, the unit of
// the question where it names one. The formulas that lead from the known quantities to each asked
// one are evaluated in order with the worked mixed operations, each result becoming the value of
// its quantity; the answer line follows. A name counts only where it is not part of a longer name
// of the file, or of the file's own name.
std::string Solver::GongShiJieTi(std::string line, std::string folder)
{
    const std::optional<NamedProblem> named = SplitFormulaName(line);
    if (!named)
        return kEnd;
    const std::string &fileName = named->name;
    std::string out = kWordProblemHeader;
    if (std::string sentence = LineTooLong(line, kLongestWordProblemLine); !sentence.empty())
        return out + "\r\n" + sentence + "\r\n" + kEnd;
    out += "\r\n\r\n已知条件：\r\n";

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

    // The unit table of 单位转换 beside the formula folder (Document/danwei.ini).
    const std::shared_ptr<const UnitBook> bookRead
        = CachedUnitBook((std::filesystem::path(folder).parent_path() / "danwei.ini").string());
    const UnitBook &book = *bookRead;
    const ProblemReading reading
        = ReadProblem(NormalisedProblem(named->problem), NamesInFileOrder(work.quantities), {fileName}, book.Names());

    // Every amount in the common unit of its kind, each conversion said in a step.
    std::vector<Amount> amounts;
    for (const GivenValue &given : reading.given)
        amounts.push_back(given.amount);
    for (const Relation &relation : reading.relations) {
        if (relation.kind == Relation::Kind::More || relation.kind == Relation::Kind::Less)
            amounts.push_back(relation.amount);
        if (relation.kind == Relation::Kind::TimesMore || relation.kind == Relation::Kind::TimesLess)
            amounts.push_back(relation.extra);
    }
    for (const Amount &amount : reading.unnamed)
        amounts.push_back(amount);
    const CommonUnits units(book, reading.questionUnit, amounts);
    std::map<std::string, Dimension> kinds;
    int steps = 0;
    auto convert = [&](const Amount &amount) {
        std::vector<std::string> said;
        const std::string value = units.Convert(amount, said);
        for (const std::string &step : said)
            out += "第" + IntText(++steps) + "步：" + step + "\r\n";
        return value;
    };
    for (const GivenValue &given : reading.given) {
        const std::string value = convert(given.amount);
        if (value.empty())
            continue; // 1米20克 is no one value
        SheZhiBianLiang(work.quantities, work.values, given.quantity, value);
        if (const std::optional<Dimension> kind = units.DimensionOf(given.amount.unit);
            kind && !given.amount.unit.empty())
            kinds[given.quantity] = *kind;
    }
    // A number whose clause names no quantity is the one open quantity of the kind of its unit
    // (行驶了3小时 gives 时间), and says so in a step.
    for (const Amount &amount : reading.unnamed) {
        const std::optional<Dimension> kind = units.DimensionOf(amount.unit);
        if (!kind)
            continue;
        std::vector<std::string> fitting;
        for (int i = work.quantities.GetSize() - 1; i >= 0; --i) {
            const std::optional<Dimension> usual = UsualDimension(units, work.quantities[i]);
            if (work.values[i] == kUnknown && usual && *usual == *kind && !kinds.count(work.quantities[i]))
                fitting.push_back(work.quantities[i]);
        }
        if (fitting.size() != 1)
            continue;
        const std::string value = convert(amount);
        if (value.empty())
            continue;
        out += "第" + IntText(++steps) + "步：" + amount.number + amount.unit + "是" + fitting[0] + "\r\n";
        SheZhiBianLiang(work.quantities, work.values, fitting[0], value);
        kinds[fitting[0]] = *kind;
    }
    for (const Relation &relation : reading.relations) {
        const bool plain = relation.kind == Relation::Kind::Times || relation.kind == Relation::Kind::TimesMore
            || relation.kind == Relation::Kind::TimesLess;
        const std::string number = plain ? relation.amount.number : convert(relation.amount);
        const bool withExtra = relation.kind == Relation::Kind::TimesMore || relation.kind == Relation::Kind::TimesLess;
        const std::string extra = withExtra ? convert(relation.extra) : std::string();
        if (number.empty() || (withExtra && extra.empty()))
            continue;
        for (const std::string &formula : RelationFormulas(relation, number, extra))
            work.formulas.Add(formula);
    }
    // The kinds of the quantities the formulas give, worked out when a question needs them.
    bool kindsWorked = false;
    auto kindsOfAll = [&]() -> std::map<std::string, Dimension> & {
        if (!kindsWorked && !kinds.empty())
            kinds = Dimensions(work, kinds);
        kindsWorked = true;
        return kinds;
    };

    // The asked quantities; a question that names none asks for the one open quantity of the
    // kind of its unit (他一共走了多少米？ asks for 路程).
    std::vector<std::string> asked = reading.asked;
    if (asked.empty() && reading.questionFound) {
        const std::optional<Dimension> wanted
            = reading.questionUnit.empty() ? std::nullopt : units.DimensionOf(reading.questionUnit);
        std::map<std::string, Dimension> &all = kindsOfAll();
        std::vector<std::string> open;
        for (int i = work.quantities.GetSize() - 1; i >= 0; --i)
            if (work.values[i] == kUnknown
                && (!wanted || (all.count(work.quantities[i]) && all[work.quantities[i]] == *wanted)))
                open.push_back(work.quantities[i]);
        if (open.size() == 1)
            asked = open;
    }
    for (const std::string &quantity : asked)
        Ask(*this, work, quantity, fileName);

    for (int i = 0; i < work.quantities.GetSize(); ++i)
        if (work.values[i] != kUnknown)
            out += work.quantities[i] + ": " + work.values[i] + "\r\n";
    if (asked.empty())
        out += "\r\n没有找到要求的量：请用“求……是多少？”提问。公式文件〖" + fileName + "〗中的量有："
            + JoinNames(NamesInFileOrder(work.quantities)) + "。\r\n";

    for (int i = 0; i < work.applyList.GetSize(); ++i) {
        if (Len(out) > kLongestWorkedText) {
            out += "\r\n解答太长，其余的公式不再计算。\r\n";
            break;
        }
        out += Evaluate(*this, work, work.applyList[i]);
    }

    std::vector<std::pair<std::string, std::string>> answers;
    for (const std::string &quantity : asked)
        if (const std::string value = ValueOf(work, quantity); value != kUnknown) {
            std::string unit;
            if (reading.questionUnit.empty() || asked.size() > 1)
                if (const auto kind = kindsOfAll().find(quantity); kind != kinds.end())
                    unit = units.UnitOf(kind->second);
            answers.emplace_back(quantity, value + unit);
        }
    return out + AnswerLine(reading, answers) + kEnd;
}

} // namespace qimbel
