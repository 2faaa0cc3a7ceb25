#include "foundation/picture.h"

#include "foundation/filestamp.h"

#include <QHash>
#include <QImageReader>

namespace fnd {

namespace {
struct Entry {
    FileStamp stamp;
    QPixmap pixmap;
};
QHash<QString, Entry> &cache()
{
    static QHash<QString, Entry> c;
    return c;
}
} // namespace

std::optional<QPixmap> loadPicture(const QString &path)
{
    const auto stamp = fileStamp(path);
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

bool loadPictureInto(QPixmap &target, const QString &path)
{
    if (auto pm = loadPicture(path)) {
        target = *pm;
        return true;
    }
    return false;
}

void clearPictureCache() { cache().clear(); }

} // namespace fnd
