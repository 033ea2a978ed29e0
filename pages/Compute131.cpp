// Compute on the 小学应用题 page: formula word problems.
#include "pages/PageDispatch.h"

namespace qimbel {

void ComputeLine131(ComputeRun &run, const std::string &line)
{
    (void)run;
    (void)line;
}

} // namespace qimbel
