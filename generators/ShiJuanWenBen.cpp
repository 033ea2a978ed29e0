// The paper and its answer key as text, laid out for a fixed-pitch font in which a two-byte
// character takes two columns: problems stand in columns, with room to work below the written
// ones.
#include "generators/ShiJuan.h"

#include "solver/GbkText.h"

#include <algorithm>

namespace qimbel::shijuan {

namespace {

const char *const kXuHao[] = {"一", "二", "三", "四"};

// The most problems a row of the text holds, and the empty lines after a row to work in.
struct Columns {
    int most;
    int space;
};

Columns ColumnsOf(TiXing kind)
{
    switch (kind) {
    case TiXing::KouSuan:
        return {4, 0};
    case TiXing::ShuShi:
        return {3, 6};
    case TiXing::HunHe:
        return {2, 5};
    default:
        return {3, 5};
    }
}

// The text is laid out for 80 columns.
constexpr int kTextColumns = 80;

std::string Padded(const std::string &text, int width)
{
    const int length = Len(text);
    return length >= width ? text + "  " : text + std::string(static_cast<std::size_t>(width - length), ' ');
}

std::string Range(int from, int to)
{
    return from == to ? "第" + std::to_string(from) + "题"
                      : "第" + std::to_string(from) + "～" + std::to_string(to) + "题";
}

std::string HeadingLine(int index, const ShiJuanBuFen &section)
{
    std::string heading = std::string(kXuHao[index % 4]) + "、" + TiXingMing(section.kind);
    if (section.kind == TiXing::ShuShi)
        heading = std::string(kXuHao[index % 4]) + "、用竖式计算";
    const int count = static_cast<int>(section.problems.size());
    int total = 0;
    for (const ShiJuanTi &p : section.problems)
        total += p.score;
    if (section.extra <= 0 || section.extra >= count)
        return heading + "。（每题" + std::to_string(section.score) + "分，共" + std::to_string(total) + "分）";
    // 满分100 spread a point more over the last problems.
    const int first = count - section.extra;
    return heading + "。（共" + std::to_string(total) + "分：" + Range(1, first) + "每题"
        + std::to_string(section.score) + "分，" + Range(first + 1, count) + "每题" + std::to_string(section.score + 1)
        + "分）";
}

std::string Heading(int index, const ShiJuanBuFen &section) { return HeadingLine(index, section) + "\r\n"; }

std::string Numbered(std::size_t i) { return "(" + std::to_string(i + 1) + ") "; }

} // namespace

std::string BuFenBiaoTi(int index, const ShiJuanBuFen &section) { return HeadingLine(index, section); }

std::string ShiJuanBiaoTi(const ShiJuan &paper)
{
    return std::string(NianJiMing(paper.settings.grade)) + "数学四则运算测试卷";
}

std::string ShiJuanWenBen(const ShiJuan &paper)
{
    std::string text = "班级：__________  姓名：__________  得分：__________\r\n";
    text += "（满分" + std::to_string(paper.total) + "分  试卷编号：" + std::to_string(paper.settings.seed) + "）\r\n";
    for (std::size_t s = 0; s < paper.sections.size(); ++s) {
        const ShiJuanBuFen &section = paper.sections[s];
        const Columns columns = ColumnsOf(section.kind);
        text += "\r\n" + Heading(static_cast<int>(s), section);
        // The columns are as wide as the longest problem and two full-width blanks.
        int width = 0;
        for (std::size_t i = 0; i < section.problems.size(); ++i)
            width = std::max(width, Len(Numbered(i) + section.problems[i].text) + 4);
        const int perRow = std::clamp(kTextColumns / std::max(width, 1), 1, columns.most);
        std::string row;
        for (std::size_t i = 0; i < section.problems.size(); ++i) {
            row += Padded(Numbered(i) + section.problems[i].text, width);
            const bool rowEnds = (i + 1) % static_cast<std::size_t>(perRow) == 0;
            if (rowEnds || i + 1 == section.problems.size()) {
                text += TrimRight(row) + "\r\n";
                for (int blank = 0; blank < columns.space; ++blank)
                    text += "\r\n";
                row.clear();
            }
        }
    }
    // The room to work below the last row is the rest of the page.
    return TrimRight(text) + "\r\n";
}

std::string DaAnWenBen(const ShiJuan &paper)
{
    std::string text;
    for (std::size_t s = 0; s < paper.sections.size(); ++s) {
        const ShiJuanBuFen &section = paper.sections[s];
        text += (s == 0 ? "" : "\r\n") + Heading(static_cast<int>(s), section);
        for (std::size_t i = 0; i < section.problems.size(); ++i) {
            const ShiJuanTi &problem = section.problems[i];
            // Written problems end in "＝" and take their answer after it; an equation is answered
            // on a line of its own. 口算 is answered one problem a line, without working.
            if (problem.kind == TiXing::FangCheng)
                text += Numbered(i) + problem.text + "    解：" + problem.answer + "\r\n";
            else
                text += Numbered(i) + problem.text + problem.answer + "\r\n";
            if (XuYaoGuoCheng(problem.kind))
                text += problem.worked + "\r\n\r\n";
        }
    }
    return text;
}

std::string DaAnBiaoTi(const ShiJuan &paper)
{
    return ShiJuanBiaoTi(paper) + " 答案与解题过程（试卷编号：" + std::to_string(paper.settings.seed) + "）";
}

std::string QuanWenBen(const ShiJuan &paper)
{
    return ShiJuanBiaoTi(paper) + "\r\n\r\n" + ShiJuanWenBen(paper) + "\r\n" + std::string(60, '=') + "\r\n"
        + DaAnBiaoTi(paper) + "\r\n\r\n" + DaAnWenBen(paper);
}

} // namespace qimbel::shijuan
