#include "generators/KouSuanKept.h"

#include "solver/KeptFileReader.h"

#include <algorithm>

namespace qimbel::kousuan {

namespace {

constexpr const char *kFirstLine = "QimbelKouSuan 1";

// "tag length\n" and the bytes, then a line end.
void AppendText(std::string &out, const char *tag, const std::string &text)
{
    out += tag;
    out += ' ' + std::to_string(text.size()) + '\n' + text + '\n';
}

// The words of a line "tag w1 w2 …", each a number of at most 18 digits.
std::optional<std::vector<long long>> Numbers(const std::optional<std::string> &line, const std::string &tag)
{
    if (!line || line->compare(0, tag.size(), tag) != 0)
        return std::nullopt;
    std::vector<long long> numbers;
    std::size_t at = tag.size();
    while (at < line->size()) {
        if ((*line)[at] != ' ')
            return std::nullopt;
        const std::size_t end = std::min(line->find(' ', at + 1), line->size());
        const std::string word = line->substr(at + 1, end - at - 1);
        if (word.empty() || word.size() > 18 || word.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        numbers.push_back(std::stoll(word));
        at = end;
    }
    return numbers;
}

} // namespace

std::string WriteKeptPractice(const KeptPractice &kept)
{
    const Options &o = kept.options;
    std::string out = std::string(kFirstLine) + '\n';
    out += "options " + std::to_string(o.add) + ' ' + std::to_string(o.sub) + ' ' + std::to_string(o.mul) + ' '
        + std::to_string(o.div) + ' ' + std::to_string(RangeOf(o)) + ' ' + std::to_string(TableOf(o)) + ' '
        + std::to_string(CountOf(o)) + ' ' + std::to_string(static_cast<int>(o.blank)) + ' '
        + std::to_string(o.negative) + ' ' + std::to_string(o.remainder) + ' ' + std::to_string(o.seed) + '\n';
    out += "state " + std::to_string(kept.wholeSheet) + ' ' + std::to_string(kept.finished) + ' '
        + std::to_string(std::max(0LL, kept.milliseconds)) + ' ' + std::to_string(kept.position) + '\n';
    out += "order";
    for (std::size_t i : kept.order)
        out += ' ' + std::to_string(i);
    out += "\nanswers " + std::to_string(kept.answers.size()) + '\n';
    for (const KeptAnswer &a : kept.answers) {
        out += "answer " + std::to_string(a.index) + '\n';
        AppendText(out, "typed", a.typed.substr(0, kLongestKeptAnswer));
    }
    out += "boxes " + std::to_string(kept.boxes.size()) + '\n';
    for (const std::string &box : kept.boxes)
        AppendText(out, "box", box.substr(0, kLongestKeptAnswer));
    return out;
}

std::optional<KeptPractice> ReadKeptPractice(const std::string &bytes)
{
    if (bytes.size() > kLargestKeptPractice)
        return std::nullopt;
    // The order line holds up to 200 numbers of 3 digits.
    KeptFileReader in(bytes, 1000);
    if (in.Line() != kFirstLine)
        return std::nullopt;
    const std::optional<std::vector<long long>> o = Numbers(in.Line(), "options");
    if (!o || o->size() != 11 || (*o)[7] > 2 || (*o)[10] == 0)
        return std::nullopt;
    for (std::size_t k : {0, 1, 2, 3, 8, 9})
        if ((*o)[k] > 1)
            return std::nullopt;
    KeptPractice kept;
    Options &options = kept.options;
    options.add = (*o)[0] != 0;
    options.sub = (*o)[1] != 0;
    options.mul = (*o)[2] != 0;
    options.div = (*o)[3] != 0;
    options.range = static_cast<int>(std::min((*o)[4], 100000LL));
    options.table = static_cast<int>(std::min((*o)[5], 100LL));
    options.count = static_cast<int>(std::min((*o)[6], 100000LL));
    options.blank = static_cast<BlankChoice>((*o)[7]);
    options.negative = (*o)[8] != 0;
    options.remainder = (*o)[9] != 0;
    options.seed = static_cast<std::uint64_t>((*o)[10]);
    // What the window writes, nothing else: the options as they are used.
    if (RangeOf(options) != options.range || TableOf(options) != options.table || CountOf(options) != options.count)
        return std::nullopt;
    const std::size_t count = static_cast<std::size_t>(options.count);

    const std::optional<std::vector<long long>> state = Numbers(in.Line(), "state");
    const std::optional<std::vector<long long>> order = Numbers(in.Line(), "order");
    if (!state || state->size() != 4 || (*state)[0] > 1 || (*state)[1] > 1 || !order || order->size() > count)
        return std::nullopt;
    kept.wholeSheet = (*state)[0] != 0;
    kept.finished = (*state)[1] != 0;
    kept.milliseconds = (*state)[2];
    for (long long i : *order) {
        if (i >= options.count)
            return std::nullopt;
        kept.order.push_back(static_cast<std::size_t>(i));
    }
    if ((*state)[3] > static_cast<long long>(kept.order.size()))
        return std::nullopt;
    kept.position = static_cast<std::size_t>((*state)[3]);

    // Each problem is answered until it is right: a few dozen tries at most is what a pupil gives.
    const std::optional<std::vector<long long>> answers = Numbers(in.Line(), "answers");
    if (!answers || answers->size() != 1 || (*answers)[0] > 1000 * options.count)
        return std::nullopt;
    for (long long n = 0; n < (*answers)[0]; ++n) {
        const std::optional<std::vector<long long>> index = Numbers(in.Line(), "answer");
        const std::optional<std::vector<long long>> length = Numbers(in.Line(), "typed");
        if (!index || index->size() != 1 || (*index)[0] >= options.count || !length || length->size() != 1
            || (*length)[0] > static_cast<long long>(kLongestKeptAnswer))
            return std::nullopt;
        std::optional<std::string> typed = in.Bytes(static_cast<std::size_t>((*length)[0]));
        if (!typed)
            return std::nullopt;
        kept.answers.push_back({static_cast<std::size_t>((*index)[0]), std::move(*typed)});
    }
    const std::optional<std::vector<long long>> boxes = Numbers(in.Line(), "boxes");
    if (!boxes || boxes->size() != 1 || (*boxes)[0] > options.count)
        return std::nullopt;
    for (long long n = 0; n < (*boxes)[0]; ++n) {
        const std::optional<std::vector<long long>> length = Numbers(in.Line(), "box");
        if (!length || length->size() != 1 || (*length)[0] > static_cast<long long>(kLongestKeptAnswer))
            return std::nullopt;
        std::optional<std::string> box = in.Bytes(static_cast<std::size_t>((*length)[0]));
        if (!box)
            return std::nullopt;
        kept.boxes.push_back(std::move(*box));
    }
    if (!in.AtEnd() || count == 0)
        return std::nullopt;
    return kept;
}

Practice ReplayPractice(const KeptPractice &kept)
{
    Practice practice(Generate(kept.options));
    for (const KeptAnswer &a : kept.answers)
        practice.Answer(a.index, a.typed);
    return practice;
}

} // namespace qimbel::kousuan
