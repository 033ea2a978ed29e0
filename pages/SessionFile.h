// The saved session: what every problem page holds (text, type, option boxes, factorisation
// method, compute state) and the tab shown, written when the window closes and read at the next
// start. The file is the model's own bytes: texts stay GBK with CR LF, each preceded by its length.
#pragma once

#include <string>

namespace qimbel {

class PageBook;

// A session file larger than this is not one of ours; it is not read.
inline constexpr std::size_t kLargestSessionFile = 64 * 1024 * 1024;

// The session of `book` as the bytes of a session file.
std::string WriteSession(const PageBook &book);

// Puts a session file's bytes into `book`. A file that is damaged, of another program or of
// another version changes nothing and gives the reason (GBK) for the status bar; a sound one
// gives an empty text.
std::string ReadSession(PageBook &book, const std::string &bytes);

} // namespace qimbel
