// What the typesetter's tests and benchmarks share: the fixed-advance fake of a face's fonts and
// the text box of a UTF-8 file.
#pragma once

#include "typeset/GbkUnicode.h"
#include "typeset/TypesetDisplay.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qimbel {

// Every ASCII character half the size wide, every other character the whole size.
class FixedMetrics : public TsMetrics {
public:
    double Advance(std::string_view utf8, TsFont, double size) const override
    {
        double w = 0;
        for (unsigned char c : utf8)
            w += c < 0x80 ? 0.5 * size : (c & 0xC0) == 0xC0 ? size : 0;
        return w;
    }
    double Ascent(double size) const override { return 0.8 * size; }
    double Descent(double size) const override { return 0.2 * size; }
};

inline std::string ReadWholeFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// UTF-8 with LF as the text box holds it: GBK with CR LF ("" when GBK cannot hold it).
inline std::string TextBox(const std::string &utf8)
{
    std::string crlf;
    for (char c : utf8) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return Utf8ToGbk(crlf).value_or("");
}

} // namespace qimbel
