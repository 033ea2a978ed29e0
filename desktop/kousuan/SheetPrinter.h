// Draws the worksheet and answer-sheet pages of the 口算练习生成器 on a printer or a PDF writer.
#pragma once

#include "generators/KouSuanSheet.h"

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace qimbel::kousuan {

// Draws one page into `area` of the painter's device (the printable area of a paper page).
void PaintSheetPage(QPainter &painter, const QRectF &area, const SheetPage &page);

// Paints one device page per sheet page; false when the device cannot be painted on.
bool PaintSheets(QPagedPaintDevice &device, const std::vector<SheetPage> &pages);

} // namespace qimbel::kousuan
