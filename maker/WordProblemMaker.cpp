// The maker of formula word problems (小学应用题): for each formula file, clean values of the
// quantities that decide the others (the length and width of a rectangle, the speed and the time)
// are chosen first, every other quantity follows from the file's own formulas, exactly; then some
// quantities are given and one is asked. The formula files hold no wording of their own: the
// problem says what it gives and asks with the file's quantity names and a unit for each.
#include "maker/Makers.h"

#include "solver/GbkText.h"
#include "solver/Solver.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaText.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace qimbel::maker {

namespace {

// A formula file the maker serves: the quantities that decide the others, and whether the problem
// speaks of "一个…的" (a shape) or names its quantities alone (行程, 工程, 总价).
struct FileRow {
    const char *name;
    std::vector<const char *> bases;
    bool shape;
    bool pi; // its formulas hold 3.14
};

const std::vector<FileRow> &Files()
{
    static const std::vector<FileRow> rows = {
        {"长方形", {"长", "宽"}, true, false},
        {"正方形", {"边长"}, true, false},
        {"三角形", {"底", "高"}, true, false},
        {"平行四边形", {"底", "高"}, true, false},
        {"梯形", {"上底", "下底", "高"}, true, false},
        {"长方体", {"长", "宽", "高"}, true, false},
        {"正方体", {"棱长"}, true, false},
        {"行程", {"速度", "时间"}, false, false},
        {"工程", {"工作效率", "工作时间"}, false, false},
        {"总价", {"单价", "数量"}, false, false},
        {"圆", {"半径"}, true, true},
        {"圆柱", {"底面半径", "高"}, true, true},
        {"圆锥", {"底面半径", "高"}, true, true},
    };
    return rows;
}

// One formula of a file: the quantity it gives, the quantities it reads, its expression.
struct Formula {
    std::string head;
    std::vector<std::string> inputs;
    std::string body;
};

struct File {
    std::vector<std::string> quantities;
    std::vector<Formula> formulas; // without the roots (〖边长〗^2〔面积〕)
};

// The files as read once from the installation's formula folder; a file that is missing or holds
// no formula is left out.
const std::map<std::string, File> &ReadFiles()
{
    static std::once_flag once;
    static std::map<std::string, File> files;
    std::call_once(once, [] {
        const std::string folder = wordproblems::FormulaFolder(Solver().GetLuJing());
        for (const FileRow &row : Files()) {
            const wordproblems::FormulaFile read = wordproblems::ReadFormulaFile(folder, row.name);
            if (read.state != wordproblems::FormulaFile::State::Read)
                continue;
            File file;
            for (int i = read.quantities.GetSize() - 1; i >= 0; --i)
                file.quantities.push_back(read.quantities[i]);
            for (int i = read.formulas.GetSize() - 1; i >= 0; --i) {
                const std::string &text = read.formulas[i];
                if (wordproblems::FormulaPower(text) != 1)
                    continue;
                file.formulas.push_back({wordproblems::FormulaHead(text), wordproblems::FormulaInputs(text),
                    wordproblems::FormulaBody(text)});
            }
            if (!file.formulas.empty())
                files[row.name] = file;
        }
    });
    return files;
}

// The exact value of a formula's expression: numbers with a point, 〔quantity〕, ＋ － × ÷ and
// round brackets, worked left to right with the usual order.
class Evaluator {
public:
    Evaluator(const std::string &text, const std::map<std::string, Rational> &values)
        : text_(text)
        , values_(values)
    {
    }

    std::optional<Rational> Value()
    {
        std::optional<Rational> value = Sum();
        return at_ == text_.size() ? value : std::nullopt;
    }

private:
    bool Take(const char *sign)
    {
        const std::size_t size = std::char_traits<char>::length(sign);
        if (text_.compare(at_, size, sign) != 0)
            return false;
        at_ += size;
        return true;
    }

