// Compute on the 小学基础知识 page: number reading and writing, multiples, factors, unit
// conversion, prime factorisation, sorting and the number-property questions.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"

namespace qimbel {

void ComputeLine129(ComputeRun &run, const std::string &line)
{
    run.lines.InsertAt(0, line);
    switch (run.type) {
    default:
        // Types without a routine give nothing on this page.
        break;
    }
}

void AfterLines129(ComputeRun &run)
{
    (void)run;
}

} // namespace qimbel
