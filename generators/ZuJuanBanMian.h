// The printed pages of a 自动组卷 paper and its key, laid out by the test paper's layout: columns
// as wide as the longest problem allows (nothing wraps), a heading never at the foot of a page,
// each problem with its room to work on its page, no last problem alone on a page.
#pragma once

#include "generators/ShiJuanBanMian.h"
#include "maker/Paper.h"

namespace qimbel::shijuan {

// The layout of a made paper: its title, number and name line, its sections with each problem's
// room to work, its key.
PaperLayout MadePaperLayout(const MadePaper &paper);

std::vector<PaperPage> LayOutMadePaper(const MadePaper &paper, const TextMeasure &measure, double width, double height);

} // namespace qimbel::shijuan
