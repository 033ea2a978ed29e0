#include "generators/ShiJuan.h"

#include "generators/ShiJuanChuTi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

bool XuYaoGuoCheng(TiXing kind) { return kind != TiXing::KouSuan; }

std::optional<std::array<FenShu, kTiXingShu>> ManFenYiBai(
    const std::array<int, kTiXingShu> &counts, const std::array<int, kTiXingShu> &weights)
{
    int problems = 0;
    double weighted = 0;
    for (int k = 0; k < kTiXingShu; ++k) {
        problems += std::max(counts[static_cast<std::size_t>(k)], 0);
        weighted
            += std::max(counts[static_cast<std::size_t>(k)], 0) * std::max(weights[static_cast<std::size_t>(k)], 1);
    }
    if (problems == 0 || problems > 100)
        return std::nullopt;
    // The share of 100 each kind would have in the proportion of the chosen points.
    std::array<double, kTiXingShu> ideal {};
    for (std::size_t k = 0; k < ideal.size(); ++k)
        ideal[k] = 100.0 * std::max(counts[k], 0) * std::max(weights[k], 1) / weighted;

    // Equal points within each kind, nearest the shares: every choice of 1 … 20 points is tried.
    std::array<FenShu, kTiXingShu> best {};
    double bestError = -1;
    std::array<int, kTiXingShu> s {1, 1, 1, 1};
    const auto search = [&](auto &&self, std::size_t k, int sum) -> void {
        if (k == s.size()) {
            if (sum != 100)
                return;
            double error = 0;
            for (std::size_t j = 0; j < s.size(); ++j)
                error += std::fabs(counts[j] * s[j] - ideal[j]);
            if (bestError < 0 || error < bestError - 1e-9) {
                bestError = error;
                for (std::size_t j = 0; j < s.size(); ++j)
                    best[j] = FenShu {counts[j] > 0 ? s[j] : 0, 0};
            }
            return;
        }
        if (counts[k] <= 0) {
            s[k] = 0;
            self(self, k + 1, sum);
            return;
        }
        for (int points = 1; points <= 20 && sum + counts[k] * points <= 100; ++points) {
            s[k] = points;
            self(self, k + 1, sum + counts[k] * points);
        }
    };
    search(search, 0, 0);
    if (bestError >= 0)
        return best;

    // Else whole totals per kind by the largest remainders, at least a point a problem, spread
    // within the kind: the last problems count one point more.
    std::array<int, kTiXingShu> totals {};
    int given = 0;
    for (std::size_t k = 0; k < totals.size(); ++k) {
        totals[k] = counts[k] > 0 ? std::max(counts[k], static_cast<int>(std::floor(ideal[k]))) : 0;
        given += totals[k];
    }
    while (given != 100) {
        // One point to (or from) the kind furthest from its share.
        std::size_t pick = totals.size();
        for (std::size_t k = 0; k < totals.size(); ++k) {
            if (counts[k] <= 0 || (given > 100 && totals[k] <= counts[k]))
                continue;
            const double gap = given < 100 ? ideal[k] - totals[k] : totals[k] - ideal[k];
            if (pick == totals.size() || gap > (given < 100 ? ideal[pick] - totals[pick] : totals[pick] - ideal[pick]))
                pick = k;
        }
        if (pick == totals.size())
            return std::nullopt;
        totals[pick] += given < 100 ? 1 : -1;
        given += given < 100 ? 1 : -1;
    }
    for (std::size_t k = 0; k < totals.size(); ++k)
        best[k] = counts[k] > 0 ? FenShu {totals[k] / counts[k], totals[k] % counts[k]} : FenShu {};
    return best;
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
    }
    std::optional<std::array<FenShu, kTiXingShu>> hundred;
    if (settings.hundred)
        hundred = ManFenYiBai(settings.counts, settings.scores);
    settings.hundred = hundred.has_value();
    for (int k = 0; k < kTiXingShu; ++k) {
        const TiXing kind = static_cast<TiXing>(k);
        const int count = settings.counts[static_cast<std::size_t>(k)];
        if (count == 0)
            continue;
        ShiJuanBuFen section;
        section.kind = kind;
        section.score = settings.scores[static_cast<std::size_t>(k)];
        if (hundred) {
            section.score = (*hundred)[static_cast<std::size_t>(k)].score;
            section.extra = (*hundred)[static_cast<std::size_t>(k)].extra;
        }
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
            problem.score = section.score + (i >= count - section.extra ? 1 : 0);
            paper.total += problem.score;
            section.problems.push_back(std::move(problem));
        }
        paper.sections.push_back(std::move(section));
    }
    return paper;
}

} // namespace qimbel::shijuan
