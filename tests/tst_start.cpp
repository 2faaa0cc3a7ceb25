// Start-up: the splash, the hand-over to the cover, the cover's module check
// and the refusal of a second instance (the last two on the real program,
// started as processes on a private program folder).
#include "app/startup.h"
#include "cover/frmfengmian.h"
#include "foundation/gbkfile.h"
#include "foundation/picture.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "foundation/singleinstance.h"
#include "foundation/startup.h"
#include "foundation/ui/frmstart.h"
#include "run/runstate.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace {

// Every file below a folder with its size and modification time.
QMap<QString, QPair<qint64, qint64>> snapshot(const QString &folder)
{
    QMap<QString, QPair<qint64, qint64>> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        files.insert(fi.absoluteFilePath(), {fi.size(), fi.lastModified().toMSecsSinceEpoch()});
    }
    return files;
}

// The paths whose size or time differ between two snapshots, or that only
// one holds; empty when they are the same.
QString changedFiles(const QMap<QString, QPair<qint64, qint64>> &before, const QMap<QString, QPair<qint64, qint64>> &after)
{
    QStringList changed;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key(), {-1, -1}) != it.value())
            changed << it.key();
    for (auto it = after.begin(); it != after.end(); ++it)
        if (!before.contains(it.key()))
            changed << it.key();
    return changed.join(u' ');
}

// The real program on a private program folder.
void startProgram(QProcess &p, const QString &programFolder, bool autoAnswer)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("EXAMSIM_HOME", programFolder);
    if (autoAnswer)
        env.insert("EXAMSIM_AUTOANSWER", "1");
    p.setProcessEnvironment(env);
    p.start(ts::toolPath("examsim"), {});
}

// Runs the real program to its end; its standard error, or nullopt when it
// did not end by itself with exit code 0.
std::optional<QString> runToEnd(const QString &programFolder)
{
    QProcess p;
    startProgram(p, programFolder, true);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardError());
}

// This test program again, on one test function, in a process of its own
// with these environment values; it must pass there.
void passesAlone(const QString &function, const QList<QPair<QString, QString>> &values)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto &[name, value] : values)
        env.insert(name, value);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {function});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray out = child.readAllStandardOutput() + child.readAllStandardError();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, out.constData());
    QVERIFY2(out.contains("PASS   : TstStart::" + function.toUtf8() + "()"), out.constData());
}

// Not a first run: the start-up then writes nothing before the cover.
void markInstalled(const ts::ProgramCopy &copy)
{
    QVERIFY(fnd::writeLines(copy.file("wydata/288892.mxy"), {"1"}));
}

} // namespace

class TstStart : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void splashLayout();
    void splashLayoutAt120Dpi();
    void loadsWithoutPictures();
    void handOverToCover();
    void coverPicturesDecodedWhileTheSplashWaits();
    void coverAcceptsOwnModule_data();
    void coverAcceptsOwnModule();
    void otherModuleEndsProgramSilently_data();
    void otherModuleEndsProgramSilently();
    void secondInstanceRefused();
    void freedPicturesGoBackToTheSystem();

private:
    std::unique_ptr<ts::ProgramCopy> copy;
};

void TstStart::init()
{
    // What follows the splash and the run values it resets, as the program's
    // start wires them.
    app::wire();
    fnd::resetGlobals();
    run::resetRunState();
    copy = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy->isValid());
    // A lock left in the sample folder by a program run by hand is not ours.
    QFile::remove(fnd::singleInstanceLockPath());
}

void TstStart::cleanup()
{
    FrmStart::unload();
    FrmFengmian::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fnd::releaseSingleInstance();
    copy.reset();
}

