// qimbel-sheets WORD...: what the web edition's call qw_sheets answers for the same words, with
// standard input as its text; so the web tests can compare the module with native code byte for
// byte. Exits with 1 when the answer is an error.
#include "web/wasm/PracticeJson.h"

#include <iostream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    std::string input;
    if (!words.empty() && words[0] == "practice")
        input.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    const std::string json = qimbel::web::SheetsCall(words, input);
    std::cout << json << '\n';
    return json.rfind("{\"error\"", 0) == 0 ? 1 : 0;
}
