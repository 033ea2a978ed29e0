// 练一练: a few made problems of one type, one at a time; the pupil types the working (for the
// types that cannot be marked step by step, only the answer), 批改 marks it at once, a wrong
// problem can be tried again or followed by a similar one, and a 练习报告 ends the round.
// Plain C++ on GBK texts; the clock is the caller's (seconds).
#pragma once

#include "maker/ProblemMaker.h"
#include "marking/MarkedProblem.h"
#include "solver/Solver.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qimbel {

enum class PracticeResult {
    NotMarked,
    RightFirstTime,
    RightAfterRetry,
    Wrong,
};

struct PracticeItem {
    MadeProblem problem;
    std::string working; // the pupil's lines below the problem, as typed
    std::string marked; // the marked copy of the last 批改
    int tries = 0; // 批改 pressed on this problem
    PracticeResult result = PracticeResult::NotMarked;
    std::vector<std::string> slips; // the slips of every wrong try, in order
    bool similar = false; // 再做一道相似的

    bool operator==(const PracticeItem &other) const;
};

// The counts a round can have.
inline constexpr int kPracticeCounts[] = {5, 10, 20};

class Practice {
public:
    using Maker = std::function<MadeProblems(int type, MakerLevel level, int count, std::uint64_t seed)>;
    using SimilarMaker = std::function<MadeProblems(int type, const std::string &line, int count, std::uint64_t seed)>;

    // Problems from the problem makers of maker/.
    Practice();
    // Other makers (tests).
    void SetMakers(Maker maker, SimilarMaker similar);

    // A new round; the sentence why none could start (the maker's refusal), empty when started.
    std::string Start(int type, MakerLevel level, int count, std::uint64_t seed, std::int64_t now);
    bool Active() const { return !items_.empty(); }
    bool Finished() const { return finished_; }
    int Index() const { return index_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<PracticeItem> &Items() const { return items_; }
    const PracticeItem &Current() const { return items_[static_cast<std::size_t>(index_)]; }
    // Whether the type is answered with the answer only (no step marking for it).
    bool AnswerOnly() const;

    void SetWorking(std::string working);
    // 批改: the current problem with the working below it, marked. For the notebook, the marked
    // problem (with its wrong steps) when the try was wrong, else nullptr.
    const MarkedProblem *Mark(Solver &solver);
    // 再试一次: the working is cleared for another try at the same problem.
    void Retry();
    // 再做一道相似的: a problem like the current one, put after it; the maker's sentence when
    // it has none.
    std::string AddSimilar(std::uint64_t seed);
    // 下一题; after the last problem the round is finished (the report is shown).
    void Next(std::int64_t now);
    // Leaves the round.
    void Stop();

    // 练习报告: the counts, the time, and the slips met, counted, in a teacher's words.
    std::string Report() const;

    // The round as text for the saved session, and back; Restore changes nothing and gives false
    // on a text it cannot use.
    std::string Save() const;
    bool Restore(const std::string &text);

private:
    Maker maker_;
    SimilarMaker similar_;
    std::vector<PracticeItem> items_;
    int index_ = 0;
    bool finished_ = false;
    std::int64_t startedAt_ = 0, finishedAt_ = 0;
    MarkedProblem lastMarked_;
};

} // namespace qimbel
