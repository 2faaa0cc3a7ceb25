#include "platform/lockfiles.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace plat {

namespace {
bool ownerlessAndOld(const QString &path, int ageMs)
{
    const QFileInfo fi(path);
    if (!fi.exists())
        return false;
    qint64 pid = 0;
    QString host, app;
    if (QLockFile(path).getLockInfo(&pid, &host, &app))
        return false;
    return qAbs(fi.lastModified().msecsTo(QDateTime::currentDateTime())) > ageMs;
}
} // namespace

bool removeOwnerlessLock(const QString &path, int ageMs)
{
    if (!ownerlessAndOld(path, ageMs))
        return false;
    // The same guard QLockFile takes to remove a stale lock; looked at again
    // under it.
    QLockFile guard(path + QStringLiteral(".rmlock"));
    if (!guard.tryLock(0))
        return false;
    return ownerlessAndOld(path, ageMs) && QFile::remove(path);
}

} // namespace plat
