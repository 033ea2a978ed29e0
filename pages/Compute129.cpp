// Compute on the 小学基础知识 page: number reading and writing, multiples, factors, unit
// conversion, prime factorisation, sorting and the number-property questions.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"
#include "solver/InputLimits.h"

namespace qimbel {

void ComputeLine129(ComputeRun &run, const std::string &line)
{
    run.lines.InsertAt(0, line);
    switch (run.type) {
    case 1:
        run.out += kResultHeader + run.solver.ShuDeDuFa(line, run.level) + "\r\n";
        break;
    case 2:
        run.out += kResultHeader + run.solver.ShuDeXieFa(line, run.level) + "\r\n";
        break;
    case 3:
        run.out += kResultHeader + run.solver.BeiShu(line) + "\r\n";
        break;
    case 4:
        run.out += kResultHeader + run.solver.YinShuGuoCheng(line, run.level) + run.solver.YinShu(line) + "\r\n";
        break;
    case 12:
        // A line beyond the limit is not written again before the sentence.
        if (const std::string sentence = LineTooLong(line, kLongestNumberLine); !sentence.empty())
            run.out += kResultHeader + sentence + "\r\n";
        else
            run.out += kResultHeader + line + "＝" + run.solver.fenjieyinshu(line) + "\r\n";
        break;
    case 5:
        run.out += kResultHeader + run.solver.DaXiaoBiJiao(line, run.level) + "\r\n";
        break;
    case 6:
        run.out += kResultHeader + run.solver.DanWeiZhuanHuan(line, run.level) + "\r\n";
        break;
    case 32:
        run.out += kResultHeader + run.solver.SuanShiTianKong(line, run.level) + "\r\n";
        break;
    case 15:
        run.out += kResultHeader + run.solver.PaiXu(line) + "\r\n";
        break;
    default:
        // Types without a routine give nothing on this page.
        break;
    }
}

void AfterLines129(ComputeRun &run)
{
    // Type 16 answers all its question lines at once, even when no line was typed.
    if (run.type == 16)
        run.out += kResultHeader + run.solver.ShuDeXingZhi(run.lines) + "\r\n";
}

} // namespace qimbel
