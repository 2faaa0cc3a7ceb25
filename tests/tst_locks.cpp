// Lock files never lock the user out: the single-instance lock and the
// registry stand-in's lock, left behind empty, garbled or unreadable (a crash
// between creating and writing them), or held by a running program.
#include "foundation/programfolder.h"
#include "foundation/singleinstance.h"
#include "platform/keyboardlayout.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

enum class Left { Empty, Garbled, Unreadable };

// A lock file with no owner to read, last changed `ageSeconds` ago.
bool leaveLock(const QString &path, Left kind, int ageSeconds)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (kind != Left::Empty)
        f.write("not\na lock\n");
    f.flush(); // before the time is set, or the write sets it again
    if (!f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime))
        return false;
    f.close();
    // Unreadable to its owner; with rights that read it anyway, garbled.
    return kind != Left::Unreadable || f.setPermissions({});
}

} // namespace

Q_DECLARE_METATYPE(Left)

class TstLocks : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void instanceLockLeftBehind_data();
    void instanceLockLeftBehind();
    void instanceLockOfRunningProgramHolds();
    void registryLockLeftBehind_data();
    void registryLockLeftBehind();
    void registryLockHeldDoesNotStall();
    void registryFifoIsNeitherReadNorWritten();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void TstLocks::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    fnd::overrideProgramFolder(dir_->path());
    plat::overrideRegistryFile(dir_->filePath("registry.ini"));
}

void TstLocks::cleanup()
{
    fnd::releaseSingleInstance();
    fnd::overrideProgramFolder(QString());
    plat::overrideRegistryFile(QString());
    dir_.reset();
}

void TstLocks::instanceLockLeftBehind_data()
{
    QTest::addColumn<Left>("kind");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("takenOver");
    QTest::newRow("empty, a minute old") << Left::Empty << 60 << true;
    QTest::newRow("garbled, 10 s old") << Left::Garbled << 10 << true;
    QTest::newRow("unreadable, a day old") << Left::Unreadable << 86400 << true;
    // Just made: its owner may be writing it this moment.
    QTest::newRow("empty, just made") << Left::Empty << 0 << false;
}

void TstLocks::instanceLockLeftBehind()
{
    QFETCH(Left, kind);
    QFETCH(int, ageSeconds);
    QFETCH(bool, takenOver);
    QCOMPARE(fnd::singleInstanceLockPath(), dir_->filePath("examsim.lock"));
    QVERIFY(leaveLock(fnd::singleInstanceLockPath(), kind, ageSeconds));
    QCOMPARE(fnd::acquireSingleInstance(), takenOver);
    if (takenOver) {
        // Ours now: it names this process.
        qint64 pid = 0;
        QString host, app;
        QVERIFY(QLockFile(fnd::singleInstanceLockPath()).getLockInfo(&pid, &host, &app));
        QCOMPARE(pid, QCoreApplication::applicationPid());
    }
}

void TstLocks::instanceLockOfRunningProgramHolds()
{
    // A lock naming a running program holds however old it is.
    QLockFile other(fnd::singleInstanceLockPath());
    QVERIFY(other.tryLock(0));
    QFile f(fnd::singleInstanceLockPath());
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    f.close();
    QVERIFY(!fnd::acquireSingleInstance());
}

void TstLocks::registryLockLeftBehind_data()
{
    QTest::addColumn<Left>("kind");
    QTest::addColumn<int>("ageSeconds");
    QTest::newRow("empty, a minute old") << Left::Empty << 60;
    QTest::newRow("empty, just made") << Left::Empty << 0;
    QTest::newRow("garbled, just made") << Left::Garbled << 0;
    QTest::newRow("unreadable, 10 s old") << Left::Unreadable << 10;
}

void TstLocks::registryLockLeftBehind()
{
    QFETCH(Left, kind);
    QFETCH(int, ageSeconds);
    QVERIFY(leaveLock(plat::registryFile() + ".lock", kind, ageSeconds));
    QElapsedTimer wall;
    wall.start();
    QCOMPARE(plat::setRegistryValue(plat::HKEY_CURRENT_USER, "Software\\Velkor", "ProPath08", "here"), plat::ERROR_SUCCESS);
    // Start-up waits a few seconds at most.
    QVERIFY2(wall.elapsed() < 4500, qPrintable(QString::number(wall.elapsed())));
    QCOMPARE(plat::registryValue(plat::HKEY_CURRENT_USER, "Software\\Velkor", "ProPath08").toString(), QStringLiteral("here"));
    QVERIFY(!QFile::exists(plat::registryFile() + ".lock"));
}

void TstLocks::registryLockHeldDoesNotStall()
{
    // A running program that keeps the lock: the write gives up in a few
    // seconds instead of waiting it out.
    QLockFile other(plat::registryFile() + ".lock");
    QVERIFY(other.tryLock(0));
    QElapsedTimer wall;
    wall.start();
    QCOMPARE(plat::setRegistryValue(plat::HKEY_CURRENT_USER, "Software\\Velkor", "ProPath08", "here"), plat::ERROR_ACCESS_DENIED);
    QVERIFY2(wall.elapsed() < 4500, qPrintable(QString::number(wall.elapsed())));
    QVERIFY(QFile::exists(plat::registryFile() + ".lock"));
}

// A FIFO in the values' file's place: reading and writing give up at once
// (opening it would wait for a writer for ever) and leave it as it is.
void TstLocks::registryFifoIsNeitherReadNorWritten()
{
    QCOMPARE(::mkfifo(QFile::encodeName(plat::registryFile()).constData(), 0644), 0);
    QVERIFY(!plat::registryValue(plat::HKEY_CURRENT_USER, "Software\\Velkor", "ProPath08").isValid());
    QCOMPARE(plat::setRegistryValue(plat::HKEY_CURRENT_USER, "Software\\Velkor", "ProPath08", "here"), plat::ERROR_ACCESS_DENIED);
    QCOMPARE(plat::keyboardLayoutList(), QList<quint32>{plat::UsLayout});
    QVERIFY(!QFileInfo(plat::registryFile()).isFile());
}

QTEST_GUILESS_MAIN(TstLocks)
#include "tst_locks.moc"
