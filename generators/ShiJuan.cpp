#include "generators/ShiJuan.h"

#include "generators/ShiJuanChuTi.h"

#include <algorithm>

namespace qimbel::shijuan {

const char *TiXingMing(TiXing kind)
{
    switch (kind) {
    case TiXing::KouSuan:
        return "口算";
    case TiXing::ShuShi:
        return "竖式计算";
    case TiXing::HunHe:
        return "四则混合运算";
    default:
        return "解方程";
    }
}

const char *NianJiMing(int grade)
{
    static const char *const names[] = {"一年级", "二年级", "三年级", "四年级", "五年级", "六年级"};
    return names[std::clamp(grade, 1, kZuiGaoNianJi) - 1];
}

bool TiXingShiHe(int grade, TiXing kind)
{
    switch (kind) {
    case TiXing::ShuShi:
        return grade >= 2;
    case TiXing::FangCheng:
        return grade >= 5;
    default:
        return true;
    }
}

ShiJuanSheZhi MoRenSheZhi(int grade)
{
    ShiJuanSheZhi settings;
    settings.grade = std::clamp(grade, 1, kZuiGaoNianJi);
    settings.counts = {20, 4, 4, 4};
    settings.scores = {1, 4, 5, 5};
    if (settings.grade == 1)
        settings.counts = {30, 0, 10, 0};
    for (int k = 0; k < kTiXingShu; ++k)
        if (!TiXingShiHe(settings.grade, static_cast<TiXing>(k)))
            settings.counts[static_cast<std::size_t>(k)] = 0;
    return settings;
}

ShiJuan ZuShiJuan(const ShiJuanSheZhi &asked)
{
    ShiJuan paper;
    ShiJuanSheZhi &settings = paper.settings;
    settings = asked;
    settings.grade = std::clamp(settings.grade, 1, kZuiGaoNianJi);
    settings.decimals = settings.decimals && settings.grade >= 3;
    SeededRandom random(settings.seed);
    for (int k = 0; k < kTiXingShu; ++k) {
        const TiXing kind = static_cast<TiXing>(k);
        int &count = settings.counts[static_cast<std::size_t>(k)];
        int &score = settings.scores[static_cast<std::size_t>(k)];
        count = TiXingShiHe(settings.grade, kind) ? std::clamp(count, 0, kZuiDuoTiShu) : 0;
        score = std::clamp(score, 1, 20);
        if (count == 0)
            continue;
        ShiJuanBuFen section;
        section.kind = kind;
        section.score = score;
        for (int i = 0; i < count; ++i) {
            ShiJuanTi problem;
            switch (kind) {
            case TiXing::KouSuan:
                problem = KouSuanTi(random, settings.grade, settings.decimals);
                break;
            case TiXing::ShuShi:
                problem = ShuShiTi(random, settings.grade, settings.decimals);
                break;
            case TiXing::HunHe:
                problem = HunHeTi(random, settings.grade, settings.decimals);
                break;
            default:
                problem = FangChengTi(random, settings.grade, settings.decimals);
                break;
            }
            problem.worked = JieTiGuoCheng(problem);
            section.problems.push_back(std::move(problem));
        }
        paper.total += count * score;
        paper.sections.push_back(std::move(section));
    }
    return paper;
}

} // namespace qimbel::shijuan