void TstStart::splashLayout()
{
    // Run again by splashLayoutAt120Dpi on a 120 dpi screen.
    const double scale = qEnvironmentVariable("TST_EXPECT_XBILI", "1").toDouble();
    run::TaoNo = 7;
    run::YanShiRun = true;
    FrmStart &w = FrmStart::get();
    QCOMPARE(fnd::XBiLi, scale);
    QCOMPARE(fnd::YBiLi, scale);
    // 6000 by 3000 design twips: 400 by 200 pixels at any scale.
    QCOMPARE(w.size(), QSize(400, 200));
    QCOMPARE(w.Label1->text(), "正在启动" + fnd::ModuleName + "，请稍候...");
    QVERIFY(!fnd::ModuleName.isEmpty());
    QCOMPARE(w.Label1->font().pointSizeF(), 11 * scale);
    // 8.8 points at 120 dpi are as tall as 11 points at 96.
    QCOMPARE(QFontInfo(w.Label1->font()).pixelSize(), qRound(11 * 96 / 72.0));
    QCOMPARE(w.Label1->y(), 144);
    QCOMPARE(w.Label1->size(), w.Label1->sizeHint());
    QVERIFY(qAbs(w.Label1->x() - (400 - w.Label1->width()) / 2.0) <= 1.0);
    QCOMPARE(w.Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(w.windowTitle(), QString("Marrowby考试练习系统"));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(run::TaoNo, qint16(0));
    QCOMPARE(run::YanShiRun, false);
    QCOMPARE(fnd::CandName, fnd::InfoTable[8]);
    QVERIFY(fnd::OsVer == "Unknown" || QRegularExpression("^\\d+\\.\\d+$").match(fnd::OsVer).hasMatch());
    QVERIFY(w.Timer1->isActive());
    QCOMPARE(w.Timer1->interval(), 100);
    // The splash picture from its top-left corner, under the label.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage shot = w.grab().toImage();
    QImage splash;
    QVERIFY(splash.load(fnd::dataFile("l20059")));
    QCOMPARE(shot.pixelColor(5, 5), splash.pixelColor(5, 5));
    QCOMPARE(shot.pixelColor(395, 10), splash.pixelColor(395, 10));
}

void TstStart::splashLayoutAt120Dpi()
{
    // 12 twips a pixel: the same test in a process whose screen has 120 dpi
    // and no scaling of its own.
    QTemporaryDir dir;
    QFile cfg(dir.filePath("screen.json"));
    QVERIFY(cfg.open(QIODevice::WriteOnly));
    cfg.write(R"({"screens":[{"name":"s","x":0,"y":0,"width":1024,"height":768,"logicalDpi":120}]})");
    cfg.close();
    passesAlone("splashLayout", {{"QT_QPA_PLATFORM", "offscreen:configfile=" + cfg.fileName()},
                                 {"QT_ENABLE_HIGHDPI_SCALING", "0"},
                                 {"TST_EXPECT_XBILI", "0.8"}});
}

void TstStart::loadsWithoutPictures()
{
    QVERIFY(QFile::remove(copy->file("wydata/l20059.mxy")));
    QVERIFY(QFile::remove(copy->file("wydata/l62011.mxy")));
    FrmStart &w = FrmStart::get();
    QCOMPARE(w.size(), QSize(400, 200));
    QCOMPARE(w.Label1->y(), 144);
    QVERIFY(w.Timer1->isActive());
}

void TstStart::handOverToCover()
{
    markInstalled(*copy);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    fnd::EndCatcher end;
    FrmStart &w = FrmStart::get();
    w.show();
    QVERIFY(!FrmFengmian::loaded());
    QTRY_VERIFY(FrmFengmian::loaded() && FrmFengmian::loaded()->isVisible());
    QTRY_VERIFY(!FrmStart::loaded());
    QCOMPARE(end.ends(), 0);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    // The run's error log is named after the moment the cover appeared.
    const QRegularExpression name("^" + QRegularExpression::escape(copy->path()) + "/ksdata/(\\d{14})\\.txt$");
    const auto m = name.match(fnd::ErrLogFile);
    QVERIFY2(m.hasMatch(), qPrintable(fnd::ErrLogFile));
    const QDateTime stamp = QDateTime::fromString(m.captured(1), "yyyyMMddHHmmss");
    QVERIFY(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after);
    QVERIFY(!QFile::exists(fnd::ErrLogFile));
    QCOMPARE(FrmFengmian::loaded()->LblCaption->text(), fnd::ModuleName);
}

void TstStart::coverPicturesDecodedWhileTheSplashWaits()
{
    markInstalled(*copy);
    fnd::EndCatcher end;
    FrmStart &w = FrmStart::get();
    w.show();
    // While the splash waits for its tick (no event is handled here), a
    // worker decodes the cover's pictures; the splash's icon, which the
    // cover shows too, is already in the cache.
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(w.Timer1->isActive());
    const QStringList pictures = FrmFengmian::pictureFiles();
    for (const QString &p : pictures)
        QVERIFY2(fnd::isPictureDecodedAhead(p) || fnd::isPictureCached(p), qPrintable(p));
    // The cover takes them all.
    QTRY_VERIFY(FrmFengmian::loaded() && FrmFengmian::loaded()->isVisible());
    for (const QString &p : pictures)
        QVERIFY2(!fnd::isPictureDecodedAhead(p) && fnd::isPictureCached(p), qPrintable(p));
}

void TstStart::coverAcceptsOwnModule_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << "8";
    QTest::newRow("leading zero") << "08";
    QTest::newRow("leading blank") << " 8";
    QTest::newRow("decimal") << "8.0";
}

