#include "cli/Encoding.h"

#include "typeset/GbkUnicode.h"

namespace qimbel {

namespace {

std::string Replace(const std::string &text, const std::string &from, const std::string &to)
{
    std::string result;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find(from, start)) != std::string::npos; start = p + from.size()) {
        result.append(text, start, p - start);
        result += to;
    }
    result.append(text, start, std::string::npos);
    return result;
}

} // namespace

// By the core's tables, which were written from this machine's iconv code point by code point:
// the same bytes as iconv, without loading iconv's conversion modules at every start.
std::optional<std::string> Utf8ToGbkText(const std::string &utf8)
{
    std::optional<std::string> gbk = Utf8ToGbkAsIconv(Replace(utf8, "\r\n", "\n"));
    if (!gbk)
        return std::nullopt;
    return Replace(*gbk, "\n", "\r\n");
}

std::optional<std::string> TypedToGbkText(const std::string &utf8, std::string &refusal)
{
    TypedText typed = ReadTypedUtf8(utf8);
    refusal = std::move(typed.refusal);
    if (!refusal.empty())
        return std::nullopt;
    return std::move(typed.gbk);
}

// The solver's text goes out by the core's tables, which were written from this machine's iconv
// character by character: the same bytes as iconv, at a fraction of its cost on a page of results.
// A CR is ASCII and never the second byte of a GBK character, so the line ends are mended in the
// same pass.
std::optional<std::string> GbkToUtf8Text(const std::string &gbk) { return GbkToUtf8Lf(gbk); }

bool IsValidGbk(const std::string &gbk) { return GbkToUtf8(gbk).has_value(); }

} // namespace qimbel
