#include "desktop/kousuan/SheetPrinter.h"

#include "desktop/pages/GbkBridge.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace qimbel::kousuan {

namespace {

QFont SheetFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimSun")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

void PaintSheetPage(QPainter &painter, const QRectF &area, const SheetPage &page)
{
    QPaintDevice *device = painter.device();
    qreal y = area.top();

    painter.setFont(SheetFont(18, true));
    const qreal titleHeight = QFontMetricsF(painter.font(), device).height() * 1.6;
    painter.drawText(
        QRectF(area.left(), y, area.width(), titleHeight), Qt::AlignHCenter | Qt::AlignVCenter, FromGbk(page.title));
    y += titleHeight;

    painter.setFont(SheetFont(11, false));
    const qreal lineHeight = QFontMetricsF(painter.font(), device).height();
    painter.drawText(QRectF(area.left(), y, area.width(), lineHeight * 1.5), Qt::AlignHCenter | Qt::AlignVCenter,
        FromGbk(page.subtitle));
    y += lineHeight * 2.5;

    painter.setFont(SheetFont(12, false));
    const qreal rowHeight = (area.bottom() - y) / kSheetRows;
    const qreal columnWidth = area.width() / static_cast<qreal>(std::max<std::size_t>(page.cells.size(), 1));
    for (std::size_t c = 0; c < page.cells.size(); ++c)
        for (std::size_t r = 0; r < page.cells[c].size(); ++r)
            painter.drawText(QRectF(area.left() + static_cast<qreal>(c) * columnWidth,
                                 y + static_cast<qreal>(r) * rowHeight, columnWidth, rowHeight),
                Qt::AlignLeft | Qt::AlignVCenter, FromGbk(page.cells[c][r]));
}

bool PaintSheets(QPagedPaintDevice &device, const std::vector<SheetPage> &pages)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF area(0, 0, device.width(), device.height());
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0 && !device.newPage())
            return false;
        PaintSheetPage(painter, area, pages[n]);
    }
    return painter.end();
}

} // namespace qimbel::kousuan
