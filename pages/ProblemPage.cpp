#include "pages/ProblemPage.h"

#include "marking/MarkWorking.h"
#include "marking/StepAtATime.h"
#include "pages/CheckText.h"
#include "pages/LineKind.h"
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "pages/TypedLine.h"
#include "solver/ExpressionText.h"
#include "solver/FileStamp.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
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

namespace {

// The status bar's request while compute waits for a check.
constexpr const char *kCheckFirstStatus = "请先点击“先进行算式检测”，再进行运算操作（Ctrl+Enter 可一次完成）";

// The text before any old results, without the blanks around it.
std::string Stem(const std::string &text)
{
    const int p = Find(text, kResultMark);
    return Trim(p >= 0 ? Left(text, p) : text);
}

} // namespace

bool ProblemPage::IsHelpTextOfThePage(const std::string &stem) const
{
    const auto same = [&stem](const std::string &help) { return !help.empty() && Stem(help) == stem; };
    Solver solver; // the solver holds no data: a const page may use one of its own
    if (page_ == kPage131)
        return same(solver.GetJianJie(kWordProblemHelp)) || same(solver.GetShiLi(kWordProblemHelp));
    for (const ProblemType *row : TypesOfPage(page_))
        if (same(solver.GetJianJie(row->type)) || same(solver.GetShiLi(row->type)))
            return true;
    return false;
}

bool ProblemPage::HoldsNothingTyped() const
{
    const std::string stem = Stem(editText_);
    return stem.empty() || IsHelpTextOfThePage(stem);
}

void ProblemPage::ChooseType(int type)
{
    const std::string introduction = options_.showIntro ? solver_.GetJianJie(type) : std::string();
    summary_ = solver_.GetZhaiYao(type);
    if (HoldsNothingTyped()) {
        editText_ = introduction;
        event_ = PageEvent::TypeChosen;
    } else if (Trim(introduction).empty()) {
        event_ = PageEvent::TypeChosen;
    } else {
        // The pupil's lines stay; the introduction still reaches the pupil, beside them.
        summary_ = introduction + "\r\n" + summary_;
        event_ = PageEvent::IntroductionBeside;
    }
    edited_ = false;
    type_ = type;
    SetCurrentType(type);
    SetTitleFor(type);
    editEnabled_ = true;
}

void ProblemPage::ShowType(int type)
{
    summary_ = solver_.GetZhaiYao(type);
    type_ = type;
    SetCurrentType(type);
    SetTitleFor(type);
}

void ProblemPage::CutOldResults(const std::string &mark)
{
    const int p = Find(editText_, mark);
    if (p >= 0)
        editText_ = Left(editText_, p);
}

