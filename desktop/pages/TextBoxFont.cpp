#include "desktop/pages/TextBoxFont.h"

#include <QTextCharFormat>

#include <vector>

namespace qimbel {

QFont TextBoxFont()
{
    QFont font;
    // Both fonts draw a Chinese character exactly as wide as two Latin characters.
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("Noto Sans Mono CJK SC"),
        QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // At 16 pixels the advances are whole pixels (Latin 8, Chinese 16): the columns stay on the
    // pixel grid.
    font.setPixelSize(16);
    return font;
}

qreal TwoColumnShortfall(const QFontMetricsF &metrics, const QString &character)
{
    if (character.isEmpty() || character[0].unicode() < 0x80)
        return 0;
    const qreal shortfall = 2 * metrics.horizontalAdvance(QLatin1Char(' ')) - metrics.horizontalAdvance(character);
    // Glyph advances are measured in fractions of a pixel; a difference below that is none.
    return qAbs(shortfall) < 0.01 ? 0 : shortfall;
}

TwoColumnSpacing::TwoColumnSpacing(QTextDocument *document, const QFont &font)
    : QSyntaxHighlighter(document)
    , metrics_(font)
{
}

qreal TwoColumnSpacing::ExtraSpacing(const QString &character)
{
    const auto known = extra_.constFind(character);
    if (known != extra_.constEnd())
        return *known;
    const qreal extra = TwoColumnShortfall(metrics_, character);
    extra_.insert(character, extra);
    return extra;
}

void TwoColumnSpacing::highlightBlock(const QString &text)
{
    // The characters of the line (a character outside the Basic Multilingual Plane is two UTF-16
    // units) and the room to leave after each.
    struct Character {
        qsizetype start;
        qsizetype length;
        qreal after;
    };
    std::vector<Character> characters;
    characters.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length
            = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        characters.push_back({i, length, 0});
        i += length;
    }

    // A narrow two-byte character gets the room it lacks half before and half after its glyph,
    // so a sign such as "×" stands in the middle of its two columns; the room before is the
    // spacing after the character in front of it. Chinese characters need no room.
    for (std::size_t k = 0; k < characters.size(); ++k) {
        Character &character = characters[k];
        if (text[character.start].unicode() < 0x80)
            continue;
        const qreal extra = ExtraSpacing(text.mid(character.start, character.length));
        if (extra == 0)
            continue;
        const qreal before = k > 0 ? extra / 2 : 0;
        if (k > 0)
            characters[k - 1].after += before;
        character.after += extra - before;
    }

    for (const Character &character : characters) {
        if (character.after == 0)
            continue;
        QTextCharFormat format;
        format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        format.setFontLetterSpacing(character.after);
        setFormat(static_cast<int>(character.start), static_cast<int>(character.length), format);
    }
}

} // namespace qimbel
