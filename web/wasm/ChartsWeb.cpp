// The WebAssembly face of the 函数与图象 and 统计图初步 pages: one request of the page in, the
// answer of the picture pages out (see charts/PicturePages.h). The module keeps one graph, as
// the desktop keeps one graph page; the statistics charts keep nothing between calls.
#include "charts/PicturePages.h"
#include "web/wasm/WebJson.h"

#include <emscripten.h>

#include <optional>
#include <string>
#include <string_view>

extern "C" {

// {"error": the refusal} when the request holds a character GBK cannot hold.
EMSCRIPTEN_KEEPALIVE const char *qw_picture(const char *text, int textSize)
{
    using namespace qimbel::web;
    static qimbel::PicturePages pages;
    const std::string_view input(text, static_cast<std::size_t>(textSize));
    const std::optional<std::string> gbk = ToTextBox(input);
    if (!gbk)
        return Finish("{\"error\":" + Quote(Refusal(input)) + "}");
    return Finish(FromTextBox(pages.Run(*gbk)));
}

} // extern "C"
