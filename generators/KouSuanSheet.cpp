#include "generators/KouSuanSheet.h"

#include <algorithm>

namespace qimbel::kousuan {

int SheetColumns(const std::vector<Problem> &problems)
{
    std::size_t widest = 0;
    for (const Problem &p : problems)
        widest = std::max(widest, QuestionText(p, true).size());
    // Bytes: the width of a text in half-width columns. 4 columns hold "74－36＝(    )" (14).
    if (widest <= 14)
        return 4;
    if (widest <= 23)
        return 3;
    return 2;
}

int SheetColumns(const std::vector<Problem> &problems, const SheetMeasure &width, double pageWidth)
{
    double widest = 0;
    for (std::size_t k = 0; k < problems.size(); ++k) {
        const std::string number = std::to_string(k + 1) + ". ";
        widest = std::max(widest, width(number + QuestionText(problems[k], true)));
        widest = std::max(widest, width(number + SolvedText(problems[k])));
    }
    const double gap = width("　");
    const double fits = (pageWidth + gap) / std::max(widest + gap, 1e-9);
    return std::clamp(static_cast<int>(fits), 1, 4);
}

std::size_t PagesPerSheet(std::size_t count, int columns)
{
    const std::size_t perPage = static_cast<std::size_t>(std::max(columns, 1)) * kSheetRows;
    return count == 0 ? 1 : (count + perPage - 1) / perPage;
}

namespace {

// One sheet: the problems numbered, filled row by row (1 2 3 4 on the first row), so that a
// pupil reads them in order across the page.
void AddSheet(std::vector<SheetPage> &pages, const std::vector<Problem> &problems, bool answers,
    unsigned long long seed, int columns)
{
    const std::size_t perPage = static_cast<std::size_t>(columns) * kSheetRows;
    const std::size_t count = PagesPerSheet(problems.size(), columns);
    for (std::size_t page = 0; page < count; ++page) {
        SheetPage sheet;
        sheet.title = answers ? "口算练习  答案" : "口算练习";
        if (count > 1)
            sheet.title += "（第" + std::to_string(page + 1) + "页，共" + std::to_string(count) + "页）";
        sheet.subtitle = answers ? "练习编号：" + std::to_string(seed)
                                 : "姓名：__________    日期：__________    得分：__________";
        sheet.cells.resize(static_cast<std::size_t>(columns));
        for (std::size_t k = page * perPage; k < problems.size() && k < (page + 1) * perPage; ++k) {
            const std::string text = answers ? SolvedText(problems[k]) : QuestionText(problems[k], true);
            sheet.cells[(k - page * perPage) % static_cast<std::size_t>(columns)].push_back(
                std::to_string(k + 1) + ". " + text);
        }
        pages.push_back(std::move(sheet));
    }
}

} // namespace

std::vector<SheetPage> SheetPages(const std::vector<Problem> &problems, unsigned long long seed)
{
    std::vector<SheetPage> pages;
    const int columns = SheetColumns(problems);
    AddSheet(pages, problems, false, seed, columns);
    AddSheet(pages, problems, true, seed, columns);
    return pages;
}

std::vector<SheetPage> SheetPages(
    const std::vector<Problem> &problems, unsigned long long seed, const SheetMeasure &width, double pageWidth)
{
    std::vector<SheetPage> pages;
    const int columns = SheetColumns(problems, width, pageWidth);
    AddSheet(pages, problems, false, seed, columns);
    AddSheet(pages, problems, true, seed, columns);
    return pages;
}

} // namespace qimbel::kousuan
