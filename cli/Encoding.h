// Conversions between the UTF-8/LF text of a terminal and the GBK/CR LF text of the text box.
#pragma once

#include <optional>
#include <string>

namespace qimbel {

// UTF-8 with LF line ends to GBK with CR LF; nullopt when the input is not valid UTF-8 or holds a
// character that GBK cannot hold.
std::optional<std::string> Utf8ToGbkText(const std::string &utf8);
// GBK with CR LF line ends to UTF-8 with LF; nullopt when the input is not valid GBK.
std::optional<std::string> GbkToUtf8Text(const std::string &gbk);
// True when the bytes are valid GBK.
bool IsValidGbk(const std::string &gbk);

} // namespace qimbel
