// qimbel-cli's calls in the WebAssembly module, for the tests that compare the module with the
// native program. Only the whole core has them: the problem pages' module (qimbel-pages) leaves
// them out, with the problem makers they pull in.
#include "pages/Headless.h"
#include "web/wasm/WebJson.h"

#include <emscripten.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace qimbel::web;

extern "C" {

// What qimbel-cli does: `args` are its arguments, one per line; the text is the standard input.
// {"text": ..., "messages": [...]} or {"error": ...}.
EMSCRIPTEN_KEEPALIVE const char *qw_headless(const char *args, int argsSize, const char *text, int textSize)
{
    const qimbel::HeadlessArgs parsed = qimbel::ParseHeadlessArgs(Words(args, argsSize));
    if (!parsed.request)
        return Finish("{\"error\":" + Quote(parsed.error) + "}");
    const std::string_view input(text, static_cast<std::size_t>(textSize));
    std::string gbk;
    if (parsed.request->gbk) {
        gbk = std::string(input);
    } else {
        std::optional<std::string> converted = ToTextBox(input);
        if (!converted)
            return Finish("{\"error\":" + Quote(Refusal(input)) + "}");
        gbk = std::move(*converted);
    }
    std::vector<std::string> messages;
    const std::string out = qimbel::RunHeadless(*parsed.request, gbk, &messages);
    return Finish("{\"text\":" + QuoteGbk(out) + ",\"messages\":" + QuoteMessages(messages) + "}");
}

} // extern "C"
