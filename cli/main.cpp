// qimbel-cli: the windowless face of the problem pages. Standard input is the text box; the
// page is checked and computed; the whole text box is printed.
#include "cli/Encoding.h"
#include "pages/Headless.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The usage is a GBK text of the core (it shows 3/4×2/3); the terminal reads UTF-8.
std::string UsageText() { return qimbel::GbkToUtf8Text(qimbel::HeadlessUsage()).value_or(qimbel::HeadlessUsage()); }

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << UsageText() << "  --help         print this text; --version  print the version\n";
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "qimbel-cli " QIMBEL_VERSION "\n";
        return 0;
    }
    const qimbel::HeadlessArgs parsed = qimbel::ParseHeadlessArgs(args);
    if (!parsed.request) {
        std::cerr << "qimbel-cli: " << parsed.error << "\n" << UsageText();
        return 2;
    }
    const qimbel::HeadlessRequest &request = *parsed.request;

    std::ios::sync_with_stdio(false);
    std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    // Editors on some systems start a UTF-8 file with a byte-order mark: it is no part of the text.
    if (!request.gbk && input.compare(0, 3, "\xEF\xBB\xBF") == 0)
        input.erase(0, 3);

    std::string text;
    if (request.gbk) {
        if (!qimbel::IsValidGbk(input)) {
            std::cerr << "qimbel-cli: the input is not valid GBK text\n";
            return 1;
        }
        text = input;
    } else {
        std::optional<std::string> gbk = qimbel::Utf8ToGbkText(input);
        if (!gbk) {
            std::cerr << "qimbel-cli: the input is not valid UTF-8, or holds characters that GBK cannot hold\n";
            return 1;
        }
        text = *gbk;
    }

    std::vector<std::string> messages;
    std::string result = qimbel::RunHeadless(request, text, &messages);
    // A message box of the page goes to standard error; the text box is printed all the same.
    for (const std::string &message : messages) {
        const std::optional<std::string> shown = request.gbk ? message : qimbel::GbkToUtf8Text(message);
        std::cerr << shown.value_or(message) << "\n";
    }
    if (!request.gbk) {
        std::optional<std::string> utf8 = qimbel::GbkToUtf8Text(result);
        if (!utf8) {
            std::cerr << "qimbel-cli: the result is not valid GBK text\n";
            return 1;
        }
        result = *utf8;
    }
    std::cout << result;
    std::cout.flush();
    return std::cout ? 0 : 1;
}
