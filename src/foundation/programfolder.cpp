#include "foundation/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace fnd {

static QString &overridden()
{
    static QString s;
    return s;
}

QString programFolder()
{
    if (!overridden().isEmpty())
        return overridden();
    const QString env = qEnvironmentVariable("EXAMSIM_HOME");
    if (!env.isEmpty())
        return QDir::cleanPath(QDir(env).absolutePath());
    if (QCoreApplication::instance())
        return QDir::cleanPath(QCoreApplication::applicationDirPath());
    return QDir::currentPath();
}

QString executableName()
{
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QStringLiteral("examsim");
}

QString inProgramFolder(const QString &name) { return programFolder() + u'/' + name; }

void overrideProgramFolder(const QString &folder)
{
    overridden() = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

} // namespace fnd
