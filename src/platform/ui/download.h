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
// the target's folder as it arrives, so memory does not grow with its size;
// the temporary file replaces the target only when the body is complete.
// On any failure (a 404, a short body, a body over the limit, a transfer
// that keeps too slow a pace or outlasts its deadline, a full disk, a
// missing folder, a folder or a read-only file at the target) the old file
// stays byte for byte and no temporary file is left.

#include "platform/transferpace.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace plat {

// The largest body a download takes.
inline constexpr qint64 MaxDownloadBytes = qint64(256) << 20;

struct DownloadLimits
{
    int totalMs = 600000;                 // the whole transfer's deadline, from the request
    qint64 maxBytes = MaxDownloadBytes;   // a longer body fails
    std::optional<TransferPace> pace = TransferPace{}; // a slower transfer fails; none: only the deadline
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
