#include "simwin/scene/linecache.h"

#include "foundation/filestamp.h"
#include "foundation/gbkfile.h"

#include <QHash>

namespace scene {

namespace {
struct Entry {
    fnd::FileStamp stamp;
    std::shared_ptr<const QStringList> lines;
};

QHash<QString, Entry> &entries()
{
    static QHash<QString, Entry> e;
    return e;
}

} // namespace

std::shared_ptr<const QStringList> cachedLines(const QString &path)
{
    const auto stamp = fnd::fileStamp(path);
    if (!stamp) {
        entries().remove(path);
        return nullptr;
    }
    auto it = entries().find(path);
    if (it != entries().end() && it->stamp == *stamp)
        return it->lines;
    auto read = fnd::readLines(path);
    if (!read) {
        entries().remove(path);
        return nullptr;
    }
    auto shared = std::make_shared<const QStringList>(std::move(*read));
    entries().insert(path, Entry{*stamp, shared});
    return shared;
}

std::optional<QString> cachedLineClamped(const QString &path, int n)
{
    const auto l = cachedLines(path);
    if (!l || l->isEmpty())
        return std::nullopt;
    const qsizetype idx = (n < 1 || n > l->size()) ? l->size() - 1 : n - 1;
    return l->at(idx);
}

void clearLineCache() { entries().clear(); }

} // namespace scene
