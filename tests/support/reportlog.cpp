#include "reportlog.h"

#include "foundation/gbkfile.h"

#include <QFile>

namespace ts {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList loggedReports(const QString &logPath)
{
    const QString head = QStringLiteral("软件运行提示:");
    QStringList out;
    for (const QString &l : fnd::readLines(logPath).value_or(QStringList()))
        if (l.startsWith(head))
            out << l.mid(head.size());
    return out;
}

} // namespace ts
