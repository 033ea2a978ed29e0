// The one crossing between the widgets and the page models. The models hold GBK text with CR LF
// line ends; widgets hold Unicode with LF line ends. Every widget converts through here.
#pragma once

#include <QString>

#include <string>

namespace qimbel {

// GBK with CR LF line ends to widget text; bytes that are not GBK show as the replacement sign.
QString FromGbk(const std::string &gbk);
// Shorthand for the GBK literals of the core's tables (captions, titles, labels).
QString FromGbk(const char *gbk);

// Widget text to GBK with CR LF line ends, read as every face reads typed text (full-width
// digits and letters, x², −, · … in the forms the pages read). Every line break the widgets know
// (LF, CR LF and the Unicode line and paragraph separators) becomes CR LF; a character that still
// cannot be read becomes "?", so the model never sees broken bytes.
std::string ToGbk(const QString &text);
// The sentence naming the first character of the text that cannot be read and its line; empty
// when every character can be.
QString UnreadableCharacter(const QString &text);

} // namespace qimbel
