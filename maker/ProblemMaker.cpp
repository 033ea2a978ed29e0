#include "maker/ProblemMaker.h"

#include "maker/LevelTable.h"
#include "maker/MakerProof.h"
#include "maker/Makers.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <map>
#include <set>

namespace qimbel {

namespace {

const char *const kCannotMake = "这一类题目还不能出题。";
const char *const kCannotRead = "这一行读不懂，或者没有答案，无法出类似的题。";
const char *const kTooFew = "这样的题目不够多，只出了这些。";

// The most problems of one request, and the draws allowed for each.
constexpr int kMostProblems = 500;
constexpr int kDrawsPerProblem = 200;

// Each type and level draws from its own stream of the seed.
std::uint64_t StreamOf(std::uint64_t seed, int type, int level)
{
    return seed * 0x100000001B3ULL + static_cast<std::uint64_t>(type) * 0x9E3779B9ULL
        + static_cast<std::uint64_t>(level);
}

std::optional<maker::Candidate> Draw(int type, MakerLevel level, SeededRandom &random)
{
    if (type == kWordProblemType)
        return maker::MakeWordProblem(level, random);
    if (auto made = maker::MakeEquation(type, level, random))
        return made;
    if (auto made = maker::MakeExpression(type, level, random))
        return made;
    if (auto made = maker::MakeNumbers(type, level, random))
        return made;
    if (auto made = maker::MakeMore(type, level, random))
        return made;
    return maker::MakeKnowledge(type, level, random);
}

const MakerLevel kLevels[] = {MakerLevel::JiChu, MakerLevel::TiGao, MakerLevel::TuoZhan};

int Clamp(int count) { return count < 0 ? 0 : count > kMostProblems ? kMostProblems : count; }

// Every `from` that starts at a character boundary replaced by `to`.
std::string ReplaceAll(const std::string &line, const std::string &from, const std::string &to)
{
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        if (line.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
            continue;
        }
        const std::size_t size = IsGbkLead(static_cast<unsigned char>(line[i])) && i + 1 < line.size() ? 2 : 1;
        out += line.substr(i, size);
        i += size;
    }
    return out;
}

// The typed line as the page's routine reads it: full-width signs and relations, round brackets,
// no blanks; the equations of a system joined by "；"; a fractional equation's "/" a division.
std::string Normalised(int type, const std::string &typed)
{
    static const char *const pairs[][2] = {
        {"（", "("},
        {"）", ")"},
        {"[", "("},
        {"]", ")"},
        {"{", "("},
        {"}", ")"},
        {"+", "＋"},
        {"-", "－"},
        {"*", "×"},
        {">=", "≥"},
        {"<=", "≤"},
        {"=", "＝"},
        {">", "＞"},
        {"<", "＜"},
        {"＞＝", "≥"},
        {"＜＝", "≤"},
        {" ", ""},
        {"　", ""},
        {"\t", ""},
        {"\r", ""},
        {"\n", ""},
        {";", "；"},
    };
    std::string line = typed;
    for (const auto &[from, to] : pairs)
        line = ReplaceAll(line, from, to);
    if (type == 29)
        line = ReplaceAll(line, "/", "÷");
    // The equations of a system may be typed on one line, parted by commas; a list keeps them.
    if (type == 26 || type == 31)
        line = ReplaceAll(ReplaceAll(line, ",", "；"), "，", "；");
    return line;
}

// The shape of an answer: its numbers as "n" with their points and fraction bars, signs left out,
// so 3 and －12 are alike, 4.5 and 1/3 are not. With `digits`, each number also keeps its count of
// digits, so 60 and 84 are alike, 60 and 1197 are not.
std::string AnswerShape(const std::string &answer, bool digits = false)
{
    std::string shape;
    for (std::size_t i = 0; i < answer.size();) {
        if (answer[i] >= '0' && answer[i] <= '9') {
            const std::size_t start = i;
            while (i < answer.size() && answer[i] >= '0' && answer[i] <= '9')
                ++i;
            shape += digits ? "n" + std::to_string(i - start) : std::string("n");
            continue;
        }
        const std::size_t size = IsGbkLead(static_cast<unsigned char>(answer[i])) && i + 1 < answer.size() ? 2 : 1;
        const std::string c = answer.substr(i, size);
        if (c != "＋" && c != "－")
            shape += c;
        i += size;
    }
    return shape;
}

// The first law a 简便运算 working uses ("运用乘法分配律", "拆数"); empty when it finds none.
std::string LawOf(const std::string &line)
{
    Solver solver;
    const std::string working = solver.JianBianYunSuan(line, 5);
    if (Contains(working, "没有能简便计算"))
        return {};
    const int step = Find(working, "第1步:");
    if (step < 0)
        return {};
    const std::string after = Mid(working, step + Len("第1步:"));
    const int comma = Find(after, "，");
    const int end = Find(after, "\r");
    const int stop = comma >= 0 && (end < 0 || comma < end) ? comma : end;
    return stop >= 0 ? Left(after, stop) : after;
}

// What a problem like another must keep: the shape of the answer; for a polynomial its monomials;
// for 简便运算 also the law.
std::string ShapeOf(int type, const std::string &line, const std::string &answer)
{
    if (type == 21) {
        std::string monomials;
        if (const auto polynomial = maker::ReadPolynomial(answer))
            for (const auto &[key, value] : *polynomial)
                if (value.numerator != 0)
                    monomials += key + ";";
        return monomials;
    }
    if (type == 11)
        return LawOf(line) + "|" + AnswerShape(answer);
    // A number to read keeps its count of digits and places; a reading to write, the number's.
    if (type == 1)
        return AnswerShape(line, true);
    if (type == 2)
        return AnswerShape(answer, true);
    if (type == 10) // a ratio to simplify stays one
        return AnswerShape(answer) + (answer == line ? "=" : "");
    if (type == 27) {
        // Two roots or one, whole or not, rational or with a root sign: the method stays.
        const bool fraction = Contains(answer, "/") || Contains(answer, ".");
        return std::string(Contains(answer, "x1＝x2") ? "one" : "two") + (Contains(answer, "√") ? "√" : "")
            + (fraction ? "/" : "");
    }
    return AnswerShape(answer);
}

// The typed line with every number replaced by one of the same kind and size: the same count of
// digits, the same decimal places; 0 and the powers stay as they are, and on 简便运算 the numbers
// a law is made of (25 and 4, 125 and 8, 99, 101 …).
std::string NewNumbers(int type, const std::string &line, SeededRandom &random)
{
    // A number that stands twice (the common factor of a×b＋a×c) is replaced the same way twice.
    std::map<std::string, std::string> replaced;
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (c < '0' || c > '9') {
            const std::size_t size = IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < line.size() ? 2 : 1;
            out += line.substr(i, size);
            i += size;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9')
            ++i;
        const std::string digits = line.substr(start, i - start);
        const bool afterPoint = start > 0 && line[start - 1] == '.';
        const bool power = start > 0 && line[start - 1] == '^';
        static const char *const lawNumbers[]
            = {"2", "4", "5", "8", "10", "25", "50", "99", "100", "101", "125", "1000"};
        bool law = false;
        for (const char *number : lawNumbers)
            law = law || (type == 11 && digits == number);
        if (power || law || digits == "0" || digits.size() > 9) {
            out += digits;
            continue;
        }
        const std::string key = (afterPoint ? "." : "") + digits;
        if (const auto known = replaced.find(key); known != replaced.end()) {
            out += known->second;
            continue;
        }
        std::string made;
        for (std::size_t k = 0; k < digits.size(); ++k) {
            const bool first = k == 0 && !afterPoint;
            const bool last = k + 1 == digits.size() && afterPoint;
            const long long low = first ? (digits.size() == 1 ? 2 : 1) : (last ? 1 : 0);
            const long long digit = random.Between(low, 9);
            made += static_cast<char>('0' + digit);
        }
        replaced[key] = made;
        out += made;
    }
    return out;
}

MadeProblems Collect(int type, MakerLevel level, int count, std::uint64_t seed, const std::string &like)
{
    MadeProblems result;
    count = Clamp(count);
    SeededRandom random(StreamOf(seed, type, static_cast<int>(level)));
    std::set<std::string> seen;
    std::string shape;
    if (!like.empty()) {
        const std::optional<std::string> answer = maker::RoutineAnswer(type, like);
        if (!answer)
            return {{}, kCannotRead};
        shape = ShapeOf(type, like, *answer);
        seen.insert(like);
    }
    const long long draws = static_cast<long long>(count) * kDrawsPerProblem + kDrawsPerProblem;
    for (long long i = 0; i < draws && static_cast<int>(result.problems.size()) < count; ++i) {
        maker::Candidate made;
        if (like.empty()) {
            const std::optional<maker::Candidate> drawn = Draw(type, level, random);
            if (!drawn || seen.count(drawn->line) != 0)
                continue;
            // The answer handed out is the routine's own text of it.
            const std::optional<std::string> answer = maker::Proved(type, *drawn);
            if (!answer)
                continue;
            made = {drawn->line, *answer};
        } else if (i < draws / 2) {
            made.line = NewNumbers(type, like, random);
            if (seen.count(made.line) != 0)
                continue;
            const std::optional<std::string> answer = maker::RoutineAnswer(type, made.line);
            if (!answer || ShapeOf(type, made.line, *answer) != shape)
                continue;
            made.answer = *answer;
        } else {
            // Too few new numbers fit: the makers' problems of the same written shape (the numbers
            // left out) at any level fill up.
            const std::optional<maker::Candidate> drawn = Draw(type, kLevels[i % 3], random);
            // A reading has no digits to compare: its number's shape decides below.
            if (!drawn || seen.count(drawn->line) != 0
                || (type != 2 && AnswerShape(drawn->line, true) != AnswerShape(like, true)))
                continue;
            made.line = drawn->line;
            const std::optional<std::string> answer = maker::Proved(type, *drawn);
            if (!answer || ShapeOf(type, made.line, *answer) != shape)
                continue;
            made.answer = *answer;
        }
        seen.insert(made.line);
        result.problems.push_back(MadeProblem {type, level, made.line, made.answer});
    }
    if (static_cast<int>(result.problems.size()) < count)
        result.refusal = result.problems.empty() && like.empty() ? kCannotMake : kTooFew;
    return result;
}

} // namespace

