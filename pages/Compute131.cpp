// Compute on the 小学应用题 page: formula word problems.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaText.h"

namespace qimbel {

// Every line is one word problem solved from its formula file; a line that names no formula file
// in 〖 〗 gets the page's message box. Only 根据要求找规律 (type 33) reads the type and the level.
void ComputeLine131(ComputeRun &run, const std::string &line)
{
    if (run.type == 33) {
        run.out += kResultHeader + run.solver.ZhaoGuiLv(line, run.level) + "\r\n";
        return;
    }
    if (!wordproblems::SplitFormulaName(line))
        run.messages.push_back(wordproblems::kNameMissingMessage);
    run.out += run.solver.GongShiJieTi(line, wordproblems::FormulaFolder(run.solver.GetLuJing()));
    run.out += "\r\n";
}

} // namespace qimbel
