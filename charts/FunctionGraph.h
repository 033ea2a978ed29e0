// The function graph of the 函数与图象 page: several functions y = F(x), each in its own colour,
// on a coordinate system that fills the picture, with grid lines, zoom, panning, axis numbers in
// 1-2-5 steps and a trace of the point under the mouse.
//
// The view starts at the page's first picture: 25 pixels per unit with the origin at the centre,
// so a 500 × 500 picture shows −10…10 on both axes exactly as the first version of the page drew
// it. A larger picture shows more of the plane at the same scale.
#pragma once

#include "charts/DisplayList.h"
#include "charts/FunctionFormula.h"

#include <array>
#include <string>
#include <vector>

namespace qimbel {

inline constexpr int kGraphSize = 500;
inline constexpr int kGraphUnit = 25;
// The most functions drawn at once.
inline constexpr int kMostGraphFunctions = 6;

// The colours of the functions, in the order they were added: red first, as the page always drew.
inline constexpr std::array<Colour, kMostGraphFunctions> kGraphColours = {Colour {255, 0, 0}, Colour {0, 0, 255},
    Colour {0, 150, 0}, Colour {230, 120, 0}, Colour {153, 0, 204}, Colour {0, 150, 150}};
inline constexpr Colour kGridColour {225, 225, 225};

// What part of the plane the picture shows: `unit` pixels per unit, the point (centreX, centreY)
// at the middle of the picture.
struct GraphView {
    int width = kGraphSize;
    int height = kGraphSize;
    double unit = kGraphUnit;
    double centreX = 0;
    double centreY = 0;

    double PixelX(double x) const { return width / 2.0 + (x - centreX) * unit; }
    double PixelY(double y) const { return height / 2.0 - (y - centreY) * unit; }
    double X(double px) const { return centreX + (px - width / 2.0) / unit; }
    double Y(double py) const { return centreY - (py - height / 2.0) / unit; }
};

// The view zoomed by `factor` (2 doubles the scale) about the pixel (px, py), which keeps its
// point; the scale stays between 1/20 and 100,000 pixels per unit.
GraphView ZoomedView(const GraphView &view, double factor, double px, double py);
// The view moved with the mouse: the plane follows a drag of (dx, dy) pixels.
GraphView PannedView(const GraphView &view, double dx, double dy);

// The step between axis numbers: mantissa × 10^exponent with mantissa 1, 2 or 5, the smallest
// such step that is at least 25 pixels long.
struct AxisStep {
    int mantissa = 1;
    int exponent = 0;
    double Value() const;
};
AxisStep AxisStepFor(double unit);
// The number k × step as the axis writes it: 3, -2, 0.5, -0.25, 2000.
std::string AxisNumber(long long k, const AxisStep &step);

// The coordinate system of a view: frame, grid lines (when `grid`), axes, ticks and numbers,
// captions and arrow heads.
DisplayList CoordinateSystem(const GraphView &view, bool grid);

// The curve of a function in a view: pieces of polyline, broken where the function has no value
// and across poles.
std::vector<Polyline> CurvePieces(const FunctionFormula &formula, const GraphView &view, const Pen &pen);

struct GraphFunction {
    std::string typed; // GBK, as typed
    FunctionFormula formula;
    std::string shown; // "y＝2x＋1"
    Colour colour;
    bool visible = true;
};

// The point a trace shows: on the curve nearest the mouse, at an x rounded to a tenth of the axis
// step, with y exact where it is rational.
struct TracePoint {
    bool found = false;
    int function = -1;
    double px = 0, py = 0;
    std::string text; // "y＝x^2 上的点 (1.5，2.25)"
};

class FunctionGraph {
public:
    // Adds a typed function (GBK) with the next free colour; the reason when it cannot be read or
    // there are already kMostGraphFunctions, else empty. A function already listed is shown again
    // rather than added twice.
    std::string Add(const std::string &typed);
    void Remove(int index);
    void Clear();
    void SetVisible(int index, bool visible);
    const std::vector<GraphFunction> &Functions() const { return functions_; }

    const GraphView &View() const { return view_; }
    void Resize(int width, int height);
    void ZoomIn(); // 放大: twice the scale about the centre
    void ZoomOut(); // 缩小
    void Reset(); // 复原: the first view, at the picture's size
    void ZoomAt(double factor, double px, double py);
    void Pan(double dx, double dy);
    // The view at a scale and centre (one kept over a restart), within the bounds of zoom and pan.
    void ShowAt(double unit, double centreX, double centreY);
    void SetGrid(bool grid) { grid_ = grid; }
    bool Grid() const { return grid_; }

    // The point under the mouse on the nearest visible curve (within 12 pixels), shown by Picture.
    TracePoint Trace(double px, double py);
    void ClearTrace() { trace_ = TracePoint {}; }

    DisplayList Picture() const;
    // 函数的性质 of the visible functions and where each two of them meet.
    std::string Properties() const;
    // The mouse position as "(1.24, -3.00)".
    std::string Position(double px, double py) const;

private:
    std::vector<GraphFunction> functions_;
    GraphView view_;
    bool grid_ = true;
    TracePoint trace_;
};

} // namespace qimbel
