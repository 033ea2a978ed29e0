// Conversions between the UTF-8/LF text of a terminal and the GBK/CR LF text of the text box.
#pragma once

#include <optional>
#include <string>

namespace qimbel {

// UTF-8 with LF line ends to GBK with CR LF; nullopt when the input is not valid UTF-8 or holds a
// character that GBK cannot hold.
std::optional<std::string> Utf8ToGbkText(const std::string &utf8);
// What the pupil typed (UTF-8, LF or CR LF) to the text box's GBK with CR LF, read as the other
// faces read it (full-width digits and letters, x², −, · … in the forms the pages read); nullopt
// when a character still cannot be read, with `refusal` (UTF-8) naming it and its line.
std::optional<std::string> TypedToGbkText(const std::string &utf8, std::string &refusal);
// GBK with CR LF line ends to UTF-8 with LF; nullopt when the input is not valid GBK.
std::optional<std::string> GbkToUtf8Text(const std::string &gbk);
// True when the bytes are valid GBK.
bool IsValidGbk(const std::string &gbk);

} // namespace qimbel
