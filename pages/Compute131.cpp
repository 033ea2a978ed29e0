// Compute on the 小学应用题 page: formula word problems.
#include "pages/PageDispatch.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaText.h"

namespace qimbel {

// Every line is one word problem solved from its formula file; a line that names no formula file
// in 〖 〗 gets the page's message box. The current type and the detail level play no part.
void ComputeLine131(ComputeRun &run, const std::string &line)
{
    if (!wordproblems::SplitFormulaName(line))
        run.messages.push_back(wordproblems::kNameMissingMessage);
    run.out += run.solver.GongShiJieTi(line, wordproblems::FormulaFolder(run.solver.GetLuJing()));
    run.out += "\r\n";
}

} // namespace qimbel
