// The test paper on paper: the paper's pages first, the answer key from a new page, in the
// fixed-pitch font of the text boxes so that columns and worked solutions keep their alignment.
#pragma once

#include <QString>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace qimbel {

// The printed document: the paper under its title, then the key under its own title.
std::unique_ptr<QTextDocument> ShiJuanDocument(
    const QString &title, const QString &paper, const QString &keyTitle, const QString &key);

// Prints the document on `device` (a printer or a PDF writer), page by page.
void PrintShiJuan(
    QPagedPaintDevice &device, const QString &title, const QString &paper, const QString &keyTitle, const QString &key);

// Writes the document as a PDF of A4 pages; false, with any earlier file of that name left as it
// was, when the file could not be written.
bool ExportShiJuanPdf(
    const QString &path, const QString &title, const QString &paper, const QString &keyTitle, const QString &key);

} // namespace qimbel
