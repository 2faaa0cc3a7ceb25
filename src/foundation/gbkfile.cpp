#include "foundation/gbkfile.h"

#include "platform/wholefile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Bytes below 0x80 are ASCII in GBK, a lead byte of a two-byte character is
// 0x81 or more, and 0x80 is a character of its own: text of ASCII bytes only
// converts as Latin-1, without the codec.
static bool allAscii(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    // Eight bytes at a time: none has its high bit set.
    for (; i + 8 <= n; i += 8) {
        quint64 word;
        std::memcpy(&word, p + i, 8);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; i < n; ++i)
        if (uchar(p[i]) >= 0x80)
            return false;
    return true;
}

static bool allAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

QString decodeGbk(QByteArrayView bytes)
{
    if (allAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder &dec = decoder();
    if (!dec.isValid())
        return QString::fromLatin1(bytes);
    return dec.decode(bytes);
}

QByteArray encodeGbk(QStringView text)
{
    if (allAscii(text))
        return text.toLatin1();
    QStringEncoder &enc = encoder();
    if (!enc.isValid())
        return text.toLatin1();
    return enc.encode(text);
}

LineSpans lineSpans(QByteArrayView bytes)
{
    LineSpans spans;
    const char *p = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = p[i];
        if (c == '\r' || c == '\n') {
            spans.emplace_back(start, i - start);
            if (c == '\r' && i + 1 < n && p[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        spans.emplace_back(start, n - start);
    return spans;
}

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    const LineSpans spans = lineSpans(bytes);
    lines.reserve(qsizetype(spans.size()));
    for (const auto &[start, length] : spans)
        lines.append(bytes.mid(start, length));
    return lines;
}

bool openForReading(QFile &file)
{
    // Opened without waiting, then looked at through the open handle, so
    // what is checked is what is read.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool isReadableFile(const QString &path)
{
    QFile f(path);
    return openForReading(f);
}

std::optional<QByteArray> readBytes(const QString &path)
{
    QFile f(path);
    if (!openForReading(f))
        return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt; // a partial read is no copy of the file
    return bytes;
}

namespace {
// The lines of a file read in blocks from its start, each line's bytes
// kept up to a bound.
class LineStream
{
public:
    LineStream(QFile &f, qsizetype maxBytes) : f_(f), max_(maxBytes) {}

    // The next line; false at the end of the file. Without keepBytes the
    // line is only passed over: line stays empty.
    bool next(QByteArray &line, bool keepBytes = true)
    {
        line.clear();
        bool any = false;
        for (;;) {
            if (pos_ == len_ && !fill())
                return any;
            if (skipLf_) {
                skipLf_ = false;
                if (buf_[pos_] == '\n' && ++pos_ == len_)
                    continue;
            }
            const char *start = buf_ + pos_;
            const char *end = buf_ + len_;
            const char *stop = start;
            while (stop < end && *stop != '\r' && *stop != '\n')
                ++stop;
            any = true;
            if (keepBytes)
                keep(line, start, stop - start);
            pos_ = stop - buf_;
            if (stop < end) {
                skipLf_ = *stop == '\r';
                ++pos_;
                return true;
            }
        }
    }

private:
    bool fill()
    {
        const qint64 n = f_.read(buf_, sizeof buf_);
        pos_ = 0;
        len_ = n > 0 ? qsizetype(n) : 0;
        return len_ > 0;
    }
    void keep(QByteArray &line, const char *p, qsizetype n) const
    {
        if (max_ >= 0)
            n = std::min(n, max_ - line.size());
        if (n <= 0)
            return;
        // A line longer than a whole block is given room for the rest of the
        // file (within its bound, and at most 256 MB at a time) at once: a
        // line of 50 MB is not moved again at every doubling. A short line
        // that only crosses from one block to the next grows as usual.
        if (line.size() + n > line.capacity()) {
            qsizetype room = line.size() + n;
            if (line.size() >= qsizetype(sizeof buf_)) {
                constexpr qsizetype Step = qsizetype(256) << 20;
                qsizetype rest = line.size() + n + std::max<qint64>(f_.size() - f_.pos(), 0);
                if (max_ >= 0)
                    rest = std::min(rest, max_);
                room = std::max({room, 2 * line.capacity(), std::min(rest, line.size() + Step)});
            }
            line.reserve(room);
        }
        line.append(p, n);
    }

    QFile &f_;
    qsizetype max_;
    char buf_[64 * 1024];
    qsizetype pos_ = 0, len_ = 0;
    bool skipLf_ = false;
};

// Line n (from 1), or with clamp the last line when the file has fewer.
std::optional<QString> readOneLine(const QString &path, int n, bool clamp, qsizetype maxBytes)
{
    if (n < 1)
        return std::nullopt;
    QFile f(path);
    if (!openForReading(f))
        return std::nullopt;
    auto stream = std::make_unique<LineStream>(f, maxBytes);
    QByteArray line, last;
    bool haveLast = false;
    // Lines before n are passed over; with clamp each may be the last.
    for (int no = 1; stream->next(line, clamp || no == n); ++no) {
        if (no == n)
            return decodeGbk(line);
        last.swap(line);
        haveLast = true;
    }
    if (clamp && haveLast)
        return decodeGbk(last);
    return std::nullopt;
}
} // namespace

std::optional<QStringList> readLines(const QString &path)
{
    const auto bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    QStringList out;
    const auto raw = splitLines(*bytes);
    out.reserve(raw.size());
    for (const QByteArray &l : raw)
        out.append(decodeGbk(l));
    return out;
}

std::optional<HeadLines> readHeadLines(const QString &path, int maxLines, qsizetype maxBytes)
{
    QFile f(path);
    if (!openForReading(f))
        return std::nullopt;
    auto stream = std::make_unique<LineStream>(f, maxBytes);
    HeadLines out;
    QByteArray line;
    while (stream->next(line, out.lines.size() < maxLines)) {
        if (out.lines.size() < maxLines)
            out.lines.append(decodeGbk(line));
        else
            ++out.beyond;
    }
    return out;
}

std::optional<QString> readLineClamped(const QString &path, int n, qsizetype maxBytes)
{
    return readOneLine(path, n, true, maxBytes);
}

std::optional<QString> readLineExact(const QString &path, int n, qsizetype maxBytes)
{
    return readOneLine(path, n, false, maxBytes);
}

QByteArray joinCrlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines) {
        // The first line's bytes become the whole, not a copy of them.
        if (out.isNull())
            out = encodeGbk(l);
        else
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
    return plat::commitWhole(f, bytes.size());
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
