// The test paper on paper: the pages laid out by the paper's layout (the paper's pages first, the
// answer key from a new page), measured and painted here in the printing fonts.
#pragma once

#include "generators/ShiJuanBanMian.h"
#include "maker/Paper.h"

#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace qimbel {

// Text widths and line heights in the printing fonts on `device`.
std::unique_ptr<shijuan::TextMeasure> PrintingMeasure(QPaintDevice &device);

// Paints a laid-out page with its top left at the painter's origin.
void PaintPaperPage(QPainter &painter, const shijuan::PaperPage &page);

// Lays the paper out on the pages of `device` and paints them; false when the device cannot be
// painted on.
bool PrintShiJuan(QPagedPaintDevice &device, const shijuan::ShiJuan &paper);

// Writes the paper as a PDF of A4 pages; false, with any earlier file of that name left as it
// was, when the file could not be written.
bool ExportShiJuanPdf(const QString &path, const shijuan::ShiJuan &paper);

// A 自动组卷 paper and its key on the pages of `device`, and as a PDF of A4 pages, laid out the same way.
bool PrintMadePaper(QPagedPaintDevice &device, const MadePaper &paper);
bool ExportMadePaperPdf(const QString &path, const MadePaper &paper);

} // namespace qimbel
