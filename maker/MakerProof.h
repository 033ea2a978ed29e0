// The proof of a made problem by the type's own routine.
#pragma once

#include "maker/MakerText.h"

#include <optional>
#include <string>

namespace qimbel::maker {

// The routine's text for a made line, by default at the level of the bare result (a system's
// equations are joined by "；" in the line).
std::string RoutineText(int type, const std::string &line, int level = 1);

// The routine's answer to a line, in the form of a made answer ("x＝3", "x＝1，y＝2", "x1＝2 ,x2＝3",
// the factors, the polynomial); nothing when the routine refuses the line or answers with a
// sentence.
std::optional<std::string> RoutineAnswer(int type, const std::string &line);

std::optional<std::string> AnswerOfText(int type, const std::string &routine);

// The routine's answer when it answers the line and its answer is the made answer, exactly;
// nothing otherwise.
std::optional<std::string> Proved(int type, const Candidate &made);
bool SameAnswer(int type, const Candidate &made, const std::string &routine);

} // namespace qimbel::maker
