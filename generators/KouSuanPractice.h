// A practice session over a generated sheet: the pupil's answers, what was right at the first
// try, what is still wrong, and the closing report. The practice screen shows what this says.
#pragma once

#include "generators/KouSuanProblem.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qimbel::kousuan {

class Practice {
public:
    explicit Practice(std::vector<Problem> problems);

    const std::vector<Problem> &Problems() const { return problems_; }
    std::size_t Count() const { return problems_.size(); }

    // Takes the pupil's answer (GBK) to problem i. An unreadable answer changes nothing; an index
    // outside the sheet is Unreadable too. The first readable answer decides the score; later
    // ones only retry.
    Verdict Answer(std::size_t i, const std::string &typed);

    bool Tried(std::size_t i) const { return i < state_.size() && state_[i].tries > 0; }
    bool RightNow(std::size_t i) const { return i < state_.size() && state_[i].rightNow; }
    bool RightFirstTime(std::size_t i) const { return i < state_.size() && state_[i].rightFirst; }
    // The first problem from i on (wrapping round) that is not yet right; Count() when all are.
    std::size_t NextOpen(std::size_t i) const;
    // Every problem has been answered at least once.
    bool AllTried() const;

    // Problems right at the first try: the score.
    std::size_t Score() const;
    // Problems whose first answer was wrong, in sheet order.
    std::vector<std::size_t> WrongOnes() const;

    // The closing report (GBK, CR LF): count, score, time, and every problem that was wrong with
    // the pupil's first answer, the right answer and whether the retry got it.
    std::string Report(long long seconds) const;

private:
    struct State {
        int tries = 0;
        bool rightFirst = false;
        bool rightNow = false;
        std::string firstAnswer;
    };
    std::vector<Problem> problems_;
    std::vector<State> state_;
};

// A time as the report writes it: "3分05秒", "45秒".
std::string TimeText(long long seconds);

} // namespace qimbel::kousuan
