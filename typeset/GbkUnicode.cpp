#include "typeset/GbkUnicode.h"

#include "solver/GbkText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
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

namespace {

// The number of bytes at `p` (eight of which can be read) that are ASCII, and no CR when `noCr`
// is set, up to eight.
int PlainBytes(const unsigned char *p, bool noCr)
{
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    std::uint64_t bytes;
    std::memcpy(&bytes, p, 8);
    std::uint64_t special = bytes & kHigh;
    if (noCr) {
        // A zero byte where a CR was; the lowest one found is always a true one.
        const std::uint64_t x = bytes ^ 0x0D0D0D0D0D0D0D0DULL;
        special |= (x - 0x0101010101010101ULL) & ~x & kHigh;
    }
    if (special == 0)
        return 8;
    if constexpr (std::endian::native == std::endian::little)
        return std::countr_zero(special) / 8;
    // Elsewhere the bytes are counted one by one.
    int n = 0;
    while (n < 8 && p[n] < 0x80 && !(noCr && p[n] == '\r'))
        ++n;
    return n;
}

// Written through a small buffer on the stack and appended to the text in pieces: each byte of the
// result is written once, and no memory beyond the result's own is touched. A byte of GBK gives at
// most three of UTF-8, so a third of the buffer's size in GBK always fits it: the inner loop never
// checks for room. Runs of ASCII go up to eight bytes at a time.
template <bool kLf> std::optional<std::string> GbkToUtf8Text(std::string_view gbk)
{
    constexpr std::size_t kPiece = 4096;
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    // Room past kPiece for a run of ASCII that goes on past the block's end (7 bytes) and the
    // eight bytes it is copied by.
    char piece[kPiece + 16];
    const unsigned char *p = reinterpret_cast<const unsigned char *>(gbk.data());
    const unsigned char *const end = p + gbk.size();
    while (p < end) {
        const unsigned char *const stop = p + std::min<std::size_t>(static_cast<std::size_t>(end - p), kPiece / 3);
        char *o = piece;
        while (p < stop) {
            const unsigned char b = *p;
            if (b < 0x80 && b != '\r' && end - p >= 8) {
                // At least this byte is plain.
                const int plain = PlainBytes(p, kLf);
                std::memcpy(o, p, 8); // the bytes past the run are written over next
                o += plain;
                p += plain;
                continue;
            }
            if (b < 0x80) {
                // A CR before a LF goes: the line ends as LF alone.
                if (!(kLf && b == '\r' && p + 1 < end && p[1] == '\n'))
                    *o++ = static_cast<char>(b);
                ++p;
                continue;
            }
            if (IsGbkLead(b) && end - p >= 2 && p[1] >= 0x40 && p[1] <= 0xFE) {
                // The usual case, a Chinese character or a full-width sign: three bytes of UTF-8.
                const std::uint16_t cp = kGbkDouble[(b - 0x81) * 191 + (p[1] - 0x40)];
                if (cp >= 0x800) {
                    o[0] = static_cast<char>(0xE0 | (cp >> 12));
                    o[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                    o[2] = static_cast<char>(0x80 | (cp & 0x3F));
                    o += 3;
                    p += 2;
                    continue;
                }
            }
            const GbkChar c
                = DecodeGbkChar(gbk, static_cast<std::size_t>(p - reinterpret_cast<const unsigned char *>(gbk.data())));
            if (c.codePoint == 0)
                return std::nullopt;
            p += c.length;
            // A GBK character is a code point below U+10000: at most three bytes of UTF-8.
            if (c.codePoint < 0x80) {
                *o++ = static_cast<char>(c.codePoint);
                continue;
            }
            if (c.codePoint < 0x800) {
                *o++ = static_cast<char>(0xC0 | (c.codePoint >> 6));
            } else {
                *o++ = static_cast<char>(0xE0 | (c.codePoint >> 12));
                *o++ = static_cast<char>(0x80 | ((c.codePoint >> 6) & 0x3F));
            }
            *o++ = static_cast<char>(0x80 | (c.codePoint & 0x3F));
        }
        out.append(piece, static_cast<std::size_t>(o - piece));
    }
    return out;
}

} // namespace

std::optional<std::string> GbkToUtf8(std::string_view gbk) { return GbkToUtf8Text<false>(gbk); }

std::optional<std::string> GbkToUtf8Lf(std::string_view gbk) { return GbkToUtf8Text<true>(gbk); }

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

namespace {

// The code point of the UTF-8 character at `pos` and its length; nothing when the bytes there are
// no UTF-8 (a stray byte, an overlong form, a surrogate, a code point past U+10FFFF).
std::optional<GbkChar> DecodeUtf8Char(std::string_view utf8, std::size_t pos)
{
    const unsigned char b = static_cast<unsigned char>(utf8[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
        return GbkChar {b, 1};
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
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return GbkChar {cp, static_cast<std::size_t>(1 + extra)};
}

// The superscript digits: ⁰ ¹ ² ³ ⁴ … ⁹ as 0 … 9; -1 for any other code point.
int SuperscriptDigit(char32_t cp)
{
    switch (cp) {
    case U'\u2070':
        return 0;
    case U'\u00B9':
        return 1;
    case U'\u00B2':
        return 2;
    case U'\u00B3':
        return 3;
    default:
        return cp >= U'\u2074' && cp <= U'\u2079' ? static_cast<int>(cp - U'\u2070') : -1;
    }
}

// What the text box holds for one typed character other than a superscript digit: its ASCII or
// GBK form as UTF-8, or nothing when the character is kept as typed.
std::optional<std::string_view> ReadableForm(char32_t cp)
{
    static constexpr std::string_view kDigits = "0123456789";
    static constexpr std::string_view kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static constexpr std::string_view kLower = "abcdefghijklmnopqrstuvwxyz";
    if (cp >= U'\uFF10' && cp <= U'\uFF19')
        return kDigits.substr(cp - U'\uFF10', 1);
    if (cp >= U'\u2080' && cp <= U'\u2089')
        return kDigits.substr(cp - U'\u2080', 1);
    if (cp >= U'\uFF21' && cp <= U'\uFF3A')
        return kUpper.substr(cp - U'\uFF21', 1);
    if (cp >= U'\uFF41' && cp <= U'\uFF5A')
        return kLower.substr(cp - U'\uFF41', 1);
    switch (cp) {
    case U'\uFF0A': // ＊
        return "*";
    case U'\uFF0F': // ／
    case U'\u2215': // ∕
    case U'\u2044': // ⁄
        return "/";
    case U'\uFF3E': // ＾
        return "^";
    case U'\uFF0E': // ．
        return ".";
    case U'\uFF05': // ％
        return "%";
    case U'\u2212': // −
    case U'\u2010': // hyphen (its GBK code ends in a backslash: no sign in this comment)
    case U'\u2011': // ‑
    case U'\u2012': // ‒
    case U'\u2013': // –
    case U'\uFE63': // ﹣
        return "-";
    case U'\uFE62': // ﹢
        return "+";
    case U'\u00B7': // ·
    case U'\u22C5': // ⋅
    case U'\u2219': // ∙
    case U'\u2022': // •
    case U'\u2715': // ✕
    case U'\u2716': // ✖
    case U'\u2A2F': // ⨯
        return "\xC3\x97"; // ×
    case U'\u2797': // ➗
        return "\xC3\xB7"; // ÷
    case U'\u2206': // ∆
        return "\xCE\x94"; // Δ
    case U'\u2266': // ≦
    case U'\u2A7D': // ⩽
        return "\xE2\x89\xA4"; // ≤
    case U'\u2267': // ≧
    case U'\u2A7E': // ⩾
        return "\xE2\x89\xA5"; // ≥
    case U'\u00BD':
        return "1/2";
    case U'\u2153':
        return "1/3";
    case U'\u2154':
        return "2/3";
    case U'\u00BC':
        return "1/4";
    case U'\u00BE':
        return "3/4";
    case U'\u3000': // the wide blank of a Chinese input method
    case U'\u00A0':
    case U'\u2002':
    case U'\u2003':
    case U'\u2009':
        return " ";
    default:
        return std::nullopt;
    }
}

std::string GbkLiteralAsUtf8(const char *gbk) { return GbkToUtf8Lossy(gbk); }

std::string HexCode(char32_t cp)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t v = cp; v != 0 || digits.size() < 4; v >>= 4)
        digits.insert(digits.begin(), kHex[v & 0xF]);
    return "U+" + digits;
}

} // namespace

namespace {

std::optional<std::string> Utf8ToGbk(std::string_view utf8, bool dropTags)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::optional<GbkChar> c = DecodeUtf8Char(utf8, pos);
        if (!c)
            return std::nullopt;
        if (dropTags && c->codePoint >= 0xE0000 && c->codePoint <= 0xE007F) {
            pos += c->length;
            continue;
        }
        const std::string g = EncodeGbkChar(c->codePoint);
        if (g.empty())
            return std::nullopt;
        out += g;
        pos += c->length;
    }
    return out;
}

} // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8) { return Utf8ToGbk(utf8, false); }

