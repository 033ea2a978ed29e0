// The problem types: which page owns each, its button, caption, title and whether it can be chosen.
#pragma once

#include <string>
#include <vector>

namespace qimbel {

// Templates of the six problem pages.
enum PageId : int {
    kPage129 = 129, // 小学基础知识
    kPage130 = 130, // 小学计算题
    kPage131 = 131, // 小学应用题
    kPage133 = 133, // 初中基础知识
    kPage134 = 134, // 初中计算题
    kPage135 = 135, // 方程与不等式
};

// What a type button does to the page's title.
enum class TitleRule {
    Set, // show the type's title
    Keep, // leave the title as it is (types 11, 23, 24)
    Clear, // empty the title (types 28, 29)
};

struct ProblemType {
    int type;
    int page;
    int buttonId;
    const char *caption;
    const char *title;
    TitleRule titleRule;
    bool enabled;
    // What a type that cannot be chosen yet will do; its greyed button says so in its tooltip.
    const char *plan = "";
};

// The tooltip of a type's button: for a type that cannot be chosen yet, what it will do and
// that it is not available; empty for the others.
std::string TypeButtonTip(const ProblemType &row);

// All problem types in the order of their numbers (19 is not used).
const std::vector<ProblemType> &ProblemTypes();
// The row of `type`, or nullptr for a number without a type.
const ProblemType *FindProblemType(int type);
// The types whose buttons stand on `page`, in the order of their numbers.
std::vector<const ProblemType *> TypesOfPage(int page);
// The types whose routines read "÷" as a fraction bar (分式四则运算, 分式方程): their working is
// typeset with stacked fractions there.
bool ReadsDivisionAsFraction(int type);

} // namespace qimbel
