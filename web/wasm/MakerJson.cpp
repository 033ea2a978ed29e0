// 出题 in the browser: the calls of the problem pages' 出一道题, 换一道 and 举一反三, and of the
// 自动组卷 page. Every problem, paper and key is the core maker's own (maker/), so the same seed
// gives the same text as qimbel-cli --make and --paper, and a paper's printed pages are the made
// paper's layout (generators/ZuJuanBanMian) in the print fonts; this file only turns them into JSON.
// The calls are compiled into the WebAssembly module (qw_maker, MakerWeb.cpp) and into qimbel-sheets
// (`qimbel-sheets maker WORD...`), so a test can hold the two side by side.
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
#include "web/wasm/MakerJson.h"

#include "generators/ZuJuanBanMian.h"
#include "maker/LevelTable.h"
#include "maker/Paper.h"
#include "maker/ProblemMaker.h"
#include "solver/DataFile.h"
#include "solver/GbkText.h"
#include "web/wasm/PracticeJson.h"
#include "web/wasm/WebJson.h"

#include <algorithm>
#include <charconv>
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
        + ",\"count\":" + std::to_string(made.problems.size()) + ",\"paper\":" + QuoteGbk(made.paper)
        + ",\"key\":" + QuoteGbk(made.key) + ",\"whole\":" + QuoteGbk(made.paper + "\r\n" + made.key) + ","
        + PagesJson(shijuan::LayOutMadePaper(made, PrintMeasure(), kPrintWidth, kPrintHeight)) + "}";
}

} // namespace

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

} // namespace qimbel::web
