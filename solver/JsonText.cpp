#include "solver/JsonText.h"

#include <cstdio>

namespace qimbel {

void AppendJsonString(std::string &out, std::string_view utf8)
{
    out += '"';
    // The bytes between two that need escaping go in as one piece.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(utf8, plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default: {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        }
        }
    }
    out.append(utf8, plain, utf8.size() - plain);
    out += '"';
}

} // namespace qimbel
