// Draws the worksheet and answer-sheet pages of the 口算练习生成器 on a printer or a PDF writer.
#pragma once

#include "generators/KouSuanSheet.h"

#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QRectF;

namespace qimbel::kousuan {

// Widths of texts in the font the problems are printed in on `device`.
SheetMeasure SheetTextWidth(QPaintDevice &device);

// The sheets of the problems with their columns measured on `device`, painted page by page.
bool PrintProblems(QPagedPaintDevice &device, const std::vector<Problem> &problems, unsigned long long seed);

// Draws one page into `area` of the painter's device (the printable area of a paper page).
void PaintSheetPage(QPainter &painter, const QRectF &area, const SheetPage &page);

// Paints one device page per sheet page; false when the device cannot be painted on.
bool PaintSheets(QPagedPaintDevice &device, const std::vector<SheetPage> &pages);

} // namespace qimbel::kousuan
