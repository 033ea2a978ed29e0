// 自动组卷: a paper of made problems on any types, 满分100 with whole points per kind, room to
// work sized to each type's working, and its key of worked solutions (or answers only). The
// paper's number is its seed: the same number makes the same paper.
#pragma once

#include "maker/ProblemMaker.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qimbel {

// One kind of problem on a paper: count problems of a type at a level, each worth points.
struct PaperKind {
    int type = 0;
    MakerLevel level = MakerLevel::JiChu;
    int count = 0;
    int points = 0;
};

struct PaperRequest {
    std::string title; // 七年级数学测试卷
    std::vector<PaperKind> kinds;
    std::uint64_t seed = 1; // 试卷编号
    bool workedKey = true; // the key as worked solutions, or answers only
};

// One kind's section of a made paper, for a layout of printed pages.
struct MadePaperSection {
    std::string heading; // 一、一元一次方程·基础（每题20分，共40分）
    std::vector<std::string> problems; // as printed: 1．3x＋5＝20
    std::vector<int> room; // the lines of room to work below each
    std::vector<std::vector<std::string>> key; // each problem's lines in the key
};

struct MadePaper {
    std::string paper; // GBK, CR LF
    std::string key;
    std::string title; // 七年级数学测试卷
    std::string info; // 试卷编号：7　　满分：100分 …
    std::string keyTitle; // 七年级数学测试卷　答案（试卷编号：7）
    std::vector<MadePaperSection> sections;
    std::vector<MadeProblem> problems; // in the order of the paper
    std::string refusal; // why no paper could be made; empty when one was
};

// The grades 一年级 … 九年级 (GBK) by number 1 … 9; empty for another number.
std::string GradeName(int grade);
// 1 … 9 for a grade given as a number or by its name; 0 for anything else.
int ReadGrade(const std::string &text);
// The file of the grades' default selections beside the program (Document/ZuJuan.ini).
std::string CurriculumPath();
// A grade's default selection from the text of that file; empty when the grade has no line.
std::vector<PaperKind> GradeSelection(const std::string &curriculum, int grade);

MadePaper MakePaper(const PaperRequest &request);

} // namespace qimbel