bool CanMake(int type) { return !LevelMeaning(type, MakerLevel::JiChu).empty(); }

MadeProblems MakeProblems(int type, MakerLevel level, int count, std::uint64_t seed)
{
    if (!CanMake(type))
        return {{}, kCannotMake};
    return Collect(type, level, count, seed, {});
}

std::string MadeSolution(int type, const std::string &line)
{
    if (!CanMake(type))
        return {};
    return maker::RoutineText(type, line, 5);
}

std::vector<std::string> TypedLines(const MadeProblem &problem)
{
    std::vector<std::string> lines;
    int start = 0;
    for (int p = Find(problem.line, "；"); p >= 0 && lines.size() < 10; p = Find(problem.line, "；", start)) {
        lines.push_back(Mid(problem.line, start, p - start));
        start = p + Len("；");
    }
    lines.push_back(Mid(problem.line, start));
    return lines;
}

MadeProblems Similar(int type, const std::string &typedLine, int count, std::uint64_t seed)
{
    if (!CanMake(type))
        return {{}, kCannotMake};
    const std::string line = Normalised(type, typedLine);
    if (line.empty() || Len(line) > 200)
        return {{}, kCannotRead};
    return Collect(type, MakerLevel::JiChu, count, seed, line);
}

} // namespace qimbel
