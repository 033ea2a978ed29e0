// The model of one problem page: everything the page does, as plain C++ on GBK texts.
//
// A widget binds to it: before a handler it copies the screen into the model (edit text, option
// boxes), calls the handler, and copies the model back to the screen.
#pragma once

#include "marking/MarkedProblem.h"
#include "solver/Solver.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace qimbel {

// The four option boxes: 显示简介, 运算结果 (always checked), 运算过程, 运算说明.
struct PageOptions {
    bool showIntro = true;
    bool showResult = true;
    bool showWorking = true;
    bool showExplain = true;
};

// The help texts of the word-problem page (introduction, summary, example) carry the page's
// number: the page has no problem type of its own.
inline constexpr int kWordProblemHelp = 131;

// What a page did last, for the status bar.
enum class PageEvent {
    None,
    TypeChosen, // the introduction (or nothing) went into the text box
    IntroductionBeside, // the typed text stayed; the introduction went to the summary panel
    Checked,
    Computed,
    Cleared,
    Example,
    Marked,
    StepChecked, // 下一步检查
    Hinted, // 提示
};

// The detail level that the option boxes give: 5 with working and explanations, 4 with one of
// them, 1 with neither; `previous` stays when 运算结果 is unchecked.
int DetailLevelOf(const PageOptions &options, int previous);

class ProblemPage {
public:
    explicit ProblemPage(int page);

    int Page() const { return page_; }

    const std::string &EditText() const { return editText_; }
    // The text box's text, taken out of a page that is done with it (it is left empty).
    std::string TakeEditText() { return std::exchange(editText_, {}); }
    void SetEditText(std::string text) { editText_ = std::move(text); }
    const PageOptions &Options() const { return options_; }
    void SetOptions(const PageOptions &options) { options_ = options; }
    const std::string &Title() const { return title_; }
    const std::string &Summary() const { return summary_; }
    bool ComputeEnabled() const { return computeEnabled_; }
    void SetComputeEnabled(bool enabled) { computeEnabled_ = enabled; }
    bool EditEnabled() const { return editEnabled_; }
    // Page 134's 因式分解方法 group: 1 提公因法, 2 应用公式法, 3 分组分解法, 4 十字相乘法, 5 配方法,
    // 6 求根法, 7 待定系数法, 8 综合处理 (also when nothing is chosen). Read by 因式分解 (type 22).
    int FactorMethod() const { return factorMethod_; }
    void SetFactorMethod(int method) { factorMethod_ = method >= 1 && method <= 8 ? method : 8; }

    // The page's own problem type: the one its buttons or its tab chose last, 0 before any.
    int Type() const { return type_; }

    // A problem-type button: the summary, the current type and the title follow the type. The
    // introduction (or nothing) replaces the text only when the text holds nothing the pupil
    // typed (see HoldsNothingTyped); otherwise the typed lines stay and the introduction is
    // shown in the summary panel, above the summary.
    void ChooseType(int type);
    // What tab selection does for the page's type: summary, current type and title; the typed
    // text stays.
    void ShowType(int type);
    // True when the text is empty, or holds, before any old results, only an introduction or an
    // example of one of the page's types: text a type button may replace without losing work.
    bool HoldsNothingTyped() const;
    // 先进行算式检测: cut old results, normalise the symbols, enable compute.
    void Check();
    // 再进行运算操作: solve every line with the routine of the current type. `afterEachLine`, when
    // given, is called after every line (the window shows a busy cursor from it).
    void Compute(const std::function<void()> &afterEachLine = nullptr);
    // 批改我的解答: cut old results and put the marked copy of the pupil's working below the text,
    // after a separator and 批改结果：. A type that cannot be marked answers with one sentence
    // (also as a message).
    void Mark();
    // 一步一步: 下一步检查 marks only the last typed line against the line before it; 提示
    // names the next move. Both cut old results and put their answer below the text after a
    // separator and 下一步检查： or 提示：, on the pages whose type can be marked.
    void MarkLast();
    void Hint();
    // The problems the last 批改我的解答 marked, in the order typed (for the 错题本).
    const std::vector<MarkedProblem> &LastMarked() const { return lastMarked_; }
    // Whether 批改我的解答 (and 一步一步) can mark the page's type.
    bool MarkEnabled() const;
    // 清空.
    void Clear();
    // 示例: the worked example of the current type replaces the text.
    void Example();
    // 公式应用题 on the word-problem page: with 显示简介 checked the introduction replaces a
    // text that holds nothing typed; the page's title and summary are those of the word problems
    // again, and the current type is none (0), so compute solves word problems.
    void ShowWordProblems();
    // The pupil changed the text since the last handler (typing, pasting, the symbol palette);
    // `empty`: the text box is empty now.
    void NoteEdited(bool empty);
    // Back to the state of a fresh page: empty text, first options, no type.
    void Reset();

    // What the status bar says about the page: what the last handler did, until the pupil edits
    // the text; a request for the check while compute waits for one; otherwise nothing.
    std::string StatusLine() const;

    // The message boxes that the last handler asks for, in order; taking them empties the list.
    std::vector<std::string> TakeMessages();

private:
    void CutOldResults(const std::string &mark);
    void CutForMarking();
    void StepAtATime(bool hint);
    void SetTitleFor(int type);
    bool IsHelpTextOfThePage(const std::string &stem) const;
    // The introduction of the type that check and compute work with.
    std::string CurrentIntroduction();

    int page_;
    std::string editText_;
    PageOptions options_;
    std::string title_ = "标题";
    std::string summary_ = "摘要";
    bool computeEnabled_ = false;
    bool editEnabled_ = true;
    std::vector<std::string> messages_;
    int factorMethod_ = 8;
    int type_ = 0;
    PageEvent event_ = PageEvent::None;
    int computedLines_ = 0; // problems the last compute solved
    int refusedLines_ = 0; // problems the last compute could not solve, and said why
    int markedProblems_ = 0, markedSteps_ = 0, markedRight_ = 0; // what the last 批改 found
    std::string stepAnswer_; // what the last 下一步检查 or 提示 said
    bool edited_ = false; // by hand, since the last handler
    bool editedToEmpty_ = false;
    std::vector<MarkedProblem> lastMarked_;
    Solver solver_;
};

} // namespace qimbel
