// 出题 in the browser: the calls of the problem pages' 出一道题, 换一道 and 举一反三, and of the
// 自动组卷 page. Every problem, paper and key is the core maker's own (maker/), so the same seed
// gives the same text as qimbel-cli --make and --paper; this file only turns it into JSON and lays
// a paper out in pages for printing.
//
// A call is a list of words and a text (UTF-8):
//   types                               the types the maker serves: number, name, what each level
//                                       means
//   make TYPE LEVEL COUNT SEED          COUNT problems of a type; LEVEL 0 基础, 1 提高, 2 拓展
//   similar TYPE COUNT SEED ROW         COUNT problems like the problem under the caret, each with
//                                       its worked solution: the text is the caret's paragraph and
//                                       ROW the caret's line in it; a type typed on several lines
//                                       (a system) takes the whole paragraph
//   grade GRADE                         a grade's default selection (Document/ZuJuan.ini)
//   paper GRADE SEED KEY T.L.C.P …      a paper of the kinds (type, level, count, points); KEY 1
//                                       for worked solutions, 0 for answers only
#include "maker/LevelTable.h"
#include "maker/Paper.h"
#include "maker/ProblemMaker.h"
#include "solver/DataFile.h"
#include "solver/GbkText.h"
#include "web/wasm/PracticeJson.h"
#include "web/wasm/WebJson.h"

#include <emscripten.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

