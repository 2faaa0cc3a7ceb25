#include "foundation/singleinstance.h"

#include "foundation/programfolder.h"
#include "platform/lockfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

namespace fnd {

namespace {
std::unique_ptr<QLockFile> &held()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}
} // namespace

QString singleInstanceLockPath()
{
    const QString folder = programFolder();
    if (QFileInfo(folder).isWritable())
        return folder + QStringLiteral("/examsim.lock");
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    const QByteArray key = QCryptographicHash::hash(QDir::cleanPath(folder).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return runtime + QStringLiteral("/examsim-") + QString::fromLatin1(key) + QStringLiteral(".lock");
}

bool acquireSingleInstance()
{
    if (held())
        return true;
    const QString path = singleInstanceLockPath();
    // A lock without a readable owner refuses no start once a few seconds old.
    plat::removeOwnerlessLock(path);
    auto lock = std::make_unique<QLockFile>(path);
    // A running program may hold the lock for hours: only a lock whose owner
    // has died counts as stale, never an old one.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            return true; // cannot create a lock at all: do not refuse to run
        return false;
    }
    held() = std::move(lock);
    return true;
}

void releaseSingleInstance() { held().reset(); }

} // namespace fnd
