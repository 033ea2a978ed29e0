#include "generators/ShiJuanBanMian.h"

#include "solver/GbkText.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qimbel::shijuan {

namespace {

// The most problems side by side, and the lines of room to work below a row.
struct RowKind {
    int most;
    double space;
};

RowKind RowKindOf(TiXing kind)
{
    switch (kind) {
    case TiXing::KouSuan:
        return {5, 0.6};
    case TiXing::ShuShi:
        return {4, 6};
    case TiXing::HunHe:
        return {3, 5};
    default:
        return {3, 5};
    }
}

std::string Numbered(std::size_t i, const std::string &text) { return "(" + std::to_string(i + 1) + ") " + text; }

std::string HeadingText(const ShiJuan &paper, std::size_t s)
{
    return BuFenBiaoTi(static_cast<int>(s), paper.sections[s]);
}

class Pages {
public:
    Pages(const TextMeasure &measure, double width, double height)
        : measure_(measure)
        , width_(width)
        , height_(height)
    {
    }

    void NewPage(bool key)
    {
        pages_.push_back(PaperPage {key, {}});
        y_ = 0;
    }
    double Room() const { return height_ - y_; }
    double Y() const { return y_; }
    void Down(double by) { y_ += by; }
    PaperPage &Page() { return pages_.back(); }
    std::vector<PaperPage> &All() { return pages_; }

    // A line of text at the left edge (or centred), cut into pieces that fit when it is wider than
    // the page.
    void Line(const std::string &text, PaperFont font, bool centred = false, bool heading = false)
    {
        const double h = measure_.LineHeight(font);
        for (const std::string &piece : Pieces(text, font)) {
            if (Room() < h)
                NewPage(Page().key);
            const double w = measure_.Width(piece, font);
            Page().runs.push_back(PaperRun {
                centred ? std::max(0.0, (width_ - w) / 2) : 0, y_, w, width_, 0, piece, font, false, heading});
            y_ += h;
        }
    }

    // The text cut at character boundaries into pieces no wider than the page.
    std::vector<std::string> Pieces(const std::string &text, PaperFont font) const
    {
        std::vector<std::string> pieces;
        std::string rest = text;
        while (measure_.Width(rest, font) > width_ && rest.size() > 1) {
            // The longest head that fits, found by halving.
            std::size_t lo = 1, hi = rest.size();
            while (lo < hi) {
                const std::size_t mid = (lo + hi + 1) / 2;
                if (measure_.Width(Head(rest, mid), font) <= width_)
                    lo = mid;
                else
                    hi = mid - 1;
            }
            std::string head = Head(rest, lo);
            if (head.empty())
                head = Head(rest, 2);
            pieces.push_back(head);
            rest = rest.substr(head.size());
        }
        pieces.push_back(rest);
        return pieces;
    }

private:
    // The first bytes of a text up to `bytes`, never ending inside a two-byte character.
    static std::string Head(const std::string &text, std::size_t bytes)
    {
        std::size_t i = 0;
        while (i < text.size()) {
            const std::size_t step = IsGbkLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
            if (i + step > bytes)
                break;
            i += step;
        }
        return text.substr(0, i);
    }

    const TextMeasure &measure_;
    double width_, height_;
    double y_ = 0;
    std::vector<PaperPage> pages_;
};

// A problem's lines: the whole text when it fits the page, else cut after its clause marks.
std::vector<std::string> ProblemLines(const std::string &text, const TextMeasure &measure, double width, Pages &pages)
{
    if (measure.Width(text, PaperFont::Problem) <= width)
        return {text};
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("，", start);
        end = end == std::string::npos ? text.size() : end + std::string("，").size();
        const std::string clause = text.substr(start, end - start);
        start = end;
        if (!line.empty() && measure.Width(line + clause, PaperFont::Problem) > width) {
            lines.push_back(line);
            line.clear();
        }
        line += clause;
    }
    lines.push_back(line);
    std::vector<std::string> fitting;
    for (const std::string &each : lines)
        for (const std::string &piece : pages.Pieces(each, PaperFont::Problem))
            fitting.push_back(piece);
    return fitting;
}

