// The core's GBK <-> UTF-8 tables against iconv, the converter qimbel-cli uses: every one- and
// two-byte GBK sequence and every code point of the Basic Multilingual Plane.
#include "typeset/GbkUnicode.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <iconv.h>
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
    for (char32_t cp = 1; cp <= 0x10FFFF; cp += cp < 0x10000 ? 1 : 97) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        std::string utf8;
        AppendUtf8(utf8, cp);
        const std::optional<std::string> expected = toGbk(utf8);
        if (expected && expected->empty())
            continue; // iconv drops the tag characters (U+E0000 ...); the core refuses them
        ASSERT_EQ(Utf8ToGbk(utf8), expected) << "U+" << std::hex << static_cast<unsigned>(cp);
        if (expected) {
            ASSERT_EQ(GbkToUtf8(*expected), utf8) << "round trip of U+" << std::hex << static_cast<unsigned>(cp);
        }
    }
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
