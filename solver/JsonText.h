// A JSON string literal of UTF-8 text: what the notebook's files and the browser edition's answers
// are written with.
#pragma once

#include <string>
#include <string_view>

namespace qimbel {

// Appends text as a JSON string literal: quotes, backslashes and control characters escaped,
// every other byte as it is.
void AppendJsonString(std::string &out, std::string_view utf8);

} // namespace qimbel
