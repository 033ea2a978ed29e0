// 小学数学四则运算自动出题系统: a test paper for one grade, made from a seed, with an answer key
// that holds the worked solution of every problem as the calculation pages write it.
//
// Every problem meets its constraints by construction: numbers are chosen backwards from the
// answer, so no result is negative, every division is exact and no number leaves its grade's
// range; nothing is drawn again and again until it fits. Texts are GBK with CR LF line ends.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qimbel::shijuan {

// The kinds of problems, in the order of the paper's sections.
enum class TiXing { KouSuan = 0, ShuShi = 1, HunHe = 2, FangCheng = 3 };
inline constexpr int kTiXingShu = 4;
inline constexpr int kZuiGaoNianJi = 6;
inline constexpr int kZuiDuoTiShu = 50; // per kind

// The name of a kind ("口算", "竖式计算", "四则混合运算", "解方程") and of a grade ("一年级" …).
const char *TiXingMing(TiXing kind);
const char *NianJiMing(int grade);
// Whether a kind is taught in a grade: 竖式计算 from 二年级, 解方程 from 五年级.
bool TiXingShiHe(int grade, TiXing kind);

struct ShiJuanSheZhi {
    int grade = 3; // 1 … 6; other values are taken as the nearest grade
    std::array<int, kTiXingShu> counts {}; // problems of each kind, 0 … kZuiDuoTiShu
    std::array<int, kTiXingShu> scores {}; // points per problem of each kind, 1 … 20
    bool decimals = false; // decimals too (from 三年级 on), or whole numbers only
    std::uint64_t seed = 1;
    // 满分100: whole points spread over the chosen kinds in the proportion of `scores`, so that
    // the paper counts 100 (not possible with more than 100 problems: then `scores` stand).
    bool hundred = false;
};

// The usual paper of a grade: the kinds that fit it, a sensible number of each, their points.
ShiJuanSheZhi MoRenSheZhi(int grade);

struct ShiJuanTi {
    TiXing kind = TiXing::KouSuan;
    std::string text; // as printed on the paper: "36＋28＝", "3x＋5＝20"
    std::string answer; // the exact answer: "64", "4.75", "x＝5"
    std::string worked; // the worked solution from the solver, as the pages write it
    int score = 1; // points
    // What the problem was made from, for checks: the operands of a two-number problem.
    std::string left, op, right;
};

struct ShiJuanBuFen {
    TiXing kind = TiXing::KouSuan;
    int score = 1; // per problem, or of the first problems when the last `extra` ones count 1 more
    int extra = 0;
    std::vector<ShiJuanTi> problems;
};

// The points of each kind's problems for 满分100: per kind the points of a problem and how many of
// its last problems count one point more. Equal points per kind where the counts allow 100 so,
// else the nearest spread. Nothing when there are more than 100 problems or none.
struct FenShu {
    int score = 0;
    int extra = 0;
};
std::optional<std::array<FenShu, kTiXingShu>> ManFenYiBai(
    const std::array<int, kTiXingShu> &counts, const std::array<int, kTiXingShu> &weights);

// The heading of the section at `index` ("二、用竖式计算。（每题4分，共16分）"), without a line end.
std::string BuFenBiaoTi(int index, const ShiJuanBuFen &section);

// Whether a kind's answer key gives the worked solution: not for 口算, whose answers are listed.
bool XuYaoGuoCheng(TiXing kind);

struct ShiJuan {
    ShiJuanSheZhi settings; // as used: grade and counts clamped, unfitting kinds dropped
    std::vector<ShiJuanBuFen> sections; // only kinds with at least one problem
    int total = 0;
};

// Makes the paper and its answer key. The same settings give the same paper.
ShiJuan ZuShiJuan(const ShiJuanSheZhi &settings);

// The paper as text: title, name lines, sections with their points, the problems.
std::string ShiJuanWenBen(const ShiJuan &paper);
// The answer key as text: every problem with its answer and its worked solution.
std::string DaAnWenBen(const ShiJuan &paper);
// What 保存为文本 writes: the title, the paper, then the answer key.
std::string QuanWenBen(const ShiJuan &paper);
// The title of a paper, e.g. "三年级数学四则运算测试卷", and of its answer key.
std::string ShiJuanBiaoTi(const ShiJuan &paper);
std::string DaAnBiaoTi(const ShiJuan &paper);

// The answer a worked solution arrives at, read from its last working line (the column's result
// line for 竖式计算, the quotient line of a long division); empty when none is found.
std::string DaAnMoWei(TiXing kind, const std::string &op, const std::string &worked);

} // namespace qimbel::shijuan