namespace qimbel::web {

namespace {

constexpr MakerLevel kLevels[] = {MakerLevel::JiChu, MakerLevel::TiGao, MakerLevel::TuoZhan};
// The most problems of one 出题 call (the page asks for one, 举一反三 for five).
constexpr long long kMostCount = 50;
constexpr long long kMostSeed = 999999999999LL;

std::optional<long long> Whole(std::string_view word, long long low, long long high)
{
    long long value = 0;
    const auto [at, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || at != word.data() + word.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::string Error(const std::string &gbk) { return "{\"error\":" + QuoteGbk(gbk) + "}"; }

std::string Join(const std::vector<std::string> &items)
{
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "," : "") + items[i];
    return out + "]";
}

std::string LinesJson(const MadeProblem &problem)
{
    std::vector<std::string> lines;
    for (const std::string &line : TypedLines(problem))
        lines.push_back(QuoteGbk(line));
    return Join(lines);
}

std::string ProblemsJson(const MadeProblems &made, int type, bool solutions)
{
    std::vector<std::string> problems;
    for (const MadeProblem &p : made.problems) {
        std::string item
            = "{\"line\":" + QuoteGbk(p.line) + ",\"lines\":" + LinesJson(p) + ",\"answer\":" + QuoteGbk(p.answer);
        if (solutions)
            item += ",\"solution\":" + QuoteGbk(MadeSolution(type, p.line));
        problems.push_back(item + "}");
    }
    return "{\"problems\":" + Join(problems) + ",\"refusal\":" + QuoteGbk(made.refusal) + "}";
}

std::string TypesJson()
{
    std::vector<std::string> types;
    for (const MakerLevelRow &row : MakerLevels()) {
        if (!CanMake(row.type))
            continue;
        std::vector<std::string> meanings;
        for (MakerLevel level : kLevels)
            meanings.push_back(QuoteGbk(LevelMeaning(row.type, level)));
        types.push_back("{\"type\":" + std::to_string(row.type) + ",\"name\":" + QuoteGbk(row.name)
            + ",\"levels\":" + Join(meanings) + "}");
    }
    std::vector<std::string> levels;
    for (MakerLevel level : kLevels)
        levels.push_back(QuoteGbk(MakerLevelName(level)));
    std::vector<std::string> grades;
    for (int grade = 1; !GradeName(grade).empty(); ++grade)
        grades.push_back(QuoteGbk(GradeName(grade)));
    return "{\"types\":" + Join(types) + ",\"levels\":" + Join(levels) + ",\"grades\":" + Join(grades) + "}";
}

// The lines of a GBK text, split at CR LF.
std::vector<std::string> TextLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size() && lines.size() < 20000) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Whether a type's problems are typed on more than one line (the systems): a made one tells.
bool TypedOnLines(int type)
{
    const MadeProblems one = MakeProblems(type, MakerLevel::JiChu, 1, 1);
    return !one.problems.empty() && TypedLines(one.problems.front()).size() > 1;
}

// 举一反三 on the caret's paragraph (GBK, CR LF) and the caret's line in it.
std::string SimilarJson(int type, int count, std::uint64_t seed, const std::string &paragraph, std::size_t row)
{
    std::vector<std::string> lines;
    for (const std::string &line : TextLines(paragraph))
        if (!Trim(line).empty() && lines.size() < 10)
            lines.push_back(Trim(line));
    std::string typed;
    if (TypedOnLines(type)) {
        for (const std::string &line : lines)
            typed += (typed.empty() ? "" : "；") + line;
    } else if (row < lines.size()) {
        typed = lines[row];
    }
    std::string json = ProblemsJson(Similar(type, typed, count, seed), type, true);
    json.pop_back();
    return json + ",\"typed\":" + QuoteGbk(typed) + "}";
}

std::string KindJson(const PaperKind &kind)
{
    return "{\"type\":" + std::to_string(kind.type) + ",\"level\":" + std::to_string(static_cast<int>(kind.level))
        + ",\"count\":" + std::to_string(kind.count) + ",\"points\":" + std::to_string(kind.points) + "}";
}

std::string GradeJson(int grade)
{
    std::vector<std::string> kinds;
    for (const PaperKind &kind : GradeSelection(ReadDataFile(CurriculumPath()), grade))
        kinds.push_back(KindJson(kind));
    return "{\"grade\":" + std::to_string(grade) + ",\"kinds\":" + Join(kinds) + "}";
}

// "T.L.C.P": a kind of the paper; nothing when it cannot be read.
std::optional<PaperKind> ReadKind(const std::string &word)
{
    long long parts[4] = {};
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t dot = i < 3 ? word.find('.', start) : word.size();
        if (dot == std::string::npos)
            return std::nullopt;
        const std::optional<long long> value = Whole(std::string_view(word).substr(start, dot - start), 0, 100);
        if (!value)
            return std::nullopt;
        parts[i] = *value;
        start = dot + 1;
    }
    if (parts[1] > 2)
        return std::nullopt;
    return PaperKind {
        static_cast<int>(parts[0]), kLevels[parts[1]], static_cast<int>(parts[2]), static_cast<int>(parts[3])};
}

// ---- the printed pages of a paper ----

struct Font {
    const char *name;
    double size;
    double line;
};
constexpr Font kTitle {"title", 16, 26};
constexpr Font kBody {"body", 11, 13.75};
constexpr Font kHeading {"heading", 12, 15};
constexpr Font kProblem {"problem", 13, 21.125};
constexpr Font kKey {"key", 9.5, 11.875};
// A line of the key too wide for kKey is printed smaller, down to kSmallest points; one still too
// wide loses the blanks between its step and the step's explanation (the key on screen keeps them).
constexpr double kSmallest = 6;

struct Run {
    double y;
    double x;
    std::string text;
    const Font *font;
    bool problem;
    double size; // the font's size, or smaller for a wide line of the key
};

// What stays on one page: a heading with the first problem after it, a problem with its room, a
// problem of the key with its working.
struct Block {
    std::vector<Run> runs; // y relative to the block's top
    double height = 0;
    bool problem = false;
};

// The line with every run of four or more blanks inside it made four blanks.
std::string OneGap(const std::string &line)
{
    std::string out;
    std::size_t blanks = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        blanks = line[i] == ' ' ? blanks + 1 : 0;
        if (blanks <= 4 || i < blanks)
            out += line[i];
    }
    return out;
}

bool StartsWithDigit(const std::string &line) { return !line.empty() && line[0] >= '0' && line[0] <= '9'; }

void Add(Block &block, const std::string &text, const Font &font, bool problem = false, double x = 0)
{
    std::string shown = text;
    double size = font.size;
    if (&font == &kKey && FixedPitchEms(shown) * size > kPrintWidth) {
        if (FixedPitchEms(shown) * kSmallest > kPrintWidth)
            shown = OneGap(shown);
        size = std::max(kSmallest, std::floor(4 * kPrintWidth / FixedPitchEms(shown)) / 4);
    }
    if (!shown.empty())
        block.runs.push_back({block.height, x, shown, &font, problem, size});
    block.height += font.line * size / font.size;
}

