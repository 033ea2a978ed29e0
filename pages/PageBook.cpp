#include "pages/PageBook.h"

#include "pages/Session.h"

namespace qimbel {

const std::vector<TabInfo> &Tabs()
{
    static const std::vector<TabInfo> tabs = {
        {"小学基础知识", 129, 1},
        {"小学计算题", 130, 7},
        {"小学应用题", 131, 0},
        {"初中基础知识", 133, 13},
        {"初中计算题", 134, 20},
        {"方程与不等式", 135, 25},
        {"统计图初步", 132, 0},
        {"函数与图象", 137, 0},
        {"知识资料汇总", 153, 0},
        {"自动出卷及测试", 164, 0},
    };
    return tabs;
}

int TabOfPage(int page)
{
    const std::vector<TabInfo> &tabs = Tabs();
    for (std::size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].page == page)
            return static_cast<int>(i);
    return -1;
}

PageBook::PageBook()
{
    for (int page : {129, 130, 131, 133, 134, 135})
        pages_.push_back(std::make_unique<ProblemPage>(page));
}

void PageBook::Start()
{
    SetCurrentType(1);
    SelectTab(0);
}

void PageBook::SelectTab(int tab)
{
    if (tab < 0 || tab >= static_cast<int>(Tabs().size()))
        return;
    currentTab_ = tab;
    const TabInfo &info = Tabs()[static_cast<std::size_t>(tab)];
    ProblemPage *page = ProblemPageOf(info.page);
    if (page == nullptr)
        return;
    // A page shows the type it had when it was left; a page not yet shown, its tab's type.
    const int type = page->Type() != 0 ? page->Type() : info.type;
    if (type != 0)
        page->ShowType(type);
}

void PageBook::Reset()
{
    for (const std::unique_ptr<ProblemPage> &page : pages_)
        page->Reset();
    practice_.Stop();
    Start();
}

ProblemPage *PageBook::ProblemPageOf(int page)
{
    for (const std::unique_ptr<ProblemPage> &p : pages_)
        if (p->Page() == page)
            return p.get();
    return nullptr;
}

const ProblemPage *PageBook::ProblemPageOf(int page) const { return const_cast<PageBook *>(this)->ProblemPageOf(page); }

ProblemPage *PageBook::ProblemPageOfTab(int tab)
{
    if (tab < 0 || tab >= static_cast<int>(Tabs().size()))
        return nullptr;
    return ProblemPageOf(Tabs()[static_cast<std::size_t>(tab)].page);
}

} // namespace qimbel
