#include "desktop/charts/DisplayListView.h"

#include "desktop/pages/GbkBridge.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

namespace qimbel {

namespace {

QColor ToQColor(Colour c) { return QColor(c.r, c.g, c.b); }

QPen ToQPen(const Pen &pen)
{
    QPen q(ToQColor(pen.colour));
    q.setWidth(pen.width);
    q.setStyle(pen.dotted ? Qt::DotLine : Qt::SolidLine);
    return q;
}

struct Replay {
    QPainter &painter;

    void operator()(const Line &l) const
    {
        painter.setPen(ToQPen(l.pen));
        painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    void operator()(const Rect &r) const
    {
        if (r.filled)
            painter.fillRect(QRectF(r.x, r.y, r.width, r.height), ToQColor(r.fill));
        if (r.framed) {
            painter.setPen(ToQPen(r.frame));
            painter.setBrush(Qt::NoBrush);
            // The frame's right and bottom edges lie inside the rectangle, as a filled area's do.
            painter.drawRect(QRectF(r.x, r.y, r.width - 1, r.height - 1));
        }
    }
    void operator()(const Text &t) const
    {
        const QString text = FromGbk(t.text);
        const QFont font = ChartFont(t.pixelSize, t.bold);
        painter.setFont(font);
        painter.setPen(ToQColor(t.colour));
        const QFontMetricsF metrics(font);
        painter.save();
        painter.translate(t.x, t.y);
        painter.rotate(-t.angle);
        const double width = metrics.horizontalAdvance(text);
        const double left = t.anchor == Text::Anchor::TopCentre ? -width / 2
            : t.anchor == Text::Anchor::TopRight                ? -width
                                                                : 0;
        painter.drawText(QPointF(left, metrics.ascent()), text);
        painter.restore();
    }
    void operator()(const Circle &c) const
    {
        painter.setPen(ToQPen(c.frame));
        painter.setBrush(c.filled ? QBrush(ToQColor(c.fill)) : QBrush(Qt::NoBrush));
        painter.drawEllipse(QPointF(c.cx, c.cy), c.radius, c.radius);
    }
    void operator()(const PieSlice &p) const
    {
        painter.setPen(ToQPen(p.frame));
        painter.setBrush(ToQColor(p.fill));
        painter.drawPie(QRectF(p.x, p.y, p.size, p.size), qRound(p.start * 16), qRound(p.span * 16));
    }
};

} // namespace

QFont ChartFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("Noto Sans CJK SC"), QStringLiteral("sans-serif")});
    font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    font.setBold(bold);
    return font;
}

void PaintDisplayList(QPainter &painter, const DisplayList &picture)
{
    painter.save();
    painter.setClipRect(QRect(0, 0, picture.width, picture.height));
    Replay replay {painter};
    for (const Primitive &item : picture.items)
        std::visit(replay, item);
    painter.restore();
}

QImage RenderDisplayList(const DisplayList &picture)
{
    QImage image(std::max(picture.width, 1), std::max(picture.height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintDisplayList(painter, picture);
    painter.end();
    return image;
}

bool SaveDisplayList(QWidget *parent, const DisplayList &picture, const QString &suggestedName)
{
    QString name = QFileDialog::getSaveFileName(
        parent, QStringLiteral("保存图片"), suggestedName, QStringLiteral("PNG 图片 (*.png)"));
    if (name.isEmpty())
        return false;
    if (!name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        name += QStringLiteral(".png");
    if (!RenderDisplayList(picture).save(name, "PNG")) {
        QMessageBox::warning(parent, QStringLiteral("保存图片"), QStringLiteral("图片没能保存到 %1。").arg(name));
        return false;
    }
    return true;
}

DisplayListView::DisplayListView(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DisplayListView::SetPicture(DisplayList picture)
{
    source_ = nullptr;
    picture_ = std::move(picture);
    update();
}

void DisplayListView::SetPictureSource(std::function<DisplayList(int width, int height)> source)
{
    source_ = std::move(source);
    picture_ = source_ ? source_(width(), height()) : DisplayList {};
    update();
}

void DisplayListView::resizeEvent(QResizeEvent *)
{
    if (source_)
        picture_ = source_(width(), height());
}

void DisplayListView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PaintDisplayList(painter, picture_);
}

void DisplayListView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (at.x() >= 0 && at.y() >= 0 && at.x() < picture_.width && at.y() < picture_.height)
        emit PointerMoved(at.x(), at.y());
    else
        emit PointerMoved(-1, -1);
}

void DisplayListView::leaveEvent(QEvent *) { emit PointerMoved(-1, -1); }

} // namespace qimbel
