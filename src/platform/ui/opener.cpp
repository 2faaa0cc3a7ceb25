#include "platform/ui/opener.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace plat {

namespace {

// Under EXAMSIM_OPEN_LOG the target goes to the log; true when it was taken
// there (written or not), false when the desktop should open it.
bool loggedInstead(const QString &target, bool &written)
{
    const QString log = qEnvironmentVariable("EXAMSIM_OPEN_LOG");
    if (log.isEmpty())
        return false;
    QFile f(log);
    written = f.open(QIODevice::WriteOnly | QIODevice::Append) && f.write((target + u'\n').toUtf8()) >= 0;
    return true;
}

std::function<void(const QString &)> &refusedObserver()
{
    static std::function<void(const QString &)> observer;
    return observer;
}

} // namespace

bool openFolder(const QString &path)
{
    bool written = false;
    if (loggedInstead(path, written))
        return written;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool isWebLink(const QString &target)
{
    const QUrl url(target.trimmed());
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

bool openLink(const QString &target)
{
    const QString t = target.trimmed();
    if (t.isEmpty())
        return false;
    if (!isWebLink(t)) {
        if (refusedObserver())
            refusedObserver()(t);
        return false;
    }
    bool written = false;
    if (loggedInstead(t, written))
        return written;
    return QDesktopServices::openUrl(QUrl(t));
}

void setRefusedLinkObserver(std::function<void(const QString &target)> observer)
{
    refusedObserver() = std::move(observer);
}

} // namespace plat
