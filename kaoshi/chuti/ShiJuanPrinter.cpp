#include "kaoshi/chuti/ShiJuanPrinter.h"

#include "pages/PrintedPage.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace qimbel {

namespace {

constexpr qreal kMarginMillimetres = 15;

} // namespace

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Qimbel 小学数学四则运算自动出题系统"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
            QPageLayout::Millimeter));
        PrintShiJuan(writer, title, paper, keyTitle, key);
    }
    // The file takes its name only when everything was written.
    return file.commit();
}

} // namespace qimbel
