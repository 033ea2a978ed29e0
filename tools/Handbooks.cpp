#include "tools/Handbooks.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace qimbel {

const std::vector<const char *> &HandbookGroups()
{
    static const std::vector<const char *> groups = {"小学知识", "初中知识", "高中知识"};
    return groups;
}

const std::vector<Handbook> &Handbooks()
{
    static const std::vector<Handbook> books = {
        {"小学知识", 1205, "小学数学奥数知识总结手册", "xiaoxueshuxueaoshuzhishizongjieshouce.html",
            "整除、质数、分数、简便运算和鸡兔同笼、行程、工程等典型问题"},
        {"初中知识", 1206, "数学公式定律手册", "shuxuegongshidinglvshouce.html",
            "运算定律、乘法公式、几何定理、图形公式和单位进率"},
        {"初中知识", 1204, "初中数学知识点", "chuzhongshuxuezhishidian.html",
            "数与代数、图形与几何、统计与概率的主要知识点"},
        {"高中知识", 1208, "数学手册", "shuxueshouce.html", "高中常用概念与公式：函数、三角、数列、解析几何、导数等"},
        {"高中知识", 1209, "中学数学建模", "zhongxueshuxuejianmo.html", "建模的步骤，方程、函数、最优化等模型与实例"},
        {"高中知识", 1203, "数学思想", "shuxuesixiang.html", "数形结合、分类讨论、转化与化归等解题思想"},
        {"高中知识", 1207, "世界数学史", "shijieshuxueshi.html", "从古代文明到今天的数学家和他们的成就"},
    };
    return books;
}

std::filesystem::path HandbookFolder(const std::filesystem::path &installation) { return installation / "ZhiShi"; }

int HandbookFault(const std::filesystem::path &file)
{
    std::error_code error;
    if (!std::filesystem::is_directory(file.parent_path(), error))
        return 3;
    if (!std::filesystem::is_regular_file(file, error))
        return 2;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return 5;
    return kHandbookOpens;
}

std::string HyperlinkReason(int code)
{
    switch (code) {
    case 0:
        return "系统的内存或资源不够了。";
    case 2:
        return "找不到这本手册的文件。";
    case 3:
        return "找不到放手册的文件夹。";
    case 5:
        return "系统不允许打开这本手册的文件。";
    case 8:
        return "内存不够，没能打开手册。";
    case 11:
        return "用来打开手册的程序已损坏。";
    case 26:
        return "手册的文件正被别的程序占用。";
    case 27:
        return "系统里打开这类文件的设置不完整。";
    case 28:
        return "打开手册的程序没有及时回应。";
    case 29:
        return "打开手册的程序没能完成。";
    case 30:
        return "打开手册的程序正忙，请稍后再试。";
    case 31:
        return "系统里没有能打开这类文件的程序。";
    case 32:
        return "打开手册所需的程序库找不到。";
    default:
        break;
    }
    char text[64];
    std::snprintf(text, sizeof text, "出现了未知的错误（%d）。", code);
    return text;
}

std::string HyperlinkWarning(int code) { return "无法打开手册：\n\n" + HyperlinkReason(code); }

} // namespace qimbel
