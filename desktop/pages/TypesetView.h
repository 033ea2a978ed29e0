// 课本排版: the text box typeset like a textbook (stacked fractions, raised powers, radicals, one
// column of step labels), read-only. The typesetter in typeset/ decides everything; this view
// measures with Qt's fonts, paints the display list, scrolls, and lets the pupil select whole
// lines and copy them as the plain text they stand for.
#pragma once

#include "typeset/TypesetDisplay.h"
#include "typeset/TypesetTree.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QFontMetricsF>

#include <string>
#include <unordered_map>

class QPainter;
class QPaintDevice;
class QPagedPaintDevice;

namespace qimbel {

// Font metrics of the typeset page, for the screen (device nullptr) or a printer.
class QtTypesetMetrics : public TsMetrics {
public:
    explicit QtTypesetMetrics(QPaintDevice *device = nullptr)
        : device_(device)
    {
    }
    double Advance(std::string_view utf8, TsFont font, double size) const override;
    double Ascent(double size) const override;
    double Descent(double size) const override;
    QFont Font(TsFont font, double size) const;

private:
    const QFontMetricsF &Metrics(TsFont font, double size) const;
    QPaintDevice *device_;
    mutable std::unordered_map<qint64, QFontMetricsF> cache_;
};

// Pixel size of the typeset text on screen; exponents are three quarters of it.
inline constexpr double kTypesetPixelSize = 18;

// Paints a display list with its origin at the painter's origin.
void PaintTypeset(QPainter &painter, const TsDisplayList &list, const QtTypesetMetrics &metrics);

// 打印 and 导出PDF of the typeset view: the title, then the typeset lines, a line never cut across
// two pages; a page wider than the paper is scaled down to its width.
// `divisionBars`: "÷" is set as a fraction bar (see ReadTypeset).
void PrintTypesetOn(QPagedPaintDevice &device, const QString &title, const std::string &gbk, bool divisionBars = false);
bool ExportTypesetPdf(const QString &path, const QString &title, const std::string &gbk, bool divisionBars = false);

class TypesetView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TypesetView(QWidget *parent = nullptr);

    // The text box as the page model holds it: GBK with CR LF line ends; `divisionBars` for the
    // types that read "÷" as a fraction bar.
    void SetText(const std::string &gbk, bool divisionBars = false);
    const TsDisplayList &Page() const { return list_; }

    // The selected lines (all of them when none is selected) as plain text, LF line ends.
    QString SelectedText() const;
    void SelectAll();
    void Copy() const;
    // The line at the top of the view, and scrolling a line there.
    int TopLine() const;
    void ScrollToLine(int line);

signals:
    // A key that types text was pressed here: typing belongs to the plain text.
    void TypingStarted(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int LineAt(double y) const;
    void UpdateScrollBars();
    void Relayout();

    std::string text_;
    TsDocument document_;
    bool divisionBars_ = false;
    int layoutWidth_ = -1;
    TsDisplayList list_;
    QtTypesetMetrics metrics_;
    int anchor_ = -1, cursor_ = -1; // selected lines, anchor_..cursor_ in either order
};

} // namespace qimbel
