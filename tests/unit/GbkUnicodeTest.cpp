// The core's GBK <-> UTF-8 tables against iconv, the converter qimbel-cli uses: every one- and
// two-byte GBK sequence and every code point of the Basic Multilingual Plane.
#include "typeset/GbkUnicode.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <iterator>
#include <optional>
#include <string>

using namespace qimbel;

namespace {

class Iconv {
public:
    Iconv(const char *to, const char *from)
        : cd_(iconv_open(to, from))
    {
    }
    ~Iconv() { iconv_close(cd_); }
    std::optional<std::string> operator()(const std::string &input)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string in = input;
        char *inPtr = in.data();
        std::size_t inLeft = in.size();
        char buffer[64];
        char *outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        return std::string(buffer, sizeof buffer - outLeft);
    }

private:
    iconv_t cd_;
};

} // namespace

TEST(GbkUnicode, EveryGbkSequenceConvertsAsIconvDoes)
{
    Iconv toUtf8("UTF-8", "GBK");
    int mapped = 0;
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        ASSERT_EQ(GbkToUtf8(one), toUtf8(one)) << "byte " << first;
        for (int second = 0; second < 256; ++second) {
            const std::string two = one + static_cast<char>(second);
            const std::optional<std::string> expected = toUtf8(two);
            ASSERT_EQ(GbkToUtf8(two), expected) << "bytes " << first << " " << second;
            mapped += expected && first >= 0x81 && DecodeGbkChar(two, 0).length == 2;
        }
    }
    EXPECT_GT(mapped, 21000); // GBK holds some 21,886 two-byte characters
}

TEST(GbkUnicode, EveryCodePointConvertsAsIconvDoes)
{
    Iconv toGbk("GBK", "UTF-8");
    // Every 97th code point past the BMP, and every tag character.
    for (char32_t cp = 1; cp <= 0x10FFFF; cp += cp < 0x10000 || (cp >= 0xDFFFF && cp < 0xE0080) ? 1 : 97) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        std::string utf8;
        AppendUtf8(utf8, cp);
        const std::optional<std::string> expected = toGbk(utf8);
        // The command line's form converts as iconv does, the tag characters too.
        ASSERT_EQ(Utf8ToGbkAsIconv(utf8), expected) << "U+" << std::hex << static_cast<unsigned>(cp);
        if (expected && expected->empty())
            continue; // iconv drops the tag characters (U+E0000 ...); the core refuses them
        ASSERT_EQ(Utf8ToGbk(utf8), expected) << "U+" << std::hex << static_cast<unsigned>(cp);
        if (expected) {
            ASSERT_EQ(GbkToUtf8(*expected), utf8) << "round trip of U+" << std::hex << static_cast<unsigned>(cp);
        }
    }
}

// GbkToUtf8Lf is GbkToUtf8 with every CR LF written as LF. Texts made of ASCII runs of every
// length, CRs alone and before LF, Chinese characters, full-width signs and one- and two-byte codes
// that are no GBK, at every offset: the result goes eight ASCII bytes at a time where it can.
TEST(GbkUnicode, LineEndsAreMendedInTheSamePass)
{
    const std::string pieces[] = {"a", "12345678901", " ", "\r\n", "\r", "\n", "\xBD\xE2", "\xA3\xBD", "\x80", "\xFF",
        "\xA1", "\xC4\xE3\xBA\xC3", "        ", std::string(1, '\0')};
    const auto reference = [](const std::string &gbk) -> std::optional<std::string> {
        std::optional<std::string> utf8 = GbkToUtf8(gbk);
        if (!utf8)
            return std::nullopt;
        std::string out;
        for (std::size_t i = 0; i < utf8->size(); ++i)
            if (!((*utf8)[i] == '\r' && i + 1 < utf8->size() && (*utf8)[i + 1] == '\n'))
                out += (*utf8)[i];
        return out;
    };
    std::uint32_t seed = 12345;
    for (int round = 0; round < 20000; ++round) {
        std::string gbk;
        const int count = round % 40;
        for (int i = 0; i < count; ++i) {
            seed = seed * 1103515245U + 12345U;
            gbk += pieces[(seed >> 16) % std::size(pieces)];
        }
        ASSERT_EQ(GbkToUtf8Lf(gbk), reference(gbk)) << "round " << round;
    }
    // A text longer than the converter's buffer, its pieces crossing the buffer's ends.
    std::string page;
    for (int i = 0; page.size() < 20000; ++i)
        page += std::string(static_cast<std::size_t>(i % 13), ' ') + "\xBD\xE2x\xA3\xBD" + std::to_string(i) + "\r\n";
    EXPECT_EQ(GbkToUtf8Lf(page), reference(page));
}

