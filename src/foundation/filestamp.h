#pragma once
// What a cache keeps of a file to tell whether it changed since it was read:
// modification and change times to the nanosecond, size and inode, from one
// stat call (cheaper than QFileInfo's time conversions on a hot path).

#include <QString>
#include <optional>

namespace fnd {

struct FileStamp {
    long long mtimeNs = 0;
    long long ctimeNs = 0;
    long long size = -1;
    unsigned long long inode = 0;
    bool operator==(const FileStamp &) const = default;
};

// The stamp of a regular file; nullopt when it is missing or not a file.
std::optional<FileStamp> fileStamp(const QString &path);

} // namespace fnd
