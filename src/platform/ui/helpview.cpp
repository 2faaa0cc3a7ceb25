#include "platform/ui/helpview.h"

#include "platform/htmltext.h"
#include "platform/ui/opener.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextDocument>

namespace plat {

namespace {

QByteArray readSmallFile(const QString &path, qint64 limit)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly) || f.size() > limit)
        return {};
    return f.read(limit);
}

} // namespace

HelpView::HelpView(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpView::linkClicked);
}

void HelpView::Navigate(const QString &path)
{
    file_ = path;
    folder_ = QFileInfo(path).absolutePath();
    // Each page's pictures are read from its own folder again.
    document()->clear();
    const QByteArray bytes = readSmallFile(path, MaxPageBytes);
    if (bytes.isEmpty()) {
        clear();
        return;
    }
    setHtml(decodeHtml(bytes));
}

QVariant HelpView::loadResource(int type, const QUrl &name)
{
    if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
        return {};
    if (folder_.isEmpty() || !(name.isRelative() || name.isLocalFile()))
        return {};
    const QString wanted = name.isLocalFile() ? name.toLocalFile() : QDir(folder_).filePath(name.path());
    const QString canonical = QFileInfo(wanted).canonicalFilePath();
    const QString root = QFileInfo(folder_).canonicalFilePath();
    if (canonical.isEmpty() || root.isEmpty() || !canonical.startsWith(root + u'/'))
        return {};
    const QByteArray bytes = readSmallFile(canonical, MaxPageBytes);
    if (type == QTextDocument::StyleSheetResource)
        return decodeHtml(bytes);
    QImage image;
    if (!image.loadFromData(bytes))
        return {};
    return image;
}

void HelpView::linkClicked(const QUrl &url)
{
    if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
        scrollToAnchor(url.fragment());
        return;
    }
    openLink(url.toString());
}

} // namespace plat
