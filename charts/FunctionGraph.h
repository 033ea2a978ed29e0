// The function graph of the 函数与图象 page: y = F(x) on the fixed coordinate system from −9 to 9
// on both axes, 25 pixels per unit, origin at pixel (250, 250) of a 500 × 500 picture.
//
// The curve is evaluated point by point with the solver's general driver at detail level 1: for
// each sample x the typed function with x written in, then the sample's pixel column and the
// value's pixel offset, each as the driver's text. A point whose value is not a number breaks
// the curve.
#pragma once

#include "charts/DisplayList.h"

#include <string>
#include <vector>

namespace qimbel {

inline constexpr int kGraphSize = 500;
inline constexpr int kGraphOrigin = 250;
inline constexpr int kGraphUnit = 25;

// The x of the samples as "%lf" texts: −9 up to, not including, 9 in steps of 0.125.
std::vector<std::string> GraphSampleTexts();

// The typed function with the page's signs: full-width brackets to ASCII, "+" "-" "*" "/" to
// "＋" "－" "×" "÷"; blanks go.
std::string NormaliseFunction(const std::string &typed);

// The normalised function with every x written as "(" + sample + ")"; a number, a closing
// bracket or another x right before it is joined with "×", so 2x reads 2×(x).
std::string WriteSample(const std::string &function, const std::string &sample);

// The value of a result text of the driver: a decimal ("3", "－0.857143", "-253.125") or a
// fraction ("2/3", "－50/3"), nothing else; false when the text is not such a number.
bool ReadResultNumber(const std::string &text, double &value);

struct GraphPoint {
    std::string sample; // x as "%lf"
    std::string screenX; // pixel column as the driver gives it
    std::string yOffset; // pixels above the x axis as the driver gives it; empty without a value
    bool hasValue = false;
    int X = 0; // pixel column
    int Y = 0; // pixel row
};

struct GraphSegment {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const GraphSegment &) const = default;
};

struct FunctionPlot {
    std::string function; // normalised
    std::vector<GraphPoint> points;
    std::vector<GraphSegment> segments;
    std::string status; // one line for the pupil
};

// The whole plot of a typed function (GBK): points, segments and the status line. An empty
// function, an unbalanced bracket, a letter other than x or a function too long for the driver
// (over 400 bytes with the samples written in: about 30 x's) gives no points.
FunctionPlot PlotFunction(const std::string &typed);

// Whether the segment from the previous point to the next one is drawn.
bool DrawsSegment(const GraphPoint &previous, const GraphPoint &next);

// The empty coordinate system, and the coordinate system with the curve of a plot.
DisplayList CoordinateSystem();
DisplayList GraphPicture(const FunctionPlot &plot);

// The coordinates under a pixel of the picture, as the status line shows them: "(1.24, -3.00)".
std::string PicturePosition(int px, int py);

} // namespace qimbel
