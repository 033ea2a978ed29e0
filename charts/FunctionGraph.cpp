#include "charts/FunctionGraph.h"

#include "solver/Solver.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qimbel {

namespace {

// Pixel values far outside the picture all draw the same; keeping them within this bound keeps
// every conversion to int defined, however large the value.
constexpr double kFarOutside = 100000;

// The longest expression, with a sample written in for every x, that is handed to the driver.
// The driver's time grows with the square of the length (500 bytes of brackets in brackets take
// seconds per plot), and it cannot finish such long expressions within its steps anyway.
constexpr std::size_t kLongestSampleExpression = 400;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string WithoutBlanks(const std::string &text)
{
    std::string kept;
    for (char c : text)
        if (!IsBlank(c))
            kept += c;
    return kept;
}

// The integer part of a pixel value, as the page reads it.
int PixelOf(double value) { return static_cast<int>(std::trunc(std::clamp(value, -kFarOutside, kFarOutside))); }

// Why the function cannot be drawn at all, or the empty text.
std::string Refusal(const std::string &function)
{
    if (function.empty())
        return "请在函数F(x)中输入函数，再按绘图。";
    std::string open;
    for (std::size_t i = 0; i < function.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(function[i]);
        if (IsGbkLead(c) && i + 1 < function.size()) {
            ++i;
            continue;
        }
        if (c == '(' || c == '[' || c == '{') {
            open += static_cast<char>(c);
        } else if (c == ')' || c == ']' || c == '}') {
            const char wanted = c == ')' ? '(' : c == ']' ? '[' : '{';
            if (open.empty() || open.back() != wanted)
                return "括号不配对，画不出图象：请检查函数中的括号。";
            open.pop_back();
        } else if (IsLetter(static_cast<char>(c)) && c != 'x') {
            return std::string("函数中只能用字母x，不认识字母") + static_cast<char>(c) + "，画不出图象。";
        }
    }
    if (!open.empty())
        return "括号不配对，画不出图象：请检查函数中的括号。";
    if (WriteSample(function, "-9.000000").size() > kLongestSampleExpression)
        return "函数太长，画不出图象：请把函数写短一些。";
    return {};
}

} // namespace

std::vector<std::string> GraphSampleTexts()
{
    std::vector<std::string> samples;
    samples.reserve(144);
    // The samples are multiples of 1/8, exact in binary: counting in eighths avoids any drift.
    for (int eighths = -72; eighths < 72; ++eighths) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%lf", eighths / 8.0);
        samples.emplace_back(buffer);
    }
    return samples;
}

std::string NormaliseFunction(const std::string &typed)
{
    Solver solver;
    std::string function = WithoutBlanks(typed);
    solver.TiHuan(function, "（", "(");
    solver.TiHuan(function, "）", ")");
    solver.TiHuan(function, "+", "＋");
    solver.TiHuan(function, "-", "－");
    solver.TiHuan(function, "*", "×");
    solver.TiHuan(function, "/", "÷");
    return function;
}

std::string WriteSample(const std::string &function, const std::string &sample)
{
    const std::string value = "(" + sample + ")";
    std::string written;
    written.reserve(function.size() + 16 * value.size());
    bool afterFactor = false; // the last character ends a factor: a digit, ")" or a written x
    bool afterX = false;
    for (std::size_t i = 0; i < function.size(); ++i) {
        const char c = function[i];
        if (IsGbkLead(static_cast<unsigned char>(c)) && i + 1 < function.size()) {
            written += c;
            written += function[++i];
            afterFactor = afterX = false;
            continue;
        }
        if (c == 'x') {
            if (afterFactor)
                written += "×";
            written += value;
            afterFactor = afterX = true;
            continue;
        }
        if (afterX && (IsDigit(c) || c == '.'))
            written += "×"; // x2 reads x×2
        written += c;
        afterFactor = IsDigit(c) || c == '.' || c == ')';
        afterX = false;
    }
    return written;
}

bool ReadResultNumber(const std::string &text, double &value)
{
    std::string number = WithoutBlanks(text);
    bool negative = false;
    if (number.rfind("－", 0) == 0) {
        negative = true;
        number.erase(0, 2);
    } else if (!number.empty() && number[0] == '-') {
        negative = true;
        number.erase(0, 1);
    }
    // digits [. digits] [/ digits]
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < number.size() && IsDigit(number[i]))
            ++i;
        return i > start;
    };
    if (!digits())
        return false;
    if (i < number.size() && number[i] == '.' && (++i, !digits()))
        return false;
    const std::size_t bar = i;
    if (i < number.size() && number[i] == '/' && (++i, !digits()))
        return false;
    if (i != number.size())
        return false;
    double numerator = std::strtod(number.substr(0, bar).c_str(), nullptr);
    if (bar < number.size()) {
        const double denominator = std::strtod(number.c_str() + bar + 1, nullptr);
        if (denominator == 0)
            return false;
        numerator /= denominator;
    }
    if (!std::isfinite(numerator))
        return false;
    value = negative ? -numerator : numerator;
    return true;
}

