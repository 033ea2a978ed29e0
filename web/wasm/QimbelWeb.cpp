// The WebAssembly face of the core: the problem pages, the type table, the help texts and the
// symbol palette, called from JavaScript. Texts cross in UTF-8 with LF line ends; inside, as
// everywhere in the core, they are GBK with CR LF. Every call writes its answer (JSON) into one
// buffer that JavaScript reads through qw_result_data / qw_result_size before the next call.
#include "marking/MarkWorking.h"
#include "pages/HelpWindowText.h"
#include "pages/PageBook.h"
#include "pages/PageTextLimit.h"
#include "pages/ProblemPage.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "tools/SymbolTable.h"
#include "typeset/GbkUnicode.h"
#include "typeset/TypesetMathML.h"
#include "typeset/TypesetTree.h"
#include "web/wasm/WebJson.h"

#include <emscripten.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace qimbel::web;

// Tells JavaScript how many lines a compute has done (the worker turns it into progress).
EM_JS(void, ReportProgress, (int done), {
    if (Module.onProgress)
        Module.onProgress(done);
});

} // namespace

extern "C" {

// The JSON of the last call.
EMSCRIPTEN_KEEPALIVE const char *qw_result_data() { return qimbel::web::LastResult().data(); }
EMSCRIPTEN_KEEPALIVE int qw_result_size() { return static_cast<int>(qimbel::web::LastResult().size()); }

// The tabs, the problem types and the symbol palette, as the desktop builds its pages from them.
EMSCRIPTEN_KEEPALIVE const char *qw_tables()
{
    std::string json = "{\"tabs\":[";
    bool first = true;
    for (const qimbel::TabInfo &tab : qimbel::Tabs()) {
        json += first ? "" : ",";
        first = false;
        json += "{\"label\":" + QuoteGbk(tab.label) + ",\"page\":" + std::to_string(tab.page)
            + ",\"type\":" + std::to_string(tab.type) + "}";
    }
    json += "],\"types\":[";
    first = true;
    for (const qimbel::ProblemType &row : qimbel::ProblemTypes()) {
        json += first ? "" : ",";
        first = false;
        json += "{\"type\":" + std::to_string(row.type) + ",\"page\":" + std::to_string(row.page)
            + ",\"caption\":" + QuoteGbk(row.caption) + ",\"enabled\":" + (row.enabled ? "true" : "false")
            + ",\"markable\":" + (qimbel::CanMark(row.type) ? "true" : "false") + "}";
    }
    json += "],\"symbolRows\":[";
    first = true;
    for (const char *label : qimbel::SymbolRowLabels()) {
        json += (first ? "" : ",") + QuoteGbk(label);
        first = false;
    }
    json += "],\"symbols\":[";
    first = true;
    for (const qimbel::SymbolButton &button : qimbel::SymbolButtons()) {
        json += first ? "" : ",";
        first = false;
        json += "{\"row\":" + std::to_string(button.row) + ",\"caption\":" + QuoteGbk(button.caption)
            + ",\"tooltip\":" + QuoteGbk(button.tooltip) + ",\"text\":" + QuoteGbk(button.text) + "}";
    }
    // The page's limit on the problems typed, so the page can refuse a paste over it at once.
    json += "],\"longestText\":" + std::to_string(qimbel::kLongestPageText)
        + ",\"textTooLong\":" + QuoteGbk(qimbel::kPageTextTooLong);
    return Finish(json + "}");
}

// The help window of a page for a type: {"caption": ..., "body": ...}.
EMSCRIPTEN_KEEPALIVE const char *qw_help(int page, int type)
{
    const qimbel::HelpWindowText help = qimbel::HelpForPage(page, type);
    return Finish("{\"caption\":" + QuoteGbk(help.caption) + ",\"body\":" + QuoteGbk(help.body) + "}");
}

// One handler of a problem page on the page as JavaScript keeps it. `action`: 1 type button
// (`arg` the type), 2 tab selection (`arg` the type), 3 check, 4 compute, 5 clear, 6 example,
// 7 symbols (the text after the page's text is appended), 8 公式应用题, 9 check and compute,
// 10 批改我的解答.
// `options`: bit 0 显示简介, bit 1 运算过程, bit 2 运算说明. `type` is the current problem type.
// {"text", "title", "summary", "type", "computeEnabled", "status", "messages"} or {"error"} when the text
// cannot be taken; then nothing was done.
EMSCRIPTEN_KEEPALIVE const char *qw_page(int action, int pageId, int type, int options, int method, int arg,
    const char *text, int textSize, const char *extra, int extraSize)
{
    const std::string_view input(text, static_cast<std::size_t>(textSize));
    std::optional<std::string> gbk = ToTextBox(input);
    if (!gbk)
        return Finish("{\"error\":" + Quote(Refusal(input)) + "}");
    // Check, compute and marking refuse problems over the page's limit (the page says so before
    // it asks; this is the same rule for any other caller).
    const bool works = action == 3 || action == 4 || action >= 9;
    if (works && !qimbel::PageTextTooLong(*gbk).empty())
        return Finish("{\"error\":" + QuoteGbk(qimbel::kPageTextTooLong) + "}");
    std::optional<std::string> symbols;
    if (action == 7) {
        const std::string_view added(extra, static_cast<std::size_t>(extraSize));
        symbols = ToTextBox(added);
        if (!symbols)
            return Finish("{\"error\":" + Quote(Refusal(added)) + "}");
    }

    qimbel::ProblemPage page(pageId);
    qimbel::SetCurrentType(type);
    qimbel::PageOptions shown;
    shown.showIntro = options & 1;
    shown.showWorking = options & 2;
    shown.showExplain = options & 4;
    page.SetOptions(shown);
    page.SetFactorMethod(method);
    page.SetEditText(std::move(*gbk));
    int done = 0;
    const auto progress = [&done] { ReportProgress(++done); };
    switch (action) {
    case 1:
        page.ChooseType(arg);
        break;
    case 2:
        page.ShowType(arg);
        break;
    case 3:
        page.Check();
        break;
    case 4:
        page.Compute(progress);
        break;
    case 5:
        page.Clear();
        break;
    case 6:
        page.Example();
        break;
    case 7:
        // The page model inserts nothing itself (the desktop palette writes at the caret): the
        // symbols chosen in the full palette go to the end of the text, as typed there.
        page.SetEditText(page.EditText() + *symbols);
        page.NoteEdited(false);
        break;
    case 8:
        page.ShowWordProblems();
        break;
    case 9:
        page.Check();
        page.Compute(progress);
        break;
#ifndef QIMBEL_WEB_PAGES_ONLY
    // 批改我的解答, 下一步检查 and 提示: only in the whole core (the worker sends them there), so
    // that the problem pages' module goes without the marking code.
    case 10:
        page.Mark();
        break;
    case 11:
        page.MarkLast();
        break;
    case 12:
        page.Hint();
        break;
#endif
    default:
        return Finish("{\"error\":\"unknown action\"}");
    }
    const bool titled = action == 1 || action == 2 || action == 8;
    std::string json = "{\"text\":" + QuoteGbk(page.EditText());
    if (titled) {
        json += ",\"title\":" + QuoteGbk(page.Title());
        json += ",\"summary\":" + QuoteGbk(page.Summary());
    }
    json += ",\"type\":" + std::to_string(qimbel::CurrentType());
    json += ",\"computeEnabled\":" + std::string(page.ComputeEnabled() ? "true" : "false");
    json += ",\"status\":" + QuoteGbk(page.StatusLine());
    json += ",\"messages\":" + QuoteMessages(page.TakeMessages()) + "}";
    return Finish(json);
}

// The working typeset as MathML (fragments of the typesetter, UTF-8) for the problem type `type`:
// {"html": [...], "rows":
// [...]} (the lines of each fragment), cut
// between blocks every forty lines or so, so the page can show a long working piece by piece.
EMSCRIPTEN_KEEPALIVE const char *qw_typeset(const char *text, int textSize, int type)
{
    const std::string_view input(text, static_cast<std::size_t>(textSize));
    std::optional<std::string> gbk = ToTextBox(input);
    if (!gbk)
        return Finish("{\"error\":" + Quote(Refusal(input)) + "}");
    const qimbel::TsDocument document = qimbel::ReadTypeset(*gbk, qimbel::ReadsDivisionAsFraction(type));
    std::string html;
    std::string rows;
    qimbel::TsDocument piece;
    const auto flush = [&] {
        if (piece.lines.empty())
            return;
        html += (html.empty() ? "" : ",") + Quote(qimbel::TypesetToMathML(piece));
        rows += (rows.empty() ? "" : ",") + std::to_string(piece.lines.size());
        piece.lines.clear();
    };
    for (const qimbel::TsLine &line : document.lines) {
        if (piece.lines.size() >= 40 && (line.block == 0 || line.block != piece.lines.back().block))
            flush();
        piece.lines.push_back(line);
    }
    flush();
    return Finish("{\"html\":[" + html + "],\"rows\":[" + rows + "]}");
}

} // extern "C"

int main() { return 0; }