std::optional<std::string> Utf8ToGbkAsIconv(std::string_view utf8) { return Utf8ToGbk(utf8, true); }

TypedText ReadTypedUtf8(std::string_view utf8)
{
    TypedText typed;
    typed.gbk.reserve(utf8.size() + utf8.size() / 8);
    int line = 1;
    bool inPower = false; // the last character was a superscript digit or minus of a power
    const auto plain = [](char c) { return static_cast<unsigned char>(c) < 0x80 && c != '\r' && c != '\n'; };
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (plain(utf8[pos])) {
            // ASCII other than a line end is kept as typed: a run of it goes in at once.
            std::size_t end = pos + 1;
            while (end < utf8.size() && plain(utf8[end]))
                ++end;
            typed.gbk.append(utf8, pos, end - pos);
            pos = end;
            inPower = false;
            continue;
        }
        const std::optional<GbkChar> c = DecodeUtf8Char(utf8, pos);
        if (!c) {
            if (typed.refusal.empty())
                typed.refusal = GbkLiteralAsUtf8(
                    ("第" + std::to_string(line) + "行有无法处理的字节：它不是UTF-8编码的文字，请用UTF-8保存后再试。")
                        .c_str());
            typed.gbk += '?';
            inPower = false;
            ++pos;
            continue;
        }
        const char32_t cp = c->codePoint;
        pos += c->length;
        if (cp == U'\r' && pos < utf8.size() && utf8[pos] == '\n')
            continue; // the LF that follows writes the line end
        if (cp == U'\n') {
            typed.gbk += "\r\n";
            ++line;
            inPower = false;
            continue;
        }
        const int super = SuperscriptDigit(cp);
        if (super >= 0 || cp == U'\u207B') {
            // x² is x^2, x¹⁰ is x^10, x⁻¹ is x^-1: one "^" before the run.
            if (!inPower)
                typed.gbk += '^';
            typed.gbk += super >= 0 ? static_cast<char>('0' + super) : '-';
            inPower = true;
            continue;
        }
        inPower = false;
        if (const std::optional<std::string_view> form = ReadableForm(cp)) {
            // Every form is ASCII or a character GBK holds.
            typed.gbk += Utf8ToGbk(*form).value_or("?");
            continue;
        }
        const std::string g = EncodeGbkChar(cp);
        if (!g.empty()) {
            typed.gbk += g;
            continue;
        }
        if (typed.refusal.empty()) {
            std::string named;
            if (cp != U'\uFFFD') {
                named = GbkLiteralAsUtf8("“");
                AppendUtf8(named, cp);
                named += GbkLiteralAsUtf8("”（") + HexCode(cp) + GbkLiteralAsUtf8("）");
            }
            typed.refusal = GbkLiteralAsUtf8(("第" + std::to_string(line) + "行有无法处理的字符").c_str()) + named
                + GbkLiteralAsUtf8("，请删去它，或换成键盘上的符号再试。");
        }
        typed.gbk += '?';
    }
    return typed;
}

} // namespace qimbel
