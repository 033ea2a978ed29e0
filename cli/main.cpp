// qimbel-cli: the windowless face of the problem pages. Standard input is the text box; the
// page is checked and computed; the whole text box is printed.
#include "charts/FunctionProperties.h"
#include "charts/PicturePages.h"
#include "cli/Encoding.h"
#include "cli/NotebookCommand.h"
#include "pages/Headless.h"
#include "pages/Session.h"
#include "pages/TypeTable.h"
#include "typeset/TypesetMathML.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The usage is a GBK text of the core (it shows 3/4×2/3); the terminal reads UTF-8.
std::string UsageText() { return qimbel::GbkToUtf8Text(qimbel::HeadlessUsage()).value_or(qimbel::HeadlessUsage()); }

// --graph F [--graph G …]: the 函数的性质 text of the functions, as the graph page shows it.
int Graph(const std::vector<std::string> &args)
{
    std::vector<qimbel::FunctionFormula> functions;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (args[i] != "--graph" || i + 1 >= args.size()) {
            std::cerr << "qimbel-cli: --graph needs a function, as in --graph 'y=2x+1'\n" << UsageText();
            return 2;
        }
        std::string refusal;
        const std::optional<std::string> gbk = qimbel::TypedToGbkText(args[i + 1], refusal);
        if (!gbk) {
            std::cerr << "qimbel-cli: " << refusal << "\n";
            return 1;
        }
        functions.push_back(qimbel::ReadFunction(*gbk));
    }
    int status = 0;
    for (const qimbel::FunctionFormula &f : functions)
        if (!f.Ok()) {
            std::cerr << qimbel::GbkToUtf8Text(f.Error()).value_or("?") << "\n";
            status = 1;
        }
    if (status != 0)
        return status;
    const std::optional<std::string> text = qimbel::GbkToUtf8Text(qimbel::GraphPropertiesText(functions) + "\r\n");
    std::cout << text.value_or("");
    std::cout.flush();
    return std::cout ? 0 : 1;
}

// --pictures: the requests of the graph and chart pages (see charts/PicturePages.h) on standard
// input, UTF-8, each ended by a line "%%" (the last may end with the input); one JSON answer a
// line, as the browser's module gives.
int Pictures()
{
    qimbel::PicturePages pages;
    std::string request;
    bool pending = false;
    const auto answer = [&] {
        const std::optional<std::string> gbk = qimbel::Utf8ToGbkText(request);
        const std::optional<std::string> json = gbk ? qimbel::GbkToUtf8Text(pages.Run(*gbk)) : std::nullopt;
        std::cout << json.value_or(
            "{\"error\":\"the request is not valid UTF-8, or holds characters that GBK cannot hold\"}")
                  << "\n";
        request.clear();
        pending = false;
    };
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "%%") {
            answer();
        } else {
            request += (pending ? "\n" : "") + line;
            pending = true;
        }
    }
    if (pending)
        answer();
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--graph")
        return Graph(args);
    if (!args.empty() && args[0] == "--notebook")
        return qimbel::RunNotebook(args);
    if (args.size() == 1 && args[0] == "--pictures")
        return Pictures();
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout
            << UsageText() << "  --help         print this text; --version  print the version\n"
            << "  --notebook FILE COMMAND  the mistake notebook in FILE (qimbel-cli --notebook FILE lists the commands)\n";
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "qimbel-cli " QIMBEL_VERSION "\n";
        return 0;
    }
    // The level names of the maker (基础, 提高, 拓展) are read as the core's GBK texts.
    std::vector<std::string> gbkArgs;
    for (const std::string &arg : args)
        gbkArgs.push_back(qimbel::Utf8ToGbkText(arg).value_or(arg));
    const qimbel::HeadlessArgs parsed = qimbel::ParseHeadlessArgs(gbkArgs);
    if (!parsed.request) {
        std::cerr << "qimbel-cli: " << parsed.error << "\n" << UsageText();
        return 2;
    }
    const qimbel::HeadlessRequest &request = *parsed.request;

    std::ios::sync_with_stdio(false);
    // --make reads nothing: the problems are made from the type, level and seed alone.
    std::string input;
    if (!request.make && request.paper == 0)
        input.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    // Editors on some systems start a UTF-8 file with a byte-order mark: it is no part of the text,
    // nor of a GBK text that was saved as UTF-8 once.
    if (input.compare(0, 3, "\xEF\xBB\xBF") == 0)
        input.erase(0, 3);

    std::string text;
    if (request.gbk) {
        if (!qimbel::IsValidGbk(input)) {
            std::cerr << "qimbel-cli: the input is not valid GBK text\n";
            return 1;
        }
        text = input;
    } else {
        std::string refusal;
        std::optional<std::string> gbk = qimbel::TypedToGbkText(input, refusal);
        if (!gbk) {
            std::cerr << "qimbel-cli: " << refusal << "\n";
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
    if (request.html) {
        // The typeset page is UTF-8 HTML whatever the text encoding.
        std::cout << qimbel::TypesetToMathMLDocument(result, qimbel::ReadsDivisionAsFraction(qimbel::CurrentType()));
        std::cout.flush();
        return std::cout ? 0 : 1;
    }
    if (!request.gbk) {
        std::optional<std::string> utf8 = qimbel::GbkToUtf8Text(result);
        if (!utf8) {
            std::cerr << "qimbel-cli: the result is not valid GBK text\n";
            return 1;
        }
        result = std::move(*utf8);
    }
    std::cout << result;
    std::cout.flush();
    return std::cout ? 0 : 1;
}
