// The calls of the pages 知识资料汇总 and 自动出卷及测试: the handbook list, the 口算 sheets and
// practice, the test paper. What they answer is written by web/wasm/PracticeJson.cpp, the same
// code that the native qimbel-sheets prints with.
#include "web/wasm/PracticeJson.h"
#include "web/wasm/WebJson.h"

#include <emscripten.h>

#include <string_view>

extern "C" {

// `args`: the words of the call, one a line; `text`: its input (see PracticeJson.h).
EMSCRIPTEN_KEEPALIVE const char *qw_sheets(const char *args, int argsSize, const char *text, int textSize)
{
    return qimbel::web::Finish(qimbel::web::SheetsCall(
        qimbel::web::Words(args, argsSize), std::string_view(text, static_cast<std::size_t>(textSize))));
}

} // extern "C"
