#include "maker/LevelTable.h"

namespace qimbel {

const std::vector<MakerLevelRow> &MakerLevels()
{
    static const std::vector<MakerLevelRow> rows = {
        {3, "倍数（公倍数）", "两个12以内的数的公倍数（前十个）", "两个30以内的数的公倍数", "三个20以内的数的公倍数"},
        {4, "因数（公因数）", "两个50以内的数的公因数", "两个150以内的数的公因数", "三个150以内的数的公因数"},
        {5, "两个数的大小比较", "整数或一位小数的比较", "分数的比较（分母不同）", "分数、小数和负数的比较"},
        {7, "竖式计算", "两三位数加减，不进位、不退位", "三位数进位加、退位减；两位数乘两位数",
            "三位数乘两位数；整除的除法（除数一两位）；一两位小数的加减"},
        {8, "四则混合运算", "100以内两步运算，不带括号，除法都能整除", "带括号的三步运算",
            "一位小数的乘加；分数的乘加"},
        {9, "解方程", "x＋a＝b，ax＝b，整数解", "ax＋b＝c，ax－b＝c，整数解", "a(x＋b)＝c，ax－bx＝c，整数解"},
        {10, "化简比", "整数比，前后项是最简比的2到12倍", "一位小数的比", "三个数的连比"},
        {11, "简便运算", "加法交换律、结合律（凑整百）；乘法结合律（25×4，125×8）", "乘法分配律（凑整十、整百）",
            "接近整百的数（99×a，101×a，a×99＋a，125×88）"},
        {12, "分解质因数", "100以内，质因数为2、3、5、7", "1000以内，质因数到23",
            "10000以内，质因数到23，可有多个相同"},
        {13, "科学记数法", "大数（两三位有效数字）", "小于1的小数", "大数或小数，可为负数"},
        {15, "一列数的大小排序", "四五个整数或一位小数排序", "四到六个分数排序", "分数、小数和负数混合排序"},
        {18, "解比例", "未知数是第一项（外项），整数解", "未知数是第二项（内项），整数解",
            "未知数在任意一项，30以内的数"},
        {20, "有理数四则运算", "三个正负整数的加减", "正负整数的乘除混合，除法都能整除", "乘方与分数的混合运算"},
        {21, "整式四则运算", "合并同类项（两个字母）", "去括号，单项式乘多项式", "多项式乘多项式与完全平方"},
        {22, "因式分解", "提公因式；平方差；完全平方（二次项系数为1）", "十字相乘（x^2＋bx＋c）；先提公因式再用公式",
            "十字相乘（二次项系数不为1）；两个字母的平方差"},
        {23, "分式四则运算", "同分母分式加减", "两个一次分母的分式相加", "分母x^2－p^2的分式减法（约分）"},
        {24, "二次根式四则运算", "化简√n；同类二次根式相加", "化简后是同类二次根式的加减", "二次根式的乘法，积要化简"},
        {25, "一元一次方程", "ax＋b＝c，整数解（可为负）", "两边都有未知数，整数解",
            "带括号，去括号后移项，解可为分数"},
        {26, "二元一次方程组", "一个方程的系数为1，代入消元，非负整数解", "系数在－6到6之间，整数解（可为负）",
            "三元一次方程组，整数解"},
        {27, "一元二次方程", "x^2＋bx＋c＝0，两个整数根（可以相等）", "ax^2＋bx＋c＝0，有理根（分数根）",
            "先化成一般形式再解，整数根"},
        {28, "二元二次方程组", "x＋y＝s，xy＝p，整数解", "x－y＝d，xy＝p，整数解", "x＋y＝s，x^2＋y^2＝q，整数解"},
        {29, "分式方程", "a÷(x＋p)＝b÷(x＋q)，整数解", "带整数项，一半的题有增根（原方程无解）",
            "分母为x－p、x＋p和x^2－p^2，整数解"},
        {30, "一元一次不等式", "ax＋b＞c，系数为正，整数界", "未知数系数为负（不等号变向）", "带括号，两边都有未知数"},
        {31, "一元一次不等式组", "两个不等式，系数为正，解集a＜x＜b", "有未知数系数为负的不等式",
            "含≥、≤；有的解集只剩一边，有的无解"},
        {32, "算式计算与填空", "100以内加减，空可在任一处", "表内乘除，空可在任一处", "1000以内加减；两位数乘除"},
        {33, "根据要求找规律", "等差数列，填一个空", "等比数列或平方数", "斐波那契式（前两项之和）或差逐次加一"},
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
    // The names in GBK, and as the UTF-8 bytes a browser's arguments bring (基础, 提高, 拓展).
    static const char *const utf8[]
        = {"\xE5\x9F\xBA\xE7\xA1\x80", "\xE6\x8F\x90\xE9\xAB\x98", "\xE6\x8B\x93\xE5\xB1\x95"};
    const MakerLevel levels[] = {MakerLevel::JiChu, MakerLevel::TiGao, MakerLevel::TuoZhan};
    for (int i = 0; i < 3; ++i)
        if (name == MakerLevelName(levels[i]) || name == utf8[i]) {
            level = levels[i];
            return true;
        }
    return false;
}

} // namespace qimbel