TEST(GbkUnicode, BrokenInputIsRefusedOrReplaced)
{
    // Truncated, overlong and surrogate UTF-8; a stray GBK lead byte.
    for (const char *bad : {"\xE4\xB8", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
        EXPECT_EQ(Utf8ToGbk(bad), std::nullopt) << bad;
    EXPECT_EQ(GbkToUtf8("a\xB0"), std::nullopt);
    EXPECT_EQ(GbkToUtf8Lossy("a\xB0"), "a\xEF\xBF\xBD");
    EXPECT_EQ(GbkToUtf8Lossy(std::string("\0x", 2)), std::string("\0x", 2));
}

namespace {

// UTF-8 as a face hands it over (the plain literals of this file are GBK).
std::string U8(const char8_t *text) { return reinterpret_cast<const char *>(text); }

} // namespace

TEST(GbkUnicode, TypedTextReachesTheTextBoxInTheFormsThePagesRead)
{
    struct Case {
        const char8_t *typed;
        const char *gbk;
    };
    const Case cases[] = {
        // Full-width digits, letters and signs of a Chinese input method.
        {u8"２*(３+４)-５", "2*(3+4)-5"},
        {u8"ｘ＋ｙ＝５", "x＋y＝5"},
        {u8"Ａ＊ｂ／３．５％＾２", "A*b/3.5%^2"},
        // Powers, indices, the minus sign and the raised dot.
        {u8"x²＋x³－x¹⁰", "x^2＋x^3－x^10"},
        {u8"x⁻¹", "x^-1"},
        {u8"x₁＋x₂", "x1＋x2"},
        {u8"5−3–1", "5-3-1"},
        {u8"3·4⋅a", "3×4×a"},
        {u8"∆＝b²－4ac", "Δ＝b^2－4ac"},
        {u8"x≦2，y≧1", "x≤2，y≥1"},
        {u8"½＋¾", "1/2＋3/4"},
        {u8"（\u3000）÷5＝3", "（ ）÷5＝3"},
        // What the pages already read stays as typed; lines end in CR LF, a lone CR stays.
        {u8"√１２＋(－3)×÷＜≤〖行程〗，。", "√12＋(－3)×÷＜≤〖行程〗，。"},
        {u8"1\n2\r\n3\r4", "1\r\n2\r\n3\r4"},
        {u8"x²\ny²", "x^2\r\ny^2"},
    };
    for (const Case &c : cases) {
        const TypedText typed = ReadTypedUtf8(U8(c.typed));
        EXPECT_EQ(typed.gbk, c.gbk) << U8(c.typed);
        EXPECT_EQ(typed.refusal, "") << U8(c.typed);
    }
}

TEST(GbkUnicode, ACharacterThatCannotBeReadIsNamedWithItsLine)
{
    struct Case {
        std::string typed;
        const char *gbk;
        const char8_t *refusal;
    };
    const Case cases[] = {
        {U8(u8"1＋2\n3😀4\n5☃"), "1＋2\r\n3?4\r\n5?",
            u8"第2行有无法处理的字符“😀”（U+1F600），请删去它，或换成键盘上的符号再试。"},
        {U8(u8"7\uFFFD"), "7?", u8"第1行有无法处理的字符，请删去它，或换成键盘上的符号再试。"},
        {"1\n2\xFF"
         "3",
            "1\r\n2?3", u8"第2行有无法处理的字节：它不是UTF-8编码的文字，请用UTF-8保存后再试。"},
        {"\xE4\xB8", "??", u8"第1行有无法处理的字节：它不是UTF-8编码的文字，请用UTF-8保存后再试。"},
    };
    for (const Case &c : cases) {
        const TypedText typed = ReadTypedUtf8(c.typed);
        EXPECT_EQ(typed.gbk, c.gbk) << c.typed;
        EXPECT_EQ(typed.refusal, U8(c.refusal)) << c.typed;
    }
}

// Whatever the bytes, the text box gets GBK; a text GBK holds is never refused; and the forms the
// text box gets are read as themselves, so reading twice changes nothing.
TEST(GbkUnicode, TypedTextIsAlwaysGbkAndReadingIsIdempotent)
{
    std::uint32_t seed = 12345;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 3000; ++round) {
        std::string typed;
        const int length = static_cast<int>(next() % 12);
        for (int i = 0; i < length; ++i) {
            if (next() % 8 == 0)
                typed += static_cast<char>(next() & 0xFF); // any byte at all
            else if (next() % 2 == 0)
                AppendUtf8(typed, static_cast<char32_t>(0xFF00 + next() % 0x60)); // the full-width block
            else
                AppendUtf8(typed, static_cast<char32_t>(next() % 0x3100));
        }
        const TypedText read = ReadTypedUtf8(typed);
        const std::optional<std::string> utf8 = GbkToUtf8(read.gbk);
        ASSERT_TRUE(utf8.has_value()) << typed;
        if (Utf8ToGbk(typed)) {
            EXPECT_EQ(read.refusal, "") << typed;
        }
        EXPECT_EQ(ReadTypedUtf8(*utf8).gbk, read.gbk) << typed;
    }
}
