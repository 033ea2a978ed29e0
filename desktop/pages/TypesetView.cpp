#include "desktop/pages/TypesetView.h"

#include "desktop/pages/GbkBridge.h"
#include "desktop/pages/PrintedPage.h"
#include "desktop/pages/TextBoxFont.h"
#include "typeset/TypesetLayout.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace qimbel {

namespace {

constexpr double kMargin = 8;
// Points of the typeset printout: a little larger than the plain one, for fractions and exponents.
constexpr double kPrintPointSize = 11;

} // namespace

QFont QtTypesetMetrics::Font(TsFont font, double size) const
{
    QFont f = TextBoxFont();
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    if (font == TsFont::Italic)
        f.setItalic(true);
    return f;
}

const QFontMetricsF &QtTypesetMetrics::Metrics(TsFont font, double size) const
{
    const qint64 key = static_cast<qint64>(std::lround(size * 16)) * 8 + static_cast<int>(font);
    auto it = cache_.find(key);
    if (it == cache_.end())
        it = cache_
                 .emplace(key,
                     device_ != nullptr ? QFontMetricsF(Font(font, size), device_) : QFontMetricsF(Font(font, size)))
                 .first;
    return it->second;
}

double QtTypesetMetrics::Advance(std::string_view utf8, TsFont font, double size) const
{
    return Metrics(font, size).horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

double QtTypesetMetrics::Ascent(double size) const { return Metrics(TsFont::Text, size).ascent(); }

double QtTypesetMetrics::Descent(double size) const { return Metrics(TsFont::Text, size).descent(); }

void PaintTypeset(QPainter &painter, const TsDisplayList &list, const QtTypesetMetrics &metrics)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor ink = painter.pen().color();
    for (const TsGlyphs &g : list.glyphs) {
        const QFont font = metrics.Font(g.font, g.size);
        painter.setFont(font);
        const QString text = QString::fromUtf8(g.text.data(), static_cast<qsizetype>(g.text.size()));
        // A glyph narrower than its box (a narrow sign in a grid cell pair) stands in its middle.
        const double advance = metrics.Advance(g.text, g.font, g.size);
        // The marks of a marked copy: a green ✓, a red ✗; everything else in the text colour.
        painter.setPen(g.ink == TsInk::Right ? QColor(0x1a, 0x7f, 0x37)
                : g.ink == TsInk::Wrong      ? QColor(0xc6, 0x28, 0x28)
                                             : ink);
        painter.drawText(QPointF(g.x + std::max(0.0, (g.width - advance) / 2), g.baseline), text);
    }
    for (const TsRule &r : list.rules) {
        painter.setPen(QPen(ink, r.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawLine(QPointF(r.x1, r.y1), QPointF(r.x2, r.y2));
    }
    painter.restore();
}

void PrintTypesetOn(QPagedPaintDevice &device, const QString &title, const std::string &gbk, bool divisionBars)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    const QtTypesetMetrics metrics(&device);
    // The size of the plain printout's text, in the device's pixels, a little larger for the
    // fractions and exponents.
    const double size = kPrintPointSize * device.logicalDpiY() / 72.0;
    const double pageWidth = device.width();
    // Labels that would not fit beside their steps go under them; only a step wider than the
    // paper scales the page down.
    const TsDisplayList list = LayoutTypeset(ReadTypeset(gbk, divisionBars), metrics, size, 0, pageWidth);
    const double pageHeight = device.height();
    const double scale = list.width > pageWidth ? pageWidth / list.width : 1.0;

    QFont heading = metrics.Font(TsFont::Text, size);
    heading.setBold(true);
    painter.setFont(heading);
    const double headingHeight = QFontMetricsF(heading, &device).height() * 2;
    painter.drawText(QPointF(0, QFontMetricsF(heading, &device).ascent()), title);

    // Lines go onto the page until the next one would cross its foot.
    std::size_t line = 0;
    double top = headingHeight;
    while (line < list.lines.size()) {
        const double start = list.lines[line].y;
        std::size_t end = line;
        while (end < list.lines.size()
            && (end == line || top + (list.lines[end].y + list.lines[end].height - start) * scale <= pageHeight))
            ++end;
        TsDisplayList page;
        const double bottom = list.lines[end - 1].y + list.lines[end - 1].height;
        for (std::size_t i = line; i < end; ++i)
            for (std::size_t g = list.lines[i].firstGlyph; g < list.lines[i].firstGlyph + list.lines[i].glyphCount; ++g)
                page.glyphs.push_back(list.glyphs[g]);
        for (const TsRule &r : list.rules)
            if (std::min(r.y1, r.y2) >= start && std::max(r.y1, r.y2) <= bottom)
                page.rules.push_back(r);
        painter.save();
        painter.translate(0, top);
        painter.scale(scale, scale);
        painter.translate(0, -start);
        PaintTypeset(painter, page, metrics);
        painter.restore();
        line = end;
        if (line < list.lines.size()) {
            device.newPage();
            top = 0;
        }
    }
}

bool ExportTypesetPdf(const QString &path, const QString &title, const std::string &gbk, bool divisionBars)
{
    return WritePdf(path, title, [&](QPagedPaintDevice &device) { PrintTypesetOn(device, title, gbk, divisionBars); });
}

TypesetView::TypesetView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("typeset_view"));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TypesetView::SetText(const std::string &gbk, bool divisionBars)
{
    if (gbk == text_ && divisionBars == divisionBars_ && !list_.lines.empty())
        return;
    text_ = gbk;
    divisionBars_ = divisionBars;
    document_ = ReadTypeset(text_, divisionBars);
    anchor_ = cursor_ = -1;
    Relayout();
}

