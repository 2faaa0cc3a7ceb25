#pragma once
// A view of local help pages: HTML files read by content (platform/htmltext.h
// for the character set), shown by QTextBrowser's subset of HTML, without
// scripts. Pictures and style sheets come only from the page's own folder;
// a link goes to the desktop opener (web links only), an anchor inside the
// page scrolls to it. The window places it like any control.
//
//   auto *view = new plat::HelpView(page);
//   view->setGeometry(...);
//   view->Navigate(folder + "/l38180.mxy");   // an unreadable file: empty page

#include <QTextBrowser>

namespace plat {

class HelpView : public QTextBrowser
{
    Q_OBJECT
public:
    explicit HelpView(QWidget *parent = nullptr);

    // Shows the file; a missing, unreadable or oversized file (or a folder)
    // shows an empty page.
    void Navigate(const QString &path);
    // The file last navigated to, as given; empty before the first.
    QString fileName() const { return file_; }

    // Pages larger than this are not shown.
    static constexpr qint64 MaxPageBytes = 4 * 1024 * 1024;

    // A picture or style sheet of the page: a file of the page's folder
    // (below it, by its real path), nothing else.
    QVariant loadResource(int type, const QUrl &name) override;

private:
    void linkClicked(const QUrl &url);
    QString file_;
    QString folder_;
};

} // namespace plat
