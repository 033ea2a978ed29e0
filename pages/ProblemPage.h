// The model of one problem page: everything the page does, as plain C++ on GBK texts.
//
// A widget binds to it: before a handler it copies the screen into the model (edit text, option
// boxes), calls the handler, and copies the model back to the screen.
#pragma once

#include "solver/Solver.h"

#include <functional>
#include <string>
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

// The detail level that the option boxes give: 5 with working and explanations, 4 with one of
// them, 1 with neither; `previous` stays when 运算结果 is unchecked.
int DetailLevelOf(const PageOptions &options, int previous);

class ProblemPage {
public:
    explicit ProblemPage(int page);

    int Page() const { return page_; }

    const std::string &EditText() const { return editText_; }
    void SetEditText(std::string text) { editText_ = std::move(text); }
    const PageOptions &Options() const { return options_; }
    void SetOptions(const PageOptions &options) { options_ = options; }
    const std::string &Title() const { return title_; }
    const std::string &Summary() const { return summary_; }
    bool ComputeEnabled() const { return computeEnabled_; }
    // Whether the page should ask for a check: compute is greyed out and the results of a
    // compute are not what the pupil is looking at (a type chosen, or nothing computed yet).
    bool AsksForCheck() const { return !computeEnabled_ && !showsResults_; }
    bool EditEnabled() const { return editEnabled_; }
    // Page 134's 因式分解方法 group: 1 提公因法, 2 应用公式法, 3 分组分解法, 4 十字相乘法, 5 配方法,
    // 6 求根法, 7 待定系数法, 8 综合处理 (also when nothing is chosen). Read by 因式分解 (type 22).
    int FactorMethod() const { return factorMethod_; }
    void SetFactorMethod(int method) { factorMethod_ = method >= 1 && method <= 8 ? method : 8; }

    // A problem-type button: the text box gets the introduction (or nothing), the summary, the
    // current type and the title follow the type.
    void ChooseType(int type);
    // What tab selection does for the page's type: summary, current type and title; the typed
    // text stays.
    void ShowType(int type);
    // 先进行算式检测: cut old results, normalise the symbols, enable compute.
    void Check();
    // 再进行运算操作: solve every line with the routine of the current type. `afterEachLine`, when
    // given, is called after every line (the window shows a busy cursor from it).
    void Compute(const std::function<void()> &afterEachLine = nullptr);
    // 清空.
    void Clear();
    // 示例: the worked example of the current type replaces the text.
    void Example();
    // The symbol palette's OK: its selection goes to the very end of the text.
    void AppendSymbols(const std::string &symbols);
    // 公式应用题 on the word-problem page: with 显示简介 checked the introduction replaces the
    // text; otherwise the page is only shown again.
    void ShowWordProblems();

    // The message boxes that the last handler asks for, in order; taking them empties the list.
    std::vector<std::string> TakeMessages();

private:
    void CutOldResults(const std::string &mark);
    void SetTitleFor(int type);

    int page_;
    std::string editText_;
    PageOptions options_;
    std::string title_ = "标题";
    std::string summary_ = "摘要";
    bool computeEnabled_ = false;
    bool showsResults_ = false;
    bool editEnabled_ = true;
    std::vector<std::string> messages_;
    int factorMethod_ = 8;
    Solver solver_;
};

} // namespace qimbel
