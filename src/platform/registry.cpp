#include "platform/registry.h"

#include "platform/lockfiles.h"
#include "platform/wholefile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QVariantMap>

#include <cstdio>

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

// Every key of an INI file and its value, as text (a number set comes back
// from the file as its digits) or bytes.
static QVariantMap valuesOf(QSettings &s)
{
    QVariantMap out;
    for (const QString &key : s.allKeys()) {
        const QVariant v = s.value(key);
        out.insert(key, v.typeId() == QMetaType::QByteArray ? v : QVariant(v.toString()));
    }
    return out;
}

// A name beside the file that nothing else uses.
static QString besides(const QString &file)
{
    return file + u'.' + QString::number(QRandomGenerator::global()->generate64(), 36);
}

long setRegistryValue(quint32 root, const QString &keyPath, const QString &name, const QVariant &value)
{
    const QString file = QFileInfo(registryFile()).absoluteFilePath();
    if (!registryFileUsable())
        return ERROR_ACCESS_DENIED;
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!lockFreeWithinAFewSeconds(file + QStringLiteral(".lock")))
        return ERROR_ACCESS_DENIED;
    // A file marked read-only is kept, whoever runs the program.
    const QFileInfo existing(file);
    if (existing.exists() && !(existing.permissions() & QFileDevice::WriteOwner))
        return ERROR_ACCESS_DENIED;
    // The settings layer rewrites the whole file and, with Qt 6.4, replaces
    // it even when the new bytes did not all reach the disk. So the values
    // are written to a copy beside the file, read back whole under another
    // name (the layer keeps what it parsed by name), and only then renamed
    // over the file.
    QByteArray old;
    if (existing.exists()) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return ERROR_ACCESS_DENIED;
        old = f.readAll();
    }
    const QString written = besides(file), checked = besides(file);
    auto done = [&](long code) {
        QFile::remove(written);
        QFile::remove(checked);
        return code;
    };
    QSaveFile copy(written);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(old) != old.size() || !commitWhole(copy, old.size()))
        return done(ERROR_ACCESS_DENIED);
    if (existing.exists())
        QFile::setPermissions(written, existing.permissions());
    QVariantMap expected;
    {
        QSettings s(written, QSettings::IniFormat);
        s.beginGroup(groupFor(root, keyPath));
        s.setValue(name, value);
        s.endGroup();
        s.sync();
        if (s.status() != QSettings::NoError)
            return done(ERROR_ACCESS_DENIED);
        expected = valuesOf(s);
    }
    if (!QFile::rename(written, checked))
        return done(ERROR_ACCESS_DENIED);
    {
        QSettings r(checked, QSettings::IniFormat);
        if (r.status() != QSettings::NoError || valuesOf(r) != expected)
            return done(ERROR_ACCESS_DENIED);
    }
    if (::rename(QFile::encodeName(checked).constData(), QFile::encodeName(file).constData()) != 0)
        return done(ERROR_ACCESS_DENIED);
    return ERROR_SUCCESS;
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
