// Compute on the 小学计算题 page: column arithmetic, mixed operations, equations and ratios.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"

namespace qimbel {

void ComputeLine130(ComputeRun &run, const std::string &line)
{
    (void)line;
    run.out += kResultHeader;
    switch (run.type) {
    default:
        // Types without a routine give the result header alone.
        break;
    }
}

} // namespace qimbel
