// The formula files that ship with Qimbel, read as the word-problem page reads them: each is
// whole (every key of the file is a quantity or a formula the page accepts), each quantity has a
// formula, and all formulas of a file agree. Exact fractions are used throughout: for values of
// the independent quantities, the formulas give every other quantity, and then every formula —
// the inverse ones too — must give back exactly the value its quantity already has.
#include "cli/Encoding.h"
#include "numbers/IniFile.h"
#include "solver/Solver.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <set>

namespace fs = std::filesystem;
using namespace qimbel;
using namespace qimbel::wordproblems;

namespace {

using Int = __int128;

Int Gcd(Int a, Int b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        const Int t = a % b;
        a = b;
        b = t;
    }
    return a;
}

struct Fraction {
    Int n = 0;
    Int d = 1;
    static Fraction Of(Int n, Int d)
    {
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const Int g = Gcd(n, d);
        return g == 0 ? Fraction {0, 1} : Fraction {n / g, d / g};
    }
    bool operator==(const Fraction &o) const { return n == o.n && d == o.d; }
};

Fraction operator+(Fraction a, Fraction b) { return Fraction::Of(a.n * b.d + b.n * a.d, a.d * b.d); }
Fraction operator-(Fraction a, Fraction b) { return Fraction::Of(a.n * b.d - b.n * a.d, a.d * b.d); }
Fraction operator*(Fraction a, Fraction b) { return Fraction::Of(a.n * b.n, a.d * b.d); }
std::optional<Fraction> Divide(Fraction a, Fraction b)
{
    if (b.n == 0)
        return std::nullopt;
    return Fraction::Of(a.n * b.d, a.d * b.n);
}

std::string Text(const Fraction &f)
{
    auto digits = [](Int v) {
        std::string s;
        const bool negative = v < 0;
        if (negative)
            v = -v;
        do {
            s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
            v /= 10;
        } while (v != 0);
        return negative ? "-" + s : s;
    };
    return digits(f.n) + "/" + digits(f.d);
}

// A decimal or whole-number text as an exact fraction.
std::optional<Fraction> ReadDecimal(const std::string &text);

// A result as the worked solution writes it: a whole number, a decimal or a fraction a/b.
std::optional<Fraction> ReadResult(const std::string &text)
{
    const std::size_t bar = text.find('/');
    if (bar == std::string::npos)
        return ReadDecimal(text);
    const std::optional<Fraction> top = ReadDecimal(text.substr(0, bar));
    const std::optional<Fraction> bottom = ReadDecimal(text.substr(bar + 1));
    return top && bottom ? Divide(*top, *bottom) : std::nullopt;
}

std::optional<Fraction> ReadDecimal(const std::string &text)
{
    Int n = 0;
    Int d = 1;
    bool point = false;
    bool any = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            n = n * 10 + (c - '0');
            if (point)
                d *= 10;
            any = true;
        } else {
            return std::nullopt;
        }
    }
    return any ? std::optional<Fraction>(Fraction::Of(n, d)) : std::nullopt;
}

// Evaluates a formula's expression exactly: numbers, 〔quantities〕, ＋ － × ÷ and brackets.
class Evaluator {
public:
    Evaluator(const std::string &text, const std::map<std::string, Fraction> &values)
        : text_(text)
        , values_(values)
    {
    }

    std::optional<Fraction> Run()
    {
        std::optional<Fraction> value = Sum();
        if (pos_ != text_.size())
            return std::nullopt;
        return value;
    }

private:
    bool Take(const std::string &piece)
    {
        if (text_.compare(pos_, piece.size(), piece) != 0)
            return false;
        pos_ += piece.size();
        return true;
    }

