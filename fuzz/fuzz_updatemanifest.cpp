// Fuzz target: the update manifest. Any bytes are read line by line; every
// entry keeps the manifest's shape (a twelve-character stamp, a name of six
// characters or more, the server's ".rar" name), an accepted entry's local
// path stays inside its target folder and a refused one has none, and every
// address is a valid one on the server.
#include "update/manifest.h"

#include <QFileInfo>
#include <QUrl>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString program = QStringLiteral("/p/prog");
    const upd::Manifest m = upd::parseManifest(bytes, QStringLiteral("wydata"));
    for (const upd::Entry &e : m.entries) {
        check(e.fileStamp.size() == 12 && e.name.size() >= 6);
        check(e.remoteName.endsWith(QStringLiteral(".rar")));
        check(e.localName.startsWith(e.name));
        const auto path = upd::localPath(program, e);
        check(path.has_value() == e.accepted);
        if (path)
            check(QFileInfo(*path).path() == QFileInfo(program + u'/' + e.folder + QStringLiteral("x")).path());
        if (e.accepted) {
            const QUrl url(upd::fileAddress(QStringLiteral("http://h.invalid/"), QStringLiteral("标题"), e),
                           QUrl::StrictMode);
            check(url.isValid() && url.host() == QStringLiteral("h.invalid"));
        }
    }
    const auto stamp = upd::checkedStamp(QString::fromUtf8(bytes));
    if (stamp)
        check(stamp->startsWith(QStringLiteral("20")) && stamp->size() <= 12);
    return 0;
}
