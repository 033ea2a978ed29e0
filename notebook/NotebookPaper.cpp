// 打印错题本: the paper the pupil takes away.
#include "maker/ProblemMaker.h"
#include "notebook/Notebook.h"

namespace qimbel {

NotebookEntry EntryOfAnswer(int type, const std::string &problem, const std::string &typed, const std::string &answer)
{
    NotebookEntry entry;
    entry.type = type;
    entry.problem = problem;
    entry.working = entry.wrongLine = typed;
    entry.wrongStep = 1;
    entry.correction = answer;
    entry.solution = problem + "＝" + answer;
    return entry;
}

std::string SlipName(const NotebookEntry &entry) { return entry.slip.empty() ? kUnnamedSlip : entry.slip; }

std::string EntryText(const NotebookEntry &e)
{
    std::string text = e.problem + "\r\n我的做法：\r\n" + e.working + "\r\n错在第" + std::to_string(e.wrongStep)
        + "步：" + e.wrongLine + "\r\n错误：" + SlipName(e) + "\r\n";
    if (!e.correction.empty())
        text += "应该是：" + e.correction + "\r\n";
    if (!e.solution.empty())
        text += "正确的解法：\r\n" + e.solution + "\r\n";
    return text;
}

std::string NotebookPaper(const std::vector<const NotebookEntry *> &entries, std::uint64_t seed)
{
    std::string text;
    int n = 0;
    for (const NotebookEntry *e : entries) {
        text += std::to_string(++n) + ". " + EntryText(*e);
        const MadeProblems similar = Similar(e->type, e->problem, 1, seed + static_cast<std::uint64_t>(e->id));
        if (!similar.problems.empty()) {
            text += "再做一道：" + similar.problems[0].line + "\r\n";
            // Room to work.
            for (int line = 0; line < 6; ++line)
                text += "\r\n";
        }
        text += "\r\n";
    }
    return text.empty() ? "错题本里没有错题。\r\n" : text;
}

} // namespace qimbel
