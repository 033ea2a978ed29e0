// A display list as JSON, for faces that draw it outside this process (the browser draws it as
// SVG). Texts stay GBK inside the JSON strings: the face turns the whole answer into its own
// encoding, which leaves the JSON's ASCII structure as it is. Coordinates are written with at
// most two decimals, so the same model gives the same bytes on every platform.
#pragma once

#include "charts/DisplayList.h"

#include <string>
#include <vector>

namespace qimbel {

// A JSON string literal of a GBK text: the escapes look at whole characters, so the second byte
// of a two-byte character (which may be 0x5C, the backslash) is never taken for one.
std::string JsonText(const std::string &gbk);
// A number with at most two decimals, no trailing zeros, no "-0"; 0 for what is not finite.
std::string JsonNumber(double value);
// "#rrggbb".
std::string JsonColour(const Colour &colour);
// A JSON array of texts; of rows of texts.
std::string JsonTexts(const std::vector<std::string> &texts);
std::string JsonRows(const std::vector<std::vector<std::string>> &rows);

// {"width":…,"height":…,"items":[{"kind":"line",…},…]} with one object per primitive, in drawing
// order: line (x1 y1 x2 y2 pen), rect (x y width height fill? frame?), text (x y text size bold
// angle anchor colour), circle (cx cy r fill? frame), pie (x y size start span fill frame),
// polyline (points [x,y,x,y…] pen). A pen is {"colour","width","dotted"}.
std::string DisplayListJson(const DisplayList &picture);

} // namespace qimbel
