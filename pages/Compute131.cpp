// Compute on the 小学应用题 page: formula word problems.
#include "pages/PageDispatch.h"
#include "pages/ResultTexts.h"
#include "wordproblems/FormulaFile.h"
#include "wordproblems/FormulaText.h"

#include <string>
#include <vector>

namespace qimbel {

// Every line is one word problem solved from its formula file; a line that names no formula file
// in 〖 〗 gets the page's message box. Only 根据要求找规律 (type 33) reads the type and the level.
void ComputeLine131(ComputeRun &run, const std::string &line)
{
    if (run.type == 33) {
        run.out += kResultHeader + run.solver.ZhaoGuiLv(line, run.level) + "\r\n";
        return;
    }
    const std::string folder = wordproblems::FormulaFolder(run.solver.GetLuJing());
    if (wordproblems::SplitFormulaName(line)) {
        run.out += run.solver.GongShiJieTi(line, folder) + "\r\n";
        return;
    }
    // Without 〖…〗 the file that the problem's words match best is taken, and named; two that
    // match equally are offered to the pupil to choose from.
    const std::vector<std::string> matching = wordproblems::MatchingFormulaFiles(line, folder);
    if (matching.size() == 1) {
        std::string solved = run.solver.GongShiJieTi("〖" + matching[0] + "〗" + line, folder);
        const std::string header = wordproblems::kWordProblemHeader;
        if (solved.compare(0, header.size(), header) == 0)
            solved.insert(header.size(), "\r\n按〖" + matching[0] + "〗的公式解答。");
        run.out += solved + "\r\n";
        return;
    }
    if (matching.size() > 1) {
        std::string files;
        for (std::size_t k = 0; k < matching.size(); ++k)
            files += (k == 0 ? "" : k + 1 == matching.size() ? "或" : "、") + ("〖" + matching[k] + "〗");
        run.messages.push_back(
            "这道题可以按" + files + "的公式解答，请在题目的前面写上其中一个，例如〖" + matching[0] + "〗。");
    } else {
        run.messages.push_back(wordproblems::kNameMissingMessage);
    }
    run.out += run.solver.GongShiJieTi(line, folder) + "\r\n";
}

} // namespace qimbel
