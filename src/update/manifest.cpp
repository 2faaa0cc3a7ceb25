#include "update/manifest.h"

#include "bank/bankfiles.h"
#include "foundation/blanks.h"
#include "foundation/gbkfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace upd {

namespace {

// An entry line: not the stamp line, and long enough for a letter, a stamp
// and a name of six characters.
constexpr int EntryMinLength = 19;
constexpr int StampLength = 12;

QString &serverOverride()
{
    static QString s;
    return s;
}

QString segment(const QString &s) { return QString::fromLatin1(QUrl::toPercentEncoding(s)); }

// The server's address and then the segments, each encoded.
QString address(const QString &server, const QStringList &segments)
{
    QString a = server;
    if (!a.isEmpty() && !a.endsWith(u'/'))
        a += u'/';
    for (qsizetype i = 0; i < segments.size(); ++i)
        a += (i ? QStringLiteral("/") : QString()) + segment(segments[i]);
    return a;
}

QString folderOfLetter(QChar letter, const QString &dataFolderName, const QString &current)
{
    switch (letter.unicode()) {
    case u'D': return dataFolderName + u'/';
    case u'K': return bank::RecordFolder + u'/';
    case u'E': return QStringLiteral("examdata/");
    case u'M': return QString();
    default: return current;
    }
}

} // namespace

bool acceptedName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.category() == QChar::Other_Control)
            return false;
    return true;
}

Manifest parseManifest(const QByteArray &bytes, const QString &dataFolderName)
{
    Manifest m;
    QString folder;
    bool first = true;
    for (const QByteArray &raw : fnd::splitLines(bytes)) {
        const QString line = fnd::trimBlanks(fnd::decodeGbk(raw));
        if (first) {
            m.firstLine = line;
            first = false;
        }
        if (line.startsWith(QStringLiteral("20")) || line.size() < EntryMinLength)
            continue;
        Entry e;
        e.letter = line[0];
        folder = folderOfLetter(e.letter, dataFolderName, folder);
        e.folder = folder;
        e.fileStamp = line.mid(1, StampLength);
        e.name = line.mid(1 + StampLength);
        const bool dotted = e.name.contains(u'.');
        e.localName = dotted ? e.name : e.name + QStringLiteral(".mxy");
        e.remoteName = (dotted ? e.name.left(e.name.size() - 4) : e.name) + QStringLiteral(".rar");
        e.accepted = acceptedName(e.name);
        m.entries.append(e);
    }
    return m;
}

std::optional<QString> localPath(const QString &programFolder, const Entry &entry)
{
    if (!entry.accepted)
        return std::nullopt;
    const QString folder = QDir::cleanPath(programFolder + u'/' + entry.folder);
    const QString path = QDir::cleanPath(folder + u'/' + entry.localName);
    if (QFileInfo(path).path() != folder)
        return std::nullopt;
    return path;
}

std::optional<QString> checkedStamp(const QString &answer)
{
    const QString a = fnd::trimBlanks(answer);
    if (!a.startsWith(QStringLiteral("20")))
        return std::nullopt;
    return a.left(StampLength);
}

bool isNewer(const QString &stamp, const QString &bankVersion) { return QString::compare(stamp, bankVersion) > 0; }

bool isDue(const QString &localStamp, const QString &fileStamp) { return QString::compare(localStamp, fileStamp) < 0; }

QString localStamp(const QString &path)
{
    const QFileInfo fi(path);
    if (!fi.isFile())
        return MissingFileStamp;
    return fi.lastModified().toLocalTime().toString(QStringLiteral("yyyyMMddHHmm"));
}

QString dataFolderName(const QString &dataPath, const QString &programFolder)
{
    QString name = dataPath;
    if (!programFolder.isEmpty())
        name.replace(programFolder, QString());
    name.remove(u'/');
    name.remove(u'\\');
    return name;
}

QString programFileName(const QString &executableBase)
{
    QString name = executableBase + QStringLiteral(".exe");
    if (name.endsWith(QStringLiteral(".exe.exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

bool isProgramFile(const Entry &entry, const QString &programFile)
{
    return entry.localName.compare(programFile, Qt::CaseInsensitive) == 0;
}

QString updateServer()
{
    QString s = serverOverride().isEmpty() ? qEnvironmentVariable("EXAMSIM_UPDATE_SERVER").trimmed()
                                           : serverOverride();
    if (!s.isEmpty() && !s.endsWith(u'/'))
        s += u'/';
    return s;
}

void setUpdateServer(const QString &address) { serverOverride() = address; }

QString manifestAddress(const QString &server, const QString &examTitle, const QString &dataFolderName)
{
    return address(server, {QStringLiteral("up"), QStringLiteral("quilt"), examTitle, dataFolderName,
                            bank::BankVersionFile + QStringLiteral(".txt")});
}

QString fileAddress(const QString &server, const QString &examTitle, const Entry &entry)
{
    QStringList segments{QStringLiteral("up"), QStringLiteral("quilt"), examTitle};
    QString folder = entry.folder;
    folder.replace(u'\\', u'/');
    segments << folder.split(u'/', Qt::SkipEmptyParts);
    segments << entry.remoteName;
    return address(server, segments);
}

QString advertAddress(const QString &server, const QString &brandCode)
{
    return address(server, {QStringLiteral("up"), QStringLiteral("ad"), brandCode,
                            bank::AdFile + QStringLiteral(".rar")});
}

} // namespace upd
