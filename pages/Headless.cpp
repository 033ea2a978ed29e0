#include "pages/Headless.h"

#include "maker/LevelTable.h"
#include "maker/Paper.h"
#include "pages/PageBook.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "solver/DataFile.h"

#include <charconv>
#include <utility>

namespace qimbel {

namespace {

bool ParseInt(const std::string &text, int &value)
{
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

bool ParseSeed(const std::string &text, std::uint64_t &value)
{
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

// 出题: the made problems one a line (a system's equations joined by "；"), or the problems like
// each typed line; the refusals go to the messages.
std::string RunMaker(const HeadlessRequest &request, const std::string &text, std::vector<std::string> *messages)
{
    std::string out;
    const auto add = [&](const MadeProblems &made) {
        for (const MadeProblem &problem : made.problems)
            out += problem.line + (request.answers ? "\t" + problem.answer : std::string()) + "\r\n";
        if (!made.refusal.empty() && messages != nullptr)
            messages->push_back(made.refusal);
    };
    if (request.make) {
        add(MakeProblems(request.type, request.makerLevel, request.count, request.seed));
        return out;
    }
    if (request.paper > 0) {
        PaperRequest paper;
        paper.title = GradeName(request.paper) + "数学测试卷";
        paper.kinds = GradeSelection(ReadDataFile(CurriculumPath()), request.paper);
        paper.seed = request.seed;
        paper.workedKey = !request.answersOnly;
        const MadePaper made = MakePaper(paper);
        if (!made.refusal.empty() && messages != nullptr)
            messages->push_back(made.refusal);
        return made.refusal.empty() ? made.paper + "\r\n" + made.key : std::string();
    }
    std::size_t start = 0;
    int lines = 0;
    while (start < text.size() && lines < 1000) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end + 1;
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        ++lines;
        add(Similar(request.type, line, request.similar, request.seed));
    }
    return out;
}

} // namespace

const char *HeadlessUsage()
{
    return "usage: qimbel-cli (--type T | --page P) [--level 1|4|5] [--method M] [--check-only | --compute-only | --mark]\n"
           "       [--gbk] [--format text|html]\n"
           "       qimbel-cli --make T [--level 基础|提高|拓展] [--count N] [--seed S] [--answers]\n"
           "       qimbel-cli --type T --similar N [--seed S] [--answers]\n"
           "       qimbel-cli --paper GRADE [--seed S] [--answers-only]\n"
           "       qimbel-cli --graph F [--graph G ...]\n"
           "       qimbel-cli --pictures\n"
           "  Reads the text box from standard input, presses check and compute on the page,\n"
           "  and prints the whole text box.\n"
           "  --type T       the page that owns problem type T, with T as the current type\n"
           "  --page P       the page with template number P (129, 130, 131, 133, 134, 135)\n"
           "  --level L      5: working and explanations (default), 4: working only, 1: result only\n"
           "  --method M     page 134's factorisation method, 1 to 8 in the order of its group\n"
           "                 (common factor, formulas, grouping, cross multiplication, completing\n"
           "                 the square, roots, undetermined coefficients, 8: all of them, default)\n"
           "  --check-only   press check but not compute\n"
           "  --compute-only compute on the text as given, without the check (so \"/\" stays a\n"
           "                 fraction bar: 3/4×2/3)\n"
           "  --mark         press 批改我的解答 instead: every problem is followed by the pupil's own\n"
           "                 steps (lines starting with ＝, or one equation per line), and the marked\n"
           "                 copy (√, ×, the slip, the right step, the end) follows 批改结果：\n"
           "  --mark-last    press 下一步检查 instead: only the last typed line is marked against the\n"
           "                 line before it (√, or × with the slip and the right step)\n"
           "  --hint         press 提示 instead: the next move is named without being made\n"
           "  --gbk          input and output are GBK with CR LF line ends (default: UTF-8, LF)\n"
           "  --format F     text: the text box as it stands (default); html: the text box typeset\n"
           "                 like a textbook, as a small UTF-8 HTML document with MathML\n"
           "  --make T       print N (default 10) problems of type T made at the level, one a line\n"
           "                 (a system's equations joined by ；), each proved by the type's own\n"
           "                 routine; the same seed makes the same problems\n"
           "  --similar N    print N problems like each line read from standard input (举一反三)\n"
           "  --answers      follow each made problem by a tab and its answer\n"
           "  --paper GRADE  print a test paper of the grade (1 to 9 or 一年级 … 九年级) with the topics\n"
           "                 of Document/ZuJuan.ini, then its key of worked solutions; the seed is\n"
           "                 the paper's number (--answers-only: the key gives the answers alone)\n"
           "  --graph F      print the properties of the function F (y=2x+1, x^2-2x-3, 6/x ...) as the\n"
           "                 graph page shows them, and where the functions given meet (UTF-8)\n"
           "  --pictures     answer the requests of the graph and chart pages read from standard input,\n"
           "                 each ended by a line %%, with their pictures as JSON, one a line (UTF-8)\n";
}

HeadlessArgs ParseHeadlessArgs(const std::vector<std::string> &args)
{
    HeadlessRequest request;
    bool chosen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--level" && hasValue && ReadMakerLevel(args[i + 1], request.makerLevel)) {
            ++i;
        } else if (arg == "--make" || arg == "--count" || arg == "--similar") {
            int value = 0;
            // --make 0 makes the word problems of the 小学应用题 page, whose type is 0.
            if (!hasValue || !ParseInt(args[i + 1], value) || value < (arg == "--make" ? 0 : 1))
                return {std::nullopt, arg + (arg == "--make" ? " needs a type number" : " needs a number above 0")};
            ++i;
            if (arg == "--make") {
                if (chosen || !CanMake(value))
                    return {
                        std::nullopt, chosen ? "give one --make, --type or --page" : "no maker for type " + args[i]};
                request.type = value;
                request.make = true;
                chosen = true;
            } else if (arg == "--count") {
                request.count = value > 500 ? 500 : value;
            } else {
                request.similar = value > 100 ? 100 : value;
            }
        } else if (arg == "--seed") {
            if (!hasValue || !ParseSeed(args[i + 1], request.seed))
                return {std::nullopt, "--seed needs a whole number"};
            ++i;
        } else if (arg == "--answers") {
            request.answers = true;
        } else if (arg == "--answers-only") {
            request.answersOnly = true;
        } else if (arg == "--paper") {
            if (chosen || !hasValue || ReadGrade(args[i + 1]) == 0)
                return {std::nullopt,
                    chosen ? "give one --paper, --make, --type or --page" : "--paper needs a grade, 1 to 9"};
            request.paper = ReadGrade(args[++i]);
            chosen = true;
        } else if (arg == "--type" || arg == "--page" || arg == "--level") {
            int value = 0;
            if (!hasValue || !ParseInt(args[i + 1], value))
                return {std::nullopt, arg + " needs a number"};
            ++i;
            if (arg == "--type") {
                if (chosen || FindProblemType(value) == nullptr)
                    return {std::nullopt, chosen ? "give one --type or --page" : "no problem type " + args[i]};
                request.type = value;
                chosen = true;
            } else if (arg == "--page") {
                if (chosen
                    || !(value == 129 || value == 130 || value == 131 || value == 133 || value == 134 || value == 135))
                    return {std::nullopt, chosen ? "give one --type or --page" : "no problem page " + args[i]};
                request.page = value;
                chosen = true;
            } else {
                if (value != 1 && value != 4 && value != 5)
                    return {std::nullopt, "--level is 1, 4 or 5"};
                request.level = value;
            }
        } else if (arg == "--method") {
            int value = 0;
            if (!hasValue || !ParseInt(args[i + 1], value) || value < 1 || value > 8)
                return {std::nullopt, "--method is a number from 1 to 8"};
            ++i;
            request.method = value;
        } else if (arg == "--check-only") {
            request.checkOnly = true;
        } else if (arg == "--compute-only") {
            request.computeOnly = true;
        } else if (arg == "--mark") {
            request.mark = true;
        } else if (arg == "--mark-last") {
            request.markLast = true;
        } else if (arg == "--hint") {
            request.hint = true;
        } else if (arg == "--gbk") {
            request.gbk = true;
        } else if (arg == "--format") {
            if (!hasValue || (args[i + 1] != "text" && args[i + 1] != "html"))
                return {std::nullopt, "--format is text or html"};
            request.html = args[++i] == "html";
        } else {
            return {std::nullopt, "unknown argument " + arg};
        }
    }
    if (!chosen)
        return {std::nullopt, "give --type or --page"};
    if (request.similar > 0 && (request.make || request.type == 0 || !CanMake(request.type)))
        return {std::nullopt, "--similar needs --type T of a type with a maker"};
    if (request.checkOnly && request.computeOnly)
        return {std::nullopt, "give --check-only or --compute-only, not both"};
    if (request.mark && (request.checkOnly || request.computeOnly))
        return {std::nullopt, "--mark neither checks nor computes: give it without --check-only or --compute-only"};
    if ((request.markLast || request.hint) && (request.checkOnly || request.computeOnly))
        return {std::nullopt,
            "--mark-last and --hint neither check nor compute: give them without --check-only or --compute-only"};
    if (static_cast<int>(request.mark) + static_cast<int>(request.markLast) + static_cast<int>(request.hint) > 1)
        return {std::nullopt, "give one of --mark, --mark-last and --hint"};
    return {request, {}};
}

