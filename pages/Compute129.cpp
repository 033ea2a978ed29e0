// Compute on the 小学基础知识 page: number reading and writing, multiples, factors, unit
// conversion, prime factorisation, sorting and the number-property questions.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"

namespace qimbel {

void ComputeLine129(ComputeRun &run, const std::string &line)
{
    run.lines.InsertAt(0, line);
    switch (run.type) {
    case 3:
        run.out += kResultHeader + run.solver.BeiShu(line) + "\r\n";
        break;
    case 4:
        run.out += kResultHeader + run.solver.YinShu(line) + "\r\n";
        break;
    case 12:
        run.out += kResultHeader + line + "＝" + run.solver.fenjieyinshu(line) + "\r\n";
        break;
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
