// qimbel-sheets WORD...: what the web edition's call qw_sheets answers for the same words, with
// standard input as its text (`qimbel-sheets maker WORD...`: what qw_maker answers); so the web
// tests can compare the module with native code byte for byte. Exits with 1 when the answer is an
// error.
#include "web/wasm/MakerJson.h"
#include "web/wasm/PracticeJson.h"

#include <iostream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    std::string input;
    const bool maker = !words.empty() && words[0] == "maker";
    if (!words.empty() && (words[0] == "practice" || (maker && words.size() > 1 && words[1] == "similar")))
        input.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    const std::string json = maker ? qimbel::web::MakerCall({words.begin() + 1, words.end()}, input)
                                   : qimbel::web::SheetsCall(words, input);
    std::cout << json << '\n';
    return json.rfind("{\"error\"", 0) == 0 ? 1 : 0;
}
