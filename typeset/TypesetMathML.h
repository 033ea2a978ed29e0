// MathML of a worked text, for qimbel-cli --format html and the browser edition. The output is
// UTF-8 and well-formed XML without scripts: one table per block of lines, each line one row
// (its body, or the two sides of an equation chain around the relation sign, then its step
// label), so a browser sets the labels of a block in one column and lines up the equations.
#pragma once

#include <string>

#include "typeset/TypesetTree.h"

namespace qimbel {

// The fragment: a <div class="qimbel-typeset"> holding the whole text box.
std::string TypesetToMathML(const std::string &gbkText);
std::string TypesetToMathML(const TsDocument &document);

// The same fragment in a small HTML document with its <style>.
std::string TypesetToMathMLDocument(const std::string &gbkText, bool divisionBars = false);

} // namespace qimbel
