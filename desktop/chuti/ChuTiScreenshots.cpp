// chuti-screenshots [FOLDER]: the pictures of 小学数学四则运算自动出题系统 in docs/: the window with
// the paper, the window with the answer key, and the first two pages of the exported PDF, drawn
// from the same document the PDF is printed from.
#include "desktop/chuti/ChuTiWindow.h"
#include "desktop/chuti/ShiJuanPrinter.h"
#include "desktop/pages/GbkBridge.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

#include <cstdio>

namespace {

// One A4 page of the document at 110 dots per inch with the PDF's 15 mm margins.
QImage PageImage(QTextDocument &document, int page)
{
    constexpr double dpi = 110;
    const int width = static_cast<int>(210 / 25.4 * dpi);
    const int height = static_cast<int>(297 / 25.4 * dpi);
    const double margin = 15 / 25.4 * dpi;
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254));
    image.fill(Qt::white);
    document.documentLayout()->setPaintDevice(&image);
    const QSizeF body(width - 2 * margin, height - 2 * margin);
    document.setPageSize(body);
    QPainter painter(&image);
    painter.translate(margin, margin - page * body.height());
    document.drawContents(&painter, QRectF(QPointF(0, page * body.height()), body));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    out.mkpath(QStringLiteral("."));
    int failures = 0;
    const auto save = [&](const QImage &image, const char *name) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (!image.save(path)) {
            std::fprintf(stderr, "chuti-screenshots: cannot write %s\n", qPrintable(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    };

    qimbel::ChuTiWindow window;
    window.resize(1280, 860);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("chuti-screenshots: the window was not shown");
    window.findChild<QComboBox *>(QStringLiteral("grade"))->setCurrentIndex(4);
    window.findChild<QCheckBox *>(QStringLiteral("decimals"))->setChecked(true);
    window.findChild<QSpinBox *>(QStringLiteral("seed"))->setValue(20261208);
    window.Generate();
    QTest::qWait(50);
    save(window.grab().toImage(), "chuti.png");
    auto *tabs = window.findChild<QTabWidget *>();
    tabs->setCurrentIndex(1);
    QTest::qWait(50);
    save(window.grab().toImage(), "chuti-key.png");

    const auto &paper = window.Paper();
    auto document = qimbel::ShiJuanDocument(qimbel::FromGbk(qimbel::shijuan::ShiJuanBiaoTi(paper)), window.PaperText(),
        qimbel::FromGbk(qimbel::shijuan::DaAnBiaoTi(paper)), window.KeyText());
    save(PageImage(*document, 0), "chuti-pdf-page1.png");
    save(PageImage(*document, 1), "chuti-pdf-page2.png");
    return failures == 0 ? 0 : 1;
}
