#include "foundation/picture.h"

#include "foundation/filestamp.h"

#include <QHash>
#include <QImageReader>

namespace pic {

namespace {
struct Entry {
    filestamp::Stamp stamp;
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
    const auto stamp = filestamp::of(path);
    if (!stamp)
        return std::nullopt;
    auto it = cache().constFind(path);
    if (it != cache().constEnd() && it->stamp == *stamp)
        return it->pixmap;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull())
        return std::nullopt;
    QPixmap pm = QPixmap::fromImage(std::move(img));
    cache().insert(path, Entry{*stamp, pm});
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
