#include "foundation/filestamp.h"

#include <QFile>
#include <sys/stat.h>

namespace fnd {

std::optional<FileStamp> fileStamp(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    FileStamp s;
    s.mtimeNs = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    s.ctimeNs = (long long)st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
    s.size = st.st_size;
    s.inode = st.st_ino;
    return s;
}

} // namespace fnd
