// 打印 and 导出PDF: the text box on paper, in the text box's fixed-pitch font, so that worked
// solutions keep their alignment.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace qimbel {

// The document put on paper: the title line, an empty line, then the text box line by line.
// Narrow two-byte signs are widened to two columns as on the screen.
std::unique_ptr<QTextDocument> PrintedDocument(const QString &title, const QString &text);

// Lays the document out on the pages of `device` and paints it.
void PrintOn(QPagedPaintDevice &device, const QString &title, const QString &text);

// Writes the document as a PDF file of A4 pages; false, with any earlier file of that name left
// as it was, when the file could not be written.
bool ExportPdf(const QString &path, const QString &title, const QString &text);

// Writes a PDF file of A4 pages with the margins of the printout, painted by `paint`; false, with
// any earlier file of that name left as it was, when the file could not be written.
bool WritePdf(const QString &path, const QString &title, const std::function<void(QPagedPaintDevice &)> &paint);

} // namespace qimbel
