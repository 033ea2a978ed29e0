#include "pages/TypeTable.h"

namespace qimbel {

const std::vector<ProblemType> &ProblemTypes()
{
    static const std::vector<ProblemType> types = {
        {1, kPage129, 1062, "数的读法", "数的读法", TitleRule::Set, true},
        {2, kPage129, 1063, "数的写法", "数的写法", TitleRule::Set, true},
        {3, kPage129, 1076, "倍数（公倍数）", "倍数（公倍数）", TitleRule::Set, true},
        {4, kPage129, 1077, "因数（公因数）", "因数（公因数）", TitleRule::Set, true},
        {5, kPage129, 1078, "两个数的大小比较", "数的大小比较", TitleRule::Set, true},
        {6, kPage129, 1073, "单位转换", "单位转换", TitleRule::Set, true},
        {7, kPage130, 1079, "竖式计算", "竖式计算", TitleRule::Set, true},
        {8, kPage130, 1080, "四则混合运算", "四则混合运算", TitleRule::Set, true},
        {9, kPage130, 1081, "解方程", "解方程", TitleRule::Set, true},
        {10, kPage130, 1082, "化简比", "化简比", TitleRule::Set, true},
        {11, kPage130, 1083, "简便运算", "简便运算", TitleRule::Set, true},
        {12, kPage129, 1081, "分解质因数", "分解质因数", TitleRule::Set, true},
        {13, kPage133, 1086, "科学记数法", "科学记数法", TitleRule::Set, true},
        {14, kPage133, 1087, "近似数", "近似数", TitleRule::Set, true},
        {15, kPage129, 1079, "一列数的大小排序", "一列数的大小排序", TitleRule::Set, true},
        {16, kPage129, 1080, "数的基本性质", "数的基本性质", TitleRule::Set, true},
        {17, kPage133, 1276, "数据统计初步", "数据统计初步", TitleRule::Set, true},
        {18, kPage130, 1274, "解(未知数)比", "解(未知数)比", TitleRule::Set, true},
        {20, kPage134, 1135, "有理数四则运算", "有理数四则运算", TitleRule::Set, true},
        {21, kPage134, 1142, "整式四则运算", "整式四则运算", TitleRule::Set, true},
        {22, kPage134, 1146, "因式分解", "因式分解", TitleRule::Set, true},
        {23, kPage134, 1143, "分式四则运算", "分式四则运算", TitleRule::Set, true},
        {24, kPage134, 1144, "二次根式四则运算", "二次根式四则运算", TitleRule::Set, true},
        {25, kPage135, 1147, "一元一次方程", "一元一次方程", TitleRule::Set, true},
        {26, kPage135, 1149, "二元一次方程组", "二元一次方程组", TitleRule::Set, true},
        {27, kPage135, 1148, "一元二次方程", "一元二次方程", TitleRule::Set, true},
        {28, kPage135, 1150, "二元二次方程组", "二元二次方程组", TitleRule::Set, true},
        {29, kPage135, 1107, "分式方程", "分式方程", TitleRule::Set, true},
        {30, kPage135, 1151, "一元一次不等式", "一元一次不等式", TitleRule::Set, true},
        {31, kPage135, 1152, "一元一次不等式组", "一元一次不等式组", TitleRule::Set, true},
        {32, kPage129, 1082, "算式计算与填空", "算式计算与填空", TitleRule::Set, true},
        {33, kPage131, 1158, "根据要求找规律", "根据要求找规律", TitleRule::Set, true},
    };
    return types;
}

const ProblemType *FindProblemType(int type)
{
    for (const ProblemType &row : ProblemTypes())
        if (row.type == type)
            return &row;
    return nullptr;
}

std::string TypeButtonTip(const ProblemType &row)
{
    if (row.enabled)
        return {};
    return std::string(row.plan) + "\n这个题型还没有开放，暂时不能选择。";
}

bool ReadsDivisionAsFraction(int type) { return type == 23 || type == 29; }

std::vector<const ProblemType *> TypesOfPage(int page)
{
    std::vector<const ProblemType *> result;
    for (const ProblemType &row : ProblemTypes())
        if (row.page == page)
            result.push_back(&row);
    return result;
}

} // namespace qimbel