    std::optional<Rational> Sum()
    {
        std::optional<Rational> value = Product();
        while (value) {
            if (Take("＋")) {
                const std::optional<Rational> next = Product();
                value = next ? RationalSum(*value, *next) : std::nullopt;
            } else if (Take("－")) {
                const std::optional<Rational> next = Product();
                value = next ? RationalSum(*value, Rational {-next->numerator, next->denominator}) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<Rational> Product()
    {
        std::optional<Rational> value = Factor();
        while (value) {
            if (Take("×")) {
                const std::optional<Rational> next = Factor();
                value = next ? RationalProduct(*value, *next) : std::nullopt;
            } else if (Take("÷")) {
                const std::optional<Rational> next = Factor();
                value = next && next->numerator != 0 ? RationalQuotient(*value, *next) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<Rational> Factor()
    {
        if (++depth_ > 20)
            return std::nullopt;
        if (Take("(")) {
            std::optional<Rational> value = Sum();
            return value && Take(")") ? value : std::nullopt;
        }
        if (Take("〔")) {
            const std::size_t end = text_.find("〕", at_);
            if (end == std::string::npos)
                return std::nullopt;
            const auto known = values_.find(text_.substr(at_, end - at_));
            at_ = end + std::string("〕").size();
            return known == values_.end() ? std::nullopt : std::optional<Rational>(known->second);
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && ((text_[at_] >= '0' && text_[at_] <= '9') || text_[at_] == '.'))
            ++at_;
        return at_ > start ? ValueOf(text_.substr(start, at_ - start)) : std::nullopt;
    }

    const std::string &text_;
    const std::map<std::string, Rational> &values_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

// Every quantity the formulas give from the known ones, one formula at a time; the count of
// formulas it took to reach each (0 for the known ones).
std::map<std::string, int> Reached(const File &file, std::map<std::string, Rational> &values)
{
    std::map<std::string, int> steps;
    for (const auto &[name, value] : values)
        steps[name] = 0;
    for (std::size_t round = 0; round < file.formulas.size(); ++round) {
        bool more = false;
        for (const Formula &formula : file.formulas) {
            if (steps.count(formula.head) != 0)
                continue;
            int deepest = 0;
            bool ready = true;
            for (const std::string &input : formula.inputs) {
                const auto known = steps.find(input);
                ready = ready && known != steps.end();
                deepest = known != steps.end() ? std::max(deepest, known->second) : deepest;
            }
            if (!ready)
                continue;
            const std::optional<Rational> value = Evaluator(formula.body, values).Value();
            if (!value)
                continue;
            values[formula.head] = *value;
            steps[formula.head] = deepest + 1;
            more = true;
        }
        if (!more)
            break;
    }
    return steps;
}

// The unit of a quantity: lengths, areas and volumes of a shape in the unit chosen; the everyday
// quantities their own.
std::string UnitOf(const std::string &quantity, const std::string &length)
{
    static const std::map<std::string, std::string> everyday
        = {{"路程", "千米"}, {"速度", "千米/小时"}, {"时间", "小时"}, {"工作总量", "个"}, {"工作效率", "个/小时"},
            {"工作时间", "小时"}, {"总价", "元"}, {"单价", "元"}, {"数量", ""}};
    if (const auto known = everyday.find(quantity); known != everyday.end())
        return known->second;
    if (Contains(quantity, "体积"))
        return "立方" + length;
    if (Contains(quantity, "面积"))
        return "平方" + length;
    return length;
}

// A value clean enough for a problem: whole, or with at most `places` decimals, and above 0.
bool Clean(const Rational &value, int places)
{
    if (value.numerator <= 0)
        return false;
    qimbel::Whole scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    return (value.numerator * scale) % value.denominator == 0;
}

} // namespace

std::optional<Candidate> MakeWordProblem(MakerLevel level, SeededRandom &random)
{
    const std::map<std::string, File> &files = ReadFiles();
    const FileRow &row
        = Files()[static_cast<std::size_t>(random.Between(0, static_cast<long long>(Files().size()) - 1))];
    const auto found = files.find(row.name);
    // 3.14 makes decimals: the circles come at 提高 and 拓展.
    if (found == files.end() || (row.pi && level == MakerLevel::JiChu))
        return std::nullopt;
    const File &file = found->second;

    // The deciding quantities first: whole numbers, each different, the first the largest (长 > 宽,
    // 下底 > 上底 is arranged below).
    std::map<std::string, Rational> values;
    std::vector<long long> chosen;
    const long long most = level == MakerLevel::JiChu ? 20 : 30;
    for (const char *base : row.bases) {
        const long long value = random.Between(2, most);
        if (std::find(chosen.begin(), chosen.end(), value) != chosen.end())
            return std::nullopt;
        chosen.push_back(value);
        values[base] = Whole(value);
    }
    if (chosen.size() >= 2 && chosen[0] < chosen[1] && std::string(row.name) != "梯形")
        std::swap(values[row.bases[0]], values[row.bases[1]]);
    if (std::string(row.name) == "梯形" && chosen[0] > chosen[1])
        std::swap(values[row.bases[0]], values[row.bases[1]]);
    const std::map<std::string, Rational> bases = values;
    Reached(file, values);

    // What is given and what is asked: 基础 the deciding quantities and one formula's result;
    // 提高 a result and the other deciding quantities, one deciding quantity asked; 拓展 the same,
    // and another result asked, two formulas on.
    std::vector<std::string> derived;
    for (const std::string &quantity : file.quantities)
        if (bases.count(quantity) == 0 && values.count(quantity) != 0)
            derived.push_back(quantity);
    if (derived.empty())
        return std::nullopt;
    std::map<std::string, Rational> given = bases;
    std::string asked;
    if (level == MakerLevel::JiChu) {
        asked = derived[static_cast<std::size_t>(random.Between(0, static_cast<long long>(derived.size()) - 1))];
    } else {
        const std::string result
            = derived[static_cast<std::size_t>(random.Between(0, static_cast<long long>(derived.size()) - 1))];
        const std::string hidden
            = row.bases[static_cast<std::size_t>(random.Between(0, static_cast<long long>(row.bases.size()) - 1))];
        given.erase(hidden);
        given[result] = values[result];
        if (level == MakerLevel::TiGao) {
            asked = hidden;
        } else {
            const std::string other
                = derived[static_cast<std::size_t>(random.Between(0, static_cast<long long>(derived.size()) - 1))];
            if (other == result)
                return std::nullopt;
            asked = other;
        }
    }
    // The asked quantity follows from the given ones by the file's formulas, in one step at 基础 and
    // 提高 and in two or more at 拓展; every value is clean.
    std::map<std::string, Rational> reached = given;
    const std::map<std::string, int> steps = Reached(file, reached);
    const auto step = steps.find(asked);
    if (step == steps.end() || step->second == 0 || (level == MakerLevel::TuoZhan) != (step->second >= 2))
        return std::nullopt;
    if (!SameValue(reached[asked], values[asked]))
        return std::nullopt;
    const int places = level == MakerLevel::JiChu ? 0 : 2;
    for (const auto &[quantity, value] : given)
        if (!Clean(value, 4))
            return std::nullopt;
    if (!Clean(values[asked], places))
        return std::nullopt;

    static const char *const lengths[] = {"厘米", "分米", "米"};
    const std::string length = lengths[random.Between(0, 2)];
    std::string text = "〖" + std::string(row.name) + "〗" + (row.shape ? "一个" + std::string(row.name) + "的" : "");
    bool first = true;
    // The given quantities in the order of the file.
    for (const std::string &quantity : file.quantities) {
        const auto value = given.find(quantity);
        if (value == given.end())
            continue;
        text += (first ? "" : "，") + quantity + "是" + ValueText(value->second) + UnitOf(quantity, length);
        first = false;
    }
    text += "，" + asked + "是多少" + UnitOf(asked, length) + "？";
    return Candidate {text, asked + "是" + ValueText(values[asked]) + UnitOf(asked, length)};
}

} // namespace qimbel::maker