void TstStart::coverAcceptsOwnModule()
{
    QFETCH(QString, line);
    markInstalled(*copy);
    fnd::readInfo();
    QCOMPARE(fnd::ModuleNo, qint16(8));
    QVERIFY(fnd::writeLines(fnd::dataFile("288899"), {line}));
    fnd::EndCatcher end;
    FrmFengmian::get().show();
    QCOMPARE(end.ends(), 0);
    QVERIFY(FrmFengmian::loaded()->isVisible());
    QCOMPARE(FrmFengmian::loaded()->LblCaption->text(), fnd::ModuleName);
}

void TstStart::otherModuleEndsProgramSilently_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("removeFile");
    QTest::newRow("other module") << "9" << false;
    QTest::newRow("empty file") << "" << false;
    QTest::newRow("missing file") << "" << true;
}

void TstStart::otherModuleEndsProgramSilently()
{
    QFETCH(QString, line);
    QFETCH(bool, removeFile);
    markInstalled(*copy);
    const QString moduleFile = copy->file("wydata/288899.mxy");
    if (removeFile)
        QVERIFY(QFile::remove(moduleFile));
    else
        QVERIFY(fnd::writeLines(moduleFile, line.isEmpty() ? QStringList{} : QStringList{line}));
    const auto files = snapshot(copy->path());

    const auto err = runToEnd(copy->path());
    QVERIFY(err);
    // No message, and not one file written, created or left behind.
    QVERIFY(!err->contains("examsim message"));
    const QString changed = changedFiles(files, snapshot(copy->path()));
    QVERIFY2(changed.isEmpty(), qPrintable(changed));
}

void TstStart::secondInstanceRefused()
{
    markInstalled(*copy);
    QVERIFY(!QFile::exists(copy->file("ksdata/288893.mxy")));
    QProcess first;
    startProgram(first, copy->path(), true);
    QVERIFY(first.waitForStarted());
    // The lock file is created empty and its owner written after: the
    // snapshot waits for the owner.
    QTRY_VERIFY(QFileInfo(fnd::singleInstanceLockPath()).size() > 0);
    // Its cover writes the unit progress as it loads (a folder without
    // one): the snapshot waits for that too, however slow the start.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copy->file("ksdata/288893.mxy")), 30000);
    const auto files = snapshot(copy->path());

    const auto err = runToEnd(copy->path());
    QVERIFY(err);
    QVERIFY2(err->contains("examsim message: 系统提示: "
                          "考试练习系统已在运行。如果你没有找到，请关闭其它窗口和程序，或者注销或重启。"),
             qPrintable(*err));
    QCOMPARE(first.state(), QProcess::Running);
    const QString changed = changedFiles(files, snapshot(copy->path()));
    QVERIFY2(changed.isEmpty(), qPrintable(changed));

    // A run that dies leaves its lock behind; the next start takes it over.
    first.kill();
    QVERIFY(first.waitForFinished());
    QVERIFY(QFile::exists(fnd::singleInstanceLockPath()));
    QVERIFY(fnd::acquireSingleInstance());
}

// The program's memory set-up: a picture-sized block allocated after a
// larger one was freed is still a mapping of its own, so it goes back to the
// system when freed (the C library would serve it from its heap, which
// keeps it). Checked in a process of its own, whose heap is as the
// program's start finds it. The address sanitizer replaces the C library's
// allocator, which then takes no settings: its build checks that the set-up
// reports as much.
void TstStart::freedPicturesGoBackToTheSystem()
{
    if (!qEnvironmentVariableIsSet("TST_OWN_PROCESS")) {
        passesAlone("freedPicturesGoBackToTheSystem", {{"TST_OWN_PROCESS", "1"}});
        return;
    }
#if defined(__SANITIZE_ADDRESS__) || (defined(__has_feature) && __has_feature(address_sanitizer))
    // The sanitizer's allocator takes no settings, and the set-up says so.
    QVERIFY(!app::prepareProcess());
#else
    QVERIFY(app::prepareProcess());
    static void *volatile block; // not optimised away
    block = std::malloc(8 << 20);
    std::memset(block, 1, 8 << 20);
    std::free(block);
    const size_t mappedBefore = mallinfo2().hblkhd;
    block = std::malloc(2 << 20);
    QVERIFY(block);
    const size_t mappedWith = mallinfo2().hblkhd;
    std::free(block);
    QVERIFY2(mappedWith >= mappedBefore + (2 << 20), qPrintable(QString::number(mappedWith - mappedBefore)));
    QCOMPARE(mallinfo2().hblkhd, mappedBefore);
#endif
}

QTEST_MAIN(TstStart)
#include "tst_start.moc"
