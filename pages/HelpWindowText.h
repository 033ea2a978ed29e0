// What the help window of a problem page shows: the introduction, summary and worked example of
// the page's problem type, and how to type the signs.
#pragma once

#include <string>

namespace qimbel {

struct HelpWindowText {
    std::string caption; // the window's caption
    std::string body; // the sections, one after the other, GBK with CR LF line ends
};

// The help of problem type `type` as shown on page `page`. A type that is not one of the page's
// own (the word-problem page chooses no type) gives the page's name and the signs only.
HelpWindowText HelpForPage(int page, int type);

} // namespace qimbel