    std::optional<Fraction> Sum()
    {
        std::optional<Fraction> value = Product();
        while (value) {
            if (Take("＋")) {
                const std::optional<Fraction> right = Product();
                value = right ? std::optional<Fraction>(*value + *right) : std::nullopt;
            } else if (Take("－")) {
                const std::optional<Fraction> right = Product();
                value = right ? std::optional<Fraction>(*value - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<Fraction> Product()
    {
        std::optional<Fraction> value = Factor();
        while (value) {
            if (Take("×")) {
                const std::optional<Fraction> right = Factor();
                value = right ? std::optional<Fraction>(*value * *right) : std::nullopt;
            } else if (Take("÷")) {
                const std::optional<Fraction> right = Factor();
                value = right ? Divide(*value, *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<Fraction> Factor()
    {
        if (Take("(")) {
            std::optional<Fraction> value = Sum();
            return Take(")") ? value : std::nullopt;
        }
        if (Take("〔")) {
            const std::size_t end = text_.find("〕", pos_);
            if (end == std::string::npos)
                return std::nullopt;
            const auto found = values_.find(text_.substr(pos_, end - pos_));
            pos_ = end + std::string("〕").size();
            return found == values_.end() ? std::nullopt : std::optional<Fraction>(found->second);
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && ((text_[pos_] >= '0' && text_[pos_] <= '9') || text_[pos_] == '.'))
            ++pos_;
        return ReadDecimal(text_.substr(start, pos_ - start));
    }

    std::string text_;
    std::size_t pos_ = 0;
    const std::map<std::string, Fraction> &values_;
};

struct Library {
    std::string name; // GBK
    std::vector<std::string> quantities; // in key order
    std::vector<std::string> formulas; // in key order
};

std::vector<std::string> InKeyOrder(const StringArray &array)
{
    std::vector<std::string> items;
    for (int i = array.GetSize() - 1; i >= 0; --i)
        items.push_back(array[i]);
    return items;
}

// Every formula file of the source tree, read by its GBK name from its installed GBK copy.
std::vector<Library> ShippedFiles()
{
    std::vector<Library> files;
    const std::string folder = FormulaFolder(Solver().GetLuJing());
    for (const fs::directory_entry &entry :
        fs::directory_iterator(fs::path(QIMBEL_SOURCE_DIR) / "data/Document/GongShi")) {
        const std::optional<std::string> name = Utf8ToGbkText(entry.path().stem().string());
        EXPECT_TRUE(name.has_value()) << entry.path();
        if (!name)
            continue;
        const FormulaFile file = ReadFormulaFile(folder, *name);
        EXPECT_EQ(file.state, FormulaFile::State::Read) << entry.path();
        // Installed under its own name, in GBK.
        const numbers::IniFile ini(folder + "/" + entry.path().filename().string());
        EXPECT_EQ(file.quantities.GetSize(), ini.GetInt("SheZhi", "BianLiangCount", -1)) << entry.path();
        EXPECT_EQ(file.formulas.GetSize(), ini.GetInt("SheZhi", "GongShiCount", -1)) << entry.path();
        files.push_back({*name, InKeyOrder(file.quantities), InKeyOrder(file.formulas)});
    }
    return files;
}

// The quantities that the formulas reach from `known`.
std::set<std::string> Closure(const Library &file, std::set<std::string> known)
{
    for (bool grew = true; grew;) {
        grew = false;
        for (const std::string &formula : file.formulas) {
            if (known.count(FormulaHead(formula)))
                continue;
            bool ready = true;
            for (const std::string &input : FormulaInputs(formula))
                ready = ready && known.count(input) > 0;
            if (ready) {
                known.insert(FormulaHead(formula));
                grew = true;
            }
        }
    }
    return known;
}

// The smallest set of quantities (the first in key order among those of its size) that reaches
// all others, none of which the others of the set reach: the independent quantities.
std::vector<std::string> IndependentQuantities(const Library &file)
{
    const std::size_t n = file.quantities.size();
    for (std::size_t size = 1; size <= n; ++size)
        for (unsigned mask = 0; mask < (1u << n); ++mask) {
            if (static_cast<std::size_t>(__builtin_popcount(mask)) != size)
                continue;
            std::vector<std::string> chosen;
            for (std::size_t i = 0; i < n; ++i)
                if (mask & (1u << i))
                    chosen.push_back(file.quantities[i]);
            if (Closure(file, {chosen.begin(), chosen.end()}).size() != n)
                continue;
            bool independent = true;
            for (const std::string &q : chosen) {
                std::set<std::string> others(chosen.begin(), chosen.end());
                others.erase(q);
                independent = independent && Closure(file, others).count(q) == 0;
            }
            if (independent)
                return chosen;
        }
    return {};
}

// Every other quantity from the first formula of the file that can give it (roots aside: the
// forward formulas give every quantity).
void DeriveForward(const Library &file, std::map<std::string, Fraction> &values)
{
    for (bool grew = true; grew;) {
        grew = false;
        for (const std::string &formula : file.formulas)
            if (!values.count(FormulaHead(formula)) && FormulaPower(formula) == 1)
                if (const std::optional<Fraction> value = Evaluator(FormulaBody(formula), values).Run()) {
                    values[FormulaHead(formula)] = *value;
                    grew = true;
                }
    }
}

// The summary without its line breaks, as the panel shows it.
std::string WithoutLineBreaks(const std::string &text)
{
    std::string joined;
    for (char c : text)
        if (c != '\r' && c != '\n')
            joined += c;
    return joined;
}

TEST(FormulaLibrary, ShipsTheFilesOfThePrimaryCurriculum)
{
    std::set<std::string> names;
    for (const Library &file : ShippedFiles())
        names.insert(GbkToUtf8Text(file.name).value_or(""));
    for (const char *expected : {"长方形", "正方形", "三角形", "平行四边形", "梯形", "圆", "长方体", "正方体", "圆柱",
             "圆锥", "行程", "工程", "总价"})
        EXPECT_TRUE(names.count(GbkToUtf8Text(expected).value_or(""))) << GbkToUtf8Text(expected).value_or("");
}

TEST(FormulaLibrary, EveryQuantityHasAFormulaAndEveryFileIsConsistent)
{
    std::mt19937 random(20261208);
    for (const Library &file : ShippedFiles()) {
        SCOPED_TRACE(GbkToUtf8Text(file.name).value_or("?"));
        std::set<std::string> defined;
        for (const std::string &formula : file.formulas)
            defined.insert(FormulaHead(formula));
        for (const std::string &quantity : file.quantities)
            EXPECT_TRUE(defined.count(quantity)) << GbkToUtf8Text(quantity).value_or("?");

        const std::vector<std::string> base = IndependentQuantities(file);
        ASSERT_FALSE(base.empty());
        for (int round = 0; round < 20; ++round) {
            // Whole numbers and simple fractions for the independent quantities.
            std::map<std::string, Fraction> values;
            for (const std::string &q : base)
                values[q] = Fraction::Of(1 + static_cast<Int>(random() % 40), round % 2 == 0 ? 1 : 1 + random() % 4);
            DeriveForward(file, values);
            ASSERT_EQ(values.size(), file.quantities.size());
            // A formula of power n (〖边长〗^2〔面积〕) holds when its quantity to the n-th power
            // equals its expression.
            for (const std::string &formula : file.formulas) {
                const std::optional<Fraction> value = Evaluator(FormulaBody(formula), values).Run();
                ASSERT_TRUE(value.has_value()) << GbkToUtf8Text(formula).value_or("?");
                Fraction expected = values[FormulaHead(formula)];
                for (int i = 1; i < FormulaPower(formula); ++i)
                    expected = expected * values[FormulaHead(formula)];
                EXPECT_EQ(*value, expected) << GbkToUtf8Text(formula).value_or("?") << ": " << Text(*value)
                                            << " against " << Text(expected);
            }
        }
    }
}

// The help texts of the page name every file (the summary wraps its lines anywhere) and, in the
// introduction, every quantity of every file; every example problem is solved.
TEST(FormulaLibrary, TheHelpTextsNameEveryFileAndTheExamplesAreSolved)
{
    Solver solver;
    const std::string intro = solver.GetJianJie(131);
    const std::string summary = WithoutLineBreaks(solver.GetZhaiYao(131));
    for (const Library &file : ShippedFiles()) {
        SCOPED_TRACE(GbkToUtf8Text(file.name).value_or("?"));
        EXPECT_TRUE(Contains(intro, file.name + "：") || Contains(intro, file.name + "、"));
        EXPECT_TRUE(Contains(summary, file.name));
        for (const std::string &quantity : file.quantities)
            EXPECT_TRUE(Contains(intro, quantity)) << GbkToUtf8Text(quantity).value_or("?");
    }
    const std::string examples = solver.GetShiLi(131);
    int lines = 0;
    for (int start = 0; start < Len(examples); ++lines) {
        const int end = Find(examples, "\r\n", start);
        const std::string line = Mid(examples, start, end - start);
        start = end + 2;
        SCOPED_TRACE(GbkToUtf8Text(line).value_or("?"));
        const std::string worked = solver.GongShiJieTi(line, FormulaFolder(solver.GetLuJing()));
        EXPECT_TRUE(Contains(worked, "第1步:"));
        EXPECT_FALSE(Contains(worked, "条件不足") || Contains(worked, "没有找到") || Contains(worked, "已知："));
    }
    EXPECT_GE(lines, 3);
}

// The page itself, from the independent quantities to every other one: the worked solution ends
// on the exact value whenever that value has at most six decimals (a decimal result of the mixed
// operations keeps six; a fraction result is read as the fraction it is).
TEST(FormulaLibrary, ThePageWorksOutEveryQuantityFromTheIndependentOnes)
{
    Solver solver;
    const std::string folder = FormulaFolder(solver.GetLuJing());
    std::mt19937 random(131);
    for (const Library &file : ShippedFiles()) {
        SCOPED_TRACE(GbkToUtf8Text(file.name).value_or("?"));
        const std::vector<std::string> base = IndependentQuantities(file);
        std::map<std::string, Fraction> values;
        std::string given;
        for (const std::string &q : base) {
            const Int v = 2 + static_cast<Int>(random() % 30);
            values[q] = Fraction::Of(v, 1);
            given += q + "是" + IntText(static_cast<long long>(v)) + "，";
        }
        DeriveForward(file, values);
        for (const std::string &asked : file.quantities) {
            if (std::find(base.begin(), base.end(), asked) != base.end())
                continue;
            SCOPED_TRACE(GbkToUtf8Text(asked).value_or("?"));
            const std::string worked
                = solver.GongShiJieTi("〖" + file.name + "〗" + given + "求" + asked + "是多少？", folder);
            EXPECT_FALSE(Contains(worked, "条件不足")) << GbkToUtf8Text(worked).value_or("?");
            const Fraction exact = values[asked];
            Fraction scaled = exact * Fraction {1000000, 1};
            if (scaled.d != 1 || exact.n < 0)
                continue;
            // The last worked line of the asked quantity's formula.
            const int at = ReverseFind(worked, "\r\n" + asked + "＝");
            ASSERT_GE(at, 0) << GbkToUtf8Text(worked).value_or("?");
            std::string last = Mid(worked, ReverseFind(worked, "＝") + Len("＝"));
            last = Trim(Left(last, Find(last, "第") >= 0 ? Find(last, "第") : Len(last)));
            const std::optional<Fraction> got = ReadResult(last);
            ASSERT_TRUE(got.has_value()) << GbkToUtf8Text(worked).value_or("?");
            EXPECT_EQ(*got, exact) << GbkToUtf8Text(worked).value_or("?");
        }
    }
}

} // namespace

namespace {

// A quantity under a square or a cube, worked out by the page from a value that the forward
// formulas give (面积 of a circle of a random rational 半径): the root comes out exactly.
TEST(FormulaLibrary, ThePageTakesExactRoots)
{
    Solver solver;
    const std::string folder = FormulaFolder(solver.GetLuJing());
    std::mt19937 random(1310);
    int roots = 0;
    for (const Library &file : ShippedFiles()) {
        SCOPED_TRACE(GbkToUtf8Text(file.name).value_or("?"));
        for (const std::string &root : file.formulas) {
            const std::vector<std::string> inputs = FormulaInputs(root);
            if (FormulaPower(root) == 1 || inputs.size() != 1)
                continue;
            for (int round = 0; round < 10; ++round) {
                std::map<std::string, Fraction> values;
                for (const std::string &q : IndependentQuantities(file))
                    values[q] = Fraction::Of(1 + static_cast<Int>(random() % 30), 1 + static_cast<Int>(random() % 4));
                DeriveForward(file, values);
                const std::string head = FormulaHead(root);
                const std::string worked = solver.GongShiJieTi(
                    "〖" + file.name + "〗" + inputs[0] + "是" + Text(values[inputs[0]]) + "，求" + head + "是多少？",
                    folder);
                SCOPED_TRACE(GbkToUtf8Text(worked).value_or("?"));
                const int at = Find(worked, "所以 " + head + "＝");
                ASSERT_GE(at, 0);
                std::string last = Mid(worked, at + Len("所以 " + head + "＝"));
                last = Left(last, Find(last, "\r\n"));
                const std::optional<Fraction> got = ReadResult(last);
                ASSERT_TRUE(got.has_value()) << GbkToUtf8Text(last).value_or("?");
                EXPECT_EQ(*got, values[head]);
                ++roots;
            }
        }
    }
    EXPECT_GE(roots, 60); // 正方形, 圆, 正方体 (two), 圆柱, 圆锥
}

} // namespace

namespace {

// The digits of a whole number in full-width form, as some pupils type them.
std::string FullWidth(const std::string &digits)
{
    std::string wide;
    for (char c : digits)
        wide += c >= '0' && c <= '9' ? std::string {'\xA3', static_cast<char>('\xB0' + (c - '0'))} : std::string(1, c);
    return wide;
}

// Random rectangles told through a relation (倍, 几分之几, 比…多/少, either way round), in mixed
// units, sometimes with ASCII commas or full-width digits: the answer line holds the exact area or
// perimeter in the unit of the question.
TEST(FormulaLibrary, RelationsAndUnitsGiveTheExactAnswer)
{
    Solver solver;
    const std::string folder = FormulaFolder(solver.GetLuJing());
    const std::vector<std::pair<std::string, Int>> units = {{"米", 1}, {"分米", 10}, {"厘米", 100}};
    std::mt19937 random(25);
    for (int round = 0; round < 300; ++round) {
        const auto &[givenUnit, givenRate] = units[random() % 3];
        const auto &[stepUnit, stepRate] = units[random() % 3];
        const auto &[askedUnit, askedRate] = units[random() % 3];
        const Int given = 20 + static_cast<Int>(random() % 80);
        const Int step = 1 + static_cast<Int>(random() % 10);
        const bool lengthGiven = random() % 2 == 0; // the relation is told of the other side
        const std::string known = lengthGiven ? "长" : "宽";
        const std::string other = lengthGiven ? "宽" : "长";
        const Fraction a = Fraction::Of(given, givenRate); // the known side, in metres
        Fraction b;
        std::string relation;
        switch (random() % 4) {
        case 0: // other = known × n
            b = a * Fraction {step + 1, 1};
            relation = other + "是" + known + "的" + IntText(static_cast<long long>(step + 1)) + "倍";
            break;
        case 1: // other = known × p/q
            b = a * Fraction::Of(step, step + 1);
            relation = other + "是" + known + "的" + IntText(static_cast<long long>(step)) + "/"
                + IntText(static_cast<long long>(step + 1));
            break;
        case 2: // other = known + d
            b = a + Fraction::Of(step, stepRate);
            relation = other + "比" + known + "多" + IntText(static_cast<long long>(step)) + stepUnit;
            break;
        default: // other = known − d
            b = a - Fraction::Of(step * 10, stepRate);
            relation = other + "比" + known + "短" + IntText(static_cast<long long>(step)) + "0" + stepUnit;
            break;
        }
        if (b.n <= 0)
            continue; // a side of no length: no rectangle

        const bool area = random() % 2 == 0;
        const Fraction expected = area ? a * b * Fraction {askedRate * askedRate, 1}
                                       : (a + b) * Fraction {2 * askedRate, 1};
        std::string number = IntText(static_cast<long long>(given));
        if (random() % 4 == 0)
            number = FullWidth(number);
        const std::string comma = random() % 4 == 0 ? "," : "，";
        const std::string question
            = area ? "求面积是多少平方" + askedUnit + "？" : "求周长是多少" + askedUnit + "？";
        const std::string line
            = "〖长方形〗长方形的" + known + "是" + number + givenUnit + comma + relation + comma + question;
        const std::string worked = solver.GongShiJieTi(line, folder);
        SCOPED_TRACE(GbkToUtf8Text(worked).value_or("?"));
        const std::string mark = area ? "答：面积是" : "答：周长是";
        const int at = Find(worked, mark);
        ASSERT_GE(at, 0);
        std::string value = Mid(worked, at + Len(mark));
        value = Left(value, Find(value, (area ? "平方" : "") + askedUnit + "。"));
        const std::optional<Fraction> got = ReadResult(value);
        ASSERT_TRUE(got.has_value()) << GbkToUtf8Text(value).value_or("?");
        EXPECT_EQ(*got, expected) << Text(*got) << " against " << Text(expected);
    }
}

} // namespace
