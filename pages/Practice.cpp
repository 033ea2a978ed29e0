#include "pages/Practice.h"

#include "marking/MarkWorking.h"
#include "solver/GbkText.h"

#include <algorithm>
#include <map>
#include <optional>

namespace qimbel {

namespace {

// The most problems in a round, similar ones included.
constexpr std::size_t kMostItems = 60;
constexpr std::size_t kLongestSaved = 4 * 1024 * 1024;

// What a teacher adds to a slip the pupil made more than once.
const char *AdviceFor(const std::string &slip)
{
    static const std::map<std::string, const char *> advice = {
        {"去括号时没有变号", "要注意括号前是负号时，去掉括号，括号里的每一项都要变号"},
        {"移项没有变号", "要注意把一项从等号一边移到另一边，它的符号要改变"},
        {"不等式两边同除以负数没有改变方向", "要注意不等式两边同乘或同除以一个负数，不等号要改变方向"},
        {"漏乘", "要注意去分母或去括号时，每一项都要乘到"},
        {"进位/借位错误", "要注意满十进一，不够减时向前一位借一"},
        {"约分错误", "要注意分子分母要同时除以它们的公因数"},
        {"符号错误", "要注意每一步都先定符号，再算数值"},
        {"增根没有检验", "要注意解分式方程一定要检验"},
    };
    const auto found = advice.find(slip);
    return found == advice.end() ? "" : found->second;
}

std::string TrimAll(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "　") == 0) {
            ++i;
            continue;
        }
        if (text[i] != ' ' && text[i] != '\t' && text[i] != '\r' && text[i] != '\n')
            out += text[i];
    }
    return out;
}

// Reads the saved text from front to back.
class SavedReader {
public:
    explicit SavedReader(const std::string &text)
        : s_(text)
    {
    }
    std::optional<std::vector<long long>> Numbers(const std::string &head, std::size_t count)
    {
        const std::size_t end = s_.find('\n', at_);
        if (end == std::string::npos)
            return std::nullopt;
        const std::string line = s_.substr(at_, end - at_);
        at_ = end + 1;
        if (line.compare(0, head.size() + 1, head + " ") != 0)
            return std::nullopt;
        std::vector<long long> numbers;
        std::size_t p = head.size() + 1;
        while (p <= line.size() && numbers.size() <= count) {
            const std::size_t q = std::min(line.find(' ', p), line.size());
            const std::string word = line.substr(p, q - p);
            if (word.empty() || word.size() > 15 || word.find_first_not_of("0123456789") != std::string::npos)
                return std::nullopt;
            numbers.push_back(std::stoll(word));
            p = q + 1;
        }
        if (numbers.size() != count)
            return std::nullopt;
        return numbers;
    }
    std::optional<std::string> Text()
    {
        const std::optional<std::vector<long long>> length = Numbers("text", 1);
        if (!length || static_cast<std::size_t>((*length)[0]) >= s_.size() - at_
            || s_[at_ + static_cast<std::size_t>((*length)[0])] != '\n')
            return std::nullopt;
        std::string text = s_.substr(at_, static_cast<std::size_t>((*length)[0]));
        at_ += text.size() + 1;
        return text;
    }
    bool AtEnd() const { return at_ == s_.size(); }

private:
    const std::string &s_;
    std::size_t at_ = 0;
};

void SaveText(std::string &out, const std::string &text)
{
    out += "text " + std::to_string(text.size()) + "\n" + text + "\n";
}

} // namespace

bool PracticeItem::operator==(const PracticeItem &o) const
{
    return problem.type == o.problem.type && problem.level == o.problem.level && problem.line == o.problem.line
        && problem.answer == o.problem.answer && working == o.working && marked == o.marked && tries == o.tries
        && result == o.result && slips == o.slips && similar == o.similar;
}

Practice::Practice()
    : maker_(MakeProblems)
    , similar_(Similar)
{
}

void Practice::SetMakers(Maker maker, SimilarMaker similar)
{
    maker_ = std::move(maker);
    similar_ = std::move(similar);
}

