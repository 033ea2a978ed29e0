// A picture as a list of plain primitives in pixel units, computed by the chart and graph models
// and replayed by the widgets (on screen, and on an image when a picture is saved). Coordinates
// have their origin at the top left of the picture and grow to the right and downwards; angles are
// in degrees, counter-clockwise. Texts are GBK. Whatever falls outside the picture's width and
// height is clipped away when the list is replayed.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace qimbel {

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Colour &) const = default;
};

inline constexpr Colour kBlack {0, 0, 0};
inline constexpr Colour kWhite {255, 255, 255};
inline constexpr Colour kRed {255, 0, 0};

struct Pen {
    Colour colour = kBlack;
    int width = 1;
    bool dotted = false;
    bool operator==(const Pen &) const = default;
};

struct Line {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Pen pen;
};

// A rectangle with its frame (when `framed`) and its filling (when `filled`).
struct Rect {
    double x = 0, y = 0, width = 0, height = 0;
    Colour fill = kWhite;
    bool filled = true;
    Pen frame;
    bool framed = true;
};

// A text whose anchor point is (x, y): its top left corner, the middle of its top edge or its
// top right corner. A text with an angle turns about its anchor point.
struct Text {
    enum class Anchor { TopLeft, TopCentre, TopRight };
    double x = 0, y = 0;
    std::string text;
    int pixelSize = 14;
    bool bold = false;
    double angle = 0;
    Anchor anchor = Anchor::TopLeft;
    Colour colour = kBlack;
};

struct Circle {
    double cx = 0, cy = 0, radius = 0;
    Colour fill = kWhite;
    bool filled = true;
    Pen frame;
};

// A slice of the pie inscribed in the square (x, y, size, size): from `start` degrees (0 at three
// o'clock) through `span` degrees counter-clockwise.
struct PieSlice {
    double x = 0, y = 0, size = 0;
    double start = 0, span = 0;
    Colour fill = kWhite;
    Pen frame;
};

// Connected line segments through the points, in order: a curve.
struct PathPoint {
    double x = 0, y = 0;
};
struct Polyline {
    std::vector<PathPoint> points;
    Pen pen;
};

using Primitive = std::variant<Line, Rect, Text, Circle, PieSlice, Polyline>;

struct DisplayList {
    int width = 0;
    int height = 0;
    std::vector<Primitive> items;

    template <class T> void Add(T primitive) { items.emplace_back(std::move(primitive)); }
    // The primitives of one kind, in drawing order.
    template <class T> std::vector<T> All() const
    {
        std::vector<T> found;
        for (const Primitive &item : items)
            if (const T *p = std::get_if<T>(&item))
                found.push_back(*p);
        return found;
    }
};

} // namespace qimbel
