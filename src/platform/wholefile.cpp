#include "platform/wholefile.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace plat {

bool flushWhole(QSaveFile &file, qint64 size, QString *why)
{
    auto fail = [&](const QString &cause) {
        if (why)
            *why = cause;
        file.cancelWriting();
        return false;
    };
    if (!file.isOpen())
        return fail(QStringLiteral("%1 is not open for writing").arg(file.fileName()));
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (file.size() != size)
        return fail(QStringLiteral("%1 took %2 of %3 bytes").arg(file.fileName()).arg(file.size()).arg(size));
    // A file system may refuse the blocks only when they are written out.
    // One that cannot sync this kind of file says so and is not held to it.
    const int fd = file.handle();
    if (fd >= 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    return true;
}

bool commitWhole(QSaveFile &file, qint64 size, QString *why)
{
    if (!flushWhole(file, size, why))
        return false;
    if (file.commit())
        return true;
    if (why)
        *why = file.errorString();
    return false;
}

} // namespace plat
