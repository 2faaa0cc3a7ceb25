#include "foundation/gbkfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace fnd {

// One stateless codec each way for the whole program: opening one costs more
// than converting a line, and files are decoded line by line. Files are read
// and written on the GUI thread only. Never destroyed, so they outlive every
// user at exit.
static QStringDecoder &decoder()
{
    static QStringDecoder *dec = new QStringDecoder("GBK", QStringConverter::Flag::Stateless);
    return *dec;
}

static QStringEncoder &encoder()
{
    static QStringEncoder *enc = new QStringEncoder("GBK", QStringConverter::Flag::Stateless);
    return *enc;
}

QString decodeGbk(QByteArrayView bytes)
{
    QStringDecoder &dec = decoder();
    if (!dec.isValid())
        return QString::fromLatin1(bytes);
    return dec.decode(bytes);
}

QByteArray encodeGbk(QStringView text)
{
    QStringEncoder &enc = encoder();
    if (!enc.isValid())
        return text.toLatin1();
    return enc.encode(text);
}

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = p[i];
        if (c == '\r' || c == '\n') {
            lines.append(QByteArray(p + start, i - start));
            if (c == '\r' && i + 1 < n && p[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(QByteArray(p + start, n - start));
    return lines;
}

static std::optional<QByteArray> readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

std::optional<QStringList> readLines(const QString &path)
{
    const auto bytes = readAll(path);
    if (!bytes)
        return std::nullopt;
    QStringList out;
    const auto raw = splitLines(*bytes);
    out.reserve(raw.size());
    for (const QByteArray &l : raw)
        out.append(decodeGbk(l));
    return out;
}

std::optional<QString> readLineClamped(const QString &path, int n)
{
    if (n < 1)
        return std::nullopt;
    const auto lines = readLines(path);
    if (!lines || lines->isEmpty())
        return std::nullopt;
    return lines->at(std::min<qsizetype>(n, lines->size()) - 1);
}

std::optional<QString> readLineExact(const QString &path, int n)
{
    const auto lines = readLines(path);
    if (!lines || n < 1 || n > lines->size())
        return std::nullopt;
    return lines->at(n - 1);
}

static QByteArray joinCrlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines) {
        out += encodeGbk(l);
        out += "\r\n";
    }
    return out;
}

bool writeLines(const QString &path, const QStringList &lines) { return writeBytes(path, joinCrlf(lines)); }

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool appendLines(const QString &path, const QStringList &lines)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray data = joinCrlf(lines);
    return f.write(data) == data.size();
}

} // namespace fnd
