// The text box of a problem page shows worked solutions that are aligned with blanks, counting
// every character that is two bytes in GBK (Chinese characters, full-width signs, Greek letters,
// box-drawing signs ...) as two columns. The fonts at hand draw Latin letters 0.6 em wide and
// Chinese characters 1 em wide, so a fixed-pitch font alone does not line the columns up: the
// text box also widens every two-byte character to exactly two columns.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QSyntaxHighlighter>

namespace qimbel {

// The fixed-pitch font of the text box, with Chinese glyphs.
QFont TextBoxFont();

// Spaces every non-ASCII character of a document out to two columns of `font`.
class TwoColumnSpacing : public QSyntaxHighlighter {
public:
    TwoColumnSpacing(QTextDocument *document, const QFont &font);

protected:
    void highlightBlock(const QString &text) override;

private:
    // The spacing that makes `character` two columns wide.
    qreal ExtraSpacing(const QString &character);

    QFontMetricsF metrics_;
    qreal column_;
    QHash<QString, qreal> extra_;
};

} // namespace qimbel
