// What the pages say before and after a routine: the kind of an equation line against the type
// chosen, and a working that reached a division by 0.
#include "pages/LineKind.h"
#include "pages/Headless.h"
#include "pages/Session.h"
#include "pages/TypedLine.h"
#include "solver/GbkText.h"

#include <gtest/gtest.h>

#include <random>

using namespace qimbel;

TEST(LineKind, TheKindIsReadFromTheValueOfTheLine)
{
    const std::pair<const char *, LineKind> cases[] = {
        {"2x＋1＝5", LineKind::LinearOne},
        {"x^2－x^2＋x＝1", LineKind::LinearOne}, // the squares cancel
        {"x(x＋1)＝x^2＋3", LineKind::LinearOne},
        {"x^2－5x＋6＝0", LineKind::QuadraticOne},
        {"(x－1)^2＝4", LineKind::QuadraticOne},
        {"x(x＋1)＝6", LineKind::QuadraticOne},
        {"1/x＋1＝2", LineKind::FractionalOne},
        {"x/2＋1＝2", LineKind::LinearOne}, // a number under the bar
        {"x＋y＝5", LineKind::LinearTwo},
        {"xy＝4", LineKind::QuadraticTwo},
        {"x^2＋y^2＝5", LineKind::QuadraticTwo},
        {"2x－1＞3", LineKind::LinearInequality},
        {"x≤4", LineKind::LinearInequality},
        {"x^2＞4", LineKind::Other},
        {"x^3＝8", LineKind::Other},
        {"x＋y＋z＝1", LineKind::Other},
        {"3＋4＝7", LineKind::Unread}, // no letter: the routine answers it
        {"x＝x", LineKind::Unread},
        {"1＜x＜3", LineKind::Unread}, // two relations
        {"x＋", LineKind::Unread},
        {"2x＋1", LineKind::Unread},
    };
    for (const auto &[line, kind] : cases)
        EXPECT_EQ(KindOfLine(line), kind) << line;
}

