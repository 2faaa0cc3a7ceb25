#include "platform/registry.h"

#include "platform/lockfiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

namespace plat {

static QString &overridden()
{
    static QString s;
    return s;
}

QString registryFile()
{
    if (!overridden().isEmpty())
        return overridden();
    const QString env = qEnvironmentVariable("EXAMSIM_REGISTRY");
    if (!env.isEmpty())
        return env;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/examsim/registry.ini");
}

void overrideRegistryFile(const QString &path) { overridden() = path; }

static QString rootName(quint32 root)
{
    switch (root) {
    case HKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE: return QStringLiteral("HKEY_LOCAL_MACHINE");
    default: return QStringLiteral("HKEY_%1").arg(root, 8, 16, QLatin1Char('0'));
    }
}

// Each key of the path becomes one nested INI group below the root's group.
static QString groupFor(quint32 root, const QString &keyPath)
{
    QString p = keyPath;
    p.replace(u'\\', u'/');
    return rootName(root) + u'/' + p;
}

// QSettings takes the lock file <file>.lock while it writes and waits for it
// without end, or for half a minute when its owner cannot be read. A write
// here waits a few seconds at most: an ownerless lock is taken over once that
// old, a lock of a dead program at once, and one that a running program
// holds longer makes the write fail. True when the lock is free now.
static bool lockFreeWithinAFewSeconds(const QString &lockPath)
{
    QLockFile probe(lockPath);
    probe.setStaleLockTime(0); // a dead owner still makes it stale
    const QDeadlineTimer deadline(OwnerlessLockAgeMs + 500);
    for (;;) {
        removeOwnerlessLock(lockPath);
        if (probe.tryLock(0)) {
            probe.unlock();
            return true;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
}

bool registryFileUsable()
{
    const QFileInfo fi(registryFile());
    return !fi.exists() || fi.isFile();
}

long setRegistryValue(quint32 root, const QString &keyPath, const QString &name, const QVariant &value)
{
    const QString file = registryFile();
    if (!registryFileUsable())
        return ERROR_ACCESS_DENIED;
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!lockFreeWithinAFewSeconds(QFileInfo(file).absoluteFilePath() + QStringLiteral(".lock")))
        return ERROR_ACCESS_DENIED;
    QSettings s(file, QSettings::IniFormat);
    s.beginGroup(groupFor(root, keyPath));
    s.setValue(name, value);
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

QVariant registryValue(quint32 root, const QString &keyPath, const QString &name)
{
    if (!registryFileUsable())
        return {};
    QSettings s(registryFile(), QSettings::IniFormat);
    s.beginGroup(groupFor(root, keyPath));
    return s.value(name);
}

} // namespace plat
