#include "solver/Solver.h"

#include <string_view>

namespace qimbel {

namespace {

std::string Pattern(const std::string &text, std::string_view numberBytes)
{
    std::string pattern;
    pattern.reserve(text.size());
    for (char c : text) {
        const bool number = (c >= '0' && c <= '9') || numberBytes.find(c) != std::string_view::npos;
        pattern += number ? '1' : 'a';
    }
    return pattern;
}

} // namespace

// One "1" or "a" per byte: "1" for the bytes a written number is made of. A text is a plain
// number exactly when its pattern holds no "a"; each byte of a two-byte character gives an "a".
std::string Solver::GetShuMoShi(const std::string &text) { return Pattern(text, "./%-+"); }

// The same with brackets counted as number bytes and signs as other bytes.
std::string Solver::GetKuoHaoMoShi(const std::string &text) { return Pattern(text, "./()%"); }

} // namespace qimbel
