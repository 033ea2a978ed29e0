#include "desktop/chuti/ShiJuanPrinter.h"

#include "desktop/pages/PrintedPage.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace qimbel {

std::unique_ptr<QTextDocument> ShiJuanDocument(
    const QString &title, const QString &paper, const QString &keyTitle, const QString &key)
{
    // Each part is laid out as a problem page's printout is; the key joins the paper on a page of
    // its own.
    std::unique_ptr<QTextDocument> document = PrintedDocument(title, paper);
    const std::unique_ptr<QTextDocument> keyDocument = PrintedDocument(keyTitle, key);
    QTextCursor cursor(document.get());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(newPage);
    cursor.insertFragment(QTextDocumentFragment(keyDocument.get()));
    return document;
}

void PrintShiJuan(
    QPagedPaintDevice &device, const QString &title, const QString &paper, const QString &keyTitle, const QString &key)
{
    ShiJuanDocument(title, paper, keyTitle, key)->print(&device);
}

bool ExportShiJuanPdf(
    const QString &path, const QString &title, const QString &paper, const QString &keyTitle, const QString &key)
{
    return WritePdf(path, title, [&](QPagedPaintDevice &device) { PrintShiJuan(device, title, paper, keyTitle, key); });
}

} // namespace qimbel
