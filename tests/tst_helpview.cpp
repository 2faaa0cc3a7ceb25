// The help view: the character set of a page read by content, pictures from
// the page's folder only, links to the opener, and empty pages for files it
// cannot show.
#include "platform/htmltext.h"
#include "platform/ui/helpview.h"
#include "platform/ui/opener.h"

#include <QBuffer>
#include <QFile>
#include <QScrollBar>
#include <QImage>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
QByteArray gbk(const QString &text) { return QStringEncoder("GBK").encode(text); }
QByteArray utf16le(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}
} // namespace

class TstHelpView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void charset_data();
    void charset();
    void pageAndPictures();
    void unreadableFiles_data();
    void unreadableFiles();
    void links_data();
    void links();

private:
    QString write(const QString &relative, const QByteArray &bytes);
    QStringList opened() const;
    std::unique_ptr<QTemporaryDir> dir_;
};

void TstHelpView::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    qputenv("EXAMSIM_OPEN_LOG", dir_->filePath(QStringLiteral("open.log")).toUtf8());
}

void TstHelpView::cleanup() { qunsetenv("EXAMSIM_OPEN_LOG"); }

QString TstHelpView::write(const QString &relative, const QByteArray &bytes)
{
    const QString path = dir_->filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QStringList TstHelpView::opened() const
{
    QFile f(dir_->filePath(QStringLiteral("open.log")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// A mark first, then a meta tag's set, GBK by default and for a set the
// system does not know.
void TstHelpView::charset_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("charset");
    const QString body = s("<p>考试大纲</p>");
    QTest::newRow("UTF-8 mark") << "\xEF\xBB\xBF" + body.toUtf8() << "UTF-8";
    QTest::newRow("UTF-16LE mark") << "\xFF\xFE" + utf16le(body) << "UTF-16LE";
    QTest::newRow("meta charset=utf-8") << "<meta charset=\"utf-8\">" + body.toUtf8() << "utf-8";
    QTest::newRow("content type gb2312")
        << "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; CHARSET=gb2312\">" + gbk(body) << "gb2312";
    QTest::newRow("nothing named: GBK") << gbk(body) << "";
    QTest::newRow("an unknown set: GBK") << "<meta charset=nonsense-9>" + gbk(body) << "nonsense-9";
    QTest::newRow("named past the head: GBK") << QByteArray(1100, ' ') + "<meta charset=utf-8>" + gbk(body) << "";
}

void TstHelpView::charset()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, charset);
    QCOMPARE(plat::htmlCharset(page), charset);
    const QString text = plat::decodeHtml(page);
    QVERIFY2(text.contains(s("<p>考试大纲</p>")), qPrintable(text));
    QVERIFY(!text.startsWith(QChar(0xFEFF)));
}

// A GBK page with its title; its picture from its own folder, one outside
// the folder not loaded.
void TstHelpView::pageAndPictures()
{
    QImage red(6, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
    write(QStringLiteral("data/pic.mxy"), png);
    write(QStringLiteral("outside.mxy"), png);
    const QString path = write(QStringLiteral("data/page.mxy"),
                               gbk(s("<html><head><meta charset=gbk><title>答题技巧</title></head><body>"
                                     "<p>按题目要求操作</p><img src=\"pic.mxy\"><img src=\"../outside.mxy\">"
                                     "<img src=\"/etc/hostname\"></body></html>")));
    plat::HelpView view;
    view.resize(400, 300);
    view.Navigate(path);
    QCOMPARE(view.fileName(), path);
    QCOMPARE(view.documentTitle(), s("答题技巧"));
    QVERIFY(view.toPlainText().contains(s("按题目要求操作")));
    const QVariant own = view.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pic.mxy")));
    QCOMPARE(own.value<QImage>().size(), QSize(6, 4));
    QVERIFY(!view.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../outside.mxy"))).isValid());
    QVERIFY(!view.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("/etc/hostname"))).isValid());
    QVERIFY(!view.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("http://x.example/p.png"))).isValid());
}

// What the view cannot show gives an empty page; the file is still named.
void TstHelpView::unreadableFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("too large") << "large";
}

void TstHelpView::unreadableFiles()
{
    QFETCH(QString, kind);
    const QString good = write(QStringLiteral("good.mxy"), "<title>t</title><p>shown</p>");
    QString path = dir_->filePath(QStringLiteral("other.mxy"));
    if (kind == u"folder")
        QDir().mkpath(path);
    else if (kind == u"large")
        write(QStringLiteral("other.mxy"), QByteArray(plat::HelpView::MaxPageBytes + 1, 'a'));
    plat::HelpView view;
    view.Navigate(good);
    QVERIFY(view.toPlainText().contains(u"shown"));
    view.Navigate(path);
    QCOMPARE(view.fileName(), path);
    QCOMPARE(view.toPlainText(), QString());
    QCOMPARE(view.documentTitle(), QString());
}

// A click on a link: web links are opened, an anchor of the page scrolls,
// anything else is refused.
void TstHelpView::links_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("web link") << "http://www.example.org/help/" << QStringList{"http://www.example.org/help/"};
    QTest::newRow("a local program") << "file:///bin/sh" << QStringList();
    QTest::newRow("another page") << "l38181.mxy" << QStringList();
    QTest::newRow("an anchor") << "#end" << QStringList();
}

void TstHelpView::links()
{
    QFETCH(QString, href);
    QFETCH(QStringList, opened);
    QStringList refused;
    plat::setRefusedLinkObserver([&](const QString &t) { refused << t; });
    const QString path = write(QStringLiteral("links.mxy"), "<p><a href=\"" + href.toUtf8() + "\">LINKTEXT</a></p>"
                                                                + QByteArray("<p>x</p>").repeated(80)
                                                                + "<p><a name=\"end\">END</a></p>");
    plat::HelpView view;
    view.resize(300, 120);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.Navigate(path);
    QTextCursor c = view.document()->find(QStringLiteral("LINKTEXT"));
    QVERIFY(!c.isNull());
    c.setPosition(c.selectionStart() + 2);
    const QPoint at = view.cursorRect(c).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(this->opened(), opened);
    QCOMPARE(refused, opened.isEmpty() && !href.startsWith(u'#') ? QStringList{href} : QStringList());
    QCOMPARE(view.fileName(), path); // the view stays on its page
    if (href.startsWith(u'#'))
        QTRY_VERIFY(view.verticalScrollBar()->value() > 0);
    plat::setRefusedLinkObserver({});
}

QTEST_MAIN(TstHelpView)
#include "tst_helpview.moc"
