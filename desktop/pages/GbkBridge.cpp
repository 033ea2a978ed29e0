#include "desktop/pages/GbkBridge.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace qimbel {

QString FromGbk(const std::string &gbk)
{
    QStringDecoder decoder("GBK");
    QString text = decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString FromGbk(const char *gbk) { return FromGbk(std::string(gbk != nullptr ? gbk : "")); }

std::string ToGbk(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QChar::LineSeparator, QLatin1Char('\n'));
    lines.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));

    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(lines);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace qimbel