// The blocks of a paper (key = false) or of its key, from its text.
std::vector<Block> Blocks(const std::string &text, bool key)
{
    std::vector<Block> blocks;
    const std::vector<std::string> lines = TextLines(text);
    Block title;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        if (i == 0) {
            const double width = FixedPitchEms(line) * kTitle.size;
            Add(title, line, kTitle, false, std::max(0.0, (kPrintWidth - width) / 2));
        } else if (i == 1 && !key) {
            Add(title, line, kBody);
        } else if (line.empty() && !blocks.empty() && blocks.back().problem && !key) {
            blocks.back().height += kProblem.line; // room to work
        } else if (line.empty()) {
            (blocks.empty() ? title : blocks.back()).height += kBody.line / 2;
        } else if (StartsWithDigit(line)) {
            Block block;
            block.problem = true;
            Add(block, line, key ? kKey : kProblem, !key);
            blocks.push_back(block);
        } else if (key && !blocks.empty() && blocks.back().problem && line.compare(0, 4, "    ") == 0) {
            Add(blocks.back(), line, kKey);
        } else {
            Block heading;
            Add(heading, line, kHeading);
            blocks.push_back(heading);
        }
    }
    blocks.insert(blocks.begin(), title);
    return blocks;
}

struct Page {
    bool key = false;
    std::vector<Run> runs;
};

// Blocks onto pages, group by group: a heading with the problem after it, and the last problem with
// the one before it, so that it never stands alone on a page. A group taller than a page is cut by
// lines.
void LayOut(const std::vector<Block> &blocks, bool key, std::vector<Page> &pages)
{
    std::vector<std::vector<std::size_t>> groups;
    bool open = false; // the last group is a heading waiting for its problem
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (open)
            groups.back().push_back(i);
        else
            groups.push_back({i});
        open = !blocks[i].problem && i > 0;
    }
    if (groups.size() > 2 && groups.back().size() == 1 && blocks[groups.back().front()].problem) {
        groups[groups.size() - 2].push_back(groups.back().front());
        groups.pop_back();
    }
    pages.push_back({key, {}});
    double y = 0;
    for (const std::vector<std::size_t> &group : groups) {
        double needed = 0;
        for (std::size_t i : group)
            needed += blocks[i].height;
        if (y > 0 && y + needed > kPrintHeight && needed <= kPrintHeight) {
            pages.push_back({key, {}});
            y = 0;
        }
        for (std::size_t i : group) {
            for (const Run &run : blocks[i].runs) {
                double at = y + run.y;
                if (at + run.font->line * run.size / run.font->size > kPrintHeight && at > 0) {
                    pages.push_back({key, {}});
                    y -= at;
                    at = 0;
                }
                pages.back().runs.push_back({at, run.x, run.text, run.font, run.problem, run.size});
            }
            y += blocks[i].height;
        }
    }
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string PagesJson(const MadePaper &made)
{
    std::vector<Page> pages;
    LayOut(Blocks(made.paper, false), false, pages);
    LayOut(Blocks(made.key, true), true, pages);
    std::vector<std::string> shown;
    for (const Page &page : pages) {
        std::vector<std::string> runs;
        for (const Run &run : page.runs)
            runs.push_back("{\"x\":" + Number(run.x) + ",\"y\":" + Number(run.y) + ",\"text\":" + QuoteGbk(run.text)
                + ",\"font\":\"" + run.font->name + "\",\"problem\":" + (run.problem ? "true" : "false")
                + (run.size < run.font->size ? ",\"size\":" + Number(run.size) : std::string()) + "}");
        shown.push_back(std::string("{\"key\":") + (page.key ? "true" : "false") + ",\"runs\":" + Join(runs) + "}");
    }
    std::vector<std::string> fonts;
    for (const Font *font : {&kTitle, &kBody, &kHeading, &kProblem, &kKey})
        fonts.push_back(std::string("\"") + font->name + "\":{\"size\":" + Number(font->size)
            + ",\"line\":" + Number(font->line) + "}");
    std::string fontsJson = "{";
    for (std::size_t i = 0; i < fonts.size(); ++i)
        fontsJson += (i ? "," : "") + fonts[i];
    return "\"width\":" + Number(kPrintWidth) + ",\"height\":" + Number(kPrintHeight) + ",\"fonts\":" + fontsJson
        + "},\"pages\":" + Join(shown);
}

