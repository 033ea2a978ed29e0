#include "pages/TypedLine.h"

#include "solver/ExpressionText.h"
#include "solver/GbkText.h"

namespace qimbel {

namespace {

// A digit in either width ("7" or "７"); `size` gets its byte length.
bool DigitAt(const std::string &text, int i, int &size)
{
    const int n = Len(text);
    if (i < 0 || i >= n)
        return false;
    const unsigned char c = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
    if (c >= '0' && c <= '9') {
        size = 1;
        return true;
    }
    if (c == 0xA3 && i + 1 < n) {
        const unsigned char t = static_cast<unsigned char>(text[static_cast<std::size_t>(i) + 1]);
        size = 2;
        return t >= 0xB0 && t <= 0xB9;
    }
    return false;
}

// True when a fraction bar follows the digits that start at `i`.
bool FractionStartsAt(const std::string &text, int i)
{
    int size = 0;
    while (DigitAt(text, i, size))
        i += size;
    return text.compare(static_cast<std::size_t>(i), 1, "/") == 0
        || text.compare(static_cast<std::size_t>(i), 2, "÷") == 0
        || text.compare(static_cast<std::size_t>(i), 2, "／") == 0;
}

bool ReadsList(int type) { return type == 3 || type == 4 || type == 15 || type == 16 || type == 17; }

// The types that read one number a line, where 3 600 000 is digits grouped in threes.
bool ReadsOneNumber(int type) { return type == 1 || type == 2 || type == 13 || type == 14; }

bool AsciiDigitAt(const std::string &text, int i)
{
    return i >= 0 && i < Len(text) && text[static_cast<std::size_t>(i)] >= '0'
        && text[static_cast<std::size_t>(i)] <= '9';
}

// The blanks between groups of three digits taken out: a run of one to three digits that no digit
// or point comes before, then groups of exactly three digits, each after blanks.
std::string ThousandsGroupsJoined(const std::string &line)
{
    std::string out;
    const int n = Len(line);
    for (int i = 0; i < n;) {
        const bool starts = AsciiDigitAt(line, i) && !AsciiDigitAt(line, i - 1)
            && (i == 0 || line[static_cast<std::size_t>(i) - 1] != '.');
        if (!starts) {
            const int size = CharSize(line, i);
            out += Mid(line, i, size);
            i += size;
            continue;
        }
        int end = i;
        while (AsciiDigitAt(line, end))
            ++end;
        std::string number = Mid(line, i, end - i);
        if (end - i <= 3) {
            for (;;) {
                int next = end;
                while (next < n && line[static_cast<std::size_t>(next)] == ' ')
                    ++next;
                if (next == end || !AsciiDigitAt(line, next) || !AsciiDigitAt(line, next + 1)
                    || !AsciiDigitAt(line, next + 2) || AsciiDigitAt(line, next + 3))
                    break;
                number += Mid(line, next, 3);
                end = next + 3;
            }
        }
        out += number;
        i = end;
    }
    return out;
}

} // namespace

std::string SeparateNumbers(const std::string &line, int type, bool &refused)
{
    refused = false;
    if (line.find(' ') == std::string::npos)
        return line;
    if (ReadsOneNumber(type)) {
        const std::string joined = ThousandsGroupsJoined(line);
        if (joined != line)
            return SeparateNumbers(joined, type, refused);
    }
    const bool commaList = Contains(line, ",") || Contains(line, "，") || Contains(line, "、");
    std::string out;
    const int n = Len(line);
    int copied = 0;
    int lastDigitEnd = -1; // one past the last digit written so far, when nothing else followed it
    for (int i = 0; i < n;) {
        const int size = CharSize(line, i);
        int digit = 0;
        if (DigitAt(line, i, digit)) {
            lastDigitEnd = i + digit;
            i += digit;
            continue;
        }
        if (line[static_cast<std::size_t>(i)] != ' ' || lastDigitEnd != i) {
            lastDigitEnd = -1;
            i += size;
            continue;
        }
        int next = i;
        while (next < n && line[static_cast<std::size_t>(next)] == ' ')
            ++next;
        if (!DigitAt(line, next, digit)) {
            i = next;
            lastDigitEnd = -1;
            continue;
        }
        std::string joint;
        if ((type == 5 || (commaList && ReadsList(type))) && FractionStartsAt(line, next))
            joint = "又";
        else if (ReadsList(type))
            joint = ",";
        else {
            refused = true;
            return line;
        }
        out += Mid(line, copied, i - copied) + joint;
        copied = next;
        i = next;
        lastDigitEnd = -1;
    }
    return copied == 0 ? line : out + Mid(line, copied);
}

} // namespace qimbel
