#include "desktop/chuti/ShiJuanPrinter.h"

#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/PrintedPage.h"
#include "desktop/pages/TextBoxFont.h"
#include "generators/ZuJuanBanMian.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <functional>

namespace qimbel {

using shijuan::PaperFont;

namespace {

QFont PrintingFont(PaperFont kind)
{
    if (kind == PaperFont::Key) {
        // The key's worked solutions are aligned for a fixed pitch: two columns a Chinese character.
        QFont font = TextBoxFont();
        font.setPointSizeF(9.5);
        return font;
    }
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimSun")});
    switch (kind) {
    case PaperFont::Title:
        font.setPointSizeF(16);
        font.setBold(true);
        break;
    case PaperFont::Heading:
        font.setPointSizeF(12);
        font.setBold(true);
        break;
    case PaperFont::Problem:
        font.setPointSizeF(13);
        break;
    default:
        font.setPointSizeF(11);
        break;
    }
    return font;
}

class PrinterMeasure : public shijuan::TextMeasure {
public:
    explicit PrinterMeasure(QPaintDevice &device)
        : device_(device)
    {
    }
    double Width(const std::string &text, PaperFont font) const override
    {
        const QFontMetricsF metrics(PrintingFont(font), &device_);
        if (font == PaperFont::Key)
            return static_cast<double>(text.size()) * metrics.horizontalAdvance(QLatin1Char('0'));
        return metrics.horizontalAdvance(FromGbk(text));
    }
    double LineHeight(PaperFont font) const override
    {
        const QFontMetricsF metrics(PrintingFont(font), &device_);
        return font == PaperFont::Problem || font == PaperFont::Title ? 1.3 * metrics.height() : metrics.lineSpacing();
    }

private:
    QPaintDevice &device_;
};

} // namespace

std::unique_ptr<shijuan::TextMeasure> PrintingMeasure(QPaintDevice &device)
{
    return std::make_unique<PrinterMeasure>(device);
}

void PaintPaperPage(QPainter &painter, const shijuan::PaperPage &page)
{
    for (const shijuan::PaperRun &run : page.runs) {
        const QFont font = PrintingFont(run.font);
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        const QPointF at(run.x, run.y + metrics.ascent());
        if (run.font != PaperFont::Key) {
            painter.drawText(at, FromGbk(run.text));
            continue;
        }
        // Each character at its column: a two-byte one takes two, however wide its glyph.
        const double column = metrics.horizontalAdvance(QLatin1Char('0'));
        std::size_t bytes = 0;
        for (const QChar c : FromGbk(run.text)) {
            painter.drawText(QPointF(at.x() + static_cast<double>(bytes) * column, at.y()), QString(c));
            bytes += c.unicode() < 0x80 ? 1 : 2;
        }
    }
}

namespace {

// The pages the layout gives for the device's printable area, painted one after the other.
bool PaintPages(QPagedPaintDevice &device,
    const std::function<std::vector<shijuan::PaperPage>(const shijuan::TextMeasure &, double, double)> &layOut)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const std::unique_ptr<shijuan::TextMeasure> measure = PrintingMeasure(device);
    const std::vector<shijuan::PaperPage> pages = layOut(*measure, device.width(), device.height());
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0 && !device.newPage())
            return false;
        PaintPaperPage(painter, pages[n]);
    }
    return painter.end();
}

} // namespace

bool PrintShiJuan(QPagedPaintDevice &device, const shijuan::ShiJuan &paper)
{
    return PaintPages(device, [&](const shijuan::TextMeasure &measure, double width, double height) {
        return shijuan::LayOutPaper(paper, measure, width, height);
    });
}

bool ExportShiJuanPdf(const QString &path, const shijuan::ShiJuan &paper)
{
    bool painted = false;
    const bool written = WritePdf(path, FromGbk(shijuan::ShiJuanBiaoTi(paper)),
        [&](QPagedPaintDevice &device) { painted = PrintShiJuan(device, paper); });
    return written && painted;
}

bool PrintMadePaper(QPagedPaintDevice &device, const MadePaper &paper)
{
    if (paper.sections.empty())
        return false;
    return PaintPages(device, [&](const shijuan::TextMeasure &measure, double width, double height) {
        return shijuan::LayOutMadePaper(paper, measure, width, height);
    });
}

bool ExportMadePaperPdf(const QString &path, const MadePaper &paper)
{
    bool painted = false;
    const bool written = WritePdf(
        path, FromGbk(paper.title), [&](QPagedPaintDevice &device) { painted = PrintMadePaper(device, paper); });
    return written && painted;
}

} // namespace qimbel
