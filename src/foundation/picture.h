#pragma once
// Picture loading by content: the ".mxy" suffix says nothing about the format.
// Decoded pictures are cached by path and file stamp (times, size, inode), so showing a scene again
// decodes nothing.

#include <QPixmap>
#include <QString>
#include <optional>

namespace fnd {

// The picture in a file, or nullopt when it is missing or unreadable.
std::optional<QPixmap> loadPicture(const QString &path);

// Loads into target; a missing or unreadable picture leaves target as it was.
bool loadPictureInto(QPixmap &target, const QString &path);

// Drops cached pictures (tests that want a cold start).
void clearPictureCache();

} // namespace fnd
