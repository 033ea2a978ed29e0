#include "charts/FrequencyTable.h"

#include "solver/GbkText.h"

#include <algorithm>
#include <optional>

namespace qimbel {

namespace {

// Numbers are read exactly as whole multiples of 10^-kMostDecimals of at most kMostIntegerDigits
// whole digits, so every difference and product below stays within 64 bits.
constexpr int kMostDecimals = 6;
constexpr int kMostIntegerDigits = 9;

struct Decimal {
    long long units = 0; // the value times 10^decimals
    int decimals = 0;
};

long long PowerOfTen(int n)
{
    long long p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A plain decimal: optional sign (- or －), digits, optional point and digits.
std::optional<Decimal> ReadDecimal(std::string text)
{
    bool negative = false;
    if (text.rfind("－", 0) == 0) {
        negative = true;
        text.erase(0, 2);
    } else if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.erase(0, 1);
    }
    Decimal d;
    std::size_t i = 0;
    int whole = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (whole > 0 || text[i] != '0')
            ++whole;
        if (whole > kMostIntegerDigits)
            return std::nullopt;
        d.units = d.units * 10 + (text[i] - '0');
    }
    bool any = i > 0;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            if (++d.decimals > kMostDecimals)
                return std::nullopt;
            d.units = d.units * 10 + (text[i] - '0');
            any = true;
        }
    }
    if (!any || i != text.size())
        return std::nullopt;
    if (negative)
        d.units = -d.units;
    return d;
}

long long Scaled(const Decimal &d, int decimals) { return d.units * PowerOfTen(decimals - d.decimals); }

// The decimal text of units × 10^-decimals, without trailing zeros.
std::string DecimalText(long long units, int decimals)
{
    const bool negative = units < 0;
    const long long magnitude = negative ? -units : units;
    const long long one = PowerOfTen(decimals);
    std::string text = IntText(magnitude / one);
    std::string fraction = IntText(magnitude % one + one).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return negative ? "-" + text : text;
}

// Floor division for a positive divisor.
long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Why a class width cannot be taken: a number finer or larger than the table reads, or no number
// above 0 at all.
std::string WidthError(const std::string &text)
{
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string places = point == std::string::npos ? std::string() : text.substr(point + 1);
    const auto digits = [](const std::string &t) { return std::all_of(t.begin(), t.end(), IsDigit); };
    if (!whole.empty() && digits(whole) && digits(places)) {
        if (places.size() > static_cast<std::size_t>(kMostDecimals))
            return "组距最多可以有" + IntText(kMostDecimals) + "位小数。";
        if (whole.size() > static_cast<std::size_t>(kMostIntegerDigits))
            return "组距太大了：整数部分最多可以有" + IntText(kMostIntegerDigits) + "位。";
    }
    return "组距要填一个大于0的数。";
}

struct Data {
    std::vector<Decimal> numbers;
    int decimals = 0;
    std::string error;
};

Data ReadData(const std::string &text)
{
    Data data;
    std::string token;
    const auto finish = [&] {
        if (token.empty() || !data.error.empty())
            return;
        const std::optional<Decimal> d = ReadDecimal(token);
        if (!d)
            data.error = "不认识的数据：" + Left(token, 40);
        else {
            data.numbers.push_back(*d);
            if (d->decimals > data.decimals)
                data.decimals = d->decimals;
        }
        token.clear();
    };
    for (std::size_t i = 0; i < text.size() && data.error.empty(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (IsGbkLead(c) && i + 1 < text.size()) {
            const std::string sign = text.substr(i, 2);
            ++i;
            if (sign == "，" || sign == "、" || sign == "；" || sign == "　")
                finish();
            else
                token += sign;
            continue;
        }
        if (IsBlank(static_cast<char>(c)) || c == ',' || c == ';')
            finish();
        else
            token += static_cast<char>(c);
    }
    finish();
    if (data.error.empty() && data.numbers.empty())
        data.error = "请输入原始数据：数与数之间用空格、逗号或换行隔开。";
    return data;
}

// The least of 1, 2, 5, 10, 20, 50 ... (in units) that is at least `wanted`.
long long NiceStep(long long wanted)
{
    for (long long power = 1;; power *= 10)
        for (long long m : {1, 2, 5})
            if (m * power >= wanted || power > 1000000000000000LL)
                return m * power;
}

} // namespace

std::string DefaultClassWidth(const std::string &text)
{
    const Data data = ReadData(text);
    if (!data.error.empty())
        return {};
    long long low = Scaled(data.numbers[0], data.decimals), high = low;
    for (const Decimal &d : data.numbers) {
        low = std::min(low, Scaled(d, data.decimals));
        high = std::max(high, Scaled(d, data.decimals));
    }
    // About six classes; never finer than the data's last decimal place.
    return DecimalText(NiceStep(std::max(1LL, (high - low + 5) / 6)), data.decimals);
}

