// The function graph on an arbitrary typed function (GBK): it is read or refused with a reason,
// its curve stays within the picture's columns, and its properties are worked without a fault.
#include "FuzzInput.h"

#include "charts/FunctionGraph.h"
#include "charts/FunctionProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 300)
        return 0;
    const std::string typed(reinterpret_cast<const char *>(data), size);
    qimbel::FunctionGraph graph;
    const std::string error = graph.Add(typed);
    if (error.empty() == graph.Functions().empty())
        qimbel::fuzz::Fail("a function neither drawn nor refused");
    const qimbel::DisplayList picture = graph.Picture();
    for (const qimbel::Polyline &piece : picture.All<qimbel::Polyline>())
        for (const qimbel::PathPoint &p : piece.points)
            if (p.x < 0 || p.x > picture.width)
                qimbel::fuzz::Fail("a point beside the picture");
    (void)graph.Properties();
    return 0;
}
