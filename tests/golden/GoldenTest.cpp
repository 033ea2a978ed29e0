// Golden texts: whole worked solutions compared byte for byte.
//
// Every case is a folder tests/golden/<area>/<case>/ holding
//   cmd           the qimbel-cli arguments, e.g. "--type 20 --level 5"
//   input.txt     what the pupil typed (UTF-8, LF)
//   expected.txt  the whole text box after check and compute (UTF-8, LF), worked out by hand
// Both texts are turned into GBK with CR LF, the form the program works in, and the result of
// the page models is compared with the expected bytes. On a mismatch the result is written to
// actual.txt beside expected.txt and the first differing line is shown.
#include "cli/Encoding.h"
#include "pages/Headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace qimbel;

namespace {

std::string ReadFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Words(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find('\n', start)) != std::string::npos; start = p + 1)
        lines.push_back(text.substr(start, p - start));
    lines.push_back(text.substr(start));
    return lines;
}

// A readable account of where two UTF-8 texts part; blanks are shown as "·" so alignment shows.
std::string Difference(const std::string &expected, const std::string &actual)
{
    const std::vector<std::string> e = Lines(expected);
    const std::vector<std::string> a = Lines(actual);
    std::ostringstream out;
    auto visible = [](std::string line) {
        std::string shown;
        for (char c : line)
            shown += c == ' ' ? std::string("·") : c == '\r' ? std::string("\\r") : std::string(1, c);
        return shown;
    };
    for (std::size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
        const std::string el = i < e.size() ? e[i] : "<none>";
        const std::string al = i < a.size() ? a[i] : "<none>";
        if (el != al) {
            out << "first difference at line " << i + 1 << ":\n  expected: " << visible(el)
                << "\n  actual:   " << visible(al) << "\n";
            break;
        }
    }
    out << "--- whole actual text ---\n" << actual << "\n--- end ---";
    return out.str();
}

struct GoldenCase {
    std::string name;
    fs::path dir;
};

std::vector<GoldenCase> FindCases()
{
    std::vector<GoldenCase> cases;
    const fs::path root = fs::path(QIMBEL_SOURCE_DIR) / "tests" / "golden";
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && entry.path().filename() == "cmd") {
            const fs::path dir = entry.path().parent_path();
            std::string name = fs::relative(dir, root).string();
            for (char &c : name)
                if (!std::isalnum(static_cast<unsigned char>(c)))
                    c = '_';
            cases.push_back({name, dir});
        }
    std::sort(cases.begin(), cases.end(), [](const GoldenCase &a, const GoldenCase &b) { return a.name < b.name; });
    return cases;
}

class Golden : public testing::TestWithParam<GoldenCase> { };

TEST_P(Golden, MatchesByteForByte)
{
    const fs::path dir = GetParam().dir;
    const HeadlessArgs args = ParseHeadlessArgs(Words(ReadFile(dir / "cmd")));
    ASSERT_TRUE(args.request.has_value()) << args.error;

    // The input is read as qimbel-cli reads what a pupil types (full-width digits, x², − …).
    std::string refusal;
    const std::optional<std::string> input = TypedToGbkText(ReadFile(dir / "input.txt"), refusal);
    const std::optional<std::string> expected = Utf8ToGbkText(ReadFile(dir / "expected.txt"));
    ASSERT_TRUE(input.has_value()) << "input.txt: " << refusal;
    ASSERT_TRUE(expected.has_value()) << "expected.txt is not UTF-8 text that GBK can hold";

    const std::string actual = RunHeadless(*args.request, *input);
    if (actual != *expected) {
        const std::string actualUtf8 = GbkToUtf8Text(actual).value_or("<result is not valid GBK>");
        std::ofstream(dir / "actual.txt", std::ios::binary) << actualUtf8;
        FAIL() << Difference(GbkToUtf8Text(*expected).value_or(""), actualUtf8);
    }
    fs::remove(dir / "actual.txt");
}

INSTANTIATE_TEST_SUITE_P(Texts, Golden, testing::ValuesIn(FindCases()),
    [](const testing::TestParamInfo<GoldenCase> &info) { return info.param.name; });

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Golden);

} // namespace
