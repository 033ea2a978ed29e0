#include "maker/ProblemMaker.h"

namespace qimbel {

namespace {
const char* const kCannotMake = "这一类题目还不能出题。";
}

bool CanMake(int)
{
    return false;
}

MadeProblems MakeProblems(int, MakerLevel, int, std::uint64_t)
{
    return {{}, kCannotMake};
}

MadeProblems Similar(int, const std::string&, int, std::uint64_t)
{
    return {{}, kCannotMake};
}

} // namespace qimbel
