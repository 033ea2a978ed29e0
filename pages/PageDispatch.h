// The compute dispatch of each problem page: what one typed line turns into, and what a page
// adds before the first and after the last line. Each page's dispatch has a file of its own
// (pages/Compute129.cpp and so on); the common loop is in ProblemPage::Compute.
#pragma once

#include "solver/Solver.h"

#include <string>
#include <vector>

namespace qimbel {

// What one compute hands the page's dispatch. The lists live for this compute only.
struct ComputeRun {
    Solver &solver;
    std::string &out; // the page's edit text; results are appended to it
    int type; // the current problem type
    int level; // the detail level
    StringArray lines; // pages 129, 133: every non-empty line, the last one at index 0
    StringArray equations; // pages 130, 135
    StringArray letters; // pages 130, 135
    std::string declaration; // page 135: the line that names the unknown
    std::vector<std::string> messages; // page 131: message boxes to show, in order
    int factorMethod = 8; // page 134, type 22: the 因式分解方法 chosen, 1 to 8 (8 综合处理)
};

struct PageDispatch {
    // Replacements applied, in order, to every line before it is dispatched.
    const char *const (*normalise)[2];
    int normaliseCount;
    // Page 135 hands empty lines to its dispatch too (they reset the declaration line).
    bool keepEmptyLines;
    // Pages 131 and 135 leave the compute button enabled after computing.
    bool disableComputeAfter;
    void (*before)(ComputeRun &run);
    void (*line)(ComputeRun &run, const std::string &line);
    void (*after)(ComputeRun &run);
};

const PageDispatch &DispatchOf(int page);

void ComputeLine129(ComputeRun &run, const std::string &line);
void AfterLines129(ComputeRun &run);
void ComputeLine130(ComputeRun &run, const std::string &line);
void ComputeLine131(ComputeRun &run, const std::string &line);
void ComputeLine133(ComputeRun &run, const std::string &line);
void AfterLines133(ComputeRun &run);
void ComputeLine134(ComputeRun &run, const std::string &line);
void BeforeLines135(ComputeRun &run);
void ComputeLine135(ComputeRun &run, const std::string &line);
void AfterLines135(ComputeRun &run);

} // namespace qimbel
