#include "platform/htmltext.h"

#include <QStringDecoder>

namespace plat {

namespace {

// Only the page's head is searched for the character set.
constexpr qsizetype HeadBytes = 1024;

bool isNameByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
           || c == '.' || c == ':';
}

QString namedCharset(const QByteArray &page)
{
    const QByteArray head = page.left(HeadBytes);
    const QByteArray lower = head.toLower();
    for (qsizetype at = lower.indexOf("charset"); at >= 0; at = lower.indexOf("charset", at + 1)) {
        qsizetype k = at + 7;
        while (k < lower.size() && (lower[k] == ' ' || lower[k] == '\t'))
            ++k;
        if (k >= lower.size() || lower[k] != '=')
            continue;
        ++k;
        while (k < lower.size() && (lower[k] == ' ' || lower[k] == '\t' || lower[k] == '"' || lower[k] == '\''))
            ++k;
        const qsizetype start = k;
        while (k < head.size() && isNameByte(head[k]))
            ++k;
        if (k > start)
            return QString::fromLatin1(head.mid(start, k - start));
    }
    return {};
}

} // namespace

QString htmlCharset(const QByteArray &page)
{
    if (page.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("UTF-8");
    if (page.startsWith("\xFF\xFE"))
        return QStringLiteral("UTF-16LE");
    if (page.startsWith("\xFE\xFF"))
        return QStringLiteral("UTF-16BE");
    return namedCharset(page);
}

QString decodeHtml(const QByteArray &page)
{
    const QString name = htmlCharset(page);
    if (!name.isEmpty()) {
        QStringDecoder named(name.toLatin1().constData(), QStringDecoder::Flag::Stateless);
        if (named.isValid())
            return named.decode(page); // a mark is skipped by the decoder
    }
    QStringDecoder gbk("GBK", QStringDecoder::Flag::Stateless);
    return gbk.decode(page);
}

} // namespace plat
