// Helpers shared by the worked-arithmetic routines (numeric mixed operations and polynomial
// arithmetic), one idea per header; the routine files include them all through this one.
#pragma once

#include "algebra/BracketMatching.h"
#include "algebra/ExactNumber.h"
#include "algebra/LikeTerms.h"
#include "algebra/ReplaceOperation.h"
#include "algebra/StepLayout.h"
#include "solver/Solver.h"
