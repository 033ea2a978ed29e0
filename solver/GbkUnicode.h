// GBK <-> UTF-8 by table, for the faces of Qimbel whose libc has no GBK (the WebAssembly build).
// The tables are written at build time from the build machine's iconv (cmake/make-gbk-table.cpp),
// so the conversion agrees with iconv's GBK code for code.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qimbel {

// GBK bytes as UTF-8; nullopt when the bytes are not valid GBK.
std::optional<std::string> GbkToUtf8(std::string_view gbk);
// UTF-8 as GBK bytes; nullopt when the text is not valid UTF-8 (overlong forms and surrogates
// included) or holds a character that GBK cannot hold.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

} // namespace qimbel
