// The 函数与图象 and 统计图初步 pages for a face that lives in another process or language (the
// browser): one request in, one JSON answer out, both GBK. The face sends what the pupil did;
// the graph model and the chart builders decide everything and the answer carries their picture
// as a display list (see DisplayListJson.h).
//
// A request is a command line, then the lines of its body, separated by CR LF:
//   size W H | add F | remove I | clear | show I 0|1 | zoomin | zoomout | reset
//   | zoom FACTOR PX PY | pan DX DY | grid 0|1 | trace PX PY | leave | picture
//       the graph; the answer: {"error","functions":[{"typed","shown","colour","visible"}],
//       "grid","properties","position","trace","picture"}
//   chart bar|line|pie W H, body: the title, then the table one row a line, cells split by tabs
//       {"note","picture"}
//   histogram W H, body: the title, the class width, then the raw data
//       {"error"} or {"grid","total","width","picture"}
//   classwidth, body: the raw data        {"width"}
//   defaults: the table and title the chart page starts with      {"title","table"}
// A picture is at most kLargestPicture pixels wide and high; an unknown command answers
// {"error"} and changes nothing.
#pragma once

#include "charts/FunctionGraph.h"

#include <string>

namespace qimbel {

inline constexpr int kLargestPicture = 4000;

class PicturePages {
public:
    std::string Run(const std::string &request);
    const FunctionGraph &Graph() const { return graph_; }

private:
    std::string GraphAnswer(const std::string &error, const TracePoint *trace, double px, double py) const;

    FunctionGraph graph_;
};

} // namespace qimbel