std::string Practice::Start(int type, MakerLevel level, int count, std::uint64_t seed, std::int64_t now)
{
    if (std::find(std::begin(kPracticeCounts), std::end(kPracticeCounts), count) == std::end(kPracticeCounts))
        count = kPracticeCounts[0];
    MadeProblems made = maker_(type, level, count, seed);
    std::vector<PracticeItem> items;
    for (MadeProblem &problem : made.problems)
        if (items.size() < static_cast<std::size_t>(count) && !Trim(problem.line).empty())
            items.push_back({std::move(problem), "", "", 0, PracticeResult::NotMarked, {}, false});
    if (items.empty())
        return made.refusal.empty() ? "这一类题目还不能出题。" : made.refusal;
    items_ = std::move(items);
    index_ = 0;
    finished_ = false;
    startedAt_ = finishedAt_ = now;
    return {};
}

bool Practice::AnswerOnly() const { return Active() && !CanMark(Current().problem.type); }

void Practice::SetWorking(std::string working)
{
    if (Active() && !finished_)
        items_[static_cast<std::size_t>(index_)].working = std::move(working);
}

const MarkedProblem *Practice::Mark(Solver &solver)
{
    if (!Active() || finished_)
        return nullptr;
    PracticeItem &item = items_[static_cast<std::size_t>(index_)];
    bool right = false;
    std::string slip;
    lastMarked_ = MarkedProblem {};
    if (AnswerOnly()) {
        right = !TrimAll(item.working).empty() && TrimAll(item.working) == TrimAll(item.problem.answer);
        item.marked = right ? "√\r\n" : "×\r\n应该是：" + item.problem.answer + "\r\n";
        lastMarked_.lines = {{item.problem.line, StepMark::Problem, "", ""},
            {Trim(item.working), right ? StepMark::Right : StepMark::Wrong, "", item.problem.answer}};
        lastMarked_.finished = right;
    } else {
        const MarkedText marked = MarkWorking(solver, item.problem.type, item.problem.line + "\r\n" + item.working);
        item.marked = marked.text;
        // One problem, every step right, and the last step the answer.
        right = marked.marked.size() == 1 && marked.marked[0].finished && marked.steps > 0
            && marked.right == marked.steps;
        if (!marked.marked.empty())
            lastMarked_ = marked.marked[0];
        for (const MarkedLine &line : lastMarked_.lines)
            if (line.mark == StepMark::Wrong) {
                slip = line.reason;
                break;
            }
    }
    ++item.tries;
    if (right) {
        item.result = item.tries == 1 ? PracticeResult::RightFirstTime : PracticeResult::RightAfterRetry;
        return nullptr;
    }
    item.result = PracticeResult::Wrong;
    if (!slip.empty())
        item.slips.push_back(slip);
    return &lastMarked_;
}

void Practice::Retry()
{
    if (Active() && !finished_) {
        items_[static_cast<std::size_t>(index_)].working.clear();
        items_[static_cast<std::size_t>(index_)].marked.clear();
    }
}

std::string Practice::AddSimilar(std::uint64_t seed)
{
    if (!Active() || finished_)
        return {};
    if (items_.size() >= kMostItems)
        return "这一轮的题目已经够多了。";
    const PracticeItem &item = Current();
    MadeProblems made = similar_(item.problem.type, item.problem.line, 1, seed);
    if (made.problems.empty() || Trim(made.problems[0].line).empty())
        return made.refusal.empty() ? "这道题还出不了相似的题目。" : made.refusal;
    PracticeItem similar {std::move(made.problems[0]), "", "", 0, PracticeResult::NotMarked, {}, true};
    similar.problem.level = item.problem.level;
    items_.insert(items_.begin() + index_ + 1, std::move(similar));
    return {};
}

void Practice::Next(std::int64_t now)
{
    if (!Active() || finished_)
        return;
    if (index_ + 1 < Count()) {
        ++index_;
        return;
    }
    finished_ = true;
    finishedAt_ = now;
}

void Practice::Stop()
{
    items_.clear();
    index_ = 0;
    finished_ = false;
}