std::string PaperJson(const std::vector<std::string> &words)
{
    const std::optional<long long> grade = Whole(words[1], 1, 9);
    const std::optional<long long> seed = Whole(words[2], 1, kMostSeed);
    const std::optional<long long> worked = Whole(words[3], 0, 1);
    if (!grade || !seed || !worked || words.size() > 4 + 12)
        return Error("设置无法读取。");
    PaperRequest request;
    request.title = GradeName(static_cast<int>(*grade)) + "数学测试卷";
    request.seed = static_cast<std::uint64_t>(*seed);
    request.workedKey = *worked == 1;
    for (std::size_t i = 4; i < words.size(); ++i) {
        const std::optional<PaperKind> kind = ReadKind(words[i]);
        if (!kind)
            return Error("设置无法读取。");
        request.kinds.push_back(*kind);
    }
    const MadePaper made = MakePaper(request);
    if (!made.refusal.empty())
        return Error(made.refusal);
    std::vector<std::string> kinds;
    for (const PaperKind &kind : request.kinds)
        kinds.push_back(KindJson(kind));
    // `whole` is what qimbel-cli --paper prints and what 保存为文本 writes: the paper, then the key.
    return "{\"grade\":" + std::to_string(*grade) + ",\"seed\":" + std::to_string(*seed) + ",\"worked\":"
        + (request.workedKey ? "true" : "false") + ",\"kinds\":" + Join(kinds) + ",\"title\":" + QuoteGbk(request.title)
        + ",\"count\":" + std::to_string(made.problems.size()) + ",\"paper\":" + QuoteGbk(made.paper) + ",\"key\":"
        + QuoteGbk(made.key) + ",\"whole\":" + QuoteGbk(made.paper + "\r\n" + made.key) + "," + PagesJson(made) + "}";
}

std::string MakerCall(const std::vector<std::string> &words, std::string_view text)
{
    const std::string call = words.empty() ? "" : words[0];
    if (call == "types" && words.size() == 1)
        return TypesJson();
    if (call == "make" && words.size() == 5) {
        const auto type = Whole(words[1], 0, 1000);
        const auto level = Whole(words[2], 0, 2);
        const auto count = Whole(words[3], 1, kMostCount);
        const auto seed = Whole(words[4], 0, kMostSeed);
        if (type && level && count && seed)
            return ProblemsJson(MakeProblems(static_cast<int>(*type), kLevels[*level], static_cast<int>(*count),
                                    static_cast<std::uint64_t>(*seed)),
                static_cast<int>(*type), false);
    }
    if (call == "similar" && words.size() == 5) {
        const auto type = Whole(words[1], 0, 1000);
        const auto count = Whole(words[2], 1, kMostCount);
        const auto seed = Whole(words[3], 0, kMostSeed);
        const auto row = Whole(words[4], 0, 9);
        const std::optional<std::string> paragraph
            = ToTextBox(text.substr(0, std::min<std::size_t>(text.size(), 4000)));
        if (!paragraph)
            return "{\"error\":" + Quote(Refusal(text)) + "}";
        if (type && count && seed && row)
            return SimilarJson(static_cast<int>(*type), static_cast<int>(*count), static_cast<std::uint64_t>(*seed),
                *paragraph, static_cast<std::size_t>(*row));
    }
    if (call == "grade" && words.size() == 2) {
        if (const auto grade = Whole(words[1], 1, 9))
            return GradeJson(static_cast<int>(*grade));
    }
    if (call == "paper" && words.size() >= 4)
        return PaperJson(words);
    return Error("设置无法读取。");
}

} // namespace

} // namespace qimbel::web

extern "C" {

// `args`: the words of the call, one a line; `text`: its input.
EMSCRIPTEN_KEEPALIVE const char *qw_maker(const char *args, int argsSize, const char *text, int textSize)
{
    return qimbel::web::Finish(qimbel::web::MakerCall(
        qimbel::web::Words(args, argsSize), std::string_view(text, static_cast<std::size_t>(textSize))));
}

} // extern "C"
