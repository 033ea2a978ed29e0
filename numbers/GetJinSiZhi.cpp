#include "numbers/NumberText.h"
#include "solver/InputLimits.h"
#include "solver/Solver.h"

#include <vector>

namespace qimbel {

namespace {

const char *const kIntegerPlaces[16] = {"个位", "十位", "百位", "千位", "万位", "十万位", "百万位", "千万位", "亿位",
    "十亿位", "百亿位", "千亿位", "兆位", "十兆位", "百兆位", "千兆位"};
// The last name only names the digit that decides a rounding to 千兆分位; it is no target.
const char *const kDecimalPlaces[16] = {"十分位", "百分位", "千分位", "万分位", "十万分位", "百万分位", "千万分位",
    "亿分位", "十亿分位", "百亿分位", "千亿分位", "兆分位", "十兆分位", "百兆分位", "千兆分位", "万兆分位"};
constexpr int kDecimalTargets = 15;

struct Place {
    bool decimal = false;
    int index = -1; // -1: no place
};

// The first run of number bytes (digits and "." "/" "%" "-" "+") of a text.
std::string FirstToken(const std::string &text, const std::string &pattern)
{
    const std::size_t start = pattern.find('1');
    if (start == std::string::npos)
        return {};
    const std::size_t end = pattern.find('a', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

Place TargetPlace(const std::string &placePart, const std::string &token)
{
    Place place;
    if (!numbers::DigitsOnly(token).empty()) {
        // 精确到0.01 is 百分位, 精确到100 is 百位.
        const int point = Find(token, ".");
        if (point >= 0) {
            place.decimal = true;
            place.index = Len(numbers::DigitsOnly(Mid(token, point + 1))) - 1;
            if (place.index >= kDecimalTargets)
                place.index = -1;
        } else {
            place.index = Len(numbers::DigitsOnly(token)) - 1;
            if (place.index >= 16)
                place.index = -1;
        }
        return place;
    }
    // The last name that occurs wins, so 十万分位 beats 万分位 and 十万位 beats 万位.
    for (int k = 0; k < kDecimalTargets; ++k)
        if (Contains(placePart, kDecimalPlaces[k]))
            place = {true, k};
    for (int k = 0; k < 16; ++k)
        if (Contains(placePart, kIntegerPlaces[k]))
            place = {false, k};
    return place;
}

// Adds `carry` to the digits (lowest first), carrying on through 9s.
int AddCarry(std::vector<int> &digits, int carry)
{
    for (int &d : digits) {
        if (carry == 0)
            break;
        d += carry;
        carry = d / 10;
        d %= 10;
    }
    return carry;
}

} // namespace

// Problem type 近似数: rounds the first number before "四舍五入" or "精确" to the place named after
// it (by name, 百分位, or by example, 0.01), digit by digit on the text. Level 1 gives the rounded
// number, levels 2 to 4 "number≈rounded", level 5 adds the explanation after two tabs. A "－"
// right before the number is kept in front of both; the rounding works on the digits, as a
// pupil rounds −3.146 to −3.15. A target at or after the last digit leaves the number unchanged.
// Without keyword, number or place the result is the empty text.
std::string Solver::GetJinSiZhi(std::string line, int level)
{
    if (std::string sentence = LineTooLong(line, kLongestNumberLine); !sentence.empty())
        return sentence;
    if (level < 1 || level > 5)
        level = 1;
    std::string keyword;
    if (Contains(line, "精确"))
        keyword = "精确";
    else if (Contains(line, "四舍五入"))
        keyword = "四舍五入";
    else
        return {};
    const int at = Find(line, keyword);
    const std::string numberPart = Left(line, at);
    const std::string placePart = Mid(line, at + Len(keyword));

    // The number: digits, an optional point and digits, from the first number run of its part.
    const std::string numberPattern = GetShuMoShi(numberPart);
    std::string token = FirstToken(numberPart, numberPattern);
    std::string sign;
    const std::size_t tokenAt = numberPattern.find('1');
    if (tokenAt != std::string::npos && tokenAt >= 2 && numberPart.substr(tokenAt - 2, 2) == "－")
        sign = "－";
    while (!token.empty() && (token[0] == '+' || token[0] == '-')) {
        if (token[0] == '-')
            sign = "－";
        token = token.substr(1);
    }
    std::size_t end = 0;
    while (end < token.size() && numbers::IsDigit(token[end]))
        ++end;
    std::string integerText = token.substr(0, end);
    std::string decimalText;
    if (end < token.size() && token[end] == '.') {
        std::size_t after = end + 1;
        while (after < token.size() && numbers::IsDigit(token[after]))
            ++after;
        decimalText = token.substr(end + 1, after - end - 1);
    }
    if (integerText.empty() && decimalText.empty())
        return {};
    if (integerText.empty())
        integerText = "0";
    const std::string number = sign + integerText + (decimalText.empty() ? "" : "." + decimalText);

    const Place place = TargetPlace(placePart, FirstToken(placePart, GetShuMoShi(placePart)));
    if (place.index < 0)
        return {};
    const std::string t = place.decimal ? kDecimalPlaces[place.index] : kIntegerPlaces[place.index];
    const std::string head = "解 " + number + " " + keyword + " 到 " + t + " : ";

    // Integer digits by place (index 0 = units), decimal digits by position after the point.
    std::vector<int> integer;
    for (auto it = integerText.rbegin(); it != integerText.rend(); ++it)
        integer.push_back(*it - '0');
    std::vector<int> decimal;
    for (char c : decimalText)
        decimal.push_back(c - '0');

    const int k = place.index;
    std::string explanation;
    std::string rounded;
    const bool nothingBehind = place.decimal ? static_cast<int>(decimal.size()) <= k + 1 : k == 0 && decimal.empty();
    if (nothingBehind) {
        explanation = "因为" + t + "后面没有数字 ,则原数不变。";
        rounded = number;
    } else if (place.decimal) {
        const int digit = decimal[static_cast<std::size_t>(k + 1)];
        const std::string name = std::string(kDecimalPlaces[k + 1]) + IntText(digit);
        int carry = 0;
        if (digit <= 4) {
            explanation = "因为" + name + " < 5 ,则舍去" + t + "后面的数字。";
        } else {
            explanation = "因为" + name + " > 4 ,则向" + t + " 进 1。";
            carry = 1;
        }
        decimal.resize(static_cast<std::size_t>(k + 1));
        for (int i = k; i >= 0 && carry != 0; --i) {
            int &d = decimal[static_cast<std::size_t>(i)];
            d += carry;
            carry = d / 10;
            d %= 10;
        }
        carry = AddCarry(integer, carry);
        if (carry != 0)
            integer.push_back(carry);
        std::string digits;
        for (int d : decimal)
            digits += static_cast<char>('0' + d);
        for (auto it = integer.rbegin(); it != integer.rend(); ++it)
            rounded += static_cast<char>('0' + *it);
        rounded += "." + digits;
    } else {
        // The deciding digit is the one right of the target; a place the number does not reach
        // counts as 0 (12 rounded to 千位 is 0).
        int digit = 0;
        std::string name;
        if (k == 0) {
            digit = decimal[0];
            name = "十分位";
        } else {
            digit = static_cast<std::size_t>(k - 1) < integer.size() ? integer[static_cast<std::size_t>(k - 1)] : 0;
            name = kIntegerPlaces[k - 1];
        }
        name += IntText(digit);
        int carry = 0;
        if (digit <= 4) {
            explanation = "因为" + name + " < 5 ,则将" + t + "后面的数字置 0 。";
        } else {
            explanation = "因为" + name + " > 4 ,则向" + t + " 进 1 ，并将" + t + "后面的数字置 0 。";
            carry = 1;
        }
        if (integer.size() < static_cast<std::size_t>(k))
            integer.resize(static_cast<std::size_t>(k), 0);
        for (int i = 0; i < k; ++i)
            integer[static_cast<std::size_t>(i)] = 0;
        std::vector<int> upper(integer.begin() + k, integer.end());
        carry = AddCarry(upper, carry);
        if (carry != 0)
            upper.push_back(carry);
        integer.resize(static_cast<std::size_t>(k));
        integer.insert(integer.end(), upper.begin(), upper.end());
        while (integer.size() > 1 && integer.back() == 0)
            integer.pop_back();
        for (auto it = integer.rbegin(); it != integer.rend(); ++it)
            rounded += static_cast<char>('0' + *it);
    }
    if (!nothingBehind)
        rounded = sign + rounded;

    if (level == 1)
        return rounded;
    if (level < 5)
        return number + "≈" + rounded;
    return number + "≈" + rounded + "\t\t" + head + explanation;
}

} // namespace qimbel
