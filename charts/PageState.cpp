#include "charts/PageState.h"
#include "solver/KeptFileReader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qimbel {

namespace {

constexpr const char *kChartFirstLine = "QimbelChart 1";
constexpr const char *kGraphFirstLine = "QimbelGraph 1";
// The chart page's grid is 35 × 35; a cell or a title longer than this is not one it wrote.
constexpr std::size_t kMostTableSide = 35;
constexpr std::size_t kLongestCell = 4096;

// "tag length\n" and the bytes, then a line end.
void AppendText(std::string &out, const char *tag, const std::string &text)
{
    out += tag;
    out += ' ' + std::to_string(text.size()) + '\n' + text + '\n';
}

// A kept file read front to back: lines of at most 200 bytes, counts and length-prefixed texts.
class Reader : public KeptFileReader {
public:
    explicit Reader(const std::string &bytes)
        : KeptFileReader(bytes, 200)
    {
    }

    // A line "tag N" with 0 <= N <= most.
    std::optional<std::size_t> Count(const std::string &tag, std::size_t most)
    {
        const std::optional<std::string> line = Line();
        if (!line || line->compare(0, tag.size() + 1, tag + ' ') != 0)
            return std::nullopt;
        const std::string digits = line->substr(tag.size() + 1);
        if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        const std::size_t n = std::stoul(digits);
        return n <= most ? std::optional<std::size_t>(n) : std::nullopt;
    }

    // "tag length\n" then that many bytes and a line end.
    std::optional<std::string> Text(const std::string &tag, std::size_t longest)
    {
        const std::optional<std::size_t> length = Count(tag, longest);
        return length ? Bytes(*length) : std::nullopt;
    }
};

std::string Number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// A finite number written by Number, nothing else.
std::optional<double> KeptNumber(const std::string &word)
{
    if (word.empty() || word.size() > 30 || word.find_first_not_of("0123456789.-+eE") != std::string::npos)
        return std::nullopt;
    char *end = nullptr;
    const double value = std::strtod(word.c_str(), &end);
    if (end != word.c_str() + word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string WriteChartState(const ChartState &state)
{
    std::string out = std::string(kChartFirstLine) + '\n';
    AppendText(out, "title", state.title);
    const std::size_t rows = std::min(state.table.size(), kMostTableSide);
    out += "rows " + std::to_string(rows) + '\n';
    for (std::size_t r = 0; r < rows; ++r) {
        const std::size_t cells = std::min(state.table[r].size(), kMostTableSide);
        out += "cells " + std::to_string(cells) + '\n';
        for (std::size_t c = 0; c < cells; ++c)
            AppendText(out, "cell", state.table[r][c].substr(0, kLongestCell));
    }
    return out;
}

std::optional<ChartState> ReadChartState(const std::string &bytes)
{
    if (bytes.size() > kLargestPageStateFile)
        return std::nullopt;
    Reader in(bytes);
    ChartState state;
    const std::optional<std::string> first = in.Line();
    const std::optional<std::string> title = first == kChartFirstLine ? in.Text("title", kLongestCell) : std::nullopt;
    const std::optional<std::size_t> rows = title ? in.Count("rows", kMostTableSide) : std::nullopt;
    if (!rows)
        return std::nullopt;
    state.title = *title;
    for (std::size_t r = 0; r < *rows; ++r) {
        const std::optional<std::size_t> cells = in.Count("cells", kMostTableSide);
        if (!cells)
            return std::nullopt;
        std::vector<std::string> &row = state.table.emplace_back();
        for (std::size_t c = 0; c < *cells; ++c) {
            std::optional<std::string> cell = in.Text("cell", kLongestCell);
            if (!cell)
                return std::nullopt;
            row.push_back(std::move(*cell));
        }
    }
    if (!in.AtEnd())
        return std::nullopt;
    return state;
}

std::string WriteGraphState(const FunctionGraph &graph)
{
    std::string out = std::string(kGraphFirstLine) + '\n';
    out += std::string("grid ") + (graph.Grid() ? "1" : "0") + '\n';
    const GraphView &view = graph.View();
    out += "view " + Number(view.unit) + ' ' + Number(view.centreX) + ' ' + Number(view.centreY) + '\n';
    out += "functions " + std::to_string(graph.Functions().size()) + '\n';
    for (const GraphFunction &f : graph.Functions()) {
        out += std::string("shown ") + (f.visible ? "1" : "0") + '\n';
        AppendText(out, "function", f.typed);
    }
    return out;
}

bool ReadGraphState(FunctionGraph &graph, const std::string &bytes)
{
    if (bytes.size() > kLargestPageStateFile)
        return false;
    Reader in(bytes);
    FunctionGraph kept = graph;
    kept.Clear();
    if (in.Line() != kGraphFirstLine)
        return false;
    const std::optional<std::string> grid = in.Line();
    if (grid != "grid 0" && grid != "grid 1")
        return false;
    kept.SetGrid(*grid == "grid 1");
    const std::optional<std::string> view = in.Line();
    if (!view || view->compare(0, 5, "view ") != 0)
        return false;
    const std::string words = view->substr(5);
    const std::size_t a = words.find(' '), b = words.find(' ', a == std::string::npos ? a : a + 1);
    if (a == std::string::npos || b == std::string::npos)
        return false;
    const std::optional<double> unit = KeptNumber(words.substr(0, a));
    const std::optional<double> x = KeptNumber(words.substr(a + 1, b - a - 1));
    const std::optional<double> y = KeptNumber(words.substr(b + 1));
    if (!unit || !x || !y)
        return false;
    const std::optional<std::size_t> count = in.Count("functions", kMostGraphFunctions);
    if (!count)
        return false;
    for (std::size_t i = 0; i < *count; ++i) {
        const std::optional<std::string> shown = in.Line();
        const std::optional<std::string> typed = in.Text("function", kLongestCell);
        if ((shown != "shown 0" && shown != "shown 1") || !typed || !kept.Add(*typed).empty())
            return false;
        kept.SetVisible(static_cast<int>(i), *shown == "shown 1");
    }
    if (!in.AtEnd())
        return false;
    kept.ShowAt(*unit, *x, *y);
    graph = std::move(kept);
    return true;
}

} // namespace qimbel
