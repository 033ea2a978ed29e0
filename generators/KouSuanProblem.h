// One mental-arithmetic problem of the 口算练习生成器 and its texts. The texts are GBK, like every
// text of the core: "12＋5＝(  )", "12＋(  )＝17", "17÷5＝(  )……(  )".
#pragma once

#include <string>

namespace qimbel::kousuan {

enum class Op { Add, Sub, Mul, Div };

// Where the blank is: a＋b＝() asks for the result, a＋()＝c for the second number.
enum class Blank { Result, Operand };

struct Problem {
    Op op = Op::Add;
    Blank blank = Blank::Result;
    long long a = 0;
    long long b = 0;
    long long result = 0; // the quotient for a division
    long long remainder = 0; // divisions only; 0 when the division is exact

    // The number the pupil writes into the blank (b for the operand form, else the result).
    long long Asked() const { return blank == Blank::Operand ? b : result; }
    // Whether the pupil also writes a remainder: a division with the result blank and a remainder.
    bool AsksRemainder() const { return op == Op::Div && blank == Blank::Result && remainder != 0; }
};

// The operator sign: "＋" "－" "×" "÷".
std::string Sign(Op op);
// The problem with its blank, as shown on the practice screen: "12＋5＝(  )". On a printed
// worksheet the blank is wider, to leave room for the pupil's pen: "12＋5＝(    )".
std::string QuestionText(const Problem &p, bool printed = false);
// What goes into the blank: "17", or "3……2" for a division with a remainder.
std::string AnswerText(const Problem &p);
// The problem with the blank filled in: "12＋5＝17", "12＋5＝17", "17÷5＝3……2".
std::string SolvedText(const Problem &p);

// The verdict on a typed answer. Unreadable: nothing that could be an answer was typed (empty,
// no number), which a practice screen does not count as an attempt.
enum class Verdict { Right, Wrong, Unreadable };

// Checks a typed answer (GBK). A number may carry a sign ("-", "－"); a remainder follows the
// quotient after any separator ("……", "...", "余", a blank). An exact division also accepts the
// remainder 0 written out. Numbers too long to be an answer are simply wrong.
Verdict Check(const Problem &p, const std::string &typed);

} // namespace qimbel::kousuan
