// Draws the worksheet and answer-sheet pages of the 口算练习生成器 on a printer or a PDF writer.
#pragma once

#include "generators/KouSuanSheet.h"

#include <vector>

class QPagedPaintDevice;

namespace qimbel::kousuan {

// Paints one device page per sheet page; false when the device cannot be painted on.
bool PaintSheets(QPagedPaintDevice &device, const std::vector<SheetPage> &pages);

} // namespace qimbel::kousuan
