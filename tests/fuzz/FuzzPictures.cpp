// The picture requests of the graph and chart pages as sequences, as a page sends them one after
// another: each line of the input is a request (a line "%%" ends a request with a body). Whatever
// the numbers, the view stays finite and in range and every answer stays small.
#include "FuzzInput.h"

#include "charts/PicturePages.h"

#include <cmath>

namespace {

// True when "nan" or "inf" stands outside the answer's JSON strings, where only numbers stand. A
// pupil's own title or cell ("binf") is echoed inside a string and is no number.
bool NotFiniteOutsideStrings(const std::string &answer)
{
    bool inString = false;
    for (std::size_t i = 0; i < answer.size(); ++i) {
        const char c = answer[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (answer.compare(i, 3, "nan") == 0 || answer.compare(i, 3, "inf") == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 4000)
        return 0;
    const std::string input(reinterpret_cast<const char *>(data), size);
    qimbel::PicturePages pages;
    std::string request;
    int requests = 0;
    const auto run = [&] {
        const std::string answer = pages.Run(request);
        request.clear();
        // A picture of at most 4000 × 4000 pixels: a few thousand grid lines, numbers and points.
        if (answer.size() > 8u * 1024 * 1024)
            qimbel::fuzz::Fail("an answer of more than 8 MB");
        if (NotFiniteOutsideStrings(answer))
            qimbel::fuzz::Fail("a number that is not finite in an answer");
        const qimbel::GraphView &view = pages.Graph().View();
        if (!std::isfinite(view.unit) || !std::isfinite(view.centreX) || !std::isfinite(view.centreY)
            || view.unit < 0.05 || view.unit > 100000 || std::fabs(view.centreX) > 1e9 || std::fabs(view.centreY) > 1e9)
            qimbel::fuzz::Fail("a view out of range");
    };
    std::size_t start = 0;
    while (start <= input.size() && requests < 64) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        const std::string line = input.substr(start, end - start);
        start = end + 1;
        if (line == "%%" || request.empty()) {
            if (line != "%%")
                request = line;
            // A request without a body runs at once; one with a body waits for its "%%".
            const bool body
                = line.rfind("chart", 0) == 0 || line.rfind("histogram", 0) == 0 || line.rfind("classwidth", 0) == 0;
            if (line == "%%" || !body) {
                run();
                ++requests;
            }
        } else {
            request += "\r\n" + line;
        }
    }
    if (!request.empty())
        run();
    return 0;
}
