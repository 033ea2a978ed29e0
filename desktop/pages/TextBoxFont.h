// The text box of a problem page shows worked solutions that are aligned with blanks, counting
// every character that is two bytes in GBK (Chinese characters, full-width signs, Greek letters,
// box-drawing signs ...) as two columns. WenQuanYi Zen Hei Mono draws Latin letters half an em
// and Chinese characters one em wide, so Chinese text needs no help. A few two-byte signs that
// the solver writes ("×", "÷", "α", "≥" ...) come out narrower in every font at hand; the text
// box widens those, and only those, to exactly two columns.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QSyntaxHighlighter>

namespace qimbel {

// The fixed-pitch font of the text box, with Chinese glyphs two Latin columns wide.
QFont TextBoxFont();

// The room to add after `character` so that it takes two columns of `metrics`: 0 for ASCII and
// for characters that already take two columns.
qreal TwoColumnShortfall(const QFontMetricsF &metrics, const QString &character);

// Spaces every non-ASCII character of a document that is narrower than two columns of `font`
// out to two columns.
class TwoColumnSpacing : public QSyntaxHighlighter {
public:
    TwoColumnSpacing(QTextDocument *document, const QFont &font);

protected:
    void highlightBlock(const QString &text) override;

private:
    // The spacing that makes `character` two columns wide.
    qreal ExtraSpacing(const QString &character);

    QFontMetricsF metrics_;
    QHash<QString, qreal> extra_;
};

} // namespace qimbel