FrequencyTable FrequencyDistribution(const std::string &text, const std::string &classWidth)
{
    FrequencyTable table;
    const Data data = ReadData(text);
    if (!data.error.empty()) {
        table.error = data.error;
        return table;
    }
    const std::string widthText = Trim(classWidth).empty() ? DefaultClassWidth(text) : Trim(classWidth);
    const std::optional<Decimal> width = ReadDecimal(widthText);
    if (!width || width->units <= 0) {
        table.error = WidthError(widthText);
        return table;
    }
    const int decimals = std::max(data.decimals, width->decimals);
    const long long step = Scaled(*width, decimals);
    long long low = Scaled(data.numbers[0], decimals), high = low;
    for (const Decimal &d : data.numbers) {
        low = std::min(low, Scaled(d, decimals));
        high = std::max(high, Scaled(d, decimals));
    }
    // The first class starts at the multiple of the width at or below the least number.
    const long long start = FloorDiv(low, step) * step;
    const long long classes = (high - start) / step + 1;
    if (classes > kMostClasses) {
        table.error
            = "按这个组距要分" + IntText(classes) + "组，太多了（最多" + IntText(kMostClasses) + "组）：请把组距放大。";
        return table;
    }
    std::vector<long long> counts(static_cast<std::size_t>(classes), 0);
    for (const Decimal &d : data.numbers)
        ++counts[static_cast<std::size_t>((Scaled(d, decimals) - start) / step)];

    table.total = static_cast<long long>(data.numbers.size());
    table.width = DecimalText(step, decimals);
    for (long long k = 0; k <= classes; ++k)
        table.bounds.push_back(DecimalText(start + k * step, decimals));
    for (long long k = 0; k < classes; ++k) {
        FrequencyClass c;
        c.name = table.bounds[static_cast<std::size_t>(k)] + "~" + table.bounds[static_cast<std::size_t>(k + 1)];
        c.count = counts[static_cast<std::size_t>(k)];
        // count ÷ total to four places, the fifth rounded half up.
        const long long scaled = (c.count * 20000 + table.total) / (2 * table.total);
        c.frequency = DecimalText(scaled, 4);
        table.classes.push_back(c);
    }
    return table;
}

ChartTable FrequencyGrid(const FrequencyTable &table)
{
    ChartTable grid;
    grid.push_back({"分组", "频数", "频率"});
    for (const FrequencyClass &c : table.classes)
        grid.push_back({c.name, IntText(c.count), c.frequency});
    return grid;
}

DisplayList DrawHistogram(const FrequencyTable &table, const std::string &title, int width, int height)
{
    // The axes of a bar chart with one series, the counts; the value axis is scaled to the
    // largest count, so that small counts still make tall bars.
    long long most = 1;
    for (const FrequencyClass &c : table.classes)
        most = std::max(most, c.count);
    const long long tick = NiceStep((most + 4) / 5);
    StatisticsChart chart(ChartType::Bar);
    chart.SetTitle(title);
    chart.SetValueCaption("频数");
    chart.SetTickStep(tick);
    chart.SetAxisMaximum((most / tick + 1) * tick); // a tick of room above the highest bar
    ChartLayout layout = LayOutChart(chart, width, height);
    const auto roomForTheLastBound
        = [](ChartLayout &laid) { laid.axisRight = std::max(laid.axisX, laid.axisRight - 15); };
    roomForTheLastBound(layout);
    // The bounds stand level under the edges of the bars; only bounds wider than a bar are turned.
    const double bar
        = table.classes.empty() ? 0 : (layout.axisRight - layout.axisX) / static_cast<double>(table.classes.size());
    for (const std::string &bound : table.bounds)
        if (ChartTextWidth(bound, 14) > bar - 4) {
            chart.SetLabelAngle(45);
            layout = LayOutChart(chart, width, height);
            roomForTheLastBound(layout);
            break;
        }
    const double plotHeight = layout.axisY - layout.axisTop;
    layout.scale = plotHeight / static_cast<double>(chart.AxisMaximum());
    for (ValueTick &t : layout.valueTicks)
        t.y = layout.axisY - static_cast<double>(t.value) * layout.scale;

    // Bars that touch, one per class; the class bounds stand under their edges.
    const double slot
        = table.classes.empty() ? 0 : (layout.axisRight - layout.axisX) / static_cast<double>(table.classes.size());
    for (std::size_t k = 0; k < table.classes.size(); ++k) {
        const double rise = static_cast<double>(table.classes[k].count) * layout.scale;
        layout.bars.push_back({0, 0, layout.axisX + slot * static_cast<double>(k), layout.axisY - rise, slot, rise});
    }
    for (std::size_t k = 0; k < table.bounds.size(); ++k)
        layout.categoryTicks.push_back({layout.axisX + slot * static_cast<double>(k), table.bounds[k], true});
    return DrawChart(layout);
}

} // namespace qimbel
