#include "generators/ZuJuanBanMian.h"

namespace qimbel::shijuan {

PaperLayout MadePaperLayout(const MadePaper &paper)
{
    PaperLayout layout;
    layout.head = {{paper.title, PaperFont::Title}, {paper.info, PaperFont::Body}};
    layout.keyTitle = paper.keyTitle;
    for (const MadePaperSection &section : paper.sections) {
        LayoutSection laid;
        laid.heading = section.heading;
        laid.problems = section.problems;
        for (int room : section.room)
            laid.room.push_back(room);
        laid.most = 3; // three short problems a row at most
        laid.key = section.key;
        layout.sections.push_back(laid);
    }
    return layout;
}

std::vector<PaperPage> LayOutMadePaper(const MadePaper &paper, const TextMeasure &measure, double width, double height)
{
    return LayOutPages(MadePaperLayout(paper), measure, width, height);
}

} // namespace qimbel::shijuan
