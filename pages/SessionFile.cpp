#include "pages/SessionFile.h"
#include "solver/KeptFileReader.h"

#include "pages/PageBook.h"
#include "pages/TypeTable.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

namespace qimbel {

namespace {

constexpr const char *kFirstLine = "QimbelSession 1";
constexpr int kProblemPages[] = {kPage129, kPage130, kPage131, kPage133, kPage134, kPage135};

struct SavedPage {
    int page = 0;
    int type = 0;
    PageOptions options;
    int method = 8;
    bool computeEnabled = false;
    std::string text;
};

using Reader = KeptFileReader;

// The blank-separated words of a line.
std::vector<std::string> Words(const std::string &line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// A decimal number of at most nine digits, nothing else.
std::optional<long> Number(const std::string &word)
{
    if (word.empty() || word.size() > 9)
        return std::nullopt;
    long value = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<bool> Flag(const std::string &word)
{
    if (word == "0" || word == "1")
        return word == "1";
    return std::nullopt;
}

bool IsProblemPage(long page)
{
    for (int p : kProblemPages)
        if (p == page)
            return true;
    return false;
}

// A type the page can show: one of its own, or 0 for a page not shown yet (and the word-problem
// page, which has no types).
bool TypeFitsPage(long type, int page)
{
    if (type == 0)
        return true;
    const ProblemType *row = type <= 99 ? FindProblemType(static_cast<int>(type)) : nullptr;
    return row != nullptr && row->page == page;
}

// "page P TYPE INTRO RESULT WORKING EXPLAIN METHOD COMPUTE LENGTH", then the text.
std::optional<SavedPage> ReadPage(Reader &reader)
{
    const std::optional<std::string> line = reader.Line();
    if (!line)
        return std::nullopt;
    const std::vector<std::string> words = Words(*line);
    if (words.size() != 10 || words[0] != "page")
        return std::nullopt;
    const std::optional<long> page = Number(words[1]);
    const std::optional<long> type = Number(words[2]);
    const std::optional<bool> intro = Flag(words[3]);
    const std::optional<bool> result = Flag(words[4]);
    const std::optional<bool> working = Flag(words[5]);
    const std::optional<bool> explain = Flag(words[6]);
    const std::optional<long> method = Number(words[7]);
    const std::optional<bool> compute = Flag(words[8]);
    const std::optional<long> length = Number(words[9]);
    if (!page || !IsProblemPage(*page) || !type || !TypeFitsPage(*type, static_cast<int>(*page)) || !intro || !result
        || !working || !explain || !method || *method < 1 || *method > 8 || !compute || !length)
        return std::nullopt;
    const std::optional<std::string> text = reader.Bytes(static_cast<std::size_t>(*length));
    if (!text)
        return std::nullopt;
    SavedPage saved;
    saved.page = static_cast<int>(*page);
    saved.type = static_cast<int>(*type);
    saved.options = {*intro, *result, *working, *explain};
    saved.method = static_cast<int>(*method);
    saved.computeEnabled = *compute;
    saved.text = *text;
    return saved;
}

} // namespace

std::string WriteSession(const PageBook &book)
{
    std::string out = std::string(kFirstLine) + "\ntab " + std::to_string(book.CurrentTab()) + "\n";
    for (int id : kProblemPages) {
        const ProblemPage *page = book.ProblemPageOf(id);
        const PageOptions &o = page->Options();
        out += "page " + std::to_string(id) + " " + std::to_string(page->Type());
        for (bool flag : {o.showIntro, o.showResult, o.showWorking, o.showExplain})
            out += flag ? " 1" : " 0";
        out += " " + std::to_string(page->FactorMethod()) + (page->ComputeEnabled() ? " 1 " : " 0 ");
        out += std::to_string(page->EditText().size()) + "\n" + page->EditText() + "\n";
    }
    // 练一练 under way: its own section, which a file without it simply lacks.
    const std::string practice = book.PracticeRound().Save();
    if (!practice.empty())
        out += "practice " + std::to_string(practice.size()) + "\n" + practice + "\n";
    return out + "end\n";
}

std::string ReadSession(PageBook &book, const std::string &bytes)
{
    const std::string damaged = "上次的题目没有恢复：保存它们的文件已损坏。";
    if (bytes.size() > kLargestSessionFile || bytes.compare(0, bytes.find('\n'), kFirstLine) != 0)
        return "上次的题目没有恢复：保存它们的文件不是本程序的。";
    Reader reader(bytes);
    reader.Line();
    const std::optional<std::string> tabLine = reader.Line();
    const std::vector<std::string> tabWords = tabLine ? Words(*tabLine) : std::vector<std::string>();
    const std::optional<long> tab = tabWords.size() == 2 && tabWords[0] == "tab" ? Number(tabWords[1]) : std::nullopt;
    if (!tab || *tab >= static_cast<long>(Tabs().size()))
        return damaged;

    std::vector<SavedPage> pages;
    for (std::size_t i = 0; i < std::size(kProblemPages); ++i) {
        std::optional<SavedPage> page = ReadPage(reader);
        if (!page)
            return damaged;
        for (const SavedPage &earlier : pages)
            if (earlier.page == page->page)
                return damaged;
        pages.push_back(std::move(*page));
    }
    std::optional<std::string> last = reader.Line();
    std::string practice;
    const std::vector<std::string> practiceWords = last ? Words(*last) : std::vector<std::string>();
    if (practiceWords.size() == 2 && practiceWords[0] == "practice") {
        const std::optional<long> length = Number(practiceWords[1]);
        std::optional<std::string> saved = length ? reader.Bytes(static_cast<std::size_t>(*length)) : std::nullopt;
        Practice check;
        if (!saved || !check.Restore(*saved))
            return damaged;
        practice = std::move(*saved);
        last = reader.Line();
    }
    if (last != std::optional<std::string>("end") || !reader.AtEnd())
        return damaged;

    // Every check passed: only now does the book change.
    for (SavedPage &saved : pages) {
        ProblemPage *page = book.ProblemPageOf(saved.page);
        page->Reset();
        page->SetOptions(saved.options);
        page->SetFactorMethod(saved.method);
        page->SetEditText(std::move(saved.text));
        if (saved.type != 0)
            page->ShowType(saved.type);
        page->SetComputeEnabled(saved.computeEnabled);
    }
    book.PracticeRound().Restore(practice);
    book.SelectTab(static_cast<int>(*tab));
    return {};
}

} // namespace qimbel
