#include "solver/GbkUnicode.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace qimbel {

namespace {

#include "GbkTable.inc"

void AppendUtf8(std::string &out, std::uint32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | code >> 6);
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xE0 | code >> 12);
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// The next code point of `text` from `i` (advanced past it), or -1 for an invalid sequence.
long NextCodePoint(std::string_view text, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    int extra;
    std::uint32_t code;
    std::uint32_t least;
    if (b < 0x80) {
        ++i;
        return b;
    } else if (b >= 0xC2 && b <= 0xDF) {
        extra = 1, code = b & 0x1F, least = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        extra = 2, code = b & 0x0F, least = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        extra = 3, code = b & 0x07, least = 0x10000;
    } else {
        return -1;
    }
    if (text.size() - i <= std::size_t(extra))
        return -1;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char c = byte(i + k);
        if ((c & 0xC0) != 0x80)
            return -1;
        code = code << 6 | (c & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return -1;
    i += extra + 1;
    return long(code);
}

} // namespace

std::optional<std::string> GbkToUtf8(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    for (std::size_t i = 0; i < gbk.size();) {
        const unsigned char b = static_cast<unsigned char>(gbk[i]);
        if (b < 0x80) {
            out += char(b);
            ++i;
            continue;
        }
        std::uint32_t code = kGbkSingle[b - 0x80];
        if (code != 0) {
            ++i;
        } else {
            if (b < 0x81 || b > 0xFE || i + 1 >= gbk.size())
                return std::nullopt;
            const unsigned char t = static_cast<unsigned char>(gbk[i + 1]);
            if (t < 0x40 || t > 0xFE)
                return std::nullopt;
            code = kGbkDouble[(b - 0x81) * 191 + (t - 0x40)];
            if (code == 0)
                return std::nullopt;
            i += 2;
        }
        AppendUtf8(out, code);
    }
    return out;
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const long code = NextCodePoint(utf8, i);
        if (code < 0)
            return std::nullopt;
        if (code < 0x80) {
            out += char(code);
            continue;
        }
        const auto *end = std::end(kUnicodeToGbk);
        const auto *found = std::lower_bound(std::begin(kUnicodeToGbk), end, code,
            [](const unsigned short(&entry)[2], long value) { return long(entry[0]) < value; });
        if (found == end || long((*found)[0]) != code)
            return std::nullopt;
        const unsigned bytes = (*found)[1];
        if (bytes > 0xFF)
            out += char(bytes >> 8);
        out += char(bytes & 0xFF);
    }
    return out;
}

} // namespace qimbel
