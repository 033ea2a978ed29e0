// Lays out a typeset document as a display list, with the metrics of the face that shows it.
#pragma once

#include "typeset/TypesetDisplay.h"
#include "typeset/TypesetTree.h"

namespace qimbel {

// `size` is the pixel size of the text; exponents and subscripts are set at three quarters of
// it, fractions at full size. The page starts at (margin, margin). `width` is the width the page
// is shown in, margins included (0: as wide as it needs): a block whose step labels would reach
// past it sets each label on a row of its own under its step, and a mark that would reach past
// it moves in to stand right after its step.
TsDisplayList LayoutTypeset(
    const TsDocument &document, const TsMetrics &metrics, double size, double margin = 0, double width = 0);

// Script size relative to the text size.
inline constexpr double kTsScriptScale = 0.75;

} // namespace qimbel
