// The desktop opener: web links are handed on (logged under
// EXAMSIM_OPEN_LOG instead), every other target is refused and reported to
// the observer, an empty target is neither.
#include "platform/ui/opener.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstOpener : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void links_data();
    void links();

private:
    QTemporaryDir dir_;
    QString log() const { return dir_.filePath(QStringLiteral("open.log")); }
    QStringList logged() const
    {
        QFile f(log());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    QStringList refused_;
};

void TstOpener::init()
{
    QFile::remove(log());
    refused_.clear();
    qputenv("EXAMSIM_OPEN_LOG", log().toUtf8());
    plat::setRefusedLinkObserver([this](const QString &t) { refused_ << t; });
}

void TstOpener::cleanup()
{
    qunsetenv("EXAMSIM_OPEN_LOG");
    plat::setRefusedLinkObserver({});
}

void TstOpener::links_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("opened");  // the logged target; empty: nothing opened
    QTest::addColumn<QString>("refused"); // the refused target; empty: none
    QTest::newRow("http") << "http://www.example.org/a?b=1" << "http://www.example.org/a?b=1" << "";
    QTest::newRow("https, blanks around, upper-case scheme")
        << "  HTTPS://www.example.org/  " << "HTTPS://www.example.org/" << "";
    QTest::newRow("a local program") << "file:///bin/sh" << "" << "file:///bin/sh";
    QTest::newRow("a bare path") << "/bin/sh" << "" << "/bin/sh";
    QTest::newRow("a drive path") << "C:\\run.exe" << "" << "C:\\run.exe";
    QTest::newRow("another scheme") << "ftp://www.example.org/" << "" << "ftp://www.example.org/";
    QTest::newRow("script") << "javascript:alert(1)" << "" << "javascript:alert(1)";
    QTest::newRow("http without a host") << "http:///etc/passwd" << "" << "http:///etc/passwd";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("blanks") << "   " << "" << "";
}

void TstOpener::links()
{
    QFETCH(QString, target);
    QFETCH(QString, opened);
    QFETCH(QString, refused);
    QCOMPARE(plat::openLink(target), !opened.isEmpty());
    QCOMPARE(logged(), opened.isEmpty() ? QStringList() : QStringList{opened});
    QCOMPARE(refused_, refused.isEmpty() ? QStringList() : QStringList{refused});
}

QTEST_MAIN(TstOpener)
#include "tst_opener.moc"
