// Compute on the 初中计算题 page: worked numeric and polynomial arithmetic.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"
#include "solver/InputLimits.h"

namespace qimbel {

void ComputeLine134(ComputeRun &run, const std::string &line)
{
    run.out += kResultHeader;
    switch (run.type) {
    case 20: // 有理数四则运算
    case 21: // 整式四则运算: the same general driver
        run.out += "  " + run.solver.HunHeYunSuan(line, run.level) + "\r\n";
        break;
    case 22: // 因式分解, by the method chosen in the page's group
        run.out += "  " + run.solver.YinShiFenJie(line, run.factorMethod, run.level) + "\r\n";
        break;
    case 23: // 分式四则运算
        run.out += "  " + run.solver.FenShiSiZeYunSuan(line, run.level) + "\r\n";
        break;
    case 24: // 二次根式四则运算
        run.out += "  " + run.solver.GenShiSiZeYunSuan(line, run.level) + "\r\n";
        break;
    default:
        // The disabled types give the result header alone, or the sentence for a line beyond
        // their limit.
        if (const std::string sentence = LineTooLong(line, kLongestLineWithoutRoutine); !sentence.empty())
            run.out += sentence + "\r\n";
        break;
    }
}

} // namespace qimbel
