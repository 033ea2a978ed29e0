// 出题 of word problems: every formula file makes problems at every level, each proved by the
// word-problem routine, and each checked here again with the formulas of the shapes and of
// 行程, 工程 and 总价 written out by hand: the deciding quantity the problem leaves out is searched
// for, and every value the problem gives and the answer must follow from it.
#include "maker/MakerProof.h"
#include "maker/ProblemMaker.h"
#include "solver/GbkText.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

namespace qimbel {
namespace {

using Values = std::map<std::string, Rational>;

Rational R(long long n, long long d = 1) { return maker::Ratio(n, d); }
Rational Add(const Rational &a, const Rational &b) { return *RationalSum(a, b); }
Rational Mul(const Rational &a, const Rational &b) { return *RationalProduct(a, b); }
const Rational kPi = R(314, 100);

// The deciding quantities of each file and every other quantity from them.
struct Shape {
    std::vector<std::string> bases;
    std::function<void(Values &)> rest;
};

const std::map<std::string, Shape> &Shapes()
{
    static const std::map<std::string, Shape> shapes = {
        {"长方形",
            {{"长", "宽"},
                [](Values &v) {
                    v["面积"] = Mul(v["长"], v["宽"]);
                    v["周长"] = Mul(R(2), Add(v["长"], v["宽"]));
                }}},
        {"正方形",
            {{"边长"},
                [](Values &v) {
                    v["面积"] = Mul(v["边长"], v["边长"]);
                    v["周长"] = Mul(R(4), v["边长"]);
                }}},
        {"三角形", {{"底", "高"}, [](Values &v) { v["面积"] = Mul(Mul(v["底"], v["高"]), R(1, 2)); }}},
        {"平行四边形", {{"底", "高"}, [](Values &v) { v["面积"] = Mul(v["底"], v["高"]); }}},
        {"梯形",
            {{"上底", "下底", "高"},
                [](Values &v) { v["面积"] = Mul(Mul(Add(v["上底"], v["下底"]), v["高"]), R(1, 2)); }}},
        {"长方体",
            {{"长", "宽", "高"},
                [](Values &v) {
                    const Rational a = v["长"], b = v["宽"], h = v["高"];
                    v["底面积"] = Mul(a, b);
                    v["体积"] = Mul(Mul(a, b), h);
                    v["表面积"] = Mul(R(2), Add(Add(Mul(a, b), Mul(a, h)), Mul(b, h)));
                    v["棱长总和"] = Mul(R(4), Add(Add(a, b), h));
                }}},
        {"正方体",
            {{"棱长"},
                [](Values &v) {
                    const Rational a = v["棱长"];
                    v["底面积"] = Mul(a, a);
                    v["表面积"] = Mul(R(6), Mul(a, a));
                    v["体积"] = Mul(Mul(a, a), a);
                    v["棱长总和"] = Mul(R(12), a);
                }}},
        {"行程", {{"速度", "时间"}, [](Values &v) { v["路程"] = Mul(v["速度"], v["时间"]); }}},
        {"工程", {{"工作效率", "工作时间"}, [](Values &v) { v["工作总量"] = Mul(v["工作效率"], v["工作时间"]); }}},
        {"总价", {{"单价", "数量"}, [](Values &v) { v["总价"] = Mul(v["单价"], v["数量"]); }}},
        {"圆",
            {{"半径"},
                [](Values &v) {
                    const Rational r = v["半径"];
                    v["直径"] = Mul(R(2), r);
                    v["周长"] = Mul(Mul(R(2), kPi), r);
                    v["面积"] = Mul(kPi, Mul(r, r));
                }}},
        {"圆柱",
            {{"底面半径", "高"},
                [](Values &v) {
                    const Rational r = v["底面半径"], h = v["高"];
                    v["底面直径"] = Mul(R(2), r);
                    v["底面周长"] = Mul(Mul(R(2), kPi), r);
                    v["底面积"] = Mul(kPi, Mul(r, r));
                    v["侧面积"] = Mul(v["底面周长"], h);
                    v["表面积"] = Add(v["侧面积"], Mul(R(2), v["底面积"]));
                    v["体积"] = Mul(v["底面积"], h);
                }}},
        {"圆锥",
            {{"底面半径", "高"},
                [](Values &v) {
                    const Rational r = v["底面半径"], h = v["高"];
                    v["底面直径"] = Mul(R(2), r);
                    v["底面周长"] = Mul(Mul(R(2), kPi), r);
                    v["底面积"] = Mul(kPi, Mul(r, r));
                    v["体积"] = Mul(Mul(v["底面积"], h), R(1, 3));
                }}},
    };
    return shapes;
}

// "q是12.5平方米": the quantity and the value.
std::pair<std::string, Rational> Clause(const std::string &clause)
{
    const int is = Find(clause, "是");
    EXPECT_GT(is, 0) << clause;
    const std::string after = Mid(clause, is + Len("是"));
    std::size_t end = 0;
    while (end < after.size() && ((after[end] >= '0' && after[end] <= '9') || after[end] == '.'))
        ++end;
    const std::optional<Rational> value = maker::ValueOf(after.substr(0, end));
    return {Left(clause, is), value.value_or(R(-1))};
}

} // namespace

// The file, the given values and the asked quantity with the answer's value, from the made texts.
void CheckWordProblem(const MadeProblem &made)
{
    SCOPED_TRACE(made.line + "  " + made.answer);
    const int close = Find(made.line, "〗");
    ASSERT_GT(close, 0);
    const std::string file = Mid(made.line, Len("〖"), close - Len("〖"));
    const auto shape = Shapes().find(file);
    ASSERT_NE(shape, Shapes().end()) << file;
    std::string body = Mid(made.line, close + Len("〗"));
    const std::string lead = "一个" + file + "的";
    if (Left(body, Len(lead)) == lead)
        body = Mid(body, Len(lead));
    ASSERT_EQ(Right(body, Len("？")), "？");
    body = Left(body, Len(body) - Len("？"));
    Values given;
    std::string asked;
    int start = 0;
    for (int p = 0; p >= 0; start = p + Len("，")) {
        p = Find(body, "，", start);
        const std::string clause = p < 0 ? Mid(body, start) : Mid(body, start, p - start);
        if (Contains(clause, "是多少")) {
            asked = Left(clause, Find(clause, "是多少"));
            EXPECT_LT(p, 0) << "the question comes last";
        } else {
            const auto [quantity, value] = Clause(clause);
            given[quantity] = value;
        }
    }
    const auto [answered, answer] = Clause(made.answer);
    ASSERT_EQ(answered, asked);
    EXPECT_EQ(given.count(asked), 0u);

    // The deciding quantities given, and at most one left out: it is searched for among whole
    // numbers; exactly one value makes every given quantity right, and the answer follows.
    std::vector<std::string> missing;
    for (const std::string &base : shape->second.bases)
        if (given.count(base) == 0)
            missing.push_back(base);
    ASSERT_LE(missing.size(), 1u);
    int fits = 0;
    for (long long candidate = 1; candidate <= (missing.empty() ? 1 : 200); ++candidate) {
        Values values;
        for (const std::string &base : shape->second.bases)
            values[base] = given.count(base) != 0 ? given[base] : R(candidate);
        shape->second.rest(values);
        bool all = true;
        for (const auto &[quantity, value] : given)
            all = all && values.count(quantity) != 0 && maker::SameValue(values[quantity], value);
        if (!all)
            continue;
        ++fits;
        ASSERT_EQ(values.count(asked), 1u);
        EXPECT_TRUE(maker::SameValue(values[asked], answer));
    }
    EXPECT_EQ(fits, 1);
}

namespace {

TEST(WordProblemMaker, EveryFileAndLevelMakesProvedProblems)
{
    const MakerLevel levels[] = {MakerLevel::JiChu, MakerLevel::TiGao, MakerLevel::TuoZhan};
    std::set<std::string> files;
    for (MakerLevel level : levels) {
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            const MadeProblems made = MakeProblems(kWordProblemType, level, 20, seed);
            ASSERT_EQ(made.problems.size(), 20u) << made.refusal;
            std::set<std::string> lines;
            for (const MadeProblem &problem : made.problems) {
                EXPECT_TRUE(lines.insert(problem.line).second);
                EXPECT_EQ(maker::RoutineAnswer(kWordProblemType, problem.line).value_or("?"), problem.answer);
                CheckWordProblem(problem);
                files.insert(Mid(problem.line, Len("〖"), Find(problem.line, "〗") - Len("〖")));
                // 基础 asks for a whole number; 拓展 takes two formulas or more, so its working
                // holds two results.
                if (level == MakerLevel::JiChu) {
                    EXPECT_FALSE(Contains(problem.answer, "."));
                }
                if (level == MakerLevel::TuoZhan) {
                    const std::string working = maker::RoutineText(kWordProblemType, problem.line);
                    int results = 0;
                    for (const std::string &line : maker::Lines(working))
                        results
                            += Contains(line, "＝") && !Left(line, Len("＝")).empty() && Left(line, Len("＝")) != "＝";
                    EXPECT_GE(results, 2) << working;
                }
            }
            EXPECT_EQ(MakeProblems(kWordProblemType, level, 20, seed).problems[7].line, made.problems[7].line);
        }
    }
    // Every formula file serves.
    EXPECT_EQ(files.size(), Shapes().size());
    // A made answer the routine does not give is refused.
    EXPECT_TRUE(maker::Proved(
        kWordProblemType, {"〖长方形〗一个长方形的长是8米，宽是5米，面积是多少平方米？", "面积是40平方米"}));
    EXPECT_FALSE(maker::Proved(
        kWordProblemType, {"〖长方形〗一个长方形的长是8米，宽是5米，面积是多少平方米？", "面积是13平方米"}));
}

} // namespace
} // namespace qimbel