std::string Practice::Report() const
{
    int first = 0, retried = 0, wrong = 0;
    std::vector<std::pair<std::string, int>> slips;
    for (const PracticeItem &item : items_) {
        first += item.result == PracticeResult::RightFirstTime;
        retried += item.result == PracticeResult::RightAfterRetry;
        wrong += item.result == PracticeResult::Wrong || item.result == PracticeResult::NotMarked;
        for (const std::string &slip : item.slips) {
            auto at = std::find_if(slips.begin(), slips.end(), [&](const auto &s) { return s.first == slip; });
            if (at == slips.end())
                slips.emplace_back(slip, 1);
            else
                ++at->second;
        }
    }
    const std::int64_t seconds = std::max<std::int64_t>(0, finishedAt_ - startedAt_);
    std::string text = "练习报告\r\n共" + std::to_string(items_.size()) + "道题：一次就做对" + std::to_string(first)
        + "道，改正后做对" + std::to_string(retried) + "道，做错" + std::to_string(wrong) + "道。\r\n用时"
        + (seconds >= 60 ? std::to_string(seconds / 60) + "分" : "") + std::to_string(seconds % 60) + "秒。\r\n";
    std::stable_sort(slips.begin(), slips.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    static const char *const kTimes[] = {"", "一", "两", "三", "四", "五", "六", "七", "八", "九"};
    for (const auto &[slip, count] : slips) {
        const std::string times = count < 10 ? kTimes[count] : std::to_string(count);
        const std::string advice = AdviceFor(slip);
        text += "你" + times + "次" + slip + (advice.empty() ? "" : "，" + advice) + "。\r\n";
    }
    if (slips.empty() && wrong == 0)
        text += "全部做对了，真棒！\r\n";
    return text;
}

std::string Practice::Save() const
{
    if (!Active())
        return {};
    std::string out = "practice 1 " + std::to_string(index_) + " " + (finished_ ? "1 " : "0 ")
        + std::to_string(startedAt_) + " " + std::to_string(finishedAt_) + " " + std::to_string(items_.size()) + "\n";
    for (const PracticeItem &item : items_) {
        out += "item " + std::to_string(item.problem.type) + " " + std::to_string(static_cast<int>(item.problem.level))
            + " " + std::to_string(item.tries) + " " + std::to_string(static_cast<int>(item.result)) + " "
            + (item.similar ? "1 " : "0 ") + std::to_string(item.slips.size()) + "\n";
        for (const std::string *text : {&item.problem.line, &item.problem.answer, &item.working, &item.marked})
            SaveText(out, *text);
        for (const std::string &slip : item.slips)
            SaveText(out, slip);
    }
    return out;
}

bool Practice::Restore(const std::string &text)
{
    if (text.empty()) {
        Stop();
        return true;
    }
    if (text.size() > kLongestSaved)
        return false;
    SavedReader reader(text);
    const auto head = reader.Numbers("practice", 6);
    if (!head || (*head)[0] != 1 || (*head)[2] > 1 || (*head)[5] < 1 || (*head)[5] > static_cast<long long>(kMostItems)
        || (*head)[1] >= (*head)[5])
        return false;
    std::vector<PracticeItem> items;
    for (long long i = 0; i < (*head)[5]; ++i) {
        const auto numbers = reader.Numbers("item", 6);
        if (!numbers || (*numbers)[0] < 1 || (*numbers)[0] > 200 || (*numbers)[1] > 2 || (*numbers)[2] > 100000
            || (*numbers)[3] > 3 || (*numbers)[4] > 1 || (*numbers)[5] > 100000)
            return false;
        PracticeItem item;
        item.problem.type = static_cast<int>((*numbers)[0]);
        item.problem.level = static_cast<MakerLevel>((*numbers)[1]);
        item.tries = static_cast<int>((*numbers)[2]);
        item.result = static_cast<PracticeResult>((*numbers)[3]);
        item.similar = (*numbers)[4] == 1;
        for (std::string *field : {&item.problem.line, &item.problem.answer, &item.working, &item.marked}) {
            std::optional<std::string> t = reader.Text();
            if (!t)
                return false;
            *field = std::move(*t);
        }
        for (long long s = 0; s < (*numbers)[5]; ++s) {
            std::optional<std::string> t = reader.Text();
            if (!t)
                return false;
            item.slips.push_back(std::move(*t));
        }
        items.push_back(std::move(item));
    }
    if (!reader.AtEnd())
        return false;
    items_ = std::move(items);
    index_ = static_cast<int>((*head)[1]);
    finished_ = (*head)[2] == 1;
    startedAt_ = (*head)[3];
    finishedAt_ = (*head)[4];
    return true;
}

} // namespace qimbel
