#include "platform/registry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace reg {

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

long setValue(quint32 root, const QString &keyPath, const QString &name, const QVariant &value)
{
    const QString file = registryFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSettings s(file, QSettings::IniFormat);
    s.beginGroup(groupFor(root, keyPath));
    s.setValue(name, value);
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

QVariant value(quint32 root, const QString &keyPath, const QString &name)
{
    QSettings s(registryFile(), QSettings::IniFormat);
    s.beginGroup(groupFor(root, keyPath));
    return s.value(name);
}

} // namespace reg
