// Compute on the 初中基础知识 page: scientific notation, approximation and statistics.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"

namespace qimbel {

void ComputeLine133(ComputeRun &run, const std::string &line)
{
    run.lines.InsertAt(0, line);
    switch (run.type) {
    case 13:
        run.out += kResultHeader + run.solver.KeXueJiShuFa(line) + "\r\n";
        break;
    case 14:
        run.out += kResultHeader + run.solver.GetJinSiZhi(line, run.level) + "\r\n";
        break;
    default:
        // Types without a routine give nothing on this page.
        break;
    }
}

void AfterLines133(ComputeRun &run)
{
    // Type 17 answers all its question lines at once, even when no line was typed.
    if (run.type == 17)
        run.out += kResultHeader + run.solver.ShuDeXingZhi(run.lines, run.level) + "\r\n";
}

} // namespace qimbel
