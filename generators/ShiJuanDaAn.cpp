// The answer key's worked solutions come from the solver, called as the calculation pages call it,
// and the answer that a worked solution arrives at is read back from its last working line.
#include "generators/ShiJuanChuTi.h"
#include "solver/Solver.h"

#include <vector>

namespace qimbel::shijuan {

namespace {

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string WithoutBlanks(const std::string &text)
{
    std::string kept;
    for (const char c : text)
        if (c != ' ')
            kept += c;
    return kept;
}

// The text of a line up to the run of blanks before its step label.
std::string BeforeLabel(const std::string &line)
{
    const std::string trimmed = Trim(line);
    const std::size_t gap = trimmed.find("  ");
    return gap == std::string::npos ? trimmed : trimmed.substr(0, gap);
}

bool StartsWith(const std::string &text, const std::string &head) { return text.compare(0, head.size(), head) == 0; }

} // namespace

std::string JieTiGuoCheng(const ShiJuanTi &problem)
{
    Solver solver;
    std::string expression = problem.text;
    if (expression.size() >= 2 && expression.compare(expression.size() - 2, 2, "＝") == 0)
        expression.resize(expression.size() - 2);
    switch (problem.kind) {
    case TiXing::ShuShi:
        if (problem.op == "＋")
            return solver.ShuShiJiaFa(problem.left, problem.right, 5);
        if (problem.op == "－")
            return solver.ShuShiJianFa(problem.left, problem.right, 5);
        if (problem.op == "×")
            return solver.ShuShiChengFa(problem.left, problem.right, 5);
        return solver.ShuShiChuFa(problem.left, problem.right, 5);
    case TiXing::FangCheng:
        return solver.YiCiDengShi(problem.text, "x", 5);
    default:
        // The calculation page sets the worked text two blanks in, under the "＝" of its steps.
        return "  " + solver.HunHeYunSuan(expression, 5);
    }
}

std::string DaAnMoWei(TiXing kind, const std::string &op, const std::string &worked)
{
    const std::vector<std::string> lines = Lines(worked);
    switch (kind) {
    case TiXing::FangCheng: {
        for (auto line = lines.rbegin(); line != lines.rend(); ++line)
            if (!Trim(*line).empty())
                return BeforeLabel(*line);
        return {};
    }
    case TiXing::ShuShi: {
        if (op == "÷") {
            // Quotient, bar, then the line with the divisor and ")".
            for (std::size_t i = 2; i < lines.size(); ++i)
                if (lines[i].find(" )") != std::string::npos)
                    return Trim(lines[i - 2]);
            return {};
        }
        // The result is the column's last line: before "解题说明", or before the empty line that
        // comes ahead of the multiplication's steps.
        std::string last;
        for (const std::string &line : lines) {
            if (Trim(line).empty() || StartsWith(line, "解题说明"))
                break;
            last = line;
        }
        return WithoutBlanks(last);
    }
    default: {
        for (auto line = lines.rbegin(); line != lines.rend(); ++line)
            if (StartsWith(*line, "＝"))
                return BeforeLabel(line->substr(2));
        return lines.empty() ? std::string() : Trim(lines.front());
    }
    }
}

} // namespace qimbel::shijuan
