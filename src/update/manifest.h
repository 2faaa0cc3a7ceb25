#pragma once
// src/update/ (layer 2, core library, namespace upd): the online update's
// plain parts: the update manifest and its entries (this header), the
// update server's addresses and the local files' stamps. The update window
// (auxiliary/update/) fetches, asks and stores.
//
// The manifest: GBK lines (CR LF, LF or CR), each trimmed of blanks. The
// first line begins with the version stamp "YYYYMMDDHHMM". An entry line
// does not begin "20" and has 19 characters or more: a target letter, the
// file's stamp (characters 2 to 13) and the file name (14 to the end).

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace upd {

// The largest manifest read (a real one is a few KiB).
inline constexpr qint64 MaxManifestBytes = 1 << 20;

// The local stamp of a file that does not exist: older than every file.
inline const QString MissingFileStamp = QStringLiteral("190011011030");

struct Entry
{
    QChar letter;       // character 1
    QString folder;     // the target folder below the program folder, ending "/", or "" (the program folder)
    QString fileStamp;  // characters 2 to 13
    QString name;       // characters 14 to the end
    QString localName;  // the name, with ".mxy" when it has no "."
    QString remoteName; // the server's name: ".rar" for the last four characters, or added
    // The name is one plain file name (no "/", "\", ":" or control
    // character); a refused entry is neither requested nor stored.
    bool accepted = false;
};

struct Manifest
{
    QString firstLine; // trimmed; empty for an empty manifest
    QList<Entry> entries;
};

// The manifest's entries in file order, each with the target folder that
// its letter (D data folder, K "ksdata", E "examdata", M program folder) or
// the last such letter before it gives; the program folder before any.
Manifest parseManifest(const QByteArray &bytes, const QString &dataFolderName);

// True when the name may be stored: not empty, no "/", "\", ":", control
// character, and not "." or "..".
bool acceptedName(const QString &name);

// The entry's local path: program folder + "/" + folder + local name; nullopt
// when the entry is refused or the path would leave its target folder.
std::optional<QString> localPath(const QString &programFolder, const Entry &entry);

// The stamp of the check's answer: its first 12 characters when it begins
// "20" (after trimming blanks), else nullopt (a time-out text, an error page,
// an empty answer).
std::optional<QString> checkedStamp(const QString &answer);

// Whether the stamp is newer than the installed version: ordinal "greater".
bool isNewer(const QString &stamp, const QString &bankVersion);

// Whether a file with this local stamp is due for the file stamp: ordinal
// "less".
bool isDue(const QString &localStamp, const QString &fileStamp);

// The last modification of a regular file, in local time, "yyyyMMddHHmm";
// MissingFileStamp when there is none (missing, or a folder).
QString localStamp(const QString &path);

// The data folder's own name: DataPath less the program folder and every
// separator.
QString dataFolderName(const QString &dataPath, const QString &programFolder);

// The program file's name: the executable's base name & ".exe", a doubled
// ".exe.exe" reduced. An entry whose local name equals it, ignoring case, is
// the program-file entry.
QString programFileName(const QString &executableBase);
bool isProgramFile(const Entry &entry, const QString &programFile);

// ---- The update server --------------------------------------------------

// The server's address, ending in "/" (scheme, host and any path prefix).
// Empty by default: then nothing is requested at all. Set by the environment
// variable EXAMSIM_UPDATE_SERVER; tests set it directly (an empty text goes
// back to the environment's value).
QString updateServer();
void setUpdateServer(const QString &address);

// Addresses on the server, each path segment percent-encoded as UTF-8:
//   manifest: server "up/quilt/" ExamTitle "/" data folder "/288895.txt"
//   file:     server "up/quilt/" ExamTitle "/" folder remote name
//   advert:   server "up/ad/" brand code "/170100.rar"
QString manifestAddress(const QString &server, const QString &examTitle, const QString &dataFolderName);
QString fileAddress(const QString &server, const QString &examTitle, const Entry &entry);
QString advertAddress(const QString &server, const QString &brandCode);

} // namespace upd
