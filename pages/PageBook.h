// The ten topic pages of the main window as a model: which tab shows which page, and what
// selecting a tab does to the current problem type, the title and the summary.
#pragma once

#include "pages/Practice.h"
#include "pages/ProblemPage.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace qimbel {

struct TabInfo {
    const char *label;
    int page; // the page's template number
    int type; // the type the page shows when first selected; 0 when selection leaves the type alone
};

// The ten tabs in their visible order.
const std::vector<TabInfo> &Tabs();
// The tab that shows the page with template `page`, or -1.
int TabOfPage(int page);

class PageBook {
public:
    PageBook();

    // Start-up: tab 0 is selected and type 1 is shown on it.
    void Start();

    // 新建: every problem page as at start-up, then Start().
    void Reset();

    int CurrentTab() const { return currentTab_; }
    // Shows the tab's page. A problem page shows its own type again (the one its buttons chose
    // last, at first the tab's type): the type becomes current, with its title and summary. The
    // typed text of every page stays as it is.
    void SelectTab(int tab);

    // The problem page of a tab or template number, nullptr for the other pages.
    ProblemPage *ProblemPageOfTab(int tab);
    ProblemPage *ProblemPageOf(int page);
    const ProblemPage *ProblemPageOf(int page) const;

    // 练一练: the round under way, if any; kept with the session.
    Practice &PracticeRound() { return practice_; }
    const Practice &PracticeRound() const { return practice_; }

private:
    std::vector<std::unique_ptr<ProblemPage>> pages_;
    Practice practice_;
    int currentTab_ = 0;
};

} // namespace qimbel
