#include "pages/CheckText.h"

#include "solver/GbkText.h"

namespace qimbel {

namespace {

// Blanks inside a line: everything Trim removes except the line-break characters.
bool IsInlineBlank(char c) { return IsBlank(c) && c != '\r' && c != '\n'; }

std::size_t SkipInlineBlanks(const std::string &text, std::size_t at)
{
    while (at < text.size() && IsInlineBlank(text[at]))
        ++at;
    return at;
}

// Length of the line break at `at` ("\r\n", or a lone "\n" or "\r"); 0 when there is none.
std::size_t LineBreakAt(const std::string &text, std::size_t at)
{
    if (text.compare(at, 2, "\r\n") == 0)
        return 2;
    return at < text.size() && (text[at] == '\n' || text[at] == '\r') ? 1 : 0;
}

} // namespace

void ReplaceInLines(std::string &text, const std::string &find, const std::string &by, bool continues)
{
    int p = FindFromBoundary(text, find, 0);
    if (p < 0)
        return;
    std::string result;
    result.reserve(text.size() + text.size() / 4);
    std::size_t rest = 0;
    while (p >= 0) {
        // The piece before the occurrence, without its blanks at the end.
        std::size_t end = static_cast<std::size_t>(p);
        while (end > rest && IsInlineBlank(text[end - 1]))
            --end;
        result.append(text, rest, end - rest);
        result += by;
        rest = SkipInlineBlanks(text, static_cast<std::size_t>(p) + find.size());
        if (continues) {
            const std::size_t lineBreak = LineBreakAt(text, rest);
            if (lineBreak > 0)
                rest = SkipInlineBlanks(text, rest + lineBreak);
        }
        // Skipping ASCII bytes keeps `rest` on a character boundary.
        p = FindFromBoundary(text, find, static_cast<int>(rest));
    }
    result += text.substr(rest);
    text = Trim(result);
}

void NormaliseCheckedText(std::string &text, bool relationSigns)
{
    struct Step {
        const char *find;
        const char *by;
    };
    static const Step brackets[] = {{"（", "("}, {"）", ")"}};
    static const Step operators[] = {{"+", "＋"}, {"-", "－"}, {"*", "×"}, {"/", "÷"}, {"=", "＝"}};
    static const Step relations[] = {{">", "＞"}, {"<", "＜"}};
    // After the steps above "≥" has been typed as ">=", "＞=", "> =" … and now reads "＞＝" or ">＝".
    static const Step orEqual[] = {{"＞＝", "≥"}, {">＝", "≥"}, {"＜＝", "≤"}, {"<＝", "≤"}};

    for (const Step &step : brackets)
        ReplaceInLines(text, step.find, step.by, false);
    for (const Step &step : operators)
        ReplaceInLines(text, step.find, step.by, true);
    if (relationSigns)
        for (const Step &step : relations)
            ReplaceInLines(text, step.find, step.by, true);
    for (const Step &step : orEqual)
        ReplaceInLines(text, step.find, step.by, true);
}

} // namespace qimbel
