#include "simwin/scene/linecache.h"

#include "foundation/filestamp.h"
#include "foundation/gbkfile.h"

#include <QHash>

#include <vector>

namespace scene {

namespace {
// A file's bytes and the places of its lines; a line is decoded the first
// time it is asked for, so one record of a file of a million lines costs
// the reading of the file, not the decoding of every line.
struct Lines {
    QByteArray bytes;
    fnd::LineSpans spans;
    QHash<qsizetype, QString> decoded;
    std::shared_ptr<const QStringList> all;

    explicit Lines(QByteArray b) : bytes(std::move(b)), spans(fnd::lineSpans(bytes)) {}
    QString decode(qsizetype i) const
    {
        return fnd::decodeGbk(QByteArrayView(bytes.constData() + spans[size_t(i)].first, spans[size_t(i)].second));
    }
    const QString &line(qsizetype i)
    {
        auto it = decoded.find(i);
        if (it == decoded.end())
            it = decoded.insert(i, decode(i));
        return *it;
    }
};

struct Entry {
    fnd::FileStamp stamp;
    std::shared_ptr<Lines> lines;
    quint64 used = 0; // when last asked for, on the cache's own count
};

// A run reads a few files (its step and question files, the answer-text
// file, the pop-up menus); every unit's practice has step files of its own,
// so older files are let go beyond this many.
constexpr qsizetype KeptFiles = 8;

QHash<QString, Entry> &entries()
{
    static QHash<QString, Entry> e;
    return e;
}

quint64 nextUse()
{
    static quint64 count = 0;
    return ++count;
}

// Lets the least recently asked-for files go, beyond KeptFiles.
void keepRecent()
{
    while (entries().size() > KeptFiles) {
        auto oldest = entries().begin();
        for (auto it = entries().begin(); it != entries().end(); ++it)
            if (it->used < oldest->used)
                oldest = it;
        entries().erase(oldest);
    }
}

// The kept file, read again when it changed; nullptr when it cannot be read.
Lines *linesOf(const QString &path)
{
    const auto stamp = fnd::fileStamp(path);
    if (!stamp) {
        entries().remove(path);
        return nullptr;
    }
    auto it = entries().find(path);
    if (it != entries().end() && it->stamp == *stamp) {
        it->used = nextUse();
        return it->lines.get();
    }
    auto bytes = fnd::readBytes(path);
    if (!bytes) {
        entries().remove(path);
        return nullptr;
    }
    auto lines = std::make_shared<Lines>(std::move(*bytes));
    entries().insert(path, Entry{*stamp, lines, nextUse()});
    keepRecent();
    return lines.get();
}

} // namespace

std::shared_ptr<const QStringList> cachedLines(const QString &path)
{
    Lines *l = linesOf(path);
    if (!l)
        return nullptr;
    if (!l->all) {
        QStringList all;
        all.reserve(qsizetype(l->spans.size()));
        for (qsizetype i = 0; i < qsizetype(l->spans.size()); ++i)
            all.append(l->decode(i));
        l->all = std::make_shared<const QStringList>(std::move(all));
    }
    return l->all;
}

std::optional<QString> cachedLineClamped(const QString &path, int n)
{
    Lines *l = linesOf(path);
    if (!l || l->spans.empty())
        return std::nullopt;
    const qsizetype size = qsizetype(l->spans.size());
    return l->line((n < 1 || n > size) ? size - 1 : n - 1);
}

void clearLineCache() { entries().clear(); }

} // namespace scene
