// The ten topic pages of the main window as a model: which tab shows which page, and what
// selecting a tab does to the current problem type, the title and the summary.
#pragma once

#include "pages/ProblemPage.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace qimbel {

struct TabInfo {
    const char *label;
    int page; // the page's template number
    int type; // the type a selection makes current, 0 when selection leaves the type alone
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

    int CurrentTab() const { return currentTab_; }
    // Shows the tab's page; a problem page with a type of its own makes that type current and
    // shows its title and summary. The typed text of every page stays as it is.
    void SelectTab(int tab);

    // The problem page of a tab or template number, nullptr for the other pages.
    ProblemPage *ProblemPageOfTab(int tab);
    ProblemPage *ProblemPageOf(int page);

private:
    std::vector<std::unique_ptr<ProblemPage>> pages_;
    int currentTab_ = 0;
};

} // namespace qimbel
