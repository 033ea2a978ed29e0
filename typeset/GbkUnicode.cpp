#include "typeset/GbkUnicode.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace qimbel {

namespace {

#include "GbkUnicodeTable.inc"

} // namespace

GbkChar DecodeGbkChar(std::string_view gbk, std::size_t pos)
{
    if (pos >= gbk.size())
        return {};
    const unsigned char b = static_cast<unsigned char>(gbk[pos]);
    if (b < 0x80)
        return {b, 1};
    if (b >= 0x81 && b <= 0xFE && pos + 1 < gbk.size()) {
        const unsigned char t = static_cast<unsigned char>(gbk[pos + 1]);
        if (t >= 0x40 && t <= 0xFE) {
            if (const std::uint16_t cp = kGbkDouble[(b - 0x81) * 191 + (t - 0x40)])
                return {cp, 2};
        }
    }
    if (const std::uint16_t cp = kGbkSingle[b - 0x80])
        return {cp, 1};
    return {0, 1};
}

std::string EncodeGbkChar(char32_t codePoint)
{
    if (codePoint < 0x80)
        return std::string(1, static_cast<char>(codePoint));
    if (codePoint > 0xFFFF)
        return {};
    const std::uint16_t *end = std::end(kUnicodeKeys);
    const std::uint16_t *it = std::lower_bound(std::begin(kUnicodeKeys), end, codePoint);
    if (it == end || *it != codePoint)
        return {};
    const unsigned code = kUnicodeGbk[it - std::begin(kUnicodeKeys)];
    if (code < 0x100)
        return std::string(1, static_cast<char>(code));
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

void AppendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<std::string> GbkToUtf8(std::string_view gbk)
{
    // Written through a small buffer on the stack and appended to the text in pieces: each byte of
    // the result is written once, and no memory beyond the result's own is touched.
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    char piece[4096];
    std::size_t used = 0;
    for (std::size_t pos = 0; pos < gbk.size();) {
        if (used > sizeof piece - 3) {
            out.append(piece, used);
            used = 0;
        }
        const unsigned char b = static_cast<unsigned char>(gbk[pos]);
        if (b < 0x80) {
            piece[used++] = static_cast<char>(b);
            ++pos;
            continue;
        }
        const GbkChar c = DecodeGbkChar(gbk, pos);
        if (c.codePoint == 0)
            return std::nullopt;
        pos += c.length;
        // A GBK character is a code point below U+10000: at most three bytes of UTF-8.
        if (c.codePoint < 0x80) {
            piece[used++] = static_cast<char>(c.codePoint);
            continue;
        }
        if (c.codePoint < 0x800) {
            piece[used++] = static_cast<char>(0xC0 | (c.codePoint >> 6));
        } else {
            piece[used++] = static_cast<char>(0xE0 | (c.codePoint >> 12));
            piece[used++] = static_cast<char>(0x80 | ((c.codePoint >> 6) & 0x3F));
        }
        piece[used++] = static_cast<char>(0x80 | (c.codePoint & 0x3F));
    }
    out.append(piece, used);
    return out;
}

std::string GbkToUtf8Lossy(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    for (std::size_t pos = 0; pos < gbk.size();) {
        const GbkChar c = DecodeGbkChar(gbk, pos);
        AppendUtf8(out, c.codePoint == 0 && gbk[pos] != '\0' ? U'\uFFFD' : c.codePoint);
        pos += c.length;
    }
    return out;
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[pos]);
        int extra = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            cp = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extra = 1, cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2, cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3, cp = b & 0x07;
        } else {
            return std::nullopt;
        }
        if (pos + extra >= utf8.size())
            return std::nullopt;
        for (int i = 1; i <= extra; ++i) {
            const unsigned char t = static_cast<unsigned char>(utf8[pos + i]);
            if ((t & 0xC0) != 0x80)
                return std::nullopt;
            cp = (cp << 6) | (t & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are no UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))
            || (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        const std::string g = EncodeGbkChar(cp);
        if (g.empty())
            return std::nullopt;
        out += g;
        pos += 1 + extra;
    }
    return out;
}

} // namespace qimbel
