#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

namespace qimbel::fuzz {

void Fail(const char *reason)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", reason);
    std::abort();
}

} // namespace qimbel::fuzz