std::string RunHeadless(const HeadlessRequest &request, const std::string &text, std::vector<std::string> *messages)
{
    if (request.make || request.similar > 0 || request.paper > 0)
        return RunMaker(request, text, messages);
    ResetSession();
    PageBook book;
    book.Start();

    const ProblemType *type = FindProblemType(request.type);
    const int pageId = type != nullptr ? type->page : request.page;
    ProblemPage *page = book.ProblemPageOf(pageId);
    if (page == nullptr)
        return text;
    book.SelectTab(TabOfPage(pageId));
    if (type != nullptr)
        page->ShowType(request.type);

    PageOptions options = page->Options();
    options.showWorking = request.level >= 4;
    options.showExplain = request.level == 5;
    page->SetOptions(options);

    page->SetFactorMethod(request.method);
    page->SetEditText(text);
    if (request.mark) {
        page->Mark();
    } else if (request.markLast) {
        page->MarkLast();
    } else if (request.hint) {
        page->Hint();
    } else {
        if (!request.computeOnly)
            page->Check();
        if (!request.checkOnly)
            page->Compute();
    }
    std::vector<std::string> shown = page->TakeMessages();
    if (messages != nullptr)
        *messages = std::move(shown);
    // The page goes with the book: its text need not be copied (a page of results is 150 KB).
    return page->TakeEditText();
}

std::string WorkedSolutionOf(int type, const std::string &problem)
{
    HeadlessRequest request;
    request.type = type;
    const std::string text = RunHeadless(request, problem);
    const std::string separator = "---------------------------------------------\r\n";
    const std::size_t at = text.find(separator);
    std::string solution = at == std::string::npos ? std::string() : text.substr(at + separator.size());
    const std::string heading = "解题过程:\r\n";
    if (solution.compare(0, heading.size(), heading) == 0)
        solution.erase(0, heading.size());
    while (solution.size() >= 2 && solution.compare(solution.size() - 2, 2, "\r\n") == 0)
        solution.erase(solution.size() - 2);
    return solution;
}

} // namespace qimbel
