// Compute on the 初中基础知识 page: scientific notation, approximation and statistics.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"

namespace qimbel {

void ComputeLine133(ComputeRun &run, const std::string &line)
{
    run.lines.InsertAt(0, line);
    switch (run.type) {
    default:
        // Types without a routine give nothing on this page.
        break;
    }
}

void AfterLines133(ComputeRun &run)
{
    (void)run;
}

} // namespace qimbel
