// Writing the generator's files.
#include "bankgen.h"

#include "foundation/gbkfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace bankgen {

bool Context::writeLines(const QString &path, const QStringList &lines)
{
    for (const QString &l : lines) {
        if (fnd::decodeGbk(fnd::encodeGbk(l)) != l) {
            errors << QStringLiteral("%1: a line cannot be written in GBK: %2").arg(QFileInfo(path).fileName(), l);
            return false;
        }
    }
    if (!fnd::writeLines(path, lines)) {
        errors << QStringLiteral("%1 could not be written").arg(path);
        return false;
    }
    return true;
}

bool Context::writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        errors << QStringLiteral("%1 could not be written").arg(path);
        return false;
    }
    return true;
}

bool Context::writePicture(const QString &path, const QImage &picture)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    // Qt's PNG scale runs 0 to 100, and 1 stores the pixels uncompressed: an
    // 800 x 600 screenshot takes 1.4 MB instead of 46 KB but decodes in about
    // half the time, which is what a scene switch waits for.
    w.setCompression(1);
    if (!w.write(picture)) {
        errors << QStringLiteral("picture %1 could not be encoded").arg(QFileInfo(path).fileName());
        return false;
    }
    return writeBytes(path, bytes);
}

} // namespace bankgen
