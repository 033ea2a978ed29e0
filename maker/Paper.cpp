#include "maker/Paper.h"

#include "maker/LevelTable.h"
#include "maker/MakerProof.h"
#include "solver/GbkText.h"
#include "solver/Solver.h"

#include <algorithm>
#include <charconv>

namespace qimbel {

namespace {

const char *const kGrades[]
    = {"一年级", "二年级", "三年级", "四年级", "五年级", "六年级", "七年级", "八年级", "九年级"};
const char *const kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"};

// The most kinds and problems of one paper.
constexpr std::size_t kMostKinds = 12;
constexpr int kMostProblems = 60;

std::vector<std::string> Parts(const std::string &text, const std::string &by)
{
    std::vector<std::string> parts;
    int start = 0;
    for (int p = Find(text, by); p >= 0 && parts.size() < 100; p = Find(text, by, start)) {
        parts.push_back(Trim(Mid(text, start, p - start)));
        start = p + Len(by);
    }
    parts.push_back(Trim(Mid(text, start)));
    return parts;
}

int WholeField(const std::string &text)
{
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

std::string TypeName(int type)
{
    for (const MakerLevelRow &row : MakerLevels())
        if (row.type == type)
            return row.name;
    return {};
}

// The lines of room under a problem: as many as its working has, from two to eight.
int RoomFor(int type, const std::string &line)
{
    const std::string working = maker::RoutineText(type, line, 4);
    const int lines = static_cast<int>(maker::Lines(working).size());
    return std::clamp(lines, 2, 8);
}

// The lines of a worked solution with their indent kept (column arithmetic lines up by it), blanks
// at their ends and empty lines left out.
std::vector<std::string> WorkingLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < 400) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = TrimRight(text.substr(start, end - start));
        if (!Trim(line).empty())
            lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

MadePaper Refused(const std::string &why)
{
    MadePaper refused;
    refused.refusal = why;
    return refused;
}

} // namespace

std::string GradeName(int grade) { return grade >= 1 && grade <= 9 ? kGrades[grade - 1] : ""; }

int ReadGrade(const std::string &text)
{
    const int number = WholeField(text);
    if (number >= 1 && number <= 9)
        return number;
    for (int grade = 1; grade <= 9; ++grade)
        if (text == kGrades[grade - 1])
            return grade;
    return 0;
}

std::string CurriculumPath() { return Solver().GetLuJing() + "/Document/ZuJuan.ini"; }

std::vector<PaperKind> GradeSelection(const std::string &curriculum, int grade)
{
    const std::string name = GradeName(grade);
    if (name.empty())
        return {};
    for (const std::string &line : maker::Lines(curriculum)) {
        const std::vector<std::string> halves = Parts(line, "|");
        if (halves.size() != 2 || halves[0] != name)
            continue;
        std::vector<PaperKind> kinds;
        for (const std::string &kind : Parts(halves[1], ";")) {
            const std::vector<std::string> fields = Parts(kind, " ");
            PaperKind read;
            if (fields.size() != 4 || !ReadMakerLevel(fields[1], read.level))
                continue;
            read.type = WholeField(fields[0]);
            read.count = WholeField(fields[2]);
            read.points = WholeField(fields[3]);
            if (CanMake(read.type) && read.count > 0 && read.count <= 20 && read.points > 0 && read.points <= 100
                && kinds.size() < kMostKinds)
                kinds.push_back(read);
        }
        return kinds;
    }
    return {};
}

MadePaper MakePaper(const PaperRequest &request)
{
    MadePaper made;
    int total = 0;
    int count = 0;
    for (const PaperKind &kind : request.kinds) {
        total += kind.count * kind.points;
        count += kind.count;
    }
    if (request.kinds.empty() || request.kinds.size() > kMostKinds || count > kMostProblems)
        return Refused("请选择题型，每张试卷最多" + std::to_string(kMostProblems) + "道题。");
    for (const PaperKind &kind : request.kinds)
        if (!CanMake(kind.type) || kind.count < 1 || kind.points < 1)
            return Refused("第" + std::to_string(kind.type) + "类题目还不能出题。");
    if (total != 100)
        return Refused("各题分数加起来是" + std::to_string(total) + "分，满分应是100分。");

    const std::string seed = std::to_string(request.seed);
    made.title = request.title;
    made.info = "试卷编号：" + seed + "　　满分：100分　　姓名：________　　得分：________";
    made.keyTitle = request.title + "　答案（试卷编号：" + seed + "）";
    made.paper = made.title + "\r\n" + made.info + "\r\n";
    made.key = made.keyTitle + "\r\n";
    int number = 0;
    for (std::size_t k = 0; k < request.kinds.size(); ++k) {
        const PaperKind &kind = request.kinds[k];
        // Each kind draws from a stream of its own, so a change to one kind keeps the others.
        const MadeProblems problems = MakeProblems(kind.type, kind.level, kind.count, request.seed * 131 + k);
        if (static_cast<int>(problems.problems.size()) < kind.count)
            return Refused(TypeName(kind.type) + "：" + problems.refusal);
        const std::string heading = std::string(kNumerals[k]) + "、" + TypeName(kind.type) + "·"
            + MakerLevelName(kind.level) + "（每题" + std::to_string(kind.points) + "分，共"
            + std::to_string(kind.points * kind.count) + "分）";
        made.paper += "\r\n" + heading + "\r\n";
        MadePaperSection section;
        section.heading = heading;
        made.key += "\r\n" + std::string(kNumerals[k]) + "、" + TypeName(kind.type) + "·" + MakerLevelName(kind.level)
            + "\r\n";
        for (const MadeProblem &problem : problems.problems) {
            ++number;
            const std::string shown = Solver().GetTiHuan(problem.line, "；", "　　");
            const std::string numbered = std::to_string(number) + "．" + shown;
            const int room = RoomFor(kind.type, problem.line);
            made.paper += numbered + "\r\n";
            for (int i = room; i > 0; --i)
                made.paper += "\r\n";
            std::vector<std::string> key;
            if (request.workedKey) {
                key.push_back(numbered);
                for (const std::string &line : WorkingLines(MadeSolution(kind.type, problem.line)))
                    key.push_back("    " + line);
            } else {
                key.push_back(std::to_string(number) + "．" + problem.answer);
            }
            for (const std::string &line : key)
                made.key += line + "\r\n";
            section.problems.push_back(numbered);
            section.room.push_back(room);
            section.key.push_back(key);
            made.problems.push_back(problem);
        }
        made.sections.push_back(section);
    }
    return made;
}

} // namespace qimbel
