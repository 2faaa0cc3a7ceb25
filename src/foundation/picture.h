#pragma once
// Picture loading by content: the ".mxy" suffix says nothing about the format.
// Decoded pictures are cached by path and file stamp (times, size, inode), so
// showing a scene again decodes nothing. The cache holds at most a byte budget
// of pixels and lets the least recently used pictures go first, so a long
// practice over many screenshots keeps a bounded memory.
//
// The pictures of the steps to come are decoded ahead on worker threads
// (into images; only the GUI thread makes pixmaps of them), so a step switch
// finds its pictures decoded. Pictures decoded ahead count against the same
// budget and take at most half of it; the pictures on show are never let go
// to make room for them.

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <optional>

namespace fnd {

// Pixel bytes the cache keeps at most: a few scenes of full-screen
// screenshots beside the bars' pictures.
inline constexpr qint64 PictureCacheBudget = 24LL * 1024 * 1024;

// The picture in a file, or nullopt when it is missing or unreadable.
std::optional<QPixmap> loadPicture(const QString &path);

// Loads into target; a missing or unreadable picture leaves target as it was.
bool loadPictureInto(QPixmap &target, const QString &path);

// A window picture of the data folder (DataPath + name + ".mxy") for a load
// that reports what fails under its tag: 53 "File not found" when the file
// is missing, 481 "Invalid picture" when it cannot be read as a picture.
std::optional<QPixmap> loadDataPicture(const QString &name, const QString &tag);

// Drops cached pictures (tests that want a cold start).
void clearPictureCache();

// How much of the budget pictures decoded ahead may take: half of it for
// pictures that may not be shown (the steps to come), all of it for those a
// window's load is about to show (the cache then lets go of every picture
// the list does not name, as that load would push them out).
enum class AheadShare { Half, Whole };

// Keeps the pictures of these files, if cached, until a call names others,
// whatever decoding ahead or the least recently used rule would let go: the
// pictures on show, so that a scene showing one again (the next step, a step
// gone back to) decodes nothing. Those no longer named go back to the cache
// as its most recently used. They count against the budget; call on the GUI
// thread.
void keepShownPictures(const QStringList &paths);

// Decodes the pictures of these files ahead, in this order, on the worker
// threads; call on the GUI thread. The list replaces the one before: pictures
// it no longer names are let go, decoded or not. Pictures already cached are
// not decoded again. A picture asked for while it waits its turn is decoded
// by the caller, and the workers pass over it.
void decodeAhead(const QStringList &paths, AheadShare share = AheadShare::Half);
// Waits until the workers have nothing left to decode; false when msecs ran out
// first (tests and benchmarks).
bool waitForDecodeAhead(int msecs);
// Whether a file's picture is decoded ahead and waits to be shown.
bool isPictureDecodedAhead(const QString &path);

// What the cache holds now: pixel bytes (pictures decoded ahead included),
// and whether a file's picture is in it. The budget can be changed (tests); a negative value restores
// PictureCacheBudget.
qint64 pictureCacheBytes();
bool isPictureCached(const QString &path);
void setPictureCacheBudget(qint64 bytes);

} // namespace fnd
