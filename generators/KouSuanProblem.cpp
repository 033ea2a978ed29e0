#include "generators/KouSuanProblem.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace qimbel::kousuan {

namespace {

const char kScreenBlank[] = "(  )";
const char kPrintedBlank[] = "(    )";
const char kRemainderMark[] = "……";

// A whole number that fits any answer of the generator; longer digit runs are refused.
constexpr std::size_t kMaxDigits = 9;

// The typed text with full-width digits and "－" made half-width; other two-byte GBK characters
// become a blank, so that no byte of them is read as a digit or a sign.
std::string HalfWidth(const std::string &typed)
{
    std::string out;
    out.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(typed[i]);
        if (c < 0x81 || i + 1 >= typed.size()) {
            out += static_cast<char>(c);
            continue;
        }
        const unsigned char d = static_cast<unsigned char>(typed[i + 1]);
        if (c == 0xA3 && d >= 0xB0 && d <= 0xB9) // "０".."９"
            out += static_cast<char>('0' + (d - 0xB0));
        else if (c == 0xA3 && d == 0xAD) // "－"
            out += '-';
        else
            out += ' ';
        ++i;
    }
    return out;
}

// The numbers of a typed answer in order; a sign counts only right before the digits. Returns
// nullopt when a digit run is too long to be an answer.
std::optional<std::vector<long long>> NumbersOf(const std::string &typed)
{
    const std::string text = HalfWidth(typed);
    std::vector<long long> numbers;
    std::size_t i = 0;
    while (i < text.size()) {
        const bool negative = text[i] == '-' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9';
        if (negative)
            ++i;
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        long long value = 0;
        std::size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (++digits > kMaxDigits)
                return std::nullopt;
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        numbers.push_back(negative ? -value : value);
    }
    return numbers;
}

std::string Text(long long n) { return std::to_string(n); }

} // namespace

std::string Sign(Op op)
{
    switch (op) {
    case Op::Add:
        return "＋";
    case Op::Sub:
        return "－";
    case Op::Mul:
        return "×";
    case Op::Div:
        return "÷";
    }
    return "＋";
}

std::string QuestionText(const Problem &p, bool printed)
{
    const std::string kBlank = printed ? kPrintedBlank : kScreenBlank;
    if (p.blank == Blank::Operand) {
        std::string text = Text(p.a) + Sign(p.op) + kBlank + "＝" + Text(p.result);
        if (p.op == Op::Div && p.remainder != 0)
            text += kRemainderMark + Text(p.remainder);
        return text;
    }
    std::string text = Text(p.a) + Sign(p.op) + Text(p.b) + "＝" + kBlank;
    if (p.AsksRemainder())
        text += kRemainderMark + kBlank;
    return text;
}

std::string AnswerText(const Problem &p)
{
    std::string text = Text(p.Asked());
    if (p.AsksRemainder())
        text += kRemainderMark + Text(p.remainder);
    return text;
}

std::string SolvedText(const Problem &p)
{
    std::string text = Text(p.a) + Sign(p.op) + Text(p.b) + "＝" + Text(p.result);
    if (p.op == Op::Div && p.remainder != 0)
        text += kRemainderMark + Text(p.remainder);
    return text;
}

Verdict Check(const Problem &p, const std::string &typed)
{
    const std::optional<std::vector<long long>> numbers = NumbersOf(typed);
    if (!numbers)
        return Verdict::Wrong;
    if (numbers->empty())
        return Verdict::Unreadable;
    if ((*numbers)[0] != p.Asked())
        return Verdict::Wrong;
    const long long remainder = p.AsksRemainder() ? p.remainder : 0;
    if (numbers->size() == 1)
        return remainder == 0 ? Verdict::Right : Verdict::Wrong;
    if (numbers->size() == 2 && p.op == Op::Div && p.blank == Blank::Result && (*numbers)[1] == remainder)
        return Verdict::Right;
    return Verdict::Wrong;
}

} // namespace qimbel::kousuan
