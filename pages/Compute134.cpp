// Compute on the 初中计算题 page: worked numeric and polynomial arithmetic.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"

namespace qimbel {

void ComputeLine134(ComputeRun &run, const std::string &line)
{
    (void)line;
    run.out += kResultHeader;
    switch (run.type) {
    default:
        // 因式分解 and the disabled types give the result header alone.
        break;
    }
}

} // namespace qimbel
