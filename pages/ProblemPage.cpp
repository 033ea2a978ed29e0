#include "pages/ProblemPage.h"

#include "pages/CheckText.h"
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "pages/TypedLine.h"
#include "solver/ExpressionText.h"

#include <utility>

namespace qimbel {

int DetailLevelOf(const PageOptions &options, int previous)
{
    if (!options.showResult)
        return previous;
    if (options.showWorking && options.showExplain)
        return 5;
    if (options.showWorking || options.showExplain)
        return 4;
    return 1;
}

ProblemPage::ProblemPage(int page)
    : page_(page)
{
    // 显示简介 starts checked on every problem page but the word-problem page, which never uses it.
    options_.showIntro = page != kPage131;
    // The word-problem page has no problem types: it shows its own title and summary throughout.
    if (page == kPage131) {
        title_ = "公式应用题";
        summary_ = solver_.GetZhaiYao(kWordProblemHelp);
    }
}

void ProblemPage::SetTitleFor(int type)
{
    const ProblemType *row = FindProblemType(type);
    if (row == nullptr)
        return;
    switch (row->titleRule) {
    case TitleRule::Set:
        title_ = row->title;
        break;
    case TitleRule::Clear:
        title_.clear();
        break;
    case TitleRule::Keep:
        break;
    }
}

void ProblemPage::ChooseType(int type)
{
    editText_.clear();
    if (options_.showIntro)
        editText_ += solver_.GetJianJie(type);
    summary_ = solver_.GetZhaiYao(type);
    SetCurrentType(type);
    SetTitleFor(type);
    editEnabled_ = true;
    showsResults_ = false;
}

void ProblemPage::ShowType(int type)
{
    summary_ = solver_.GetZhaiYao(type);
    SetCurrentType(type);
    SetTitleFor(type);
}

void ProblemPage::CutOldResults(const std::string &mark)
{
    const int p = Find(editText_, mark);
    if (p >= 0)
        editText_ = Left(editText_, p);
}

void ProblemPage::Check()
{
    if (page_ == kPage134) {
        // This check also drops the line break before the separator; a separator that does not
        // follow a line break leaves nothing.
        if (Contains(editText_, kResultMark)) {
            const int p = Find(editText_, std::string("\r\n") + kResultMark);
            editText_ = p >= 0 ? Left(editText_, p) : std::string();
        }
    } else {
        CutOldResults(kResultMark);
    }

    if (page_ == kPage130 || page_ == kPage133 || page_ == kPage134 || page_ == kPage135) {
        NormaliseCheckedText(editText_, page_ == kPage135);
        if (Contains(editText_, "÷"))
            editText_ += page_ == kPage130 ? kDivisionNoticeLong : kDivisionNoticeShort;
    }
    computeEnabled_ = true;
}

namespace {

// The lines of the text box as the edit control counts them: a text ending in a line break has
// an empty last line, and the empty text is one empty line.
std::vector<std::string> SplitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = text.find("\r\n", start);
        if (p == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, p - start));
        start = p + 2;
    }
}

// A line whose routine wrote nothing after its header but the line itself gets one sentence that
// says why, instead of an empty 解题过程. Pages that answer after the last line, and types without
// a routine, are left as they are.
void ExplainEmptyWorking(Solver &solver, std::string &out, std::size_t written, const std::string &line, int type)
{
    const ProblemType *row = FindProblemType(type);
    if (row == nullptr || !row->enabled || written > out.size())
        return;
    const std::string added = out.substr(written);
    const std::string header = kResultHeader;
    if (added.compare(0, header.size(), header) != 0)
        return;
    std::string rest = Trim(added.substr(header.size()));
    const int echo = Find(rest, line);
    if (!line.empty() && echo >= 0)
        rest = Trim(Left(rest, echo) + Mid(rest, echo + Len(line)));
    if (!rest.empty() && rest != "＝")
        return;
    const std::string sentence = solver.MeiYouGuoCheng(line, type) + "\r\n";
    if (rest.empty() && Trim(added.substr(header.size())).empty()) {
        // Nothing at all under the header: the sentence goes right below it.
        out.insert(written + header.size(), sentence);
        return;
    }
    if (Right(out, 2) != "\r\n")
        out += "\r\n";
    out += sentence;
}

} // namespace

void ProblemPage::Compute(const std::function<void()> &afterEachLine)
{
    CutOldResults(kResultMark);
    SetDetailLevel(DetailLevelOf(options_, DetailLevel()));

    const PageDispatch &dispatch = DispatchOf(page_);
    const std::vector<std::string> lines = SplitLines(editText_);
    ComputeRun run {solver_, editText_, CurrentType(), DetailLevel(), {}, {}, {}, {}, {}};
    run.factorMethod = factorMethod_;
    dispatch.before(run);
    for (std::string line : lines) {
        // The normalisation removes every blank: numbers that only blanks separate are split
        // (or the line refused) first, so that 12 18 never becomes 1218.
        bool blankBetweenNumbers = false;
        if (page_ != kPage131)
            line = SeparateNumbers(line, run.type, blankBetweenNumbers);
        for (int i = 0; i < dispatch.normaliseCount; ++i)
            solver_.TiHuan(line, dispatch.normalise[i][0], dispatch.normalise[i][1]);
        const int lineBreak = Find(line, "\r\n");
        if (lineBreak >= 1)
            line = Left(line, lineBreak);
        line = Trim(line);
        if (line.empty() && !dispatch.keepEmptyLines)
            continue;
        const std::size_t written = editText_.size();
        if (blankBetweenNumbers || !BracketsPair(line))
            editText_ += std::string(kResultHeader) + (blankBetweenNumbers ? kBlankBetweenNumbers : kUnpairedBrackets)
                + "\r\n";
        else
            dispatch.line(run, line);
        // The equation page's routines always say something of their own: x＝5 is an answer.
        if (page_ != kPage135)
            ExplainEmptyWorking(solver_, editText_, written, line, run.type);
        if (afterEachLine)
            afterEachLine();
    }
    dispatch.after(run);
    for (std::string &message : run.messages)
        messages_.push_back(std::move(message));
    if (dispatch.disableComputeAfter)
        computeEnabled_ = false;
    showsResults_ = true;
}

void ProblemPage::Clear()
{
    editText_.clear();
    showsResults_ = false;
}

// The word-problem page loads its own example; the others the example of the current type.
void ProblemPage::Example()
{
    editText_ = solver_.GetShiLi(page_ == kPage131 ? kWordProblemHelp : CurrentType());
    showsResults_ = false;
}

void ProblemPage::ShowWordProblems()
{
    if (options_.showIntro)
        editText_ = solver_.GetJianJie(kWordProblemHelp);
}

std::vector<std::string> ProblemPage::TakeMessages() { return std::exchange(messages_, {}); }

void ProblemPage::AppendSymbols(const std::string &symbols) { editText_ += symbols; }

} // namespace qimbel
