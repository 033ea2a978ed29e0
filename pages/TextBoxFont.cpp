#include "pages/TextBoxFont.h"

#include <QTextCharFormat>

#include <vector>

namespace qimbel {

QFont TextBoxFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei Mono"), QStringLiteral("WenQuanYi Zen Hei Mono"),
        QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // At 15 pixels the advances of these fonts are whole pixels (Latin 9, Chinese 15), so the
    // widened characters land exactly on the column grid.
    font.setPixelSize(15);
    return font;
}

TwoColumnSpacing::TwoColumnSpacing(QTextDocument *document, const QFont &font)
    : QSyntaxHighlighter(document)
    , metrics_(font)
    , column_(metrics_.horizontalAdvance(QLatin1Char(' ')))
{
}

qreal TwoColumnSpacing::ExtraSpacing(const QString &character)
{
    const auto known = extra_.constFind(character);
    if (known != extra_.constEnd())
        return *known;
    const qreal extra = 2 * column_ - metrics_.horizontalAdvance(character);
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

    // A two-byte character gets the room it lacks half before and half after its glyph, so a
    // narrow sign such as "×" stands in the middle of its two columns; the room before is the
    // spacing after the character in front of it.
    for (std::size_t k = 0; k < characters.size(); ++k) {
        Character &character = characters[k];
        if (text[character.start].unicode() < 0x80)
            continue;
        const qreal extra = ExtraSpacing(text.mid(character.start, character.length));
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
