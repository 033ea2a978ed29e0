// The steps of a routine that writes its working as HunHeYunSuan does, and their text by detail
// level: the first line as typed, then each new expression on a line of its own after "＝", at
// level 5 with its label "第n步:" and description 30 blanks (at least) after it.
#pragma once

#include "algebra/StepLayout.h"

#include <string>
#include <vector>

namespace qimbel {

// The sign a step writes for one of the ASCII operators + - * (anything else is "÷").
inline std::string OperatorSign(char op)
{
    switch (op) {
    case '+':
        return "＋";
    case '-':
        return "－";
    case '*':
        return "×";
    default:
        return "÷";
    }
}

struct WorkedStep {
    std::string expression;
    std::string description;
};

// Level 5 the labelled lines, any other level the chain without labels (level 1 is the caller's:
// the last expression alone).
inline std::string WrittenSteps(const std::string &first, const std::vector<WorkedStep> &steps, int level)
{
    std::string text = first;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (level == 5)
            text += StepLine(steps[k].expression, StepPadding(first, steps[k].expression, 30), static_cast<int>(k + 1),
                steps[k].description);
        else
            text += "\r\n＝" + steps[k].expression;
    }
    return text;
}

} // namespace qimbel