std::string ProblemPage::CurrentIntroduction()
{
    const ProblemType *row = FindProblemType(CurrentType());
    const bool wordProblems = page_ == kPage131 && (row == nullptr || row->page != kPage131);
    if (!wordProblems && row == nullptr)
        return {};
    return solver_.GetJianJie(wordProblems ? kWordProblemHelp : CurrentType());
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

// The lines of the introduction that say something, trimmed.
std::vector<std::string> IntroductionLines(const std::string &introduction)
{
    std::vector<std::string> intro;
    for (const std::string &line : SplitLines(introduction))
        if (!Trim(line).empty())
            intro.push_back(Trim(line));
    return intro;
}

// Which of `lines` are the introduction, left where it stands: the first run that holds every
// line of it that says something, unchanged and in order, with only empty lines between. A line
// of the introduction typed alone (an example of it) is a problem like any other.
std::vector<char> IntroductionMask(const std::vector<std::string> &lines, const std::vector<std::string> &intro)
{
    std::vector<char> mask(lines.size(), 0);
    if (intro.empty())
        return mask;
    for (std::size_t first = 0; first < lines.size(); ++first) {
        if (TrimmedView(lines[first]) != intro[0])
            continue;
        std::size_t at = first, matched = 0;
        while (at < lines.size() && matched < intro.size()) {
            const std::string_view line = TrimmedView(lines[at]);
            if (line == intro[matched])
                ++matched;
            else if (!line.empty())
                break;
            ++at;
        }
        if (matched == intro.size()) {
            for (std::size_t i = first; i < at; ++i)
                mask[i] = 1;
            return mask;
        }
    }
    return mask;
}

// IntroductionMask of the text's lines; empty (no line of the introduction) when the text does not
// even hold the introduction's first line, which is the rule for a page of problems: the text box
// is then not cut into lines for nothing.
std::vector<char> IntroductionMaskOf(const std::string &text, const std::string &introduction)
{
    const std::vector<std::string> intro = IntroductionLines(introduction);
    if (intro.empty() || text.find(intro[0]) == std::string::npos)
        return {};
    return IntroductionMask(SplitLines(text), intro);
}

std::vector<char> IntroductionMask(const std::vector<std::string> &lines, const std::string &introduction)
{
    return IntroductionMask(lines, IntroductionLines(introduction));
}

bool Any(const std::vector<char> &mask) { return std::find(mask.begin(), mask.end(), 1) != mask.end(); }

// The check's normalisation of a text that holds the introduction: its lines stay as they are,
// the pupil's lines before and after it are normalised each on their own.
void NormaliseAroundIntroduction(std::string &text, const std::vector<char> &mask, bool relationSigns)
{
    const std::vector<std::string> lines = SplitLines(text);
    std::string out;
    std::size_t i = 0;
    while (i < lines.size()) {
        std::size_t j = i;
        std::string run;
        for (; j < lines.size() && mask[j] == mask[i]; ++j)
            run += (j == i ? "" : "\r\n") + lines[j];
        if (!mask[i])
            NormaliseCheckedText(run, relationSigns);
        out += (out.empty() || run.empty() ? "" : "\r\n") + run;
        i = j;
    }
    text = std::move(out);
}

// The text without the lines of the introduction.
std::string WithoutIntroduction(const std::string &text, const std::vector<char> &mask)
{
    const std::vector<std::string> lines = SplitLines(text);
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!mask[i])
            out += lines[i] + "\r\n";
    return out;
}

} // namespace

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
        // Lines that are, unchanged, the introduction of the type are no problems: the check
        // leaves them as they are.
        const std::string introduction = CurrentIntroduction();
        const std::vector<char> intro = IntroductionMaskOf(editText_, introduction);
        if (!Any(intro))
            NormaliseCheckedText(editText_, page_ == kPage135);
        else
            NormaliseAroundIntroduction(editText_, intro, page_ == kPage135);
        // Without the introduction's lines the text is its lines with their line breaks: a "÷" is
        // found in it where it is found in the text itself.
        const std::vector<char> after = IntroductionMaskOf(editText_, introduction);
        if (Any(after) ? Contains(WithoutIntroduction(editText_, after), "÷") : Contains(editText_, "÷"))
            editText_ += page_ == kPage130 ? kDivisionNoticeLong : kDivisionNoticeShort;
    }
    computeEnabled_ = true;
    event_ = PageEvent::Checked;
    edited_ = false;
}

