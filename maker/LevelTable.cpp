#include "maker/LevelTable.h"

namespace qimbel {

const std::vector<MakerLevelRow> &MakerLevels()
{
    static const std::vector<MakerLevelRow> rows = {
        {3, "两个12以内的数的公倍数（前十个）", "两个30以内的数的公倍数", "三个20以内的数的公倍数"},
        {4, "两个50以内的数的公因数", "两个150以内的数的公因数", "三个150以内的数的公因数"},
        {5, "整数或一位小数的比较", "分数的比较（分母不同）", "分数、小数和负数的比较"},
        {7, "两三位数加减，不进位、不退位", "三位数进位加、退位减；两位数乘两位数",
            "三位数乘两位数；整除的除法（除数一两位）；一两位小数的加减"},
        {8, "100以内两步运算，不带括号，除法都能整除", "带括号的三步运算", "一位小数的乘加；分数的乘加"},
        {9, "x＋a＝b，ax＝b，整数解", "ax＋b＝c，ax－b＝c，整数解", "a(x＋b)＝c，ax－bx＝c，整数解"},
        {10, "整数比，前后项是最简比的2到12倍", "一位小数的比", "三个数的连比"},
        {11, "加法交换律、结合律（凑整百）；乘法结合律（25×4，125×8）", "乘法分配律（凑整十、整百）",
            "接近整百的数（99×a，101×a，a×99＋a，125×88）"},
        {12, "100以内，质因数为2、3、5、7", "1000以内，质因数到23", "10000以内，质因数到23，可有多个相同"},
        {13, "大数（两三位有效数字）", "小于1的小数", "大数或小数，可为负数"},
        {15, "四五个整数或一位小数排序", "四到六个分数排序", "分数、小数和负数混合排序"},
        {18, "未知数是第一项（外项），整数解", "未知数是第二项（内项），整数解", "未知数在任意一项，30以内的数"},
        {20, "三个正负整数的加减", "正负整数的乘除混合，除法都能整除", "乘方与分数的混合运算"},
        {21, "合并同类项（两个字母）", "去括号，单项式乘多项式", "多项式乘多项式与完全平方"},
        {22, "提公因式；平方差；完全平方（二次项系数为1）", "十字相乘（x^2＋bx＋c）；先提公因式再用公式",
            "十字相乘（二次项系数不为1）；两个字母的平方差"},
        {23, "同分母分式加减", "两个一次分母的分式相加", "分母x^2－p^2的分式减法（约分）"},
        {25, "ax＋b＝c，整数解（可为负）", "两边都有未知数，整数解", "带括号，去括号后移项，解可为分数"},
        {26, "一个方程的系数为1，代入消元，非负整数解", "系数在－6到6之间，整数解（可为负）", "三元一次方程组，整数解"},
        {27, "x^2＋bx＋c＝0，两个整数根（可以相等）", "ax^2＋bx＋c＝0，有理根（分数根）", "先化成一般形式再解，整数根"},
        {29, "a÷(x＋p)＝b÷(x＋q)，整数解", "带整数项，一半的题有增根（原方程无解）",
            "分母为x－p、x＋p和x^2－p^2，整数解"},
        {30, "ax＋b＞c，系数为正，整数界", "未知数系数为负（不等号变向）", "带括号，两边都有未知数"},
        {31, "两个不等式，系数为正，解集a＜x＜b", "有未知数系数为负的不等式", "含≥、≤；有的解集只剩一边，有的无解"},
    };
    return rows;
}

std::string LevelMeaning(int type, MakerLevel level)
{
    for (const MakerLevelRow &row : MakerLevels())
        if (row.type == type)
            return level == MakerLevel::JiChu ? row.jiChu : level == MakerLevel::TiGao ? row.tiGao : row.tuoZhan;
    return {};
}

const char *MakerLevelName(MakerLevel level)
{
    switch (level) {
    case MakerLevel::TiGao:
        return "提高";
    case MakerLevel::TuoZhan:
        return "拓展";
    default:
        return "基础";
    }
}

bool ReadMakerLevel(const std::string &name, MakerLevel &level)
{
    for (MakerLevel each : {MakerLevel::JiChu, MakerLevel::TiGao, MakerLevel::TuoZhan})
        if (name == MakerLevelName(each)) {
            level = each;
            return true;
        }
    return false;
}

} // namespace qimbel
