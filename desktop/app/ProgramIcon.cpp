#include "desktop/app/ProgramIcon.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace qimbel {

namespace {

QPixmap Tile(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x5f, 0xbf));
    const qreal unit = size / 64.0;
    painter.drawRoundedRect(QRectF(2 * unit, 2 * unit, 60 * unit, 60 * unit), 12 * unit, 12 * unit);
    QFont font;
    font.setPixelSize(qRound(44 * unit));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("∑"));
    return pixmap;
}

} // namespace

QIcon ProgramIcon()
{
    // Several sizes, so that a screen with twice the pixels gets a picture of its own, not a
    // blown-up one.
    QIcon icon;
    for (int size : {16, 32, 64, 128})
        icon.addPixmap(Tile(size));
    return icon;
}

} // namespace qimbel
