// 出题 and 自动组卷 in the browser: the module's entry for the calls of MakerJson.cpp.
#include "web/wasm/MakerJson.h"
#include "web/wasm/WebJson.h"

#include <emscripten.h>

extern "C" {

// `args`: the words of the call, one a line; `text`: its input.
EMSCRIPTEN_KEEPALIVE const char *qw_maker(const char *args, int argsSize, const char *text, int textSize)
{
    return qimbel::web::Finish(qimbel::web::MakerCall(
        qimbel::web::Words(args, argsSize), std::string_view(text, static_cast<std::size_t>(textSize))));
}

} // extern "C"
