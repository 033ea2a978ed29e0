// GBK <-> UTF-8 in the core, by tables made at build time from the build machine's iconv (so the
// core converts exactly as qimbel-cli does). Line ends pass through unchanged. Faces that hand
// text to the outside world (MathML for browsers) use it; the solver itself stays in GBK.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qimbel {

// The code point of the GBK character that starts at `pos` and its byte length (1 or 2), or
// {0, 1} when the bytes there are no GBK character (a stray lead byte, an unassigned code).
struct GbkChar {
    char32_t codePoint = 0;
    std::size_t length = 1;
};
GbkChar DecodeGbkChar(std::string_view gbk, std::size_t pos);

// The GBK bytes of a code point ("" when GBK has no such character).
std::string EncodeGbkChar(char32_t codePoint);

// Whole texts. The strict forms give nullopt on a byte sequence that is no GBK (or UTF-8) or on a
// character the other side cannot hold; the lossy form writes U+FFFD for each such byte.
std::optional<std::string> GbkToUtf8(std::string_view gbk);
// GbkToUtf8 with every CR LF written as LF (a CR alone stays), in the same pass.
std::optional<std::string> GbkToUtf8Lf(std::string_view gbk);
std::string GbkToUtf8Lossy(std::string_view gbk);
std::optional<std::string> Utf8ToGbk(std::string_view utf8);
// Utf8ToGbk as iconv converts: the same, but the tag characters U+E0000 to U+E007F, which iconv
// skips, are dropped rather than refused. The command line reads its arguments and requests so.
std::optional<std::string> Utf8ToGbkAsIconv(std::string_view utf8);

// UTF-8 of one code point.
void AppendUtf8(std::string &out, char32_t codePoint);

// A text a pupil typed, read from its face and ready for the text box.
struct TypedText {
    std::string gbk; // GBK with CR LF line ends; a character that cannot be read is "?" here
    std::string refusal; // UTF-8: the sentence naming the first character that cannot be read
};
// Every face reads typed UTF-8 (LF or CR LF) through here, so all of them read what an input
// method types in the same forms: full-width digits, letters and the signs ＊ ／ ＾ ． ％ as ASCII,
// superscript digits as a power (x² is x^2), subscript digits as digits (x₁ is x1), the minus
// and dash signs (−) as "-", the raised dots (·) as "×", ∆ as Δ, ≦ ≧ as ≤ ≥, ½ as 1/2 and the
// wide and no-break blanks as " ". The signs the pages read in full width (＋ － ＝ （ ） ， …)
// stay as they are.
TypedText ReadTypedUtf8(std::string_view utf8);

} // namespace qimbel
