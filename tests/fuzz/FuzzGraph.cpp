// The function-graph model on an arbitrary typed function (GBK): every point it plots lies on the
// picture or is left out, and every segment joins two plotted points.
#include "FuzzInput.h"

#include "charts/FunctionGraph.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A function is one short line; each input is worked at 144 samples.
    if (size > 256)
        return 0;
    const std::string typed(reinterpret_cast<const char *>(data), size);
    const qimbel::FunctionPlot plot = qimbel::PlotFunction(typed);
    if (!plot.points.empty() && plot.points.size() != qimbel::GraphSampleTexts().size())
        qimbel::fuzz::Fail("a plot with a point missing");
    for (const qimbel::GraphPoint &point : plot.points)
        if (point.hasValue && (point.X < 0 || point.X > qimbel::kGraphSize))
            qimbel::fuzz::Fail("a point beside the picture");
    (void)qimbel::GraphPicture(plot);
    return 0;
}
