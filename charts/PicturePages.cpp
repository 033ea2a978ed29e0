#include "charts/PicturePages.h"

#include "charts/DisplayListJson.h"
#include "charts/FrequencyTable.h"
#include "charts/StatisticsChart.h"
#include "solver/GbkText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace qimbel {

namespace {

std::vector<std::string> Split(const std::string &text, const std::string &separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The words of a command line after the command; a word that is not a finite number reads as 0.
struct Words {
    std::vector<std::string> words;

    double Number(std::size_t i) const
    {
        if (i >= words.size())
            return 0;
        char *end = nullptr;
        const double value = std::strtod(words[i].c_str(), &end);
        return std::isfinite(value) && end != words[i].c_str() ? value : 0;
    }
    int Whole(std::size_t i) const { return static_cast<int>(std::clamp(Number(i), -1e9, 1e9)); }
    int Size(std::size_t i) const { return std::clamp(Whole(i), 1, kLargestPicture); }
};

Words ReadWords(const std::string &line)
{
    Words w;
    for (const std::string &word : Split(line, " "))
        if (!word.empty())
            w.words.push_back(word);
    return w;
}

std::string ErrorAnswer(const std::string &error) { return "{\"error\":" + JsonText(error) + "}"; }

std::string ChartAnswer(const Words &w, const std::vector<std::string> &body)
{
    const std::string &kind = w.words.size() > 1 ? w.words[1] : std::string();
    const ChartType type = kind == "line" ? ChartType::Line : kind == "pie" ? ChartType::Pie : ChartType::Bar;
    ChartTable table;
    for (std::size_t i = 1; i < body.size(); ++i)
        table.push_back(Split(body[i], "\t"));
    const BuiltChart built = BuildChart(table, body.empty() ? std::string() : body[0], type);
    return "{\"note\":" + JsonText(built.leftOut)
        + ",\"picture\":" + DisplayListJson(DrawChart(LayOutChart(built.chart, w.Size(2), w.Size(3)))) + "}";
}

std::string Joined(const std::vector<std::string> &lines, std::size_t from)
{
    std::string text;
    for (std::size_t i = from; i < lines.size(); ++i)
        text += (i > from ? "\r\n" : "") + lines[i];
    return text;
}

std::string HistogramAnswer(const Words &w, const std::vector<std::string> &body)
{
    const std::string title = body.empty() ? std::string() : body[0];
    const FrequencyTable table = FrequencyDistribution(Joined(body, 2), body.size() > 1 ? body[1] : std::string());
    if (!table.error.empty())
        return ErrorAnswer(table.error);
    return "{\"grid\":" + JsonRows(FrequencyGrid(table)) + ",\"total\":" + std::to_string(table.total)
        + ",\"width\":" + JsonText(table.width)
        + ",\"picture\":" + DisplayListJson(DrawHistogram(table, title, w.Size(1), w.Size(2))) + "}";
}

} // namespace

std::string PicturePages::GraphAnswer(const std::string &error, const TracePoint *trace, double px, double py) const
{
    std::string functions = "[";
    for (const GraphFunction &f : graph_.Functions()) {
        functions += functions.size() > 1 ? "," : "";
        functions += "{\"typed\":" + JsonText(f.typed) + ",\"shown\":" + JsonText(f.shown) + ",\"colour\":\""
            + JsonColour(f.colour) + "\",\"visible\":" + (f.visible ? "true" : "false") + "}";
    }
    std::string answer = "{\"error\":" + JsonText(error) + ",\"functions\":" + functions + "]";
    answer += ",\"grid\":" + std::string(graph_.Grid() ? "true" : "false");
    answer += ",\"properties\":" + JsonText(graph_.Properties());
    if (trace != nullptr) {
        answer += ",\"position\":" + JsonText(graph_.Position(px, py));
        answer += ",\"trace\":" + JsonText(trace->text);
    }
    return answer + ",\"picture\":" + DisplayListJson(graph_.Picture()) + "}";
}

std::string PicturePages::Run(const std::string &request)
{
    const std::vector<std::string> lines = Split(request, "\r\n");
    const std::string &line = lines[0];
    const Words w = ReadWords(line);
    const std::string command = w.words.empty() ? std::string() : w.words[0];
    const std::vector<std::string> body(lines.begin() + 1, lines.end());

    if (command == "chart")
        return ChartAnswer(w, body);
    if (command == "histogram")
        return HistogramAnswer(w, body);
    if (command == "defaults")
        return "{\"title\":" + JsonText(DefaultChartTitle()) + ",\"table\":" + JsonRows(DefaultChartTable()) + "}";
    if (command == "classwidth")
        return "{\"width\":" + JsonText(DefaultClassWidth(Joined(body, 0))) + "}";

    std::string error;
    if (command == "size") {
        graph_.Resize(w.Size(1), w.Size(2));
    } else if (command == "add") {
        error = graph_.Add(Trim(line.substr(line.find("add") + 3)));
    } else if (command == "remove") {
        graph_.Remove(w.Whole(1));
    } else if (command == "clear") {
        graph_.Clear();
    } else if (command == "show") {
        graph_.SetVisible(w.Whole(1), w.Whole(2) != 0);
    } else if (command == "zoomin") {
        graph_.ZoomIn();
    } else if (command == "zoomout") {
        graph_.ZoomOut();
    } else if (command == "reset") {
        graph_.Reset();
    } else if (command == "zoom") {
        // A factor from the wheel: a few notches at a time, never zero or negative.
        graph_.ZoomAt(std::clamp(w.Number(1), 0.01, 100.0), w.Number(2), w.Number(3));
    } else if (command == "pan") {
        graph_.Pan(std::clamp(w.Number(1), -1e6, 1e6), std::clamp(w.Number(2), -1e6, 1e6));
    } else if (command == "grid") {
        graph_.SetGrid(w.Whole(1) != 0);
    } else if (command == "trace") {
        const TracePoint trace = graph_.Trace(w.Number(1), w.Number(2));
        return GraphAnswer(error, &trace, w.Number(1), w.Number(2));
    } else if (command == "leave") {
        graph_.ClearTrace();
    } else if (command != "picture") {
        return ErrorAnswer("unknown command");
    }
    return GraphAnswer(error, nullptr, 0, 0);
}

} // namespace qimbel
