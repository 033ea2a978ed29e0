// Texts between JavaScript (UTF-8 with LF) and the core (GBK with CR LF), and the JSON answer of
// every call: the calls write it into one buffer that JavaScript reads through qw_result_data /
// qw_result_size before the next call.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qimbel::web {

std::string Replace(std::string_view text, std::string_view from, std::string_view to);
// UTF-8 with LF (or CR LF) to the text box's GBK with CR LF, read as qimbel-cli reads it
// (full-width digits and letters, x², −, · … in the forms the pages read); nothing when the text
// holds a character that still cannot be read.
std::optional<std::string> ToTextBox(std::string_view utf8);
// GBK with CR LF to UTF-8 with LF.
std::string FromTextBox(const std::string &gbk);
// A JSON string literal of UTF-8 text; of a GBK text; a JSON array of GBK texts.
std::string Quote(std::string_view text);
std::string QuoteGbk(const std::string &gbk);
std::string QuoteMessages(const std::vector<std::string> &messages);
// The sentence (UTF-8) that refuses a text with a character that cannot be read, naming the
// line and the character.
std::string Refusal(std::string_view utf8);
// The words of a call as JavaScript passes them: one a line, empty lines left out.
std::vector<std::string> Words(const char *lines, int size);
// A whole number word of a call, within [low, high]; nothing when it is not one.
std::optional<long long> Number(const std::string &word, long long low, long long high);
// "true" or "false".
std::string Bool(bool value);
// Keeps `json` as the answer of the call and returns it.
const char *Finish(std::string json);
std::string &LastResult();

} // namespace qimbel::web
