#include "simwin/scene/linecache.h"

#include "foundation/gbkfile.h"

#include <QFile>
#include <QHash>
#include <sys/stat.h>

namespace linecache {

namespace {
struct Stamp {
    long long mtimeNs = 0;
    long long ctimeNs = 0;
    long long size = -1;
    unsigned long long inode = 0;
    bool operator==(const Stamp &) const = default;
};

struct Entry {
    Stamp stamp;
    std::shared_ptr<const QStringList> lines;
};

QHash<QString, Entry> &entries()
{
    static QHash<QString, Entry> e;
    return e;
}

std::optional<Stamp> stampOf(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    Stamp s;
    s.mtimeNs = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    s.ctimeNs = (long long)st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
    s.size = st.st_size;
    s.inode = st.st_ino;
    return s;
}
} // namespace

std::shared_ptr<const QStringList> lines(const QString &path)
{
    const auto stamp = stampOf(path);
    if (!stamp) {
        entries().remove(path);
        return nullptr;
    }
    auto it = entries().find(path);
    if (it != entries().end() && it->stamp == *stamp)
        return it->lines;
    auto read = gbk::readLines(path);
    if (!read) {
        entries().remove(path);
        return nullptr;
    }
    auto shared = std::make_shared<const QStringList>(std::move(*read));
    entries().insert(path, Entry{*stamp, shared});
    return shared;
}

std::optional<QString> lineClamped(const QString &path, int n)
{
    const auto l = lines(path);
    if (!l || l->isEmpty())
        return std::nullopt;
    const qsizetype idx = (n < 1 || n > l->size()) ? l->size() - 1 : n - 1;
    return l->at(idx);
}

void clear() { entries().clear(); }

} // namespace linecache
