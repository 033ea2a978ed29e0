// Every problem type of every page through the page model, as qimbel-cli drives it: the first
// byte chooses the type and the detail level, the rest is the text box (GBK, as the widgets hand
// it over). Check and compute must neither crash nor write more than the output bound per line;
// for the types that can be marked, 批改我的解答 on the same text must not either.
#include "FuzzInput.h"

#include "cli/Encoding.h"
#include "marking/MarkWorking.h"
#include "pages/Headless.h"
#include "pages/TypeTable.h"

#include <algorithm>

namespace {

// The text box grows by the typed text plus at most this much per typed line (and once more for
// the pages that answer all lines together).
constexpr std::size_t kOutputPerLine = 200 * 1024;

std::size_t LineCount(const std::string &text) { return 1 + std::count(text.begin(), text.end(), '\n'); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::vector<qimbel::ProblemType> &types = qimbel::ProblemTypes();
    qimbel::HeadlessRequest request;
    request.type = types[data[0] % types.size()].type;
    request.level = qimbel::fuzz::LevelOf(static_cast<std::uint8_t>(data[0] / types.size()));
    request.gbk = true;
    const std::string text = qimbel::fuzz::Rest(data, size);
    // The text box only ever holds what Unicode text converts to.
    if (!qimbel::IsValidGbk(text))
        return -1;
    const std::size_t bound = text.size() + (LineCount(text) + 1) * kOutputPerLine + 4096;
    if (qimbel::RunHeadless(request, text).size() > bound)
        qimbel::fuzz::Fail("the text box grew by more than the output bound per line");
    if (qimbel::CanMark(request.type)) {
        request.mark = true;
        if (qimbel::RunHeadless(request, text).size() > bound)
            qimbel::fuzz::Fail("marking grew the text box by more than the output bound per line");
    }
    return 0;
}
