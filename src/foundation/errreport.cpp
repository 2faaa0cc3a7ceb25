#include "foundation/errreport.h"

#include "foundation/blanks.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

namespace fnd {

namespace {
QString &endpointOverride()
{
    static QString s;
    return s;
}

std::function<void(const QString &)> &sender()
{
    static std::function<void(const QString &)> f;
    return f;
}

std::function<QString()> &versionSource()
{
    static std::function<QString()> f;
    return f;
}

QString bankVersion() { return versionSource() ? versionSource()() : QString(); }

// True while a report's request is on its way: a report raised meanwhile
// (its own request's failure, or a handler run by its wait) is logged only.
bool sending = false;

QString encoded(const QString &value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }
} // namespace

QString errorEndpoint()
{
    if (!endpointOverride().isEmpty())
        return endpointOverride();
    return qEnvironmentVariable("EXAMSIM_ERROR_ENDPOINT").trimmed();
}

void setErrorEndpoint(const QString &base) { endpointOverride() = base; }

void setReportSender(std::function<void(const QString &)> send) { sender() = std::move(send); }
void setBankVersionSource(std::function<QString()> version) { versionSource() = std::move(version); }

QString errSubmitAddress(const QString &base, const QString &tag, long number, const QString &description,
                         const QString &extra)
{
    QString b = base;
    while (b.endsWith(u'/'))
        b.chop(1);
    return b + QStringLiteral("/up/error/submit.asp?pronm=") + encoded(ExamTitle)
           + QStringLiteral("&pver=") + encoded(bankVersion())
           + QStringLiteral("&osver=") + encoded(OsVer)
           + QStringLiteral("&errsub=") + encoded(tag)
           + QStringLiteral("&errno=") + QString::number(number)
           + QStringLiteral("&errdescript=") + encoded(description + extra);
}

void ErrReport(const QString &tag, long number, const QString &description, const QString &extra)
{
    // Copies: a failure during the request overwrites the shared fields, and
    // this report must still log its own.
    const QString t = tag, d = description, x = extra;
    const QString base = errorEndpoint();
    if (!base.isEmpty() && !sending && sender()) {
        sending = true;
        sender()(errSubmitAddress(base, t, number, d, x));
        sending = false;
    }
    const QString text = QStringLiteral("软件运行提示:") + t + d + QStringLiteral("\r\n") + QStringLiteral("系统版本:")
                         + OsVer + QStringLiteral(",软件版本:") + bankVersion() + u',' + QString::number(number)
                         + QStringLiteral("\r\n");
    WriteLog(ErrLogFile, text);
}

void ErrReport() { ErrReport(ErrSub, ErrNo, ErrDescript, QString()); }

void trapError(const QString &tag, long number, const QString &description)
{
    ErrSub = tag;
    ErrNo = number;
    ErrDescript = description;
    ErrReport();
}

void reportMissingFile(const QString &tag, const QString &name)
{
    static QString log; // the run's log the names were reported to
    static QSet<QString> reported;
    if (log != ErrLogFile) {
        log = ErrLogFile;
        reported.clear();
    }
    if (reported.contains(name))
        return;
    reported.insert(name);
    trapError(tag, 53, QStringLiteral("File not found: ") + name);
}

void WriteLog(const QString &path, const QString &text)
{
    if (path.isEmpty())
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder))
        QDir().mkdir(folder);
    const QString entry = QStringLiteral("\r\n")
                          + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                          + QStringLiteral("\r\n") + trimBlanks(QStringView(text).left(LogTextLimit))
                          + QStringLiteral("\r\n");
    const QByteArray bytes = encodeGbk(entry);
    // The whole entry in one write to the end of the file, unbuffered: a run
    // killed at any moment leaves every entry written before whole, and a
    // short entry is written in one piece.
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    f.write(bytes);
}

} // namespace fnd
