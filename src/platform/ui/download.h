#pragma once
// Downloading an address to a file (or into memory), as the platform's
// download call does: the caller waits until the transfer has ended.
//
// The wait blocks the calling thread: the transfer runs on a thread of its
// own, and while it runs no event of the caller's thread is handled (no
// timer tick, no input), so nothing of the program runs between a download's
// start and its end.
//
// A download succeeds only for a 2xx answer (after redirects) whose body came
// whole: as long as its Content-Length when one is given, and not cut by a
// closed connection or a broken chunk. The body goes to a temporary file in
// the target's folder, which replaces the target only then; on any failure
// (a 404, a short body, a time-out, a full disk, a missing folder, a folder
// or a read-only file at the target) the old file stays byte for byte and no
// temporary file is left.

#include <QByteArray>
#include <QString>
#include <optional>

namespace plat {

struct DownloadLimits
{
    int idleMs = 30000;     // no byte for this long: failed
    int totalMs = 600000;   // the whole transfer's deadline
    qint64 maxBytes = -1;   // a longer body fails; -1 no bound
};

// Downloads the address to the file at path. False on failure, with the
// reason in *why when given.
bool downloadToFile(const QString &address, const QString &path, const DownloadLimits &limits,
                    QString *why = nullptr);

// Downloads the address into memory (bound it with maxBytes). nullopt on
// failure, with the reason in *why when given.
std::optional<QByteArray> downloadBytes(const QString &address, const DownloadLimits &limits,
                                        QString *why = nullptr);

} // namespace plat
