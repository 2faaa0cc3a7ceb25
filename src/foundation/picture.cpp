#include "foundation/picture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

namespace pic {

namespace {
struct Entry {
    QDateTime mtime;
    qint64 size = 0;
    QPixmap pixmap;
};
QHash<QString, Entry> &cache()
{
    static QHash<QString, Entry> c;
    return c;
}
} // namespace

std::optional<QPixmap> load(const QString &path)
{
    const QFileInfo fi(path);
    if (!fi.isFile())
        return std::nullopt;
    const QDateTime mtime = fi.lastModified();
    auto it = cache().constFind(path);
    if (it != cache().constEnd() && it->mtime == mtime && it->size == fi.size())
        return it->pixmap;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull())
        return std::nullopt;
    QPixmap pm = QPixmap::fromImage(std::move(img));
    cache().insert(path, Entry{mtime, fi.size(), pm});
    return pm;
}

bool loadInto(QPixmap &target, const QString &path)
{
    if (auto pm = load(path)) {
        target = *pm;
        return true;
    }
    return false;
}

void clearCache() { cache().clear(); }

} // namespace pic
