#include "web/wasm/PracticeJson.h"

#include "generators/KouSuanGenerator.h"
#include "generators/KouSuanPractice.h"
#include "generators/KouSuanSheet.h"
#include "generators/ShiJuan.h"
#include "generators/ShiJuanBanMian.h"
#include "solver/GbkText.h"
#include "tools/ExerciseLaunchers.h"
#include "tools/Handbooks.h"
#include "web/wasm/WebJson.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

namespace qimbel::web {

namespace {

// Settings words may hold any whole number of up to twelve digits: the generators bring what is
// out of range to the nearest value they accept.
constexpr long long kMostWord = 999999999999LL;
int Small(long long value) { return static_cast<int>(std::min<long long>(value, std::numeric_limits<int>::max())); }

std::string Points(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string Error(const std::string &gbk) { return "{\"error\":" + QuoteGbk(gbk) + "}"; }

template <typename List, typename Item> std::string Array(const List &list, Item item)
{
    std::string out = "[";
    bool first = true;
    for (const auto &element : list) {
        out += first ? "" : ",";
        first = false;
        out += item(element);
    }
    return out + "]";
}

// The printing fonts of a paper as a fixed-pitch face draws them: a two-byte character one em
// wide, a one-byte character half an em. The page prints every run in such a face, so what
// the layout measured is what the paper shows.
class FixedPitchMeasure : public shijuan::TextMeasure {
public:
    static double Size(shijuan::PaperFont font)
    {
        switch (font) {
        case shijuan::PaperFont::Title:
            return 16;
        case shijuan::PaperFont::Heading:
            return 12;
        case shijuan::PaperFont::Problem:
            return 13;
        case shijuan::PaperFont::Key:
            return 9.5;
        default:
            return 11;
        }
    }
    double Width(const std::string &text, shijuan::PaperFont font) const override { return Ems(text) * Size(font); }
    double LineHeight(shijuan::PaperFont font) const override
    {
        const double line = 1.25 * Size(font);
        return font == shijuan::PaperFont::Problem || font == shijuan::PaperFont::Title ? 1.3 * line : line;
    }
    static double Ems(const std::string &text) { return FixedPitchEms(text); }
};

// The 口算 sheet's problems are printed at 12 points in the same fixed-pitch face.
constexpr double kSheetFontSize = 12;

const char *FontName(shijuan::PaperFont font)
{
    switch (font) {
    case shijuan::PaperFont::Title:
        return "title";
    case shijuan::PaperFont::Heading:
        return "heading";
    case shijuan::PaperFont::Problem:
        return "problem";
    case shijuan::PaperFont::Key:
        return "key";
    default:
        return "body";
    }
}

std::string HandbooksJson()
{
    const std::string groups = Array(HandbookGroups(), [](const char *g) { return QuoteGbk(g); });
    const std::string books = Array(Handbooks(), [](const Handbook &b) {
        return "{\"group\":" + QuoteGbk(b.group) + ",\"id\":" + std::to_string(b.id) + ",\"label\":" + QuoteGbk(b.label)
            + ",\"file\":" + Quote(b.file) + ",\"about\":" + QuoteGbk(b.about) + "}";
    });
    const std::string launchers = Array(ExerciseLaunchers(), [](const ExerciseLauncher &l) {
        return "{\"id\":" + std::to_string(l.id) + ",\"caption\":" + QuoteGbk(l.caption) + "}";
    });
    return "{\"groups\":" + groups + ",\"books\":" + books + ",\"launchers\":" + launchers + "}";
}

// FLAGS RANGE TABLE COUNT BLANK SEED from `words` at `at`.
std::optional<kousuan::Options> KouSuanOptions(const std::vector<std::string> &words, std::size_t at)
{
    if (words.size() < at + 6)
        return std::nullopt;
    const auto flags = Number(words[at], 0, 63);
    const auto range = Number(words[at + 1], 0, kMostWord);
    const auto table = Number(words[at + 2], 0, kMostWord);
    const auto count = Number(words[at + 3], 0, kMostWord);
    const auto blank = Number(words[at + 4], 0, 2);
    const auto seed = Number(words[at + 5], 0, kMostWord);
    if (!flags || !range || !table || !count || !blank || !seed)
        return std::nullopt;
    kousuan::Options o;
    o.add = *flags & 1;
    o.sub = *flags & 2;
    o.mul = *flags & 4;
    o.div = *flags & 8;
    o.negative = *flags & 16;
    o.remainder = *flags & 32;
    o.range = Small(*range);
    o.table = Small(*table);
    o.count = Small(*count);
    o.blank = static_cast<kousuan::BlankChoice>(*blank);
    o.seed = static_cast<std::uint64_t>(*seed);
    return o;
}

std::string OptionsJson(const kousuan::Options &o)
{
    // What the generator used: with no operation chosen it adds.
    bool add = o.add;
    if (!o.add && !o.sub && !o.mul && !o.div)
        add = true;
    return "{\"add\":" + Bool(add) + ",\"sub\":" + Bool(o.sub) + ",\"mul\":" + Bool(o.mul) + ",\"div\":" + Bool(o.div)
        + ",\"range\":" + std::to_string(kousuan::RangeOf(o)) + ",\"table\":" + std::to_string(kousuan::TableOf(o))
        + ",\"count\":" + std::to_string(kousuan::CountOf(o))
        + ",\"blank\":" + std::to_string(static_cast<int>(o.blank)) + ",\"negative\":" + Bool(o.negative)
        + ",\"remainder\":" + Bool(o.remainder) + ",\"seed\":" + std::to_string(o.seed) + "}";
}

std::string KouSuanJson(const kousuan::Options &o)
{
    const std::vector<kousuan::Problem> problems = kousuan::Generate(o);
    const std::string list = Array(problems, [](const kousuan::Problem &p) {
        return "{\"question\":" + QuoteGbk(kousuan::QuestionText(p)) + ",\"answer\":" + QuoteGbk(kousuan::AnswerText(p))
            + ",\"solved\":" + QuoteGbk(kousuan::SolvedText(p)) + ",\"remainder\":" + Bool(p.AsksRemainder()) + "}";
    });
    const auto width = [](const std::string &text) { return FixedPitchMeasure::Ems(text) * kSheetFontSize; };
    const std::vector<kousuan::SheetPage> sheets = kousuan::SheetPages(problems, o.seed, width, kPrintWidth);
    const std::string pages = Array(sheets, [](const kousuan::SheetPage &page) {
        return "{\"title\":" + QuoteGbk(page.title) + ",\"subtitle\":" + QuoteGbk(page.subtitle) + ",\"cells\":"
            + Array(page.cells, [](const std::vector<std::string> &column) { return Array(column, QuoteGbk); }) + "}";
    });
    return "{\"options\":" + OptionsJson(o) + ",\"problems\":" + list
        + ",\"rows\":" + std::to_string(kousuan::kSheetRows) + ",\"width\":" + Points(kPrintWidth)
        + ",\"height\":" + Points(kPrintHeight) + ",\"pages\":" + pages + "}";
}

std::string PracticeJson(const kousuan::Options &o, long long seconds, std::string_view input)
{
    kousuan::Practice practice(kousuan::Generate(o));
    std::string verdicts = "[";
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos)
            end = input.size();
        const std::string_view line = input.substr(start, end - start);
        start = end + 1;
        const std::size_t tab = line.find('\t');
        const std::optional<long long> index
            = tab == std::string_view::npos ? std::nullopt : Number(std::string(line.substr(0, tab)), 0, 1000000);
        const std::optional<std::string> typed
            = tab == std::string_view::npos ? std::nullopt : ToTextBox(line.substr(tab + 1));
        if (!index || !typed)
            return Error("答案无法读取。");
        const kousuan::Verdict verdict = practice.Answer(static_cast<std::size_t>(*index), *typed);
        verdicts += verdicts.size() > 1 ? "," : "";
        verdicts += verdict == kousuan::Verdict::Right ? "\"right\""
            : verdict == kousuan::Verdict::Wrong       ? "\"wrong\""
                                                       : "\"unreadable\"";
    }
    std::string states = "[";
    for (std::size_t i = 0; i < practice.Count(); ++i) {
        states += (i ? "," : "");
        states += "{\"tried\":" + Bool(practice.Tried(i)) + ",\"rightNow\":" + Bool(practice.RightNow(i))
            + ",\"rightFirst\":" + Bool(practice.RightFirstTime(i)) + "}";
    }
    const std::size_t open = practice.NextOpen(0);
    return "{\"verdicts\":" + verdicts + "],\"problems\":" + states + "],\"score\":" + std::to_string(practice.Score())
        + ",\"allTried\":" + Bool(practice.AllTried())
        + ",\"open\":" + (open < practice.Count() ? std::to_string(open) : std::string("-1"))
        + ",\"report\":" + QuoteGbk(practice.Report(seconds)) + "}";
}

std::string GradeJson(int grade)
{
    const shijuan::ShiJuanSheZhi usual = shijuan::MoRenSheZhi(grade);
    std::string kinds = "[";
    for (int k = 0; k < shijuan::kTiXingShu; ++k) {
        const auto kind = static_cast<shijuan::TiXing>(k);
        kinds += (k ? "," : "");
        kinds += "{\"name\":" + QuoteGbk(shijuan::TiXingMing(kind))
            + ",\"fits\":" + Bool(shijuan::TiXingShiHe(usual.grade, kind))
            + ",\"count\":" + std::to_string(usual.counts[static_cast<std::size_t>(k)])
            + ",\"score\":" + std::to_string(usual.scores[static_cast<std::size_t>(k)]) + "}";
    }
    std::string grades = "[";
    for (int g = 1; g <= shijuan::kZuiGaoNianJi; ++g)
        grades += (g > 1 ? "," : "") + QuoteGbk(shijuan::NianJiMing(g));
    // Decimals are taught from 三年级 on.
    return "{\"grade\":" + std::to_string(usual.grade) + ",\"grades\":" + grades + "],\"kinds\":" + kinds
        + "],\"decimalsFit\":" + Bool(usual.grade >= 3) + ",\"most\":" + std::to_string(shijuan::kZuiDuoTiShu) + "}";
}

std::string PaperJson(const shijuan::ShiJuanSheZhi &asked)
{
    const shijuan::ShiJuan paper = shijuan::ZuShiJuan(asked);
    const shijuan::ShiJuanSheZhi &used = paper.settings;
    const auto ints = [](const std::array<int, shijuan::kTiXingShu> &values) {
        return Array(values, [](int v) { return std::to_string(v); });
    };
    const std::vector<shijuan::PaperPage> laid = shijuan::LayOutPaper(paper, PrintMeasure(), kPrintWidth, kPrintHeight);
    return "{\"settings\":{\"grade\":" + std::to_string(used.grade) + ",\"counts\":" + ints(used.counts)
        + ",\"scores\":" + ints(used.scores) + ",\"decimals\":" + Bool(used.decimals)
        + ",\"hundred\":" + Bool(used.hundred) + ",\"seed\":" + std::to_string(used.seed) + "},\"hundredMissed\":"
        + Bool(asked.hundred && !used.hundred) + ",\"total\":" + std::to_string(paper.total) + ",\"title\":"
        + QuoteGbk(shijuan::ShiJuanBiaoTi(paper)) + ",\"keyTitle\":" + QuoteGbk(shijuan::DaAnBiaoTi(paper))
        + ",\"text\":" + QuoteGbk(shijuan::ShiJuanWenBen(paper)) + ",\"key\":" + QuoteGbk(shijuan::DaAnWenBen(paper))
        + ",\"whole\":" + QuoteGbk(shijuan::QuanWenBen(paper)) + "," + PagesJson(laid) + "}";
}

std::optional<shijuan::ShiJuanSheZhi> PaperSettings(const std::vector<std::string> &words)
{
    if (words.size() != 13)
        return std::nullopt;
    std::vector<long long> n;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::optional<long long> value = Number(words[i], 0, kMostWord);
        if (!value)
            return std::nullopt;
        n.push_back(*value);
    }
    shijuan::ShiJuanSheZhi s;
    s.grade = Small(n[0]);
    for (std::size_t k = 0; k < shijuan::kTiXingShu; ++k) {
        s.counts[k] = Small(n[1 + k]);
        s.scores[k] = Small(n[5 + k]);
    }
    s.decimals = n[9] != 0;
    s.hundred = n[10] != 0;
    s.seed = static_cast<std::uint64_t>(n[11]);
    return s;
}

} // namespace

