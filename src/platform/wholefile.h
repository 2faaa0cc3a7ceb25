#pragma once
// Replacing a file through QSaveFile only when every byte reached it. The
// bytes written to a QSaveFile wait in its buffer; the final flush happens
// inside commit(), and Qt 6.4 renames the new file over the old one even
// when that flush failed (a full disk, a file-size limit), leaving a short
// or empty file where the old one was. Every replacement by rename goes
// through here instead.

#include <QString>

class QSaveFile;

namespace plat {

// Flushes the file and checks that it now holds `size` bytes and that the
// system has taken them (fsync). On failure the writing is cancelled: the
// old file stays as it was and commit() refuses. False then, with the reason
// in *why when given.
bool flushWhole(QSaveFile &file, qint64 size, QString *why = nullptr);

// flushWhole, then commit. False when either fails; the old file stays.
bool commitWhole(QSaveFile &file, qint64 size, QString *why = nullptr);

} // namespace plat
