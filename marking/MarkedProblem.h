// 批改: what marking one problem of a pupil's own working gives. The text box holds the problem,
// then the pupil's steps; every step is compared, exactly, with the readable line before it.
// All texts are GBK, as everywhere in the engine.
#pragma once
#include <string>
#include <vector>

namespace qimbel {

enum class StepMark {
    Problem, // a line of the problem itself (no mark)
    Right, // √
    Wrong, // ×
    Unreadable, // 无法识别: the next step is compared with the last readable one
};

struct MarkedLine {
    std::string typed; // the pupil's line, exactly as typed
    StepMark mark = StepMark::Problem;
    // Wrong: the kind of slip in a teacher's words ("移项没有变号"), empty when not recognised.
    // Unreadable: why the line could not be read.
    std::string reason;
    // At the first wrong step only: Qimbel's own correct step in its place (empty when it has
    // none to offer).
    std::string correctStep;
};

struct MarkedProblem {
    std::vector<MarkedLine> lines;
    // The last readable line is the answer (solved for the unknown, fully simplified, fully
    // factored, 检验 done …).
    bool finished = false;
    // When not finished: what is still missing, as a sentence without its final "。".
    std::string missing;
    // A teacher's closing sentence after the end, with its final "。" (简便运算: whether a law made
    // the work easier); empty for none.
    std::string remark;
};

} // namespace qimbel
