#include "numbers/NumberText.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

// Level names for writing, highest first.
const char *const kLevels[3] = {"兆", "亿", "万"};

bool IsDigitName(const std::string &c)
{
    for (const char *name : numbers::kDigitNames)
        if (c == name)
            return true;
    return false;
}

// A numeral that ends in a unit and one more digit name is the spoken short form of the full
// numeral: 一万五 is 一万五千, 三百五 is 三百五十, 一亿五 is 一亿五千万. The missing units are
// written out so that every group is read at its true place.
std::string CompleteShortForm(const std::string &integer)
{
    const int n = Len(integer);
    if (n < 4 || !IsDigitName(Right(integer, 2)) || Right(integer, 2) == "零")
        return integer;
    // Both characters are two bytes long, so the unit is the character before the last one.
    const std::string unit = Mid(integer, n - 4, 2);
    if (unit == "百")
        return integer + "十";
    if (unit == "千")
        return integer + "百";
    if (unit == "万")
        return integer + "千";
    if (unit == "亿")
        return integer + "千万";
    if (unit == "兆")
        return integer + "千亿";
    return integer;
}

// A group below a level that was already written always fills its four places: 一万五百 is
// 10500, not 1500.
std::string PadGroup(const std::string &digits)
{
    return Len(digits) < 4 ? std::string(static_cast<std::size_t>(4 - Len(digits)), '0') + digits : digits;
}

// The digits and the numbered steps of one numeral without a fraction bar; gives the number of
// steps written.
int Write(Solver &solver, std::string numeral, std::string &result, std::string &steps)
{
    int step = 0;
    auto addStep = [&](const std::string &body) { steps += "第" + IntText(++step) + "步：" + body + "\r\n"; };

    bool percent = false;
    if (Left(numeral, 6) == "百分之") {
        percent = true;
        numeral = Mid(numeral, 6);
    }
    std::string decimalText;
    const int point = Find(numeral, "点");
    std::string integer = numeral;
    if (point >= 0) {
        decimalText = Mid(numeral, point);
        integer = Left(numeral, point);
    }
    integer = CompleteShortForm(Trim(integer));
    // 万亿 is the level 兆: 一万亿 is 一兆, 五万三千亿 is 五兆三千亿.
    const int yi = Find(integer, "亿");
    const int wan = Find(integer, "万");
    if (!Contains(integer, "兆") && wan >= 0 && yi > wan)
        integer = Left(integer, wan) + "兆" + Mid(integer, yi == wan + 2 ? yi + 2 : wan + 2);

    if (integer == "零") {
        result += "0";
        addStep("写个级 零 写 0");
    } else {
        bool higherWritten = false;
        for (const char *name : kLevels) {
            const int q = Find(integer, name);
            if (q >= 0) {
                const std::string group = Trim(Left(integer, q));
                std::string digits = solver.XieSiWeiShu(group);
                if (higherWritten)
                    digits = PadGroup(digits);
                result += digits;
                addStep(std::string("写") + name + "级 " + group + name + " 写 " + digits);
                integer = Trim(Mid(integer, q + Len(name)));
                higherWritten = true;
            } else if (higherWritten || Left(integer, 2) == "零") {
                result += "0000";
                addStep(std::string("写") + name + "级上没有数字，所以补写 0000 ");
            }
        }
        if (!integer.empty() || !higherWritten) {
            std::string digits = solver.XieSiWeiShu(integer);
            if (higherWritten)
                digits = PadGroup(digits);
            result += digits;
            addStep("写个级 " + integer + " 写 " + digits);
        } else {
            result += "0000";
            addStep("个级上没有数字，所以补写 0000 ");
        }
    }

    if (point >= 0) {
        const std::string chinese = Mid(decimalText, 2);
        std::string digits;
        for (int i = 0; i < Len(chinese);) {
            const int len = numbers::CharLen(chinese, i);
            digits += solver.HanZiShuZi(Mid(chinese, i, len));
            i += len;
        }
        if (!digits.empty())
            result += "." + digits;
        addStep("写小数部分 " + chinese + " 写 " + digits);
    }
    if (percent) {
        result += "%";
        addStep("因为该数是百分数，所以在数的尾部补%。");
    }
    return step;
}

} // namespace

// Writes one Chinese numeral as digits, level by level (兆, 亿, 万, then the units group), then
// the decimals after 点 and the "%" of a leading 百分之. A fraction such as 三分之二 is written
// numerator over denominator (2/3), with the steps of the denominator first, as it is read.
// A leading 负 is the minus sign: 负五 is -5, with one more step that says so.
// Level 5 adds the numbered steps after an empty line; the other levels give the digits alone.
std::string Solver::XieShu(std::string numeral, int level)
{
    std::string result;
    std::string steps;
    const bool negative = Left(numeral, 2) == "负";
    if (negative)
        numeral = Mid(numeral, 2);
    int lastStep = 0;
    const int bar = Find(numeral, "分之");
    if (Left(numeral, 6) != "百分之" && bar > 0 && bar + 4 < Len(numeral)) {
        std::string denominator;
        std::string denominatorSteps;
        std::string numerator;
        std::string numeratorSteps;
        Write(*this, Left(numeral, bar), denominator, denominatorSteps);
        lastStep = Write(*this, Mid(numeral, bar + 4), numerator, numeratorSteps);
        result = numerator + "/" + denominator;
        steps = denominatorSteps + "\r\n" + numeratorSteps;
    } else {
        lastStep = Write(*this, numeral, result, steps);
    }
    if (negative) {
        result = "-" + result;
        steps += "第" + IntText(lastStep + 1) + "步：因为该数是负数，所以在数的前面补-。\r\n";
    }
    return level == 5 ? result + "\r\n\r\n" + steps : result;
}

} // namespace qimbel
