// The table converter against the iconv of this machine: every single byte and every two-byte
// GBK code both ways, every BMP character one way, and the UTF-8 it must refuse.
#include "solver/GbkUnicode.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <optional>
#include <string>

namespace {

std::optional<std::string> Iconv(const char *to, const char *from, const std::string &input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string in = input;
    char *inPtr = in.data();
    std::size_t inLeft = in.size();
    char out[64];
    char *outPtr = out;
    std::size_t outLeft = sizeof out;
    const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    return std::string(out, sizeof out - outLeft);
}

TEST(GbkUnicode, EveryGbkCodeAgreesWithIconv)
{
    int valid = 0;
    for (int lead = 0x00; lead <= 0xFF; ++lead) {
        for (int trail = -1; trail <= 0xFF; ++trail) {
            if (trail >= 0 && lead < 0x80)
                break; // an ASCII byte is a character of its own
            std::string gbk(1, char(lead));
            if (trail >= 0)
                gbk += char(trail);
            const std::optional<std::string> expected = Iconv("UTF-8", "GBK", gbk);
            const std::optional<std::string> actual = qimbel::GbkToUtf8(gbk);
            ASSERT_EQ(expected, actual) << std::hex << lead << " " << trail;
            if (!expected)
                continue;
            ++valid;
            // And back: iconv's way back where it has one (a few codes share a character).
            EXPECT_EQ(Iconv("GBK", "UTF-8", *expected), qimbel::Utf8ToGbk(*expected)) << std::hex << lead << trail;
        }
    }
    EXPECT_GT(valid, 21000);
}

TEST(GbkUnicode, EveryBmpCharacterAgreesWithIconv)
{
    for (unsigned code = 1; code <= 0xFFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        std::string utf8;
        if (code < 0x80) {
            utf8 = char(code);
        } else if (code < 0x800) {
            utf8 = {char(0xC0 | code >> 6), char(0x80 | (code & 0x3F))};
        } else {
            utf8 = {char(0xE0 | code >> 12), char(0x80 | (code >> 6 & 0x3F)), char(0x80 | (code & 0x3F))};
        }
        ASSERT_EQ(Iconv("GBK", "UTF-8", utf8), qimbel::Utf8ToGbk(utf8)) << std::hex << code;
    }
}

TEST(GbkUnicode, TextsAndRefusals)
{
    // 2×(3＋4)－5, a line break, 解 (this file's literals are GBK, so the UTF-8 is spelt out)
    EXPECT_EQ(qimbel::Utf8ToGbk("2\xC3\x97(3\xEF\xBC\x8B" "4)\xEF\xBC\x8D" "5\r\n\xE8\xA7\xA3"), std::string("2\xA1\xC1(3\xA3\xAB" "4)\xA3\xAD" "5\r\n\xBD\xE2"));
    EXPECT_EQ(qimbel::GbkToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(qimbel::Utf8ToGbk(""), std::string());
    // Not UTF-8: a cut sequence, a lone continuation byte, an overlong form, a surrogate, beyond
    // U+10FFFF; and characters GBK has not (outside the BMP, U+FFFD).
    for (const char *bad : {"\xE4\xB8", "\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF0\x9F\x98\x80",
             "\xEF\xBF\xBD", "a\xFF"})
        EXPECT_EQ(qimbel::Utf8ToGbk(bad), std::nullopt) << bad;
    // Not GBK: a lead byte at the end, a lead byte before a line break, 0xFF.
    for (const char *bad : {"\xB0", "\xB0\n", "\xFF"})
        EXPECT_EQ(qimbel::GbkToUtf8(bad), std::nullopt) << bad;
}

} // namespace
