#include "desktop/pages/GbkBridge.h"

#include "typeset/GbkUnicode.h"

#include <QByteArray>
#include <QStringDecoder>

namespace qimbel {

QString FromGbk(const std::string &gbk)
{
    QStringDecoder decoder("GBK");
    QString text = decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString FromGbk(const char *gbk) { return FromGbk(std::string(gbk != nullptr ? gbk : "")); }

namespace {

TypedText Read(const QString &text)
{
    QString lines = text;
    lines.replace(QChar::LineSeparator, QLatin1Char('\n'));
    lines.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const QByteArray utf8 = lines.toUtf8();
    return ReadTypedUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace

std::string ToGbk(const QString &text) { return Read(text).gbk; }

QString UnreadableCharacter(const QString &text) { return QString::fromStdString(Read(text).refusal); }

} // namespace qimbel
