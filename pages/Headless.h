// The windowless road through the page models, shared by qimbel-cli and the golden-text tests:
// select a page, type the text, press check and compute (or only one of them), read the text box.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qimbel {

struct HeadlessRequest {
    int type = 0; // --type T: the page that owns T, with T made current as a tab selection would
    int page = 0; // --page P: the page with template P, with the type its tab selection sets
    int level = 5; // --level 1|4|5: the option boxes 运算过程 and 运算说明
    bool checkOnly = false; // --check-only
    bool computeOnly = false; // --compute-only: compute on the text as given, without the check
    bool gbk = false; // --gbk: texts pass through as GBK bytes
    int method = 8; // --method M: page 134's 因式分解方法 (1 to 8)
    bool html = false; // --format html: the text box typeset, as HTML with MathML (UTF-8)
    bool mark = false; // --mark: press 批改我的解答 instead of check and compute
    bool markLast = false; // --mark-last: press 下一步检查 (the last typed line only)
    bool hint = false; // --hint: press 提示 (the next move named)
};

// Parses the arguments after the program name; an error text on failure.
struct HeadlessArgs {
    std::optional<HeadlessRequest> request;
    std::string error;
};
HeadlessArgs ParseHeadlessArgs(const std::vector<std::string> &args);

// The usage text of qimbel-cli.
const char *HeadlessUsage();

// Runs one request on a fresh set of pages; `text` and the result are GBK with CR LF line ends.
// The message boxes that the page shows go to `messages` (GBK), when it is given.
std::string RunHeadless(
    const HeadlessRequest &request, const std::string &text, std::vector<std::string> *messages = nullptr);

// Qimbel's own worked solution of one problem line of a type (GBK, CR LF), as the page computes
// it, without the problem line and the heading above it; empty when the page computes nothing.
std::string WorkedSolutionOf(int type, const std::string &problem);

} // namespace qimbel
