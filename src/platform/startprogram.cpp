#include "platform/startprogram.h"

#include <QFileInfo>
#include <QProcess>

namespace plat {

bool startProgram(const QString &path, const QString &folder, QString *why)
{
    QProcess p;
    p.setProgram(path);
    p.setWorkingDirectory(folder);
    if (p.startDetached())
        return true;
    if (why)
        *why = QFileInfo(path).isFile() ? QStringLiteral("Permission denied: ") + path
                                        : QStringLiteral("File not found: ") + path;
    return false;
}

} // namespace plat
