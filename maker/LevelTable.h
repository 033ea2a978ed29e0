// What 基础, 提高 and 拓展 mean for each type the makers serve: one table, shown in the README.
#pragma once

#include "maker/ProblemMaker.h"

#include <vector>

namespace qimbel {

struct MakerLevelRow {
    int type;
    const char *name; // the type's name on a paper
    const char *jiChu; // 基础
    const char *tiGao; // 提高
    const char *tuoZhan; // 拓展
};

// The rows in the order of the types' numbers.
const std::vector<MakerLevelRow> &MakerLevels();
// The meaning of one level of a type; empty for a type without a maker.
std::string LevelMeaning(int type, MakerLevel level);
// The level named 基础, 提高 or 拓展, in GBK or UTF-8; false for another name.
bool ReadMakerLevel(const std::string &name, MakerLevel &level);
const char *MakerLevelName(MakerLevel level);

} // namespace qimbel
