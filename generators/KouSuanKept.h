// What the 口算练习生成器 keeps over closing and reopening: the options of the sheet (the sheet is
// made again from them), the mode, the answers given so far in their order (replayed, they give
// the practice's state back), the round under way, what stands in the boxes of the whole sheet,
// the time spent and whether the report was shown. A damaged file or one of another kind is not
// read; nothing of it reaches the window.
#pragma once

#include "generators/KouSuanGenerator.h"
#include "generators/KouSuanPractice.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace qimbel::kousuan {

// A kept practice larger than this is not one of ours.
inline constexpr std::size_t kLargestKeptPractice = 1024 * 1024;
// The longest answer the window takes.
inline constexpr std::size_t kLongestKeptAnswer = 64;

struct KeptAnswer {
    std::size_t index = 0;
    std::string typed; // GBK, as typed
};

struct KeptPractice {
    Options options;
    bool wholeSheet = false;
    bool finished = false; // the report is shown
    long long milliseconds = 0; // practice time so far
    std::vector<std::size_t> order; // one at a time: the problems of the round under way
    std::size_t position = 0; // in `order`
    std::vector<KeptAnswer> answers; // every readable answer, in the order given
    std::vector<std::string> boxes; // whole sheet: what stands in each box (GBK)
};

std::string WriteKeptPractice(const KeptPractice &kept);
std::optional<KeptPractice> ReadKeptPractice(const std::string &bytes);

// The practice as it was: the sheet made again and the answers given again.
Practice ReplayPractice(const KeptPractice &kept);

} // namespace qimbel::kousuan
