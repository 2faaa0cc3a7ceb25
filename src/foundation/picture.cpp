#include "foundation/picture.h"

#include "foundation/errreport.h"
#include "foundation/filestamp.h"
#include "foundation/globals.h"

#include <QCache>
#include <QFileInfo>
#include <QImageReader>

namespace fnd {

namespace {
struct Entry {
    FileStamp stamp;
    QPixmap pixmap;
};

// QCache counts cost in ints; kibibytes keep the budget far from their limit.
qsizetype costOf(const QPixmap &pm)
{
    const qint64 bytes = qint64(pm.width()) * pm.height() * std::max(pm.depth(), 8) / 8;
    return qsizetype((bytes + 1023) / 1024);
}

QCache<QString, Entry> &cache()
{
    static QCache<QString, Entry> c(qsizetype(PictureCacheBudget / 1024));
    return c;
}
} // namespace

std::optional<QPixmap> loadPicture(const QString &path)
{
    const auto stamp = fileStamp(path);
    if (!stamp)
        return std::nullopt;
    // object() makes the entry the most recently used.
    if (const Entry *e = cache().object(path); e && e->stamp == *stamp)
        return e->pixmap;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull())
        return std::nullopt;
    QPixmap pm = QPixmap::fromImage(std::move(img));
    // A picture larger than the whole budget is shown but not kept.
    cache().insert(path, new Entry{*stamp, pm}, costOf(pm));
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

std::optional<QPixmap> loadDataPicture(const QString &name, const QString &tag)
{
    const QString path = dataFile(name);
    if (auto pm = loadPicture(path))
        return pm;
    if (QFileInfo(path).isFile())
        trapError(tag, 481, QStringLiteral("Invalid picture"));
    else
        trapError(tag, 53, QStringLiteral("File not found"));
    return std::nullopt;
}

void clearPictureCache() { cache().clear(); }

qint64 pictureCacheBytes() { return qint64(cache().totalCost()) * 1024; }

bool isPictureCached(const QString &path) { return cache().contains(path); }

void setPictureCacheBudget(qint64 bytes)
{
    cache().setMaxCost(qsizetype((bytes < 0 ? PictureCacheBudget : bytes) / 1024));
}

} // namespace fnd
