#include "pages/HelpWindowText.h"

#include "pages/PageBook.h"
#include "pages/TypeTable.h"
#include "solver/GbkText.h"
#include "solver/HelpFile.h"
#include "solver/Solver.h"

namespace qimbel {

namespace {

// A section: its heading on a line of its own, the text, and an empty line after it. A section
// without text is left out.
void AddSection(std::string &body, const char *heading, const std::string &text)
{
    if (Trim(text).empty())
        return;
    body += "【";
    body += heading;
    body += "】\r\n";
    body += text;
    if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)
        body += "\r\n";
    body += "\r\n";
}

} // namespace

HelpWindowText HelpForPage(int page, int type)
{
    Solver solver;
    HelpWindowText help;
    const ProblemType *row = FindProblemType(type);
    const bool ownType = row != nullptr && row->page == page;
    const int tab = TabOfPage(page);
    help.caption = "帮助 - ";
    if (ownType)
        help.caption += row->caption;
    else if (tab >= 0)
        help.caption += Tabs()[static_cast<std::size_t>(tab)].label;
    if (ownType) {
        AddSection(help.body, "简介", solver.GetJianJie(type));
        AddSection(help.body, "摘要", solver.GetZhaiYao(type));
        AddSection(help.body, "示例", solver.GetShiLi(type));
    }
    AddSection(help.body, "符号的输入", LoadHelpText(solver.GetLuJing() + "/Help/FuHao.txt", false));
    return help;
}

} // namespace qimbel
