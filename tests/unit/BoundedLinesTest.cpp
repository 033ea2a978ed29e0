// Lines within the limits whose work once grew without bound or whose answer was wrong, through
// the road every face takes: each ends with a right answer or the sentence that refuses it.
#include "pages/Headless.h"
#include "solver/InputLimits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qimbel;

namespace {

std::string RunLine(const std::vector<std::string> &args, const std::string &text)
{
    const HeadlessArgs parsed = ParseHeadlessArgs(args);
    EXPECT_TRUE(parsed.request.has_value()) << parsed.error;
    return parsed.request ? RunHeadless(*parsed.request, text) : std::string();
}

} // namespace

TEST(BoundedLines, EachEndsWithTheRightAnswerOrTheSentence)
{
    struct Case {
        std::vector<std::string> args;
        std::string text;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const std::string tooMuch = kTooMuchWorkSentence;
    const Case cases[] = {
        // 分式四则运算: a common denominator of many letters multiplied out is refused at once.
        {{"--type", "23", "--compute-only"}, "1/(a-b)+1/(b-c)+1/(c-d)+1/(d-e)+1/(e-f)+1/(f-g)+1/(g-h)+1/(h-i)",
            {tooMuch}, {}},
        {{"--type", "23", "--compute-only"}, "1/(a-b)+1/(b-c)+1/(c-d)+1/(d-e)+1/(e-f)+1/(f-g)+1/(g-h)+1/(h-i)+1/(i-j)",
            {tooMuch}, {}},
        {{"--type", "23", "--compute-only"}, "(a+b)*(b+c)*(c+d)*(d+e)*(e+f)*(f+g)*(g+h)*(h+i)*(i+j)/(a-b)", {tooMuch},
            {}},
        {{"--type", "23", "--compute-only", "--level", "1"}, "1/(a-b)+1/(b-c)", {"(a－c)/[(b－c)(a－b)]"}, {}},
        // Marking a step of many letters: refused for that step alone, never seconds of work.
        {{"--type", "21", "--mark"}, "(a+b)(c+d)\r\n=(a+b)(c+d)(e+f)(g+h)(i+j)(k+l)(m+n)(o+p)(q+r)(s+t)(u+v)(w+x)",
            {"无法识别：式子太复杂"}, {"√"}},
        // A common factor of the written factors is seen without multiplying out.
        {{"--type", "23", "--mark"}, "(a+b)/(c+d)\r\n=(a+b)(c+d)(e+f)(g+h)(i+j)/((c+d)(e+f)(g+h)(i+j)(c+d))",
            {"√", "还没有做完：还要约分。"}, {}},
        // A numerator 0 brought over the common denominator is 0, not its multiplier's digits.
        {{"--type", "23", "--compute-only", "--level", "4"}, "0+1/(h2)+1/(h+0)", {"＝0/(2h)＋1/(2h)＋2/(2h)"},
            {"20(h)"}},
        // 因式分解 by one letter after another.
        {{"--type", "22", "--level", "1"}, "ace+acf+ade+adf+bce+bcf+bde+bdf", {"(e＋f)(c＋d)(a＋b)"}, {"不能"}},
        // 算式计算与填空: a decimal stays a decimal however many places.
        {{"--type", "32", "--level", "1"}, "()+0.0000001=1", {"(0.9999999)＋0.0000001＝1"}, {"/"}},
        {{"--type", "32", "--level", "1"}, "()+1/3=1", {"(2/3)＋1/3＝1"}, {}},
        // A refused line is echoed by its opening only in the marked copy.
        {{"--type", "20", "--mark"}, std::string(5000, '1'), {"1111……\r\n无法识别：这一行太长"}, {}},
    };
    for (const Case &c : cases) {
        const std::string out = RunLine(c.args, c.text);
        for (const std::string &want : c.present)
            EXPECT_NE(out.find(want), std::string::npos) << c.text << "\n" << out.substr(0, 2000);
        for (const std::string &unwanted : c.absent)
            EXPECT_EQ(out.find(unwanted, out.find("----")), std::string::npos) << c.text << "\n" << out.substr(0, 2000);
    }
    // The refused line stands once in the text box and not a second time below it.
    const std::string refused(5000, '1');
    const std::string out = RunLine({"--type", "20", "--mark"}, refused);
    EXPECT_EQ(out.find(refused, out.find(refused) + 1), std::string::npos);
}
