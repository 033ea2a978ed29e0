#include "cli/Encoding.h"

#include "typeset/GbkUnicode.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace qimbel {

namespace {

std::optional<std::string> Convert(const char *to, const char *from, const std::string &input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string output;
    std::string in = input;
    char *inPtr = in.data();
    std::size_t inLeft = in.size();
    char buffer[4096];
    bool ok = true;
    while (inLeft > 0) {
        char *outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        output.append(buffer, sizeof buffer - outLeft);
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false; // EILSEQ or EINVAL: an invalid or truncated sequence
            break;
        }
    }
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    return output;
}

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

std::optional<std::string> Utf8ToGbkText(const std::string &utf8)
{
    // ASCII is the same bytes in both (the arguments of a run, as a rule): iconv, with the
    // conversion tables it loads, is only asked about the rest.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return Replace(Replace(utf8, "\r\n", "\n"), "\n", "\r\n");
    std::optional<std::string> gbk = Convert("GBK", "UTF-8", Replace(utf8, "\r\n", "\n"));
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
