#pragma once
// Line-oriented GBK text files: every data, record and bank file of the
// program is one. Lines end in CR LF; a lone LF (or a lone CR) also ends a
// line. Whole-file rewrites are atomic: a crash leaves the old or the new
// file, never a torn one.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <utility>
#include <vector>

class QFile;

namespace fnd {

// Decodes GBK bytes. Invalid bytes do not raise errors in the codec; they
// come out as replacement or private-use characters.
QString decodeGbk(QByteArrayView bytes);
QByteArray encodeGbk(QStringView text);

// Splits raw bytes into lines (CR LF, LF or CR end a line; a last line without
// terminator counts, an empty trailing piece does not).
QList<QByteArray> splitLines(const QByteArray &bytes);

// The same lines' places in the bytes: start and length of each.
using LineSpans = std::vector<std::pair<qsizetype, qsizetype>>;
LineSpans lineSpans(QByteArrayView bytes);

// Opens the file (named by file.fileName()) for reading only when it is a
// regular file: a FIFO, a device or a folder in a file's place is refused
// before anything waits on it (opening a FIFO would wait for a writer for
// ever).
bool openForReading(QFile &file);

// True when the path names a regular file that can be opened for reading.
bool isReadableFile(const QString &path);

// The file's bytes; nullopt when it cannot be read whole (or is no regular file).
std::optional<QByteArray> readBytes(const QString &path);

// All lines of a file, decoded. std::nullopt when the file cannot be read.
std::optional<QStringList> readLines(const QString &path);

// Reading one line reads the file only up to that line and decodes that line
// alone; of the line itself at most maxBytes are kept (negative: all), the
// rest of it is skipped unread into memory.

// Line n (from 1). Past the end gives the last line of the file; nullopt when
// the file cannot be read, is empty, or n < 1.
std::optional<QString> readLineClamped(const QString &path, int n, qsizetype maxBytes = -1);

// Line n (from 1) exactly, nullopt when the file is shorter or unreadable.
std::optional<QString> readLineExact(const QString &path, int n, qsizetype maxBytes = -1);

// The first maxLines lines of a file, each cut to maxBytes (negative: whole),
// decoded, and how many lines follow them; read line by line, nothing after
// the kept part of a line held in memory. nullopt when it cannot be read.
struct HeadLines
{
    QStringList lines;
    qsizetype beyond = 0;
};
std::optional<HeadLines> readHeadLines(const QString &path, int maxLines, qsizetype maxBytes);

// The lines in GBK, each ended by CR LF, as writeLines stores them.
QByteArray joinCrlf(const QStringList &lines);

// Rewrites the file whole, each line followed by CR LF, through an atomic
// replace. Returns false (and leaves the old file) on failure.
bool writeLines(const QString &path, const QStringList &lines);

// Replaces the file whole with the bytes, atomically, and only once every
// byte has reached the disk (a full disk fails it). Returns false (and
// leaves the old file byte for byte) on failure.
bool writeBytes(const QString &path, const QByteArray &bytes);

// Appends lines, each followed by CR LF. Creates the file when missing; never
// creates folders.
bool appendLines(const QString &path, const QStringList &lines);

} // namespace fnd