void TypesetView::Relayout()
{
    layoutWidth_ = viewport()->width();
    list_ = LayoutTypeset(document_, metrics_, kTypesetPixelSize, kMargin, layoutWidth_);
    UpdateScrollBars();
    viewport()->update();
}

QString TypesetView::SelectedText() const
{
    if (list_.lines.empty())
        return {};
    int first = 0, last = static_cast<int>(list_.lines.size()) - 1;
    if (anchor_ >= 0) {
        first = std::min(anchor_, cursor_);
        last = std::max(anchor_, cursor_);
    }
    const std::size_t begin = list_.lines[first].begin;
    std::size_t end = list_.lines[last].end;
    // The last selected line without its line end, as a plain text box copies a line.
    while (end > begin && (text_[end - 1] == '\n' || text_[end - 1] == '\r'))
        --end;
    return FromGbk(text_.substr(begin, end - begin));
}

void TypesetView::SelectAll()
{
    if (list_.lines.empty())
        return;
    anchor_ = 0;
    cursor_ = static_cast<int>(list_.lines.size()) - 1;
    viewport()->update();
}

void TypesetView::Copy() const { QApplication::clipboard()->setText(SelectedText()); }

int TypesetView::TopLine() const { return LineAt(verticalScrollBar()->value()); }

void TypesetView::ScrollToLine(int line)
{
    if (line >= 0 && line < static_cast<int>(list_.lines.size()))
        verticalScrollBar()->setValue(static_cast<int>(list_.lines[line].y));
}

int TypesetView::LineAt(double y) const
{
    if (list_.lines.empty())
        return -1;
    const auto it = std::upper_bound(list_.lines.begin(), list_.lines.end(), y,
        [](double value, const TsLineBox &line) { return value < line.y + line.height; });
    return static_cast<int>(std::min<std::size_t>(it - list_.lines.begin(), list_.lines.size() - 1));
}

void TypesetView::UpdateScrollBars()
{
    const QSize area = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(std::ceil(list_.width)) - area.width()));
    horizontalScrollBar()->setPageStep(area.width());
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(std::ceil(list_.height)) - area.height()));
    verticalScrollBar()->setPageStep(area.height());
    verticalScrollBar()->setSingleStep(24);
}

void TypesetView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    if (anchor_ >= 0) {
        const int first = std::min(anchor_, cursor_), last = std::max(anchor_, cursor_);
        const double top = list_.lines[first].y;
        const double bottom = list_.lines[last].y + list_.lines[last].height;
        painter.fillRect(QRectF(0, top, std::max<double>(list_.width, viewport()->width()), bottom - top),
            palette().color(QPalette::Highlight).lighter(170));
    }
    painter.setPen(palette().color(QPalette::Text));
    PaintTypeset(painter, list_, metrics_);
}

void TypesetView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    // The lines are laid out for the view's width: a wider or narrower view moves labels
    // beside or under their steps.
    if (viewport()->width() != layoutWidth_ && !document_.lines.empty())
        Relayout();
    else
        UpdateScrollBars();
}

void TypesetView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int line = LineAt(event->position().y() + verticalScrollBar()->value());
    if (event->modifiers() & Qt::ShiftModifier && anchor_ >= 0)
        cursor_ = line;
    else
        anchor_ = cursor_ = line;
    viewport()->update();
}

void TypesetView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || anchor_ < 0)
        return;
    cursor_ = LineAt(event->position().y() + verticalScrollBar()->value());
    viewport()->update();
}

void TypesetView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    // A paste is typing too: it goes into the plain text, never lost here.
    if (event->matches(QKeySequence::Paste)) {
        const QString pasted = QApplication::clipboard()->text();
        if (!pasted.isEmpty())
            emit TypingStarted(pasted);
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text[0].isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit TypingStarted(text);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TypesetView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("复制"), this, &TypesetView::Copy);
    menu.addAction(QStringLiteral("全选"), this, &TypesetView::SelectAll);
    menu.exec(event->globalPos());
}

} // namespace qimbel