// With `pullBack`, the row before the paper's last goes to a new page, so that the last problem
// does not stand alone on the last page (the first layout put it there).
void LayOutProblems(
    const PaperLayout &layout, const TextMeasure &measure, double width, double height, Pages &pages, bool pullBack)
{
    const double problemLine = measure.LineHeight(PaperFont::Problem);
    const double headingLine = measure.LineHeight(PaperFont::Heading);
    const double gap = measure.Width("　　", PaperFont::Problem);
    for (std::size_t s = 0; s < layout.sections.size(); ++s) {
        const LayoutSection &section = layout.sections[s];
        const std::vector<std::string> &texts = section.problems;
        double widest = 0;
        for (const std::string &text : texts)
            widest = std::max(widest, measure.Width(text, PaperFont::Problem));
        // As many columns as the longest problem and a gap allow.
        const int columns = std::clamp(static_cast<int>(std::floor((width + gap) / (widest + gap))), 1, section.most);
        const double columnWidth = width / columns;
        const bool lastSection = s + 1 == layout.sections.size();
        const std::size_t rows
            = (texts.size() + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns);
        // A row's lines (one, or the lines of a problem wider than the page) and its room to work.
        const auto rowOf = [&](std::size_t r, std::vector<std::vector<std::string>> &lines) {
            const std::size_t first = r * static_cast<std::size_t>(columns);
            const std::size_t count = std::min(texts.size() - first, static_cast<std::size_t>(columns));
            double room = 0;
            lines.clear();
            for (std::size_t c = 0; c < count; ++c) {
                room = std::max(room, first + c < section.room.size() ? section.room[first + c] : 0.0);
                lines.push_back(columns == 1 ? ProblemLines(texts[first + c], measure, width, pages)
                                             : std::vector<std::string> {texts[first + c]});
            }
            return room * problemLine;
        };
        std::vector<std::vector<std::string>> lines;
        // The row that goes to a new page with the last one (with its heading when it is the first).
        const bool pullFirst = pullBack && lastSection && rows == 2;

        // A heading stays with the first row of its section.
        const double before = 0.5 * headingLine;
        const double firstSpace = rows > 0 ? rowOf(0, lines) : 0;
        const double firstRow = (lines.empty() ? 1 : static_cast<double>(lines[0].size())) * problemLine + firstSpace;
        if ((pages.Room() < before + headingLine + firstRow || pullFirst) && pages.Y() > 0)
            pages.NewPage(false);
        else
            pages.Down(std::min(before, pages.Room()));
        pages.Line(section.heading, PaperFont::Heading, false, true);

        for (std::size_t r = 0; r < rows; ++r) {
            const double space = rowOf(r, lines);
            const double text = static_cast<double>(lines[0].size()) * problemLine;
            const bool lastRow = lastSection && r + 1 == rows;
            double rowSpace = space;
            if (pullBack && lastSection && r >= 1 && r + 2 == rows && pages.Y() > 0) {
                pages.NewPage(false);
            } else if (pages.Room() < text + space) {
                // The last row of the paper needs only half its room to work: the rest of the page
                // is room too. A lone last problem goes back to the page before where it fits so.
                if (lastRow && pages.Room() >= text + space / 2)
                    rowSpace = pages.Room() - text;
                else
                    pages.NewPage(false);
            }
            for (std::size_t c = 0; c < lines.size(); ++c)
                for (std::size_t k = 0; k < lines[c].size(); ++k) {
                    const std::string &piece = lines[c][k];
                    const double y = pages.Y() + static_cast<double>(k) * problemLine;
                    const bool lastLine = k + 1 == lines[c].size();
                    pages.Page().runs.push_back(PaperRun {columnWidth * static_cast<double>(c), y,
                        measure.Width(piece, PaperFont::Problem), columnWidth * static_cast<double>(c + 1),
                        lastLine ? std::min(rowSpace, height - y - problemLine) : 0, piece, PaperFont::Problem, true,
                        false});
                }
            pages.Down(std::min(text + rowSpace, pages.Room()));
        }
    }
}

