#include "charts/FunctionGraph.h"

#include "charts/FunctionProperties.h"
#include "solver/GbkText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

namespace qimbel {

namespace {

constexpr double kSmallestUnit = 0.05;
constexpr double kLargestUnit = 100000;
// The view's centre stays within this distance of the origin, so every axis number fits a long.
constexpr double kFarthestCentre = 1e9;
// A trace finds a curve this many pixels above or below the mouse.
constexpr double kTraceReach = 12;
// The widest and highest picture drawn: a larger size is drawn at this size.
constexpr int kLargestSide = 16384;
// The most grid lines or axis numbers along one axis: a step is at least 24 pixels long, so a
// picture of kLargestSide pixels never needs more.
constexpr long long kMostTicks = kLargestSide / 24 + 4;
// The most tries of AxisStepFor: the step grows tenfold every three, from below the least step
// to above the greatest.
constexpr int kMostStepTries = 60;

// A pixel named by a request, kept near the picture: far outside it, every pixel shows the same
// part of the plane, and the numbers stay finite however far the mouse is said to be.
double NearPixel(double p, int size)
{
    const double reach = 10.0 * size + 1000;
    return std::isfinite(p) ? std::clamp(p, -reach, size + reach) : size / 2.0;
}

// A view every number of which the picture can take: a finite scale and centre within their
// ranges, a size of at least one and at most kLargestSide pixels.
bool SaneView(const GraphView &view)
{
    return view.width >= 1 && view.width <= kLargestSide && view.height >= 1 && view.height <= kLargestSide
        && view.unit >= kSmallestUnit && view.unit <= kLargestUnit && std::fabs(view.centreX) <= kFarthestCentre
        && std::fabs(view.centreY) <= kFarthestCentre;
}

// The view made sane: what is out of range is brought back into it, what is not a number goes
// back to the first view's value.
GraphView Settled(GraphView view)
{
    const auto settle = [](double value, double low, double high, double fallback) {
        return std::isnan(value) ? fallback : std::clamp(value, low, high);
    };
    view.width = std::clamp(view.width, 1, kLargestSide);
    view.height = std::clamp(view.height, 1, kLargestSide);
    view.unit = settle(view.unit, kSmallestUnit, kLargestUnit, kGraphUnit);
    view.centreX = settle(view.centreX, -kFarthestCentre, kFarthestCentre, 0);
    view.centreY = settle(view.centreY, -kFarthestCentre, kFarthestCentre, 0);
    return view;
}

bool Between(double value, double a, double b) { return value >= std::min(a, b) && value <= std::max(a, b); }

// A pixel row that the painter can take however large the value: far outside is all the same.
double Clamped(double py, int height) { return std::clamp(py, -4.0 * height - 10, 5.0 * height + 10); }

// The widest a character of an axis number is drawn, in pixels.
constexpr double kNumberAdvance = 7;

Text Number(double x, double y, const std::string &text)
{
    Text t;
    t.x = x;
    t.y = y;
    t.text = text;
    t.pixelSize = 11;
    return t;
}

// The box a text of the coordinate system takes: a byte at most 0.65 of the font's height wide.
struct Box {
    double left, top, right, bottom;
    bool Meets(const Box &other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

Box TextBox(const Text &t)
{
    const double width = 0.65 * t.pixelSize * static_cast<double>(t.text.size());
    const double left = t.anchor == Text::Anchor::TopLeft ? t.x
        : t.anchor == Text::Anchor::TopCentre             ? t.x - width / 2
                                                          : t.x - width;
    return {left, t.y, left + width, t.y + 1.3 * t.pixelSize};
}

// Where the legend of a width × height goes: the first of the corners (top left, top right,
// bottom left, bottom right) and then the middles of the edges where it covers no number and no
// caption of the axes, and crosses no axis if it can; in a picture too small for that, the place
// that covers the fewest texts.
std::pair<double, double> LegendCorner(const DisplayList &axes, double width, double height)
{
    constexpr double kMargin = 8;
    const double w = axes.width, h = axes.height;
    std::vector<Box> texts;
    std::vector<Box> lines;
    for (const Primitive &item : axes.items) {
        if (const Text *t = std::get_if<Text>(&item))
            texts.push_back(TextBox(*t));
        else if (const Line *l = std::get_if<Line>(&item); l != nullptr && l->pen == Pen {})
            lines.push_back({std::min(l->x1, l->x2) - 1, std::min(l->y1, l->y2) - 1, std::max(l->x1, l->x2) + 1,
                std::max(l->y1, l->y2) + 1});
    }
    const double right = std::max(kMargin, w - kMargin - width), bottom = std::max(kMargin, h - kMargin - height);
    const double middleX = std::max(kMargin, (w - width) / 2), middleY = std::max(kMargin, (h - height) / 2);
    const std::pair<double, double> places[] = {{kMargin, kMargin}, {right, kMargin}, {kMargin, bottom},
        {right, bottom}, {middleX, kMargin}, {middleX, bottom}, {kMargin, middleY}, {right, middleY}};
    std::pair<double, double> best = places[0];
    long long fewest = -1;
    for (const auto &[x, y] : places) {
        const Box legend {x, y, x + width, y + height};
        long long covered = 0;
        for (const Box &text : texts)
            covered += legend.Meets(text) ? 1000 : 0;
        for (const Box &line : lines)
            covered += legend.Meets(line) ? 1 : 0;
        if (fewest < 0 || covered < fewest) {
            fewest = covered;
            best = {x, y};
        }
        if (covered == 0)
            break;
    }
    return best;
}

// The exact value of k × step, for the trace.
Rational StepMultiple(long long k, const AxisStep &step)
{
    Whole n = static_cast<Whole>(k) * step.mantissa;
    Whole d = 1;
    for (int e = step.exponent; e > 0; --e)
        n *= 10;
    for (int e = step.exponent; e < 0; ++e)
        d *= 10;
    return *MakeRational(n, d);
}

} // namespace

GraphView ZoomedView(const GraphView &given, double factor, double px, double py)
{
    const GraphView view = Settled(given);
    if (!(factor > 0) || !std::isfinite(factor))
        return view;
    px = NearPixel(px, view.width);
    py = NearPixel(py, view.height);
    GraphView zoomed = view;
    zoomed.unit = std::clamp(view.unit * factor, kSmallestUnit, kLargestUnit);
    // The point under (px, py) stays there.
    const double x = view.X(px), y = view.Y(py);
    zoomed.centreX = x - (px - view.width / 2.0) / zoomed.unit;
    zoomed.centreY = y + (py - view.height / 2.0) / zoomed.unit;
    zoomed.centreX = std::clamp(zoomed.centreX, -kFarthestCentre, kFarthestCentre);
    zoomed.centreY = std::clamp(zoomed.centreY, -kFarthestCentre, kFarthestCentre);
    return SaneView(zoomed) ? zoomed : view;
}

GraphView PannedView(const GraphView &given, double dx, double dy)
{
    const GraphView view = Settled(given);
    GraphView panned = view;
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return panned;
    // A drag longer than a few pictures moves the centre to its farthest anyway.
    const double reach = 4.0 * kLargestSide * kLargestUnit;
    dx = std::clamp(dx, -reach, reach);
    dy = std::clamp(dy, -reach, reach);
    panned.centreX = std::clamp(view.centreX - dx / view.unit, -kFarthestCentre, kFarthestCentre);
    panned.centreY = std::clamp(view.centreY + dy / view.unit, -kFarthestCentre, kFarthestCentre);
    return SaneView(panned) ? panned : view;
}

double AxisStep::Value() const { return mantissa * std::pow(10.0, exponent); }

AxisStep AxisStepFor(double unit)
{
    unit = std::isnan(unit) ? kGraphUnit : std::clamp(unit, kSmallestUnit, kLargestUnit);
    const double least = 25.0 / unit; // in units
    AxisStep step;
    step.exponent = static_cast<int>(std::floor(std::log10(least)));
    for (int tries = 0; tries < kMostStepTries; tries += 3) {
        for (int m : {1, 2, 5}) {
            step.mantissa = m;
            // A little slack: 25 pixels at 25 per unit is a step of exactly 1.
            if (step.Value() * unit >= 25 - 1e-9)
                return step;
        }
        ++step.exponent;
    }
    return step;
}

std::string AxisNumber(long long k, const AxisStep &step)
{
    long long value = k * step.mantissa;
    if (step.exponent >= 0) {
        for (int e = 0; e < step.exponent; ++e)
            value *= 10;
        return IntText(value);
    }
    const bool negative = value < 0;
    std::string digits = IntText(negative ? -value : value);
    const std::size_t places = static_cast<std::size_t>(-step.exponent);
    if (digits.size() <= places)
        digits.insert(0, places - digits.size() + 1, '0');
    digits.insert(digits.size() - places, ".");
    while (digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
    return (negative ? "-" : "") + digits;
}

DisplayList CoordinateSystem(const GraphView &given, bool grid)
{
    const GraphView view = Settled(given);
    DisplayList picture;
    picture.width = view.width;
    picture.height = view.height;
    const double w = view.width, h = view.height;
    const Pen black;
    picture.Add(Rect {0, 0, w, h, kWhite, true, black, true});

    const AxisStep step = AxisStepFor(view.unit);
    const double stepPixels = step.Value() * view.unit;
    // The multiples of the step strictly inside the picture, on each axis.
    const long long firstX = static_cast<long long>(std::floor(view.X(0) / step.Value())) + 1;
    long long lastX = static_cast<long long>(std::ceil(view.X(w) / step.Value())) - 1;
    const long long firstY = static_cast<long long>(std::floor(view.Y(h) / step.Value())) + 1;
    long long lastY = static_cast<long long>(std::ceil(view.Y(0) / step.Value())) - 1;
    // Never more lines than the picture can hold, whatever the rounding did.
    lastX = std::min(lastX, firstX + kMostTicks);
    lastY = std::min(lastY, firstY + kMostTicks);
    const auto column = [&](long long k) { return view.PixelX(0) + static_cast<double>(k) * stepPixels; };
    const auto row = [&](long long k) { return view.PixelY(0) - static_cast<double>(k) * stepPixels; };

    if (grid) {
        const Pen light {kGridColour, 1, false};
        for (long long k = firstX; k <= lastX; ++k)
            picture.Add(Line {column(k), 0, column(k), h, light});
        for (long long k = firstY; k <= lastY; ++k)
            picture.Add(Line {0, row(k), w, row(k), light});
    }

    const double originX = view.PixelX(0), originY = view.PixelY(0);
    const bool yAxis = originX >= 0 && originX <= w;
    const bool xAxis = originY >= 0 && originY <= h;
    // Off the picture, an axis's ticks and numbers stay at the nearest edge (the left or top one
    // in a picture too small for both).
    const double axisX = std::clamp(originX, 30.0, std::max(30.0, w - 2));
    const double axisY = std::clamp(originY, 2.0, std::max(2.0, h - 16));
    if (yAxis)
        picture.Add(Line {originX, 0, originX, h, black});
    if (xAxis)
        picture.Add(Line {0, originY, w, originY, black});
    if (xAxis && yAxis)
        picture.Add(Number(originX - 10, originY + 1, "0"));

    // The numbers of both axes in one run from the least to the greatest, x before y for each,
    // unless the two runs lie far apart (the view far from the origin): then one after the other.
    const long long from = std::min(firstX, firstY), to = std::max(lastX, lastY);
    const bool together = to - from <= (lastX - firstX) + (lastY - firstY) + 2;
    std::vector<long long> ks;
    if (together) {
        for (long long k = from; k <= to; ++k)
            ks.push_back(k);
    } else {
        for (long long k = firstX; k <= lastX; ++k)
            ks.push_back(k);
        for (long long k = firstY; k <= lastY; ++k)
            ks.push_back(k);
    }
    for (std::size_t i = 0; i < ks.size(); ++i) {
        const long long k = ks[i];
        const bool secondRun = !together && i >= static_cast<std::size_t>(std::max(0LL, lastX - firstX + 1));
        if (k == 0)
            continue;
        const std::string text = AxisNumber(k, step);
        const double bytes = static_cast<double>(text.size());
        if (k >= firstX && k <= lastX && (together || !secondRun)) {
            const double x = column(k);
            picture.Add(Line {x, axisY - 5, x, axisY, black});
            // Centred under its tick, but never cut by an edge of the picture.
            const double left = std::max(1.0, std::min(x - (4 * bytes - 1), w - kNumberAdvance * bytes - 1));
            picture.Add(Number(left, axisY + 2, text));
        }
        if (k >= firstY && k <= lastY && (together || secondRun)) {
            const double y = row(k);
            picture.Add(Line {axisX, y, axisX + 5, y, black});
            // Left of the axis; right of it when the picture's left edge would cut the number.
            const double left = axisX - (5 * bytes + 5);
            picture.Add(Number(left >= 1 ? left : axisX + 7, y - 6, text));
        }
    }

    if (xAxis) {
        Text caption;
        caption.x = w - 27;
        caption.y = originY + 25;
        caption.text = "X轴";
        picture.Add(caption);
    }
    if (yAxis) {
        Text caption;
        caption.x = originX - 45;
        caption.y = 5;
        caption.text = "Y轴";
        picture.Add(caption);
    }
    if (xAxis) {
        picture.Add(Line {w - 8, originY - 5, w, originY, black});
        picture.Add(Line {w - 8, originY + 5, w, originY, black});
    }
    if (yAxis) {
        picture.Add(Line {originX - 5, 8, originX, 0, black});
        picture.Add(Line {originX + 5, 8, originX, 0, black});
    }
    return picture;
}

std::vector<Polyline> CurvePieces(const FunctionFormula &formula, const GraphView &given, const Pen &pen)
{
    const GraphView view = Settled(given);
    std::vector<Polyline> pieces;
    if (!formula.Ok())
        return pieces;
    Polyline piece;
    piece.pen = pen;
    const auto close = [&] {
        if (piece.points.size() >= 2)
            pieces.push_back(piece);
        piece.points.clear();
    };
    const double h = view.height;
    double previousX = 0, previousY = std::nan("");
    // One sample per pixel column, from the left edge to the right one.
    for (int px = 0; px <= view.width; ++px) {
        const double x = view.X(px);
        const double y = formula.Value(x);
        if (!std::isfinite(y)) {
            close();
            previousY = std::nan("");
            continue;
        }
        const double py = view.PixelY(y);
        if (std::isfinite(previousY)) {
            const bool bothAbove = py < 0 && previousY < 0;
            const bool bothBelow = py > h && previousY > h;
            bool pole = false;
            if (std::fabs(py - previousY) > h) {
                // A jump across the whole picture: a pole when the value between does not lie
                // between the two.
                const double middle = formula.Value(view.X(px - 0.5));
                pole = !std::isfinite(middle) || !Between(view.PixelY(middle), previousY, py);
            }
            if (bothAbove || bothBelow || pole) {
                close();
            } else if (piece.points.empty()) {
                piece.points.push_back({previousX, Clamped(previousY, view.height)});
            }
            if (!bothAbove && !bothBelow && !pole)
                piece.points.push_back({static_cast<double>(px), Clamped(py, view.height)});
        }
        previousX = px;
        previousY = py;
    }
    close();
    return pieces;
}

std::string FunctionGraph::Add(const std::string &typed)
{
    FunctionFormula formula = ReadFunction(typed);
    if (!formula.Ok())
        return formula.Error();
    const std::string shown = AnalyseFunction(formula).shown;
    for (GraphFunction &f : functions_)
        if (f.shown == shown) {
            f.visible = true;
            return {};
        }
    if (static_cast<int>(functions_.size()) >= kMostGraphFunctions)
        return "最多同时画" + IntText(kMostGraphFunctions) + "个函数：请先删去一个。";
    // The first colour no listed function has.
    Colour colour = kGraphColours[0];
    for (const Colour &c : kGraphColours) {
        const bool taken
            = std::any_of(functions_.begin(), functions_.end(), [&](const GraphFunction &f) { return f.colour == c; });
        if (!taken) {
            colour = c;
            break;
        }
    }
    functions_.push_back(GraphFunction {typed, std::move(formula), shown, colour, true});
    trace_ = TracePoint {};
    return {};
}

void FunctionGraph::ShowAt(double unit, double centreX, double centreY)
{
    if (!std::isfinite(unit) || !std::isfinite(centreX) || !std::isfinite(centreY))
        return;
    view_.unit = std::clamp(unit, kSmallestUnit, kLargestUnit);
    view_.centreX = std::clamp(centreX, -kFarthestCentre, kFarthestCentre);
    view_.centreY = std::clamp(centreY, -kFarthestCentre, kFarthestCentre);
    trace_ = TracePoint {};
}

void FunctionGraph::Remove(int index)
{
    if (index >= 0 && index < static_cast<int>(functions_.size()))
        functions_.erase(functions_.begin() + index);
    trace_ = TracePoint {};
}

void FunctionGraph::Clear()
{
    functions_.clear();
    trace_ = TracePoint {};
}

void FunctionGraph::SetVisible(int index, bool visible)
{
    if (index >= 0 && index < static_cast<int>(functions_.size()))
        functions_[static_cast<std::size_t>(index)].visible = visible;
    trace_ = TracePoint {};
}

void FunctionGraph::Resize(int width, int height)
{
    view_.width = std::clamp(width, 1, kLargestSide);
    view_.height = std::clamp(height, 1, kLargestSide);
    trace_ = TracePoint {};
}

void FunctionGraph::ZoomIn() { ZoomAt(2, view_.width / 2.0, view_.height / 2.0); }

void FunctionGraph::ZoomOut() { ZoomAt(0.5, view_.width / 2.0, view_.height / 2.0); }

void FunctionGraph::Reset()
{
    GraphView first;
    first.width = view_.width;
    first.height = view_.height;
    view_ = first;
    trace_ = TracePoint {};
}

void FunctionGraph::ZoomAt(double factor, double px, double py)
{
    view_ = ZoomedView(view_, factor, px, py);
    trace_ = TracePoint {};
}

void FunctionGraph::Pan(double dx, double dy)
{
    view_ = PannedView(view_, dx, dy);
    trace_ = TracePoint {};
}

TracePoint FunctionGraph::Trace(double px, double py)
{
    trace_ = TracePoint {};
    AxisStep step = AxisStepFor(view_.unit);
    --step.exponent; // a tenth of the axis step
    const double stepValue = step.Value();
    px = NearPixel(px, view_.width);
    py = NearPixel(py, view_.height);
    const double x = view_.X(px);
    if (!std::isfinite(x) || std::fabs(x / stepValue) > 1e15)
        return trace_;
    const long long k = std::llround(x / stepValue);
    const double snapped = static_cast<double>(k) * stepValue;
    double nearest = kTraceReach + 1;
    for (std::size_t i = 0; i < functions_.size(); ++i) {
        const GraphFunction &f = functions_[i];
        if (!f.visible)
            continue;
        const double y = f.formula.Value(snapped);
        if (!std::isfinite(y))
            continue;
        const double distance = std::fabs(view_.PixelY(y) - py);
        if (distance <= kTraceReach && distance < nearest) {
            nearest = distance;
            trace_.found = true;
            trace_.function = static_cast<int>(i);
            trace_.px = view_.PixelX(snapped);
            trace_.py = view_.PixelY(y);
        }
    }
    if (!trace_.found)
        return trace_;
    const GraphFunction &f = functions_[static_cast<std::size_t>(trace_.function)];
    const Rational exactX = StepMultiple(k, step);
    const std::optional<Rational> exactY = f.formula.ExactValue(exactX);
    std::string yText;
    if (exactY) {
        yText = ExactText(*exactY);
    } else {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.4f", f.formula.Value(snapped));
        std::string approximate = buffer;
        while (approximate.back() == '0')
            approximate.pop_back();
        if (approximate.back() == '.')
            approximate.pop_back();
        if (approximate[0] == '-')
            approximate.replace(0, 1, "－");
        yText = "≈" + approximate;
    }
    trace_.text = f.shown + " 上的点 (" + ExactText(exactX) + "，" + yText + ")";
    return trace_;
}

DisplayList FunctionGraph::Picture() const
{
    DisplayList picture = CoordinateSystem(view_, grid_);
    int visible = 0;
    for (const GraphFunction &f : functions_) {
        if (!f.visible)
            continue;
        ++visible;
        for (Polyline &piece : CurvePieces(f.formula, view_, Pen {f.colour, 1, false}))
            picture.Add(std::move(piece));
    }
    if (visible >= 2) {
        // Which colour is which function, in the top left corner.
        double widest = 0;
        for (const GraphFunction &f : functions_)
            if (f.visible)
                widest = std::max(widest, 7.0 * static_cast<double>(f.shown.size()));
        const double rowHeight = 18;
        const auto [x, y] = LegendCorner(picture, widest + 46, rowHeight * visible + 8);
        picture.Add(Rect {x, y, widest + 46, rowHeight * visible + 8, kWhite, true, Pen {}, true});
        double rowY = y + 4;
        for (const GraphFunction &f : functions_) {
            if (!f.visible)
                continue;
            picture.Add(Line {x + 6, rowY + 8, x + 30, rowY + 8, Pen {f.colour, 2, false}});
            Text label;
            label.x = x + 36;
            label.y = rowY + 1;
            label.text = f.shown;
            label.pixelSize = 12;
            label.colour = f.colour;
            picture.Add(label);
            rowY += rowHeight;
        }
    }
    if (trace_.found) {
        const Colour colour = functions_[static_cast<std::size_t>(trace_.function)].colour;
        picture.Add(Circle {trace_.px, trace_.py, 4, colour, true, Pen {colour, 1, false}});
    }
    return picture;
}

std::string FunctionGraph::Properties() const
{
    std::vector<FunctionFormula> shown;
    for (const GraphFunction &f : functions_)
        if (f.visible)
            shown.push_back(f.formula);
    return GraphPropertiesText(shown);
}

std::string FunctionGraph::Position(double px, double py) const
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "(%.2f, %.2f)", view_.X(NearPixel(px, view_.width)),
        view_.Y(NearPixel(py, view_.height)));
    return buffer;
}

} // namespace qimbel
