#include "charts/DisplayListJson.h"

#include "solver/GbkText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qimbel {

std::string JsonText(const std::string &gbk)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(gbk[i]);
        if (IsGbkLead(c) && i + 1 < gbk.size()) {
            out += gbk[i];
            out += gbk[++i];
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string JsonNumber(double value)
{
    value = std::isfinite(value) ? std::clamp(value, -1e15, 1e15) : 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string JsonColour(const Colour &colour)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return buffer;
}

std::string JsonTexts(const std::vector<std::string> &texts)
{
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i)
        out += (i ? "," : "") + JsonText(texts[i]);
    return out + "]";
}

std::string JsonRows(const std::vector<std::vector<std::string>> &rows)
{
    std::string out = "[";
    for (std::size_t i = 0; i < rows.size(); ++i)
        out += (i ? "," : "") + JsonTexts(rows[i]);
    return out + "]";
}

namespace {

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string PenJson(const Pen &pen)
{
    return "{\"colour\":\"" + JsonColour(pen.colour) + "\",\"width\":" + std::to_string(pen.width)
        + ",\"dotted\":" + Bool(pen.dotted) + "}";
}

// Each primitive as the members of its object, after "kind".
struct ToJson {
    std::string operator()(const Line &l) const
    {
        return "\"line\",\"x1\":" + JsonNumber(l.x1) + ",\"y1\":" + JsonNumber(l.y1) + ",\"x2\":" + JsonNumber(l.x2)
            + ",\"y2\":" + JsonNumber(l.y2) + ",\"pen\":" + PenJson(l.pen);
    }
    std::string operator()(const Rect &r) const
    {
        std::string out = "\"rect\",\"x\":" + JsonNumber(r.x) + ",\"y\":" + JsonNumber(r.y)
            + ",\"width\":" + JsonNumber(r.width) + ",\"height\":" + JsonNumber(r.height);
        if (r.filled)
            out += ",\"fill\":\"" + JsonColour(r.fill) + "\"";
        if (r.framed)
            out += ",\"frame\":" + PenJson(r.frame);
        return out;
    }
    std::string operator()(const Text &t) const
    {
        static const char *const anchors[] = {"start", "middle", "end"};
        return "\"text\",\"x\":" + JsonNumber(t.x) + ",\"y\":" + JsonNumber(t.y) + ",\"text\":" + JsonText(t.text)
            + ",\"size\":" + std::to_string(t.pixelSize) + ",\"bold\":" + Bool(t.bold)
            + ",\"angle\":" + JsonNumber(t.angle) + ",\"anchor\":\"" + anchors[static_cast<int>(t.anchor)]
            + "\",\"colour\":\"" + JsonColour(t.colour) + "\"";
    }
    std::string operator()(const Circle &c) const
    {
        std::string out = "\"circle\",\"cx\":" + JsonNumber(c.cx) + ",\"cy\":" + JsonNumber(c.cy)
            + ",\"r\":" + JsonNumber(c.radius);
        if (c.filled)
            out += ",\"fill\":\"" + JsonColour(c.fill) + "\"";
        return out + ",\"frame\":" + PenJson(c.frame);
    }
    std::string operator()(const PieSlice &p) const
    {
        return "\"pie\",\"x\":" + JsonNumber(p.x) + ",\"y\":" + JsonNumber(p.y) + ",\"size\":" + JsonNumber(p.size)
            + ",\"start\":" + JsonNumber(p.start) + ",\"span\":" + JsonNumber(p.span) + ",\"fill\":\""
            + JsonColour(p.fill) + "\",\"frame\":" + PenJson(p.frame);
    }
    std::string operator()(const Polyline &l) const
    {
        std::string out = "\"polyline\",\"points\":[";
        for (std::size_t i = 0; i < l.points.size(); ++i)
            out += (i ? "," : "") + JsonNumber(l.points[i].x) + "," + JsonNumber(l.points[i].y);
        return out + "],\"pen\":" + PenJson(l.pen);
    }
};

} // namespace

std::string DisplayListJson(const DisplayList &picture)
{
    std::string out = "{\"width\":" + std::to_string(picture.width) + ",\"height\":" + std::to_string(picture.height)
        + ",\"items\":[";
    bool first = true;
    for (const Primitive &item : picture.items) {
        out += first ? "{\"kind\":" : ",{\"kind\":";
        first = false;
        out += std::visit(ToJson {}, item) + "}";
    }
    return out + "]}";
}

} // namespace qimbel
