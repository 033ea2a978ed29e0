#include "desktop/pages/PrintedPage.h"

#include "desktop/pages/TextBoxFont.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>
#include <vector>

namespace qimbel {

namespace {

// Points: about 100 columns fit between the margins of an A4 page.
constexpr qreal kPrintPointSize = 9.5;
constexpr qreal kMarginMillimetres = 15;

QFont PrintFont()
{
    QFont font = TextBoxFont();
    font.setPointSizeF(kPrintPointSize);
    return font;
}

// The character format of a character followed by `after` more room: it is stretched by a
// percentage of its own advance, so the room holds at any resolution.
QTextCharFormat FormatOf(const QFontMetricsF &metrics, const QString &character, qreal after)
{
    QTextCharFormat format;
    const qreal advance = metrics.horizontalAdvance(character);
    if (after != 0 && advance > 0) {
        format.setFontLetterSpacingType(QFont::PercentageSpacing);
        format.setFontLetterSpacing(100 * (advance + after) / advance);
    }
    return format;
}

} // namespace

std::unique_ptr<QTextDocument> PrintedDocument(const QString &title, const QString &text)
{
    auto document = std::make_unique<QTextDocument>();
    const QFont font = PrintFont();
    document->setDefaultFont(font);
    document->setDocumentMargin(0);
    const QFontMetricsF metrics(font);

    QTextCursor cursor(document.get());
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    cursor.insertText(title, heading);
    cursor.insertBlock();
    cursor.insertBlock();

    // The characters (a character outside the Basic Multilingual Plane is two UTF-16 units) and
    // the room to leave after each. A narrow two-byte sign is stretched to two columns as in the
    // text box: half of the room it lacks goes before its glyph (after the character in front of
    // it on the line), half after, so that "×" stands in the middle of its two columns.
    struct Character {
        QString text;
        qreal after = 0;
    };
    std::vector<Character> characters;
    characters.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length
            = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        Character character {text.mid(i, length)};
        i += length;
        const qreal shortfall = TwoColumnShortfall(metrics, character.text);
        qreal before = 0;
        if (shortfall != 0 && !characters.empty() && characters.back().text != QLatin1String("\n")
            && metrics.horizontalAdvance(characters.back().text) > 0) {
            before = shortfall / 2;
            characters.back().after += before;
        }
        character.after = shortfall - before;
        characters.push_back(std::move(character));
    }

    // Runs of characters with the same format go in together.
    QString run;
    QTextCharFormat runFormat;
    const auto flush = [&] {
        if (!run.isEmpty())
            cursor.insertText(run, runFormat);
        run.clear();
    };
    for (const Character &character : characters) {
        if (character.text == QLatin1String("\n")) {
            flush();
            cursor.insertBlock();
            continue;
        }
        const QTextCharFormat format = FormatOf(metrics, character.text, character.after);
        if (format != runFormat) {
            flush();
            runFormat = format;
        }
        run += character.text;
    }
    flush();
    return document;
}

void PrintOn(QPagedPaintDevice &device, const QString &title, const QString &text)
{
    PrintedDocument(title, text)->print(&device);
}

bool ExportPdf(const QString &path, const QString &title, const QString &text)
{
    return WritePdf(path, title, [&](QPagedPaintDevice &device) { PrintOn(device, title, text); });
}

bool WritePdf(const QString &path, const QString &title, const std::function<void(QPagedPaintDevice &)> &paint)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Qimbel"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
            QPageLayout::Millimeter));
        paint(writer);
    }
    // The file takes its name only when everything was written.
    return file.commit();
}

} // namespace qimbel