// The lines of a problem in the key: the problem with its answer, and its working where the kind
// needs working.
std::vector<std::string> KeyLines(std::size_t i, const ShiJuanTi &p)
{
    std::vector<std::string> lines {Numbered(i, p.text) + (p.kind == TiXing::FangCheng ? "    解：" : "") + p.answer};
    if (!XuYaoGuoCheng(p.kind))
        return lines;
    std::size_t start = 0;
    while (start <= p.worked.size()) {
        const std::size_t end = p.worked.find("\r\n", start);
        lines.push_back(p.worked.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    return lines;
}

void LayOutKey(const PaperLayout &layout, const TextMeasure &measure, double height, Pages &pages)
{
    pages.NewPage(true);
    pages.Line(layout.keyTitle, PaperFont::Title, true);
    const double keyLine = measure.LineHeight(PaperFont::Key);
    const auto blockHeight = [&](const std::vector<std::string> &lines) {
        std::size_t needed = 0;
        for (const std::string &line : lines)
            needed += pages.Pieces(line, PaperFont::Key).size();
        return keyLine * static_cast<double>(needed);
    };
    // A problem and its working stay on one page when they fit on one.
    const auto keepsTogether = [&](double block) { return block <= 0.9 * height; };
    for (const LayoutSection &section : layout.sections) {
        if (section.key.empty())
            continue;
        // A heading stays with the first answer (and its working, where that fits on a page).
        const double first = blockHeight(section.key[0]);
        const double needed = measure.LineHeight(PaperFont::Heading) + (keepsTogether(first) ? first : keyLine);
        if (pages.Room() < 0.5 * keyLine + needed)
            pages.NewPage(true);
        else
            pages.Down(0.5 * keyLine);
        pages.Line(section.heading, PaperFont::Heading, false, true);
        for (std::size_t i = 0; i < section.key.size(); ++i) {
            const std::vector<std::string> &lines = section.key[i];
            const double block = blockHeight(lines);
            if (pages.Room() < block && keepsTogether(block) && i > 0)
                pages.NewPage(true);
            for (const std::string &line : lines)
                pages.Line(line, PaperFont::Key);
            if (section.keyGap)
                pages.Down(std::min(0.5 * keyLine, pages.Room()));
        }
    }
}

} // namespace

std::vector<PaperPage> LayOutPages(const PaperLayout &layout, const TextMeasure &measure, double width, double height)
{
    const auto layOut = [&](bool pullBack) {
        Pages pages(measure, width, height);
        pages.NewPage(false);
        for (const LayoutLine &line : layout.head)
            pages.Line(line.text, line.font, true);
        LayOutProblems(layout, measure, width, height, pages, pullBack);
        return pages;
    };
    // The last problem alone on a page of its own (no heading, nothing else): once more, with the
    // row before it on that page too.
    const auto lone = [](Pages &laid) {
        if (laid.All().size() < 2)
            return false;
        int problems = 0;
        bool heading = false;
        for (const PaperRun &run : laid.Page().runs) {
            problems += run.problem ? 1 : 0;
            heading = heading || run.heading;
        }
        return problems == 1 && !heading;
    };
    Pages first = layOut(false);
    Pages pages = lone(first) ? layOut(true) : std::move(first);
    LayOutKey(layout, measure, height, pages);
    return pages.All();
}

std::vector<PaperPage> LayOutPaper(const ShiJuan &paper, const TextMeasure &measure, double width, double height)
{
    PaperLayout layout;
    layout.head = {{ShiJuanBiaoTi(paper), PaperFont::Title},
        {"班级：__________  姓名：__________  得分：__________", PaperFont::Body},
        {"（满分" + std::to_string(paper.total) + "分  试卷编号：" + std::to_string(paper.settings.seed) + "）",
            PaperFont::Body}};
    layout.keyTitle = DaAnBiaoTi(paper);
    for (std::size_t s = 0; s < paper.sections.size(); ++s) {
        const ShiJuanBuFen &section = paper.sections[s];
        const RowKind kind = RowKindOf(section.kind);
        LayoutSection laid;
        laid.heading = HeadingText(paper, s);
        laid.most = kind.most;
        laid.keyGap = XuYaoGuoCheng(section.kind);
        for (std::size_t i = 0; i < section.problems.size(); ++i) {
            laid.problems.push_back(Numbered(i, section.problems[i].text));
            laid.room.push_back(kind.space);
            laid.key.push_back(KeyLines(i, section.problems[i]));
        }
        layout.sections.push_back(laid);
    }
    return LayOutPages(layout, measure, width, height);
}

} // namespace qimbel::shijuan