double FixedPitchEms(const std::string &gbk)
{
    double ems = 0;
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        if (IsGbkLead(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size()) {
            ems += 1;
            ++i;
        } else {
            ems += 0.5;
        }
    }
    return ems;
}

const shijuan::TextMeasure &PrintMeasure()
{
    static const FixedPitchMeasure measure;
    return measure;
}

std::string PagesJson(const std::vector<shijuan::PaperPage> &laid)
{
    const std::string pages = Array(laid, [](const shijuan::PaperPage &page) {
        return "{\"key\":" + Bool(page.key) + ",\"runs\":" + Array(page.runs, [](const shijuan::PaperRun &r) {
            return "{\"x\":" + Points(r.x) + ",\"y\":" + Points(r.y) + ",\"width\":" + Points(r.width) + ",\"right\":"
                + Points(r.right) + ",\"space\":" + Points(r.space) + ",\"text\":" + QuoteGbk(r.text) + ",\"font\":\""
                + FontName(r.font) + "\",\"problem\":" + Bool(r.problem) + ",\"heading\":" + Bool(r.heading) + "}";
        }) + "}";
    });
    std::string fonts = "{";
    for (shijuan::PaperFont f : {shijuan::PaperFont::Title, shijuan::PaperFont::Body, shijuan::PaperFont::Heading,
             shijuan::PaperFont::Problem, shijuan::PaperFont::Key}) {
        fonts += (fonts.size() > 1 ? "," : "") + std::string("\"") + FontName(f) + "\":{\"size\":"
            + Points(FixedPitchMeasure::Size(f)) + ",\"line\":" + Points(PrintMeasure().LineHeight(f)) + "}";
    }
    return "\"width\":" + Points(kPrintWidth) + ",\"height\":" + Points(kPrintHeight) + ",\"fonts\":" + fonts
        + "},\"pages\":" + pages;
}

std::string SheetsCall(const std::vector<std::string> &words, std::string_view input)
{
    const std::string call = words.empty() ? "" : words[0];
    if (call == "handbooks" && words.size() == 1)
        return HandbooksJson();
    if (call == "kousuan" && words.size() == 7) {
        if (const auto options = KouSuanOptions(words, 1))
            return KouSuanJson(*options);
    }
    if (call == "practice" && words.size() == 8) {
        const auto options = KouSuanOptions(words, 1);
        const auto seconds = Number(words[7], 0, 1000000000);
        if (options && seconds)
            return PracticeJson(*options, *seconds, input);
    }
    if (call == "clock" && words.size() == 2) {
        if (const auto seconds = Number(words[1], 0, 1000000000))
            return "{\"text\":" + QuoteGbk(kousuan::TimeText(*seconds)) + "}";
    }
    if (call == "grade" && words.size() == 2) {
        if (const auto grade = Number(words[1], 0, kMostWord))
            return GradeJson(Small(*grade));
    }
    if (call == "paper") {
        if (const auto settings = PaperSettings(words))
            return PaperJson(*settings);
    }
    return Error("设置无法读取。");
}

} // namespace qimbel::web
