#include "generators/KouSuanPractice.h"

#include <cstdio>

namespace qimbel::kousuan {

namespace {

// A typed answer as the report quotes it: cut short, so a pasted page cannot swell the report.
constexpr std::size_t kQuoted = 24;

// The first bytes of a GBK text, never cutting a two-byte character in half.
std::string Cut(const std::string &text, std::size_t bytes)
{
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width = static_cast<unsigned char>(text[end]) >= 0x81 && end + 1 < text.size() ? 2 : 1;
        if (end + width > bytes)
            break;
        end += width;
    }
    return text.substr(0, end);
}

} // namespace

Practice::Practice(std::vector<Problem> problems)
    : problems_(std::move(problems))
    , state_(problems_.size())
{
}

Verdict Practice::Answer(std::size_t i, const std::string &typed)
{
    if (i >= problems_.size())
        return Verdict::Unreadable;
    const Verdict verdict = Check(problems_[i], typed);
    if (verdict == Verdict::Unreadable)
        return verdict;
    State &s = state_[i];
    if (s.tries == 0) {
        s.rightFirst = verdict == Verdict::Right;
        s.firstAnswer = Cut(typed, kQuoted);
    }
    ++s.tries;
    s.rightNow = verdict == Verdict::Right;
    return verdict;
}

std::size_t Practice::NextOpen(std::size_t i) const
{
    const std::size_t n = problems_.size();
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t j = (i + k) % n;
        if (!state_[j].rightNow)
            return j;
    }
    return n;
}

bool Practice::AllTried() const
{
    for (const State &s : state_)
        if (s.tries == 0)
            return false;
    return true;
}

std::size_t Practice::Score() const
{
    std::size_t score = 0;
    for (const State &s : state_)
        score += s.rightFirst ? 1 : 0;
    return score;
}

std::vector<std::size_t> Practice::WrongOnes() const
{
    std::vector<std::size_t> wrong;
    for (std::size_t i = 0; i < state_.size(); ++i)
        if (state_[i].tries > 0 && !state_[i].rightFirst)
            wrong.push_back(i);
    return wrong;
}

std::string TimeText(long long seconds)
{
    if (seconds < 0)
        seconds = 0;
    char buffer[64];
    if (seconds < 60)
        std::snprintf(buffer, sizeof buffer, "%lld秒", seconds);
    else
        std::snprintf(buffer, sizeof buffer, "%lld分%02lld秒", seconds / 60, seconds % 60);
    return buffer;
}

std::string Practice::Report(long long seconds) const
{
    std::size_t tried = 0;
    for (const State &s : state_)
        tried += s.tries > 0 ? 1 : 0;
    std::string text = "共" + std::to_string(problems_.size()) + "题，做了" + std::to_string(tried) + "题，第一次就做对"
        + std::to_string(Score()) + "题，用时" + TimeText(seconds) + "。\r\n";
    const std::vector<std::size_t> wrong = WrongOnes();
    if (wrong.empty()) {
        if (tried == 0)
            text += "还没有做题。\r\n";
        else
            text += tried == problems_.size() ? "全部做对，真棒！\r\n" : "做过的题全部做对。\r\n";
        return text;
    }
    text += "做错的题：\r\n";
    for (std::size_t i : wrong) {
        const State &s = state_[i];
        text += "第" + std::to_string(i + 1) + "题  " + SolvedText(problems_[i]) + "  （你的答案：" + s.firstAnswer
            + (s.rightNow ? "，已改正）" : "）") + "\r\n";
    }
    return text;
}

} // namespace qimbel::kousuan
