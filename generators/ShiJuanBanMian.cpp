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

// With `pullBack`, the row before the paper's last goes to a new page, so that the last problem
// does not stand alone on the last page (the first layout put it there).
void LayOutProblems(
    const ShiJuan &paper, const TextMeasure &measure, double width, double height, Pages &pages, bool pullBack)
{
    const double problemLine = measure.LineHeight(PaperFont::Problem);
    const double headingLine = measure.LineHeight(PaperFont::Heading);
    const double gap = measure.Width("　　", PaperFont::Problem);
    for (std::size_t s = 0; s < paper.sections.size(); ++s) {
        const ShiJuanBuFen &section = paper.sections[s];
        const RowKind kind = RowKindOf(section.kind);
        std::vector<std::string> texts;
        double widest = 0;
        for (std::size_t i = 0; i < section.problems.size(); ++i) {
            texts.push_back(Numbered(i, section.problems[i].text));
            widest = std::max(widest, measure.Width(texts.back(), PaperFont::Problem));
        }
        // As many columns as the longest problem and a gap allow.
        const int columns = std::clamp(static_cast<int>(std::floor((width + gap) / (widest + gap))), 1, kind.most);
        const double columnWidth = width / columns;
        const double space = kind.space * problemLine;
        const double row = problemLine + space;
        const bool lastSection = s + 1 == paper.sections.size();

        const std::size_t rows
            = (texts.size() + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns);
        // The row that goes to a new page with the last one (with its heading when it is the first).
        const bool pullFirst = pullBack && lastSection && rows == 2;

        // A heading stays with the first row of its section.
        const double before = 0.5 * headingLine;
        if ((pages.Room() < before + headingLine + row || pullFirst) && pages.Y() > 0)
            pages.NewPage(false);
        else
            pages.Down(std::min(before, pages.Room()));
        pages.Line(HeadingText(paper, s), PaperFont::Heading, false, true);

        for (std::size_t r = 0; r < rows; ++r) {
            const std::size_t first = r * static_cast<std::size_t>(columns);
            const std::size_t count = std::min(texts.size() - first, static_cast<std::size_t>(columns));
            const bool lastRow = lastSection && r + 1 == rows;
            double rowSpace = space;
            if (pullBack && lastSection && r >= 1 && r + 2 == rows && pages.Y() > 0) {
                pages.NewPage(false);
            } else if (pages.Room() < row) {
                // The last row of the paper needs only half its room to work: the rest of the page
                // is room too. A lone last problem goes back to the page before where it fits so.
                if (lastRow && pages.Room() >= problemLine + space / 2)
                    rowSpace = pages.Room() - problemLine;
                else
                    pages.NewPage(false);
            }
            for (std::size_t c = 0; c < count; ++c) {
                const std::string &text = texts[first + c];
                pages.Page().runs.push_back(PaperRun {columnWidth * static_cast<double>(c), pages.Y(),
                    measure.Width(text, PaperFont::Problem), columnWidth * static_cast<double>(c + 1),
                    std::min(rowSpace, height - pages.Y() - problemLine), text, PaperFont::Problem, true, false});
            }
            pages.Down(std::min(problemLine + rowSpace, pages.Room()));
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

void LayOutKey(const ShiJuan &paper, const TextMeasure &measure, double height, Pages &pages)
{
    pages.NewPage(true);
    pages.Line(DaAnBiaoTi(paper), PaperFont::Title, true);
    const double keyLine = measure.LineHeight(PaperFont::Key);
    const auto blockHeight = [&](const std::vector<std::string> &lines) {
        std::size_t needed = 0;
        for (const std::string &line : lines)
            needed += pages.Pieces(line, PaperFont::Key).size();
        return keyLine * static_cast<double>(needed);
    };
    // A problem and its working stay on one page when they fit on one.
    const auto keepsTogether = [&](double block) { return block <= 0.9 * height; };
    for (std::size_t s = 0; s < paper.sections.size(); ++s) {
        const ShiJuanBuFen &section = paper.sections[s];
        if (section.problems.empty())
            continue;
        // A heading stays with the first answer (and its working, where that fits on a page).
        const double first = blockHeight(KeyLines(0, section.problems[0]));
        const double needed = measure.LineHeight(PaperFont::Heading) + (keepsTogether(first) ? first : keyLine);
        if (pages.Room() < 0.5 * keyLine + needed)
            pages.NewPage(true);
        else
            pages.Down(0.5 * keyLine);
        pages.Line(HeadingText(paper, s), PaperFont::Heading, false, true);
        for (std::size_t i = 0; i < section.problems.size(); ++i) {
            const ShiJuanTi &p = section.problems[i];
            const std::vector<std::string> lines = KeyLines(i, p);
            const double block = blockHeight(lines);
            if (pages.Room() < block && keepsTogether(block) && i > 0)
                pages.NewPage(true);
            for (const std::string &line : lines)
                pages.Line(line, PaperFont::Key);
            if (XuYaoGuoCheng(p.kind))
                pages.Down(std::min(0.5 * keyLine, pages.Room()));
        }
    }
}

} // namespace

std::vector<PaperPage> LayOutPaper(const ShiJuan &paper, const TextMeasure &measure, double width, double height)
{
    const auto layOut = [&](bool pullBack) {
        Pages pages(measure, width, height);
        pages.NewPage(false);
        pages.Line(ShiJuanBiaoTi(paper), PaperFont::Title, true);
        pages.Line("班级：__________  姓名：__________  得分：__________", PaperFont::Body, true);
        pages.Line(
            "（满分" + std::to_string(paper.total) + "分  试卷编号：" + std::to_string(paper.settings.seed) + "）",
            PaperFont::Body, true);
        LayOutProblems(paper, measure, width, height, pages, pullBack);
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
    LayOutKey(paper, measure, height, pages);
    return pages.All();
}

} // namespace qimbel::shijuan
