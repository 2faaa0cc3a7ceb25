// Fuzz target: pictures, read by content whatever their suffix: the bank's
// scene and bar pictures and the "examdata" panels all load through the
// same reader. The input is the picture file; it loads as a picture of at
// least one pixel or not at all, and a data picture that cannot be read is
// reported and gives nothing.
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/programfolder.h"

#include "fuzzsupport.h"

#include <QImageReader>

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QString path;
    if (path.isEmpty()) {
        fuzz::startGui();
        // A header may claim any size; the decoders (Qt's own) then fill up
        // to their 256 MB limit for every such input. 16 MB keeps a run
        // quick and still decodes full-screen screenshots.
        QImageReader::setAllocationLimit(16);
        const QString folder = fuzz::scratchFolder("picture");
        QDir().mkpath(folder + QStringLiteral("/data"));
        fnd::overrideProgramFolder(folder);
        fnd::DataPath = folder + QStringLiteral("/data/");
        fnd::ErrLogFile.clear();
        path = fnd::dataFile(QStringLiteral("l20051"));
    }
    fuzz::put(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    fnd::clearPictureCache();
    const auto picture = fnd::loadPicture(path);
    if (picture)
        check(picture->width() >= 1 && picture->height() >= 1);
    fnd::clearPictureCache();
    const auto again = fnd::loadDataPicture(QStringLiteral("l20051"), QStringLiteral("fuzz"));
    check(again.has_value() == picture.has_value());
    if (again)
        check(again->size() == picture->size());
    check(fnd::pictureCacheBytes() <= fnd::PictureCacheBudget);
    return 0;
}