namespace {

// A line whose routine wrote nothing after its header but the line itself gets one sentence that
// says why, instead of an empty 解题过程. Pages that answer after the last line, and types without
// a routine, are left as they are.
void ExplainEmptyWorking(Solver &solver, std::string &out, std::size_t written, const std::string &line, int type)
{
    const ProblemType *row = FindProblemType(type);
    if (row == nullptr || !row->enabled || written > out.size())
        return;
    const std::string_view header = kResultHeader;
    if (std::string_view(out).substr(written, header.size()) != header)
        return;
    // Cutting the line's echo out and trimming leave every byte but the line's own and the blanks:
    // a working with more than two bytes besides them is neither empty nor a lone "＝".
    std::size_t allowed = 2;
    for (const char c : line)
        allowed += IsBlank(c) ? 0 : 1;
    std::size_t seen = 0;
    for (const char c : std::string_view(out).substr(written + header.size()))
        if (!IsBlank(c) && ++seen > allowed)
            return;
    const std::string added = out.substr(written);
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

// A working that reached a division by 0 and stopped there ends with the sentence that says why,
// unless the routine said so itself.
void EndAtZeroDivisor(std::string &out, std::size_t written, const std::string &line)
{
    if (written > out.size() || !MayDivide(line))
        return;
    const std::string_view added = std::string_view(out).substr(written);
    if (!DividesByZero(added) || added.find("不能为0") != std::string_view::npos
        || added.find("不能作除数") != std::string_view::npos)
        return;
    if (Right(out, 2) != "\r\n")
        out += "\r\n";
    out += std::string(kDivisorIsZero) + "\r\n";
}

// True when a problem's working is a refusal: its last line is a sentence that says why the
// problem cannot be computed (无法计算, 请选“一元二次方程”, 没有找到可以计算的数 …) rather than
// an answer. 无解 and 没有实数根 are answers.
bool SaysRefused(std::string_view working)
{
    std::size_t end = working.size();
    while (end > 0 && (working[end - 1] == '\r' || working[end - 1] == '\n' || working[end - 1] == ' '))
        --end;
    const std::size_t start = working.rfind('\n', end == 0 ? 0 : end - 1);
    std::string_view last = working.substr(
        start == std::string_view::npos ? 0 : start + 1, end - (start == std::string_view::npos ? 0 : start + 1));
    while (!last.empty() && last.front() == ' ')
        last.remove_prefix(1);
    if (last.empty())
        return false;
    for (const char *sign : {"无法", "不能识别", "超出了计算范围"})
        if (last.find(sign) != std::string_view::npos)
            return true;
    if (last.find("请") != std::string_view::npos) // each of these begins with it
        for (const char *sign : {"请选“", "请写", "请输入", "请在", "请用"})
            if (last.find(sign) != std::string_view::npos)
                return true;
    return last.starts_with("没有找到");
}

} // namespace

void ProblemPage::Compute(const std::function<void()> &afterEachLine)
{
    CutOldResults(kResultMark);
    SetDetailLevel(DetailLevelOf(options_, DetailLevel()));
    // The data files the lines read are looked at once for the whole compute.
    const FileStampScope stamps;

    const PageDispatch &dispatch = DispatchOf(page_);
    const std::vector<std::string> lines = SplitLines(editText_);
    // Room for a working of a few lines after each problem, so that the text does not move (and
    // is not copied) again and again as it grows; room never written costs no memory.
    editText_.reserve(editText_.size() + lines.size() * 256);
    ComputeRun run {solver_, editText_, CurrentType(), DetailLevel(), {}, {}, {}, {}, {}};
    // The page's replacements as texts once, not once for every line.
    std::vector<std::pair<std::string, std::string>> normalise;
    // For each byte, the texts replaced that begin with it, one bit each.
    std::array<std::uint64_t, 256> opening {};
    for (int i = 0; i < dispatch.normaliseCount; ++i) {
        normalise.emplace_back(dispatch.normalise[i][0], dispatch.normalise[i][1]);
        if (!normalise.back().first.empty() && i < 64)
            opening[static_cast<unsigned char>(normalise.back().first[0])] |= std::uint64_t {1} << i;
    }
    // A line that holds none of the texts replaced, not even across characters (the usual line
    // after the check), is left as it is without a search for each of them. (A list of more than
    // 64 is searched in full.)
    const auto holdsReplaced = [&](const std::string &line) {
        if (normalise.size() > 64)
            return true;
        for (std::size_t p = 0; p < line.size(); ++p)
            for (std::uint64_t which = opening[static_cast<unsigned char>(line[p])]; which != 0; which &= which - 1)
                if (HasAt(line, p, normalise[static_cast<std::size_t>(std::countr_zero(which))].first))
                    return true;
        return false;
    };
    int solved = 0;
    int refused = 0;
    run.factorMethod = factorMethod_;
    const std::vector<char> intro = IntroductionMask(lines, CurrentIntroduction());
    dispatch.before(run);
    for (std::size_t at = 0; at < lines.size(); ++at) {
        // The type's introduction, left where it stands, is no problem.
        if (intro[at])
            continue;
        std::string line = lines[at];
        // The normalisation removes every blank: numbers that only blanks separate are split
        // (or the line refused) first, so that 12 18 never becomes 1218.
        bool blankBetweenNumbers = false;
        if (page_ != kPage131)
            line = SeparateNumbers(line, run.type, blankBetweenNumbers);
        if (holdsReplaced(line))
            for (const auto &[find, by] : normalise)
                solver_.TiHuan(line, find, by);
        const int lineBreak = Find(line, "\r\n");
        if (lineBreak >= 1)
            line = Left(line, lineBreak);
        line = Trim(line);
        if (line.empty() && !dispatch.keepEmptyLines)
            continue;
        const std::size_t written = editText_.size();
        const std::size_t messages = run.messages.size();
        if (blankBetweenNumbers || !BracketsPair(line))
            editText_ += std::string(kResultHeader) + (blankBetweenNumbers ? kBlankBetweenNumbers : kUnpairedBrackets)
                + "\r\n";
        else
            dispatch.line(run, line);
        // The equation page's routines always say something of their own: x＝5 is an answer.
        if (page_ != kPage135)
            ExplainEmptyWorking(solver_, editText_, written, line, run.type);
        EndAtZeroDivisor(editText_, written, line);
        // A line answered with a message box (a word problem without its formula file) or with a
        // sentence that says why not is refused, not done.
        if (!line.empty()) {
            if (run.messages.size() > messages || SaysRefused(std::string_view(editText_).substr(written)))
                ++refused;
            else
                ++solved;
        }
        if (afterEachLine)
            afterEachLine();
    }
    const std::size_t beforeAfter = editText_.size();
    dispatch.after(run);
    // A system (二元一次方程组, 二元二次方程组, 一元一次不等式组) is one problem however many lines
    // it takes, solved (or refused) as a whole after the last line.
    if (page_ == kPage135 && (run.type == 26 || run.type == 28 || run.type == 31) && solved + refused > 0) {
        const bool refusedWhole = refused > 0 || SaysRefused(std::string_view(editText_).substr(beforeAfter));
        solved = refusedWhole ? 0 : 1;
        refused = refusedWhole ? 1 : 0;
    }
    for (std::string &message : run.messages)
        messages_.push_back(std::move(message));
    if (dispatch.disableComputeAfter)
        computeEnabled_ = false;
    computedLines_ = solved;
    refusedLines_ = refused;
    event_ = PageEvent::Computed;
    edited_ = false;
}

void ProblemPage::CutForMarking()
{
    // Old results go, with the line break before their separator, so marking again gives the
    // same text; so do the line breaks after the last typed line.
    const int p = Find(editText_, std::string("\r\n") + kResultMark);
    if (p >= 0)
        editText_ = Left(editText_, p);
    else
        CutOldResults(kResultMark);
    while (Right(editText_, 2) == "\r\n")
        editText_ = Left(editText_, Len(editText_) - 2);
    markedProblems_ = markedSteps_ = markedRight_ = 0;
    lastMarked_.clear();
}

void ProblemPage::Mark()
{
    CutForMarking();
    event_ = PageEvent::Marked;
    edited_ = false;
    if (HoldsNothingTyped())
        return;
    const int type = CurrentType();
    const MarkedText marked = MarkWorking(solver_, type, editText_);
    editText_ += "\r\n---------------------------------------------\r\n" + marked.text;
    if (!CanMark(type))
        messages_.push_back(kCannotMark);
    markedProblems_ = marked.problems;
    markedSteps_ = marked.steps;
    markedRight_ = marked.right;
    lastMarked_ = marked.marked;
}

void ProblemPage::StepAtATime(bool hint)
{
    CutForMarking();
    event_ = hint ? PageEvent::Hinted : PageEvent::StepChecked;
    edited_ = false;
    stepAnswer_.clear();
    const int type = CurrentType();
    if (!CanMark(type)) {
        messages_.push_back(kCannotMark);
        return;
    }
    if (HoldsNothingTyped())
        return;
    stepAnswer_ = hint ? HintNextStep(solver_, type, editText_) : MarkLastStep(solver_, type, editText_);
    editText_ += "\r\n---------------------------------------------\r\n"
        + std::string(hint ? kHintHeader : kStepCheckHeader) + "\r\n" + stepAnswer_;
}

void ProblemPage::MarkLast() { StepAtATime(false); }

void ProblemPage::Hint() { StepAtATime(true); }

bool ProblemPage::MarkEnabled() const { return CanMark(type_); }

void ProblemPage::Clear()
{
    editText_.clear();
    event_ = PageEvent::Cleared;
    edited_ = false;
}

// The word-problem page loads its own example unless 根据要求找规律 is chosen; the others the
// example of the current type.
void ProblemPage::Example()
{
    const ProblemType *row = FindProblemType(CurrentType());
    const bool wordProblems = page_ == kPage131 && (row == nullptr || row->page != kPage131);
    editText_ = solver_.GetShiLi(wordProblems ? kWordProblemHelp : CurrentType());
    event_ = PageEvent::Example;
    edited_ = false;
}

void ProblemPage::ShowWordProblems()
{
    if (options_.showIntro && HoldsNothingTyped()) {
        editText_ = solver_.GetJianJie(kWordProblemHelp);
        event_ = PageEvent::TypeChosen;
        edited_ = false;
    }
    title_ = "公式应用题";
    summary_ = solver_.GetZhaiYao(kWordProblemHelp);
    type_ = 0;
    SetCurrentType(0);
}

std::vector<std::string> ProblemPage::TakeMessages() { return std::exchange(messages_, {}); }

void ProblemPage::NoteEdited(bool empty)
{
    edited_ = true;
    editedToEmpty_ = empty;
}

void ProblemPage::Reset() { *this = ProblemPage(page_); }

std::string ProblemPage::StatusLine() const
{
    // A compute that waits for a check is only worth a word when there is something to compute.
    const bool waiting = !computeEnabled_ && (edited_ ? !editedToEmpty_ : !HoldsNothingTyped());
    if (edited_ || event_ == PageEvent::None)
        return waiting ? kCheckFirstStatus : "";
    const ProblemType *row = FindProblemType(type_);
    // The word-problem page's own types (根据要求找规律) by their names; otherwise its word problems.
    const bool wordProblems = page_ == kPage131 && (row == nullptr || row->page != kPage131);
    const std::string name = wordProblems ? std::string("公式应用题") : row != nullptr ? row->caption : "";
    switch (event_) {
    case PageEvent::TypeChosen:
        return "已选择“" + name + "”。";
    case PageEvent::IntroductionBeside:
        return "已选择“" + name + "”，文本框中的题目保持不变，简介显示在右边。";
    case PageEvent::Checked:
        if (HoldsNothingTyped())
            return "文本框中没有题目：请每行输入一道题，再进行检测。";
        return "算式检测完成，可以进行运算操作。";
    case PageEvent::Computed:
        if (computedLines_ == 0 && refusedLines_ == 0)
            return "文本框中没有题目：请每行输入一道题，再进行运算。";
        if (refusedLines_ == 0)
            return "已完成 " + std::to_string(computedLines_) + " 道题的运算。";
        // A refused problem is not done: the status counts it apart.
        if (computedLines_ == 0)
            return "没有完成运算：" + std::to_string(refusedLines_) + " 道题无法计算。";
        return "已完成 " + std::to_string(computedLines_) + " 道题的运算，" + std::to_string(refusedLines_)
            + " 道题无法计算。";
    case PageEvent::Cleared:
        return "已清空文本框。";
    case PageEvent::Example:
        return "已载入“" + name + "”的示例。";
    case PageEvent::Marked:
        if (!CanMark(CurrentType()))
            return kCannotMark;
        if (markedProblems_ == 0)
            return "文本框中没有可以批改的解答：先写题目，再在下面每行写一步。";
        return "已批改 " + std::to_string(markedProblems_) + " 道题：共" + std::to_string(markedSteps_) + "步，对"
            + std::to_string(markedRight_) + "步。";
    case PageEvent::StepChecked:
    case PageEvent::Hinted: {
        if (!CanMark(CurrentType()))
            return kCannotMark;
        // The first line of the answer, as the status line says it.
        const int end = Find(stepAnswer_, "\r\n");
        const std::string first = end >= 0 ? Left(stepAnswer_, end) : stepAnswer_;
        if (first.empty())
            return "文本框中没有题目：先写题目，再一步一步做。";
        if (event_ == PageEvent::Hinted)
            return first;
        const std::string rest = end >= 0 ? Mid(stepAnswer_, end + 2) : std::string();
        const int next = Find(rest, "\r\n");
        return "已检查最后一步：" + (next >= 0 ? Left(rest, next) : rest);
    }
    case PageEvent::None:
        break;
    }
    return "";
}

} // namespace qimbel