TEST(LineKind, ALineOfAnotherKindNamesTheTypeThatFits)
{
    struct Case {
        int type;
        const char *line;
        const char *sentence;
    };
    const Case cases[] = {
        {25, "x^2－5x＋6＝0", "这是一元二次方程，请选“一元二次方程”。"},
        {25, "x＋y＝5", "这是二元一次方程，请选“二元一次方程组”。"},
        {25, "x＋1＞3", "这是一元一次不等式，请选“一元一次不等式”。"},
        {25, "x^3＝8", "这不是一元一次方程，无法求解。"},
        {25, "2x＋1＝5", ""},
        {25, "6÷x＝3", ""}, // its routine explains a letter under the bar itself
        {9, "x^2＝4", "这是一元二次方程，请选“一元二次方程”。"},
        {9, "3x＝12", ""},
        {27, "2x＋1＝0", "这是一元一次方程，请选“一元一次方程”。"},
        {27, "x＋y＝5", "这是二元一次方程，请选“二元一次方程组”。"},
        {27, "x^2＝4", ""},
        {29, "x^2＝4", "这是一元二次方程，请选“一元二次方程”。"},
        {29, "1/x＝2", ""},
        {29, "x＋1＝2", ""},
        {30, "x＋1＝3", "这是一元一次方程，请选“一元一次方程”。"},
        {30, "x^2＞4", "这不是一元一次不等式，无法求解。"},
        {30, "x＋1＞3", ""},
        {26, "x^2－y＝1", "这是二元二次方程，请选“二元二次方程组”。"},
        {26, "x＝2", ""},
        {28, "x＋1＞3", "这是一元一次不等式，请选“一元一次不等式”。"},
        {28, "xy＝6", ""},
        {31, "x＋1＝2", "这是一元一次方程，请选“一元一次方程”。"},
        {8, "x^2＝4", ""}, // not a type of one kind of line
        {25, "x＋", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(WrongKindSentence(c.line, c.type), c.sentence) << c.type << " " << c.line;
    EXPECT_EQ(WrongKindSentence(std::vector<std::string> {"x＋y＝5", "x^2＋y＝3", "x^3＝1"}, 26),
        "这是二元二次方程，请选“二元二次方程组”。");
    EXPECT_EQ(WrongKindSentence(std::vector<std::string> {"x＋y＝5", "x－y＝1"}, 26), "");
}

TEST(LineKind, ADivisionByZeroIsFoundWhereverItStands)
{
    const std::pair<const char *, bool> cases[] = {
        {"＝5÷0", true},
        {"＝(－5)÷0×3", true},
        {"＝1＋5÷0", true},
        {"＝x÷0＝3", true},
        {"＝5÷(0)", true},
        {"＝3/0＋1", true},
        {"＝5÷0.5", false},
        {"＝5÷05", false},
        {"＝5÷10", false},
        {"＝0÷5", false},
        {"第1步:3－3=0 的减法计算", false},
    };
    for (const auto &[text, zero] : cases)
        EXPECT_EQ(DividesByZero(text), zero) << text;
}

// Whatever type computes it, a line that divides by a difference that is 0 ends with a sentence
// saying that a divisor cannot be 0, never with a line of working that divides by 0.
TEST(LineKind, EveryTypeEndsADivisionByZeroWithItsSentence)
{
    std::mt19937 random(37);
    const int types[] = {8, 11, 20, 21, 23, 24};
    for (int round = 0; round < 60; ++round) {
        const int a = static_cast<int>(random() % 20) + 1;
        const int b = static_cast<int>(random() % 20) + 1;
        const int c = static_cast<int>(random() % 20) + 1;
        const std::string line = std::to_string(b) + (round % 2 ? "÷" : "/") + "(" + std::to_string(a) + "-"
            + std::to_string(a) + ")" + (round % 3 ? "+" : "×") + std::to_string(c);
        for (int type : types) {
            ResetSession();
            HeadlessRequest request;
            request.type = type;
            request.level = round % 2 ? 5 : 1;
            std::string out = RunHeadless(request, line + "\r\n");
            while (Right(out, 2) == "\r\n")
                out = Left(out, Len(out) - 2);
            const int lastBreak = ReverseFind(out, "\r\n");
            const std::string last = lastBreak >= 0 ? Mid(out, lastBreak + 2) : out;
            EXPECT_TRUE(Contains(last, "不能为0")) << type << " " << line << "\n" << out;
        }
    }
}

TEST(TypedLine, DigitsGroupedInThreesAreOneNumberOnTheNumberTypes)
{
    struct Case {
        int type;
        const char *typed;
        const char *read; // nullptr: refused
    };
    const Case cases[] = {
        {13, "3 600 000", "3600000"}, {1, "12 345 678.5", "12345678.5"}, {2, "1 000", "1000"},
        {14, "－3 600  000", "－3600000"}, // more than one blank between groups
        {13, "3 60", nullptr}, // a group of two digits is a second number
        {13, "1234 567", nullptr}, // four digits before a group
        {13, "3 6000", nullptr}, {13, "0.5 000", nullptr}, // decimals are not grouped
        {8, "3 600", nullptr}, // not a number type
        {3, "12 18", "12,18"}, // a list stays a list
    };
    for (const Case &c : cases) {
        bool refused = false;
        const std::string read = SeparateNumbers(c.typed, c.type, refused);
        EXPECT_EQ(refused, c.read == nullptr) << c.type << " " << c.typed;
        if (c.read != nullptr) {
            EXPECT_EQ(read, c.read) << c.type << " " << c.typed;
        }
    }
}

// The quick look at a linear line never lets through a line that the full reading refuses on a
// type that takes linear equations: random lines of letters, numbers, brackets and signs.
TEST(LineKind, TheQuickLookAgreesWithTheFullReading)
{
    const std::vector<std::string> pieces = {"x", "x", "y", "2", "3", "(", ")", "＋", "－", "×", "÷", "^2", "＝", "5"};
    std::mt19937 random(25);
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string line;
        for (int k = static_cast<int>(random() % 9) + 3; k > 0; --k)
            line += pieces[random() % pieces.size()];
        const LineKind kind = KindOfLine(line);
        const bool fits = kind == LineKind::LinearOne || kind == LineKind::FractionalOne || kind == LineKind::Unread;
        refused += fits ? 0 : 1;
        EXPECT_EQ(WrongKindSentence(line, 25).empty(), fits) << line;
    }
    EXPECT_GT(refused, 10); // some lines do reach a refusal
}
