// The input limits of the routines that a page calls with one typed line. A line beyond its
// routine's limit is answered with one sentence, so that no line costs more than a moment's work
// or floods the text box; within the limits every line is worked in well under 100 ms (Release)
// and writes at most about 200 KB (see bench/InputLimitsBench.cpp).
//
//   kLongestExpressionLine (1,024 bytes) and kDeepestBrackets (16 levels of any bracket kinds
//     together): the worked arithmetic and algebra (HunHeYunSuan, at most 21 steps).
//   kLongestEquationLine (256 bytes) and kDeepestBrackets: the equation, inequality and
//     proportion solvers (YiCiDengShi, FangChengZu and BuDengShiZu for every line, ErCiFangCheng,
//     BiLiFangCheng, ErCiFangChengZu for each of its two lines), whose rounds of simplification
//     write the whole equation each time. The same length bounds a fill-in line
//     (SuanShiTianKong) and a list of numbers to find the rule of (ZhaoGuiLv).
//   kLongestExpressionLine and kDeepestBrackets also bound 简便运算 (JianBianYunSuan) and
//     二次根式四则运算 (GenShiSiZeYunSuan), whose radicands stay below 10^8 (algebra/SurdValue.h).
//   kLongestEveryStepLine (512 bytes) and kDeepestBrackets: the numeric driver that writes every
//     step of a line however many there are (SiZeHunHeYunSuan) and the ratio it is handed on the
//     page (BiHuaShang); its text grows with the square of the line.
//   kLongestColumnOperand (1,024 bytes): each operand of the column addition and subtraction
//     (ShuShiJiaFa, ShuShiJianFa); multiplication and division allow 50 bytes (column/).
//   kLongestNumberLine (8,192 bytes): the number topics: reading and writing numbers (ShuDeDuFa,
//     ShuDeXieFa), multiples and factors (BeiShu, YinShu), prime factorisation (fenjieyinshu),
//     sorting (PaiXu), scientific notation and rounding (KeXueJiShuFa, GetJinSiZhi), the unit
//     conversion (DanWeiZhuanHuan) and every line of the question engine (ShuDeXingZhi). A list
//     of 4,096 one-digit numbers is the slowest line it lets through.
//   kLongestWordProblemLine (1,024 bytes): a formula word problem (GongShiJieTi, page 131); its
//     working also stops adding formulas once it has written kLongestWorkedText.
// GetWeiZhiShu, which only collects letters, is linear and has no limit. Lengths are in bytes of
// GBK text, as everywhere in the solver: a Chinese character counts 2.
#pragma once

#include <string>

namespace qimbel {

inline constexpr int kLongestExpressionLine = 1024;
inline constexpr int kLongestEquationLine = 256;
inline constexpr int kLongestEveryStepLine = 512;
inline constexpr int kLongestColumnOperand = 1024;
inline constexpr int kLongestNumberLine = 8192;
inline constexpr int kDeepestBrackets = 16;
// The most text the working of one line may write: the drivers whose number of steps is not
// fixed (SiZeHunHeYunSuan, the rounds of YiCiDengShi) stop there.
inline constexpr int kLongestWorkedText = 200 * 1024;

// ---- Types 5, 11, 24, 28 and 29, which took lines of any length ----
//   kLongestComparisonLine (1,024 bytes): 两个数的大小比较 (DaXiaoBiJiao), whose answer repeats
//     the line once or twice.
//   分式方程 (FenShiFangCheng) is an equation routine: kLongestEquationLine and kDeepestBrackets.
//   kLongestLineWithoutRoutine (1,024 bytes): the types without a routine (11 简便运算,
//     24 二次根式四则运算, 28 二元二次方程组), whose lines are only looked at.
inline constexpr int kLongestComparisonLine = 1024;
inline constexpr int kLongestLineWithoutRoutine = 1024;
// ---- end of the block of types 5, 11, 24, 28 and 29 ----

// --- Formula word problems (page 131) ---
inline constexpr int kLongestWordProblemLine = 1024;
// --- end of formula word problems ---

// The sentence for a line longer than `longest` bytes; empty when the line is within it.
std::string LineTooLong(const std::string &line, int longest);

// The opening of a routine that answers one line: `level` brought to 1 when it is not 1–5, the
// line trimmed, and the sentence when it is then longer than `longest` bytes (empty otherwise).
std::string OpenOneLine(std::string &line, int &level, int longest);

// The sentence for a line longer than kLongestExpressionLine bytes or with brackets nested deeper
// than kDeepestBrackets; empty when the line is within both.
std::string ExpressionTooLarge(const std::string &line);

// The same with kLongestEquationLine and with kLongestEveryStepLine.
std::string EquationTooLarge(const std::string &line);
std::string EveryStepTooLarge(const std::string &line);

// The deepest nesting of the brackets "(" "[" "{" (any kinds together, full-width round brackets
// included) in a text; a closing bracket without its opening one counts as nothing.
int BracketDepth(const std::string &text);

// ---- 因式分解 and 分式四则运算 ----
// kLongestFactorLine (256 bytes) and kDeepestBrackets: the factorisation (YinShiFenJie), whose
// every step writes the whole product and whose searches grow with the degree; and
// kLongestFractionLine (256 bytes) and kDeepestBrackets: the fraction arithmetic
// (FenShiSiZeYunSuan), whose common denominator grows with the product of the denominators.
// A refused line is answered with the sentence alone: the line itself already stands above it.
inline constexpr int kLongestFactorLine = 256;
inline constexpr int kLongestFractionLine = 256;
std::string FactorLineTooLarge(const std::string &line);
std::string FractionLineTooLarge(const std::string &line);
// A line within these limits whose working would still grow past what a moment allows (many
// letters multiplied out, a common denominator of many factors) is refused with this sentence.
inline constexpr const char *kTooMuchWorkSentence = "这个式子太复杂，无法在短时间内算完。";

} // namespace qimbel
