// Texts between JavaScript (UTF-8, LF) and the core (GBK, CR LF), and the JSON the calls answer.
#include "web/wasm/WebJson.h"

#include "solver/JsonText.h"
#include "typeset/GbkUnicode.h"

#include <charconv>
#include <cstdio>
#include <sstream>
#include <utility>

namespace qimbel::web {

std::string Replace(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find(from, start)) != std::string_view::npos; start = p + from.size()) {
        out.append(text, start, p - start);
        out += to;
    }
    out.append(text, start, std::string_view::npos);
    return out;
}

// UTF-8 with LF (or CR LF) to the text box's GBK with CR LF, read as qimbel-cli reads it.
std::optional<std::string> ToTextBox(std::string_view utf8)
{
    qimbel::TypedText typed = qimbel::ReadTypedUtf8(utf8);
    if (!typed.refusal.empty())
        return std::nullopt;
    return std::move(typed.gbk);
}

// GBK with CR LF to UTF-8 with LF. A text that is not GBK cannot come out of the core; should
// one do, its bytes are shown as Latin-1 rather than lost.
std::string FromTextBox(const std::string &gbk)
{
    std::optional<std::string> utf8 = qimbel::GbkToUtf8(gbk);
    if (!utf8) {
        utf8.emplace();
        for (unsigned char c : gbk) {
            if (c < 0x80) {
                *utf8 += char(c);
            } else {
                *utf8 += char(0xC0 | c >> 6);
                *utf8 += char(0x80 | (c & 0x3F));
            }
        }
    }
    return Replace(*utf8, "\r\n", "\n");
}

// A JSON string literal of UTF-8 text.
std::string Quote(std::string_view text)
{
    std::string out;
    AppendJsonString(out, text);
    return out;
}

std::string QuoteGbk(const std::string &gbk) { return Quote(FromTextBox(gbk)); }

std::string QuoteMessages(const std::vector<std::string> &messages)
{
    std::string out = "[";
    for (std::size_t i = 0; i < messages.size(); ++i)
        out += (i ? "," : "") + QuoteGbk(messages[i]);
    return out + "]";
}

// The refusal of a text that holds a character that cannot be read: where and what, so the pupil
// can find it. Bytes that are not UTF-8 at all cannot come from a browser, which sends U+FFFD in
// their place.
std::string Refusal(std::string_view utf8)
{
    std::string sentence = qimbel::ReadTypedUtf8(utf8).refusal;
    return sentence.empty() ? FromTextBox("输入的文字无法处理，请删去特殊字符再试。") : sentence;
}

std::vector<std::string> Words(const char *lines, int size)
{
    std::vector<std::string> words;
    std::istringstream in(std::string(lines, static_cast<std::size_t>(size)));
    for (std::string word; std::getline(in, word);)
        if (!word.empty())
            words.push_back(word);
    return words;
}

std::optional<long long> Number(const std::string &word, long long low, long long high)
{
    long long value = 0;
    const char *end = word.data() + word.size();
    const auto [at, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || at != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::string Bool(bool value) { return value ? "true" : "false"; }

const char *Finish(std::string json)
{
    LastResult() = std::move(json);
    return LastResult().data();
}

std::string &LastResult()
{
    static std::string result;
    return result;
}

} // namespace qimbel::web
