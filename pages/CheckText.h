// The symbol normalisation of the check button (先进行算式检测) on pages 130, 133, 134 and 135.
#pragma once

#include <string>

namespace qimbel {

// Replace-all for a text box of problems, one per line. Like the solver's TiHuan, the blanks next
// to every replaced occurrence go and, once anything was replaced, the text loses its outer blanks
// and line breaks. Unlike it, line breaks between problems stay: the only one removed is the line
// break right after an occurrence that `continues` the problem (an operator that ends its line:
// 1+ on one line and 2 on the next become 1＋2). A text without `find` is left exactly as it is.
void ReplaceInLines(std::string &text, const std::string &find, const std::string &by, bool continues);

// Every replacement of the check, in order: full-width brackets to ASCII, "+" "-" "*" "/" "=" to
// full-width signs, on the equation page ">" and "<" too, and finally ">=" and "<=" (typed in any
// width) to "≥" and "≤", which the inequality routines read as one sign.
void NormaliseCheckedText(std::string &text, bool relationSigns);

} // namespace qimbel
