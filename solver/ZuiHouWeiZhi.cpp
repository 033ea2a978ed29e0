#include "solver/Solver.h"

namespace qimbel {

// Byte position of the last occurrence of the piece in the text; -1 if none (or the piece is empty).
int Solver::ZuiHouWeiZhi(std::string text, std::string piece) { return ReverseFind(text, piece); }

} // namespace qimbel