bool DrawsSegment(const GraphPoint &previous, const GraphPoint &next)
{
    if (!previous.hasValue || !next.hasValue)
        return false;
    const int x0 = previous.X, y0 = previous.Y, x1 = next.X, y1 = next.Y;
    if (y1 < -1 || x1 > kGraphSize || y1 > kGraphSize || x0 > kGraphSize || y0 > kGraphSize)
        return false;
    // A curve that leaves over the top and comes back in the lower half has jumped across a
    // pole: the two pieces are not joined.
    if (y0 < -1 && y1 > kGraphOrigin)
        return false;
    return true;
}

FunctionPlot PlotFunction(const std::string &typed)
{
    FunctionPlot plot;
    plot.function = NormaliseFunction(typed);
    plot.status = Refusal(plot.function);
    if (!plot.status.empty())
        return plot;

    Solver solver;
    int withoutValue = 0;
    for (const std::string &sample : GraphSampleTexts()) {
        GraphPoint point;
        point.sample = sample;
        // The sample stands in brackets: a leading minus would otherwise be read as the sign of
        // the whole sum.
        std::string column = WithoutBlanks(solver.HunHeYunSuan("(" + sample + ")×25＋250", 1));
        solver.TiHuan(column, "－", "-");
        point.screenX = solver.QuLing(column);
        double x = 0;
        const bool columnOk = ReadResultNumber(point.screenX, x);

        const std::string y = WithoutBlanks(solver.HunHeYunSuan(WriteSample(plot.function, sample) + "＋0", 1));
        double value = 0;
        if (columnOk && ReadResultNumber(y, value)) {
            std::string offset = WithoutBlanks(solver.HunHeYunSuan(y + "×25", 1));
            solver.TiHuan(offset, "－", "-");
            double pixels = 0;
            if (ReadResultNumber(offset, pixels)) {
                point.yOffset = offset;
                point.hasValue = true;
                point.X = PixelOf(x);
                point.Y = kGraphOrigin - PixelOf(pixels);
            }
        }
        if (!point.hasValue)
            ++withoutValue;
        plot.points.push_back(std::move(point));
    }
    for (std::size_t k = 1; k < plot.points.size(); ++k) {
        const GraphPoint &a = plot.points[k - 1];
        const GraphPoint &b = plot.points[k];
        if (DrawsSegment(a, b))
            plot.segments.push_back({a.X, a.Y, b.X, b.Y});
    }

    const int total = static_cast<int>(plot.points.size());
    if (withoutValue == total)
        plot.status = "没有一个点算得出函数值，画不出图象。";
    else if (withoutValue > 0)
        plot.status = "已画出图象；有" + IntText(withoutValue) + "个点算不出函数值（如除数为0），曲线在那里断开。";
    else
        plot.status = "已画出图象。";
    return plot;
}

DisplayList CoordinateSystem()
{
    DisplayList picture;
    picture.width = kGraphSize;
    picture.height = kGraphSize;
    const Pen black;
    picture.Add(Rect {0, 0, kGraphSize, kGraphSize, kWhite, true, black, true});
    picture.Add(Line {kGraphOrigin, 0, kGraphOrigin, kGraphSize, black});
    picture.Add(Line {0, kGraphOrigin, kGraphSize, kGraphOrigin, black});

    const auto number = [&](double x, double y, int k) {
        Text text;
        text.x = x;
        text.y = y;
        text.text = IntText(k);
        text.pixelSize = 11;
        picture.Add(text);
    };
    number(240, 251, 0);
    for (int k = -9; k <= 9; ++k) {
        if (k == 0)
            continue;
        const double column = kGraphOrigin + kGraphUnit * k;
        picture.Add(Line {column, 245, column, kGraphOrigin, black});
        number(column - (k < 0 ? 7 : 3), 252, k);
        const double row = kGraphOrigin - kGraphUnit * k;
        picture.Add(Line {kGraphOrigin, row, kGraphOrigin + 5, row, black});
        number(k < 0 ? 235 : 240, row - 6, k);
    }

    Text xAxis;
    xAxis.x = 473;
    xAxis.y = 275;
    xAxis.text = "X轴";
    picture.Add(xAxis);
    Text yAxis = xAxis;
    yAxis.x = 205;
    yAxis.y = 5;
    yAxis.text = "Y轴";
    picture.Add(yAxis);
    picture.Add(Line {492, 245, 500, 250, black});
    picture.Add(Line {492, 255, 500, 250, black});
    picture.Add(Line {245, 8, 250, 0, black});
    picture.Add(Line {255, 8, 250, 0, black});
    return picture;
}

DisplayList GraphPicture(const FunctionPlot &plot)
{
    DisplayList picture = CoordinateSystem();
    const Pen red {kRed, 1, false};
    for (const GraphSegment &s : plot.segments)
        picture.Add(Line {double(s.x1), double(s.y1), double(s.x2), double(s.y2), red});
    return picture;
}

std::string PicturePosition(int px, int py)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "(%.2f, %.2f)", double(px - kGraphOrigin) / kGraphUnit,
        double(kGraphOrigin - py) / kGraphUnit);
    return buffer;
}

} // namespace qimbel
