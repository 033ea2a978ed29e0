// Whether the work a fractions::WorkLimit allows is spent (see FractionAlgebra.h), for the
// callers that turn a TooLarge into a sentence: after too much work the line is too complex, not
// its numbers too large.
#pragma once

namespace qimbel::fractions {

// True while the innermost WorkLimit on this thread has no work left.
bool WorkSpent();

} // namespace qimbel::fractions
