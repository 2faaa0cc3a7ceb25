// The update window and the online update on a copy of the sample program
// folder, against a local server that answers from a thread of its own: the
// window's load and layout, the advert, the check, the question and the
// count message answered by their real buttons, the downloads with what they
// leave on disk, the refused names, the program file's hand-off and the end
// of the program.
#include "reportlog.h"
#include "routeserver.h"
#include "testsupport.h"

#include "app/startup.h"
#include "auxiliary/update/frmupdata.h"
#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "foundation/startup.h"
#include "foundation/ui/kvelbutton.h"
#include "run/runstate.h"
#include "update/manifest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkProxy>
#include <QPointer>
#include <QUrl>
#include <QtTest>

Q_DECLARE_METATYPE(ts::Route)
Q_DECLARE_METATYPE(plat::DownloadLimits)

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define EXAMSIM_ASAN
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(EXAMSIM_ASAN)
// The address sanitizer holds back freed memory (256 MiB by default) instead
// of reusing it, which the peak memory of a long download would count as the
// download's own; here it holds back 16 MiB.
extern "C" const char *__asan_default_options() { return "quarantine_size_mb=16"; }
#endif

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

const QByteArray Installed = "202401010000\r\nD202401010000288901\r\n";
const QByteArray Manifest = "202501151030\r\nD202501151020288001\r\nK202501151020170200\r\nE202501151020030077\r\n"
                            "M202501151020sMenu.sys\r\nD202501151020288002\r\n";
const QDateTime Old(QDate(2024, 1, 1), QTime(8, 0));
const QDateTime Newer(QDate(2025, 1, 16), QTime(9, 0));

const QString Question = s("升级软件|题库有新文件，是否要进行升级？");
QString counted(int done, int due)
{
    return fnd::AppTitle + s("|已更新%1/%2文件。请重新打开软件！").arg(done).arg(due);
}

// Bytes that no text handling leaves alone, different for each name.
QByteArray served(const QByteArray &name, int size = 4096)
{
    QByteArray b = "\x00\r\n\xff" + name + "\n\r";
    while (b.size() < size)
        b += char(b.size() * 7 % 251);
    return b;
}

void writeFile(const QString &path, const QByteArray &bytes, const QDateTime &modified = QDateTime())
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
    QVERIFY(f.flush());
    if (modified.isValid())
        QVERIFY(f.setFileTime(modified, QFileDevice::FileModificationTime));
}

void setModified(const QString &path, const QDateTime &modified)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::ReadWrite), qPrintable(path));
    QVERIFY(f.setFileTime(modified, QFileDevice::FileModificationTime));
}

QStringList entriesOf(const QString &folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

// Answers the platform's message boxes as they come, by their real buttons,
// and records each as "title|text" (with "?" appended for a question icon).
class Boxes
{
public:
    explicit Boxes(QList<QMessageBox::StandardButton> answers) : answers_(std::move(answers))
    {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box == last_)
                return;
            last_ = box;
            seen << box->windowTitle() + u'|' + box->text() + (box->icon() == QMessageBox::Question ? "?" : "");
            QAbstractButton *b = box->button(answers_.isEmpty() ? QMessageBox::Ok : answers_.takeFirst());
            QTest::mouseClick(static_cast<QWidget *>(b ? b : box->buttons().value(0)), Qt::LeftButton);
        });
        poll_.start();
    }
    QStringList seen;

private:
    QList<QMessageBox::StandardButton> answers_;
    QPointer<QMessageBox> last_;
    QTimer poll_;
};

// The program folder the update works on: its files, the bank's files and
// window pictures without the scenes, a few bar pictures.
bool updateFixture(const QString &relative)
{
    const QString name = relative.section(u'/', -1);
    if (relative.startsWith(QStringLiteral("wydata/")))
        return name.startsWith(u'l') || name.startsWith(QStringLiteral("9l")) || name.startsWith(QStringLiteral("28"));
    if (relative.startsWith(QStringLiteral("examdata/")))
        return name.startsWith(QStringLiteral("03"));
    return true;
}

// The process's peak resident memory in MiB since the last resetPeakMemory().
void resetPeakMemory()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.write("5") == 1);
}
double peakMemoryMiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

// Waits for a real timer of `ms`, events running meanwhile.
void waitFor(int ms)
{
    bool done = false;
    QTimer::singleShot(ms, [&done] { done = true; });
    QTRY_VERIFY(done);
}

} // namespace

class TstUpdate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void missingPicturesReported();
    void dragStrip();
    void updateAnsweredYes();
    void nothingNewer_data();
    void nothingNewer();
    void closedBeforeTheCheck();
    void leftDuringTheCheck_data();
    void leftDuringTheCheck();
    void failedDownloadsKeepOldFiles();
    void hostileFile_data();
    void hostileFile();
    void badTargets_data();
    void badTargets();
    void missingDataFolder();
    void refusedNames();
    void programFile_data();
    void programFile();
    void declined();
    void manifestRefused_data();
    void manifestRefused();
    void advert_data();
    void advert();
    void noServerNoRequest();

private:
    QString file(const QString &relative) const { return copy_->file(relative); }
    QString quilt(const QString &rest) const { return QStringLiteral("/up/quilt/") + fnd::ExamTitle + u'/' + rest; }
    QString manifestPath() const { return quilt(QStringLiteral("wydata/288895.txt")); }
    QString adPath() const { return QStringLiteral("/up/ad/") + fnd::InfoTable[12] + QStringLiteral("/170100.rar"); }
    // The update button of the cover.
    void pressUpdate() { QTest::mouseClick(FrmFengmian::get().ClickBotn[8], Qt::LeftButton); }
    // Runs one update answered Yes with the manifest, until the program's end.
    void runYes(const QByteArray &manifest, Boxes &boxes, fnd::EndCatcher &end);

    std::unique_ptr<ts::ProgramCopy> copy_;
    std::unique_ptr<ts::RouteServer> server_;
    // The program's own limits for the listed files, before the tests shorten them.
    plat::DownloadLimits realFileLimits_;
};

void TstUpdate::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    qunsetenv("EXAMSIM_UPDATE_SERVER");
    realFileLimits_ = updwin::FileLimits;
    app::wire();
}

void TstUpdate::init()
{
    copy_ = std::make_unique<ts::ProgramCopy>(updateFixture);
    QVERIFY(copy_->isValid());
    fnd::resetGlobals();
    run::resetRunState();
    fnd::readInfo();
    server_ = std::make_unique<ts::RouteServer>();
    QVERIFY(server_->isListening());
    upd::setUpdateServer(server_->base());
    fnd::setErrorEndpoint(server_->base());
    fnd::ErrLogFile = file(QStringLiteral("ksdata/log.txt"));
    // Stalls and trickles fail after a second.
    const plat::TransferPace pace{1000, 1024};
    updwin::AdLimits = {3000, 1 << 20, std::nullopt};
    updwin::ManifestLimits = {3000, upd::MaxManifestBytes, pace};
    updwin::FileLimits = {3000, 1 << 20, pace};
    updwin::ShowUpdate = 0;
    writeFile(file(QStringLiteral("wydata/288895.mxy")), Installed);
    FrmFengmian::get().show();
    QCOMPARE(run::BankVersion, QStringLiteral("202401010000"));
}

void TstUpdate::cleanup()
{
    FrmUpdata::unload();
    FrmFengmian::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    server_.reset();
    upd::setUpdateServer(QString());
    fnd::setErrorEndpoint(QString());
    fnd::ErrLogFile.clear();
    copy_.reset();
}

void TstUpdate::runYes(const QByteArray &manifest, Boxes &boxes, fnd::EndCatcher &end)
{
    server_->route(manifestPath(), 200, manifest);
    pressUpdate();
    QTRY_COMPARE(end.ends(), 1);
    QCOMPARE(boxes.seen.value(0), Question + "?");
}

void TstUpdate::layout_data()
{
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<QString>("version");
    QTest::newRow("installed version") << Installed << "202401010000";
    QTest::newRow("no version") << QByteArray() << "";
}

void TstUpdate::layout()
{
    QFETCH(QByteArray, versionFile);
    QFETCH(QString, version);
    upd::setUpdateServer(QString());
    FrmFengmian::unload();
    writeFile(file(QStringLiteral("wydata/288895.mxy")), versionFile);
    FrmFengmian::get().show();
    pressUpdate();
    FrmUpdata *w = FrmUpdata::loaded();
    QVERIFY(w && w->isVisible());
    QCOMPARE(int(updwin::ShowUpdate), 1);
    QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(w->windowTitle(), s("Marrowby考试练习系统"));
    // 5550 x 3750 twips at 15 twips a pixel, centred on the 1024 x 768 screen.
    QCOMPARE(w->geometry(), QRect(327, 259, 370, 250));
    QCOMPARE(w->lblMove->geometry(), QRect(0, 0, 372, 36));
    QCOMPARE(w->ImgLogo1->geometry(), QRect(8, 6, 24, 24));
    QCOMPARE(w->Label4->pos(), QPoint(40, 10));
    QCOMPARE(w->Label3->pos(), QPoint(24, 64));
    QCOMPARE(w->LblVer->geometry(), QRect(120, 64, 129, 17));
    QCOMPARE(w->Label1->pos(), QPoint(24, 96));
    QCOMPARE(w->Label2->pos(), QPoint(24, 128));
    QCOMPARE(w->Command1->geometry(), QRect(232, 192, 90, 30));
    QCOMPARE(w->Command1->pictureName(), QStringLiteral("l20001"));
    QCOMPARE(w->Label4->text(), s("新版本检测——") + fnd::ModuleName);
    QCOMPARE(w->Label3->text(), s("当前题库版本是："));
    QCOMPARE(w->LblVer->text(), version);
    QCOMPARE(w->Label1->text(), s("最新题库版本是：") + version);
    QCOMPARE(w->Label2->text(), s("已是最新版本，无需升级。"));
    QCOMPARE(w->Label2->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(w->Label4->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(w->Label2->font().pointSizeF(), 14.0);
    QCOMPARE(w->Label4->font().pointSizeF(), 10.0);
    QCOMPARE(w->Label3->font().pointSizeF(), 9.0);
    QCOMPARE(w->LblVer->font().pointSizeF(), 9.0);
    // Sized to their texts.
    for (QLabel *l : {w->Label4, w->Label3, w->Label1, w->Label2})
        QCOMPARE(l->size(), l->sizeHint());
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->Timer1->interval(), 100);
    // The tick turns the timer off for good.
    QTRY_VERIFY(!w->Timer1->isActive());
    QVERIFY(w->isVisible());
}

void TstUpdate::missingPicturesReported()
{
    upd::setUpdateServer(QString());
    QVERIFY(QFile::remove(fnd::dataFile(QStringLiteral("l20069"))));
    writeFile(fnd::dataFile(QStringLiteral("l20067")), "not a picture");
    pressUpdate();
    FrmUpdata *w = FrmUpdata::loaded();
    QVERIFY(w && w->isVisible());
    QCOMPARE(ts::loggedReports(fnd::ErrLogFile),
             (QStringList{"uploadFile not found", "uploadInvalid picture"}));
    QVERIFY(w->ImgLogo1->pixmap().isNull());
    // The rest of the load ran.
    QCOMPARE(w->Label2->text(), s("已是最新版本，无需升级。"));
    QCOMPARE(w->Command1->pictureName(), QStringLiteral("l20001"));
    QVERIFY(w->Timer1->isActive());
}

void TstUpdate::dragStrip()
{
    upd::setUpdateServer(QString());
    pressUpdate();
    FrmUpdata *w = FrmUpdata::loaded();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QWindow *win = w->windowHandle();
    const QPoint start = w->pos();
    QTest::mousePress(win, Qt::RightButton, {}, QPoint(100, 20));
    QTest::mouseMove(win, QPoint(140, 50));
    QTest::mouseRelease(win, Qt::RightButton, {}, QPoint(140, 50));
    QCOMPARE(w->pos(), start);
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(100, 20));
    QTest::mouseMove(win, QPoint(130, 40));
    QTRY_COMPARE(w->pos(), start + QPoint(30, 20));
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(100, 20));
    // Below the strip the window does not drag.
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(100, 120));
    QTest::mouseMove(win, QPoint(150, 150));
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(150, 150));
    QCOMPARE(w->pos(), start + QPoint(30, 20));
}

void TstUpdate::updateAnsweredYes()
{
    const QByteArray a = served("288001", 300000), b = served("170200"), c = served("030077"), d = served("sMenu");
    server_->route(quilt("wydata/288001.rar"), 200, a);
    server_->route(quilt("ksdata/170200.rar"), 200, b);
    server_->route(quilt("examdata/030077.rar"), 200, c);
    server_->route(quilt("sMenu.rar"), 200, d);
    server_->route(quilt("wydata/288002.rar"), 200, "must not be fetched");
    server_->route(adPath(), 200, "advert");
    setModified(file(QStringLiteral("examdata/030077.mxy")), Old);
    setModified(file(QStringLiteral("sMenu.sys")), Old);
    // Newer than its stamp: neither requested nor touched.
    writeFile(file(QStringLiteral("wydata/288002.mxy")), "kept", Newer);

    Boxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    fnd::EndCatcher end;
    runYes(Manifest, boxes, end);
    QCOMPARE(boxes.seen, (QStringList{Question + "?", counted(4, 4)}));
    QCOMPARE(server_->requestedPaths(),
             (QStringList{adPath(), manifestPath(), manifestPath(), quilt("wydata/288001.rar"),
                          quilt("ksdata/170200.rar"), quilt("examdata/030077.rar"), quilt("sMenu.rar")}));
    // The title goes out percent-encoded as UTF-8.
    const QString title = QString::fromLatin1(QUrl::toPercentEncoding(fnd::ExamTitle));
    QVERIFY(title.contains(u'%'));
    QCOMPARE(server_->requestLines().value(1), "GET /up/quilt/" + title + "/wydata/288895.txt HTTP/1.1");
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288001.mxy"))), a);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("ksdata/170200.mxy"))), b);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("examdata/030077.mxy"))), c);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("sMenu.sys"))), d);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288002.mxy"))), QByteArray("kept"));
    QCOMPARE(QFileInfo(file(QStringLiteral("wydata/288002.mxy"))).lastModified(), Newer);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288895.mxy"))), Manifest);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("ksdata/288895.mxy"))), Manifest);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("ksdata/170100.mxy"))), QByteArray("advert"));
    QVERIFY(!QFileInfo::exists(file(QStringLiteral("uprun.dll"))));
    QVERIFY(server_->reports().isEmpty());
    QCOMPARE(end.ends(), 1);
}

void TstUpdate::nothingNewer_data()
{
    QTest::addColumn<ts::Route>("check");
    QTest::newRow("the same stamp") << ts::Route{200, Installed};
    QTest::newRow("an older stamp") << ts::Route{200, "202312312359\r\nK202312312359170200\r\n"};
    QTest::newRow("404") << ts::Route{404, "Not Found"};
    QTest::newRow("a 5-second delay") << ts::Route{200, Manifest, ts::Route::Whole, 5000};
}

// No question, no file changed, back within about 3 seconds with the window's
// up-to-date texts.
void TstUpdate::nothingNewer()
{
    QFETCH(ts::Route, check);
    server_->route(manifestPath(), check);
    Boxes boxes({QMessageBox::No});
    const QStringList ksdata = entriesOf(file(QStringLiteral("ksdata")));
    pressUpdate();
    FrmUpdata *w = FrmUpdata::loaded();
    QVERIFY(w && w->isVisible());
    w->Timer1->stop(); // the run is timed here, not on the tick
    QElapsedTimer clock;
    clock.start();
    w->TKUP();
    // The check gives up at the start of the third whole second after it
    // began, so up to 3 s plus the time to unwind; the slow server's answer
    // would take 5 s.
    QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(server_->requestedPaths(), (QStringList{adPath(), manifestPath()}));
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288895.mxy"))), Installed);
    QCOMPARE(entriesOf(file(QStringLiteral("ksdata"))), ksdata);
    QVERIFY(w->isVisible());
    QCOMPARE(w->LblVer->text(), QStringLiteral("202401010000"));
    QCOMPARE(w->Label1->text(), s("最新题库版本是：202401010000"));
    QCOMPARE(w->Label2->text(), s("已是最新版本，无需升级。"));
}

void TstUpdate::closedBeforeTheCheck()
{
    server_->route(manifestPath(), 200, Manifest);
    pressUpdate();
    FrmUpdata *w = FrmUpdata::loaded();
    QVERIFY(w && w->isVisible());
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QVERIFY(!FrmUpdata::loaded());
    waitFor(400);
    QCOMPARE(server_->requestedPaths(), QStringList{adPath()});
}

void TstUpdate::leftDuringTheCheck_data()
{
    QTest::addColumn<bool>("closeWindow");
    QTest::newRow("the window closed") << true;
    QTest::newRow("the cover left for a run") << false;
}

// The check answers a newer stamp after the window was closed or the cover
// unloaded: the run stops there, without a question or a download.
void TstUpdate::leftDuringTheCheck()
{
    QFETCH(bool, closeWindow);
    server_->route(manifestPath(), ts::Route{200, Manifest, ts::Route::Whole, 1500});
    Boxes boxes({QMessageBox::No});
    pressUpdate();
    QPointer<FrmUpdata> w = FrmUpdata::loaded();
    QVERIFY(w);
    auto close = [w] {
        if (w)
            QTest::mouseClick(w->Command1, Qt::LeftButton);
    };
    if (closeWindow) {
        QTimer::singleShot(300, close);
    } else {
        QTimer::singleShot(300, [] { FrmFengmian::unload(); });
        QTimer::singleShot(2500, close);
    }
    QTRY_VERIFY(w.isNull());
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(server_->requestedPaths(), (QStringList{adPath(), manifestPath()}));
    QVERIFY(!QFileInfo::exists(file(QStringLiteral("ksdata/288895.mxy"))));
}

void TstUpdate::failedDownloadsKeepOldFiles()
{
    server_->route(quilt("wydata/288001.rar"), 200, served("288001"));
    server_->route(quilt("ksdata/170200.rar"), 404, "Not Found");
    server_->route(quilt("examdata/030077.rar"), ts::Route{200, served("030077", 200000), ts::Route::Short});
    server_->route(quilt("sMenu.rar"), 200, served("sMenu"));
    writeFile(file(QStringLiteral("ksdata/170200.mxy")), "old 170200", Old);
    const QByteArray oldPicture = ts::fileBytes(file(QStringLiteral("examdata/030077.mxy")));
    QVERIFY(!oldPicture.isEmpty());
    setModified(file(QStringLiteral("examdata/030077.mxy")), Old);
    setModified(file(QStringLiteral("sMenu.sys")), Old);
    writeFile(file(QStringLiteral("wydata/288002.mxy")), "kept", Newer);
    const QStringList ksdata = entriesOf(file(QStringLiteral("ksdata")));
    const QStringList examdata = entriesOf(file(QStringLiteral("examdata")));
    const QStringList program = entriesOf(copy_->path());

    {
        Boxes boxes({QMessageBox::Yes, QMessageBox::Ok});
        fnd::EndCatcher end;
        runYes(Manifest, boxes, end);
        QCOMPARE(boxes.seen.value(1), counted(2, 4));
    }
    QCOMPARE(ts::fileBytes(file(QStringLiteral("ksdata/170200.mxy"))), QByteArray("old 170200"));
    QCOMPARE(ts::fileBytes(file(QStringLiteral("examdata/030077.mxy"))), oldPicture);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288895.mxy"))), Installed);
    // No temporary file left: only the new manifest is new.
    QCOMPARE(entriesOf(file(QStringLiteral("ksdata"))), (QStringList(ksdata) << "288895.mxy"));
    QCOMPARE(entriesOf(file(QStringLiteral("examdata"))), examdata);
    QCOMPARE(entriesOf(copy_->path()), program);

    // The version stayed, so the next load checks and asks again.
    FrmUpdata::unload();
    Boxes again({QMessageBox::No});
    pressUpdate();
    QTRY_COMPARE(again.seen, QStringList{Question + "?"});
}

void TstUpdate::hostileFile_data()
{
    QTest::addColumn<ts::Route>("answer");
    QTest::addColumn<plat::DownloadLimits>("limits");
    QTest::addColumn<int>("withinMs");
    // Stalls and trickles fail after a second; the deadline comes much later.
    const plat::DownloadLimits shortened{60000, 1 << 20, plat::TransferPace{1000, 1024}};
    // 100 bytes at 5 a second would come whole after 20 s.
    QTest::newRow("trickled") << ts::Route{200, served("170200", 100), ts::Route::Trickle, 0, 200} << shortened
                              << 10000;
    QTest::newRow("stalled") << ts::Route{200, served("170200"), ts::Route::Stall} << shortened << 10000;
    QTest::newRow("larger than the limit, with its length") << ts::Route{200, served("170200", (1 << 20) + 1)}
                                                            << shortened << 10000;
    // Refused at 256 MiB.
    QTest::newRow("endless without a length, on the program's own limits")
        << ts::Route{200, {}, ts::Route::Endless} << realFileLimits_ << 120000;
}

// A file that trickles below the pace, stalls, or grows past the size limit:
// refused, counted due and not done, the old file and the version file as
// they were, no temporary file left, and memory that did not grow with what
// came.
void TstUpdate::hostileFile()
{
    QFETCH(ts::Route, answer);
    QFETCH(plat::DownloadLimits, limits);
    QFETCH(int, withinMs);
    updwin::FileLimits = limits;
    server_->route(quilt("ksdata/170200.rar"), answer);
    writeFile(file(QStringLiteral("ksdata/170200.mxy")), "old 170200", Old);
    const QStringList ksdata = entriesOf(file(QStringLiteral("ksdata")));
    Boxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    fnd::EndCatcher end;
    server_->route(manifestPath(), 200, "202501151030\r\nK202501151020170200\r\n");
    resetPeakMemory();
    const double before = peakMemoryMiB();
    QVERIFY(before > 0);
    pressUpdate();
    QTRY_COMPARE_WITH_TIMEOUT(end.ends(), 1, withinMs);
    const double peak = peakMemoryMiB();
    QVERIFY2(peak - before < 50, qPrintable(QStringLiteral("%1 MiB, then %2 MiB").arg(before).arg(peak)));
    if (answer.shape == ts::Route::Endless) {
        // Refused at the limit: the server sent more than it, and beyond it
        // no more than the connection's buffers hold (the system's socket
        // buffers at each end, and what Qt took from them at once).
        const qint64 sent = server_->streamedBytes();
        QVERIFY2(sent > limits.maxBytes && sent < limits.maxBytes + (128 << 20), qPrintable(QString::number(sent)));
    }
    QCOMPARE(boxes.seen, (QStringList{Question + "?", counted(0, 1)}));
    QCOMPARE(ts::fileBytes(file(QStringLiteral("ksdata/170200.mxy"))), QByteArray("old 170200"));
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288895.mxy"))), Installed);
    QCOMPARE(entriesOf(file(QStringLiteral("ksdata"))), (QStringList(ksdata) << "288895.mxy"));
}

void TstUpdate::badTargets_data()
{
    QTest::addColumn<QString>("bad");
    QTest::newRow("examdata missing") << "examdata";
    QTest::newRow("a folder where the file should be") << "folder";
    QTest::newRow("a read-only file") << "read-only";
}

// The download fails and what was there stays; no folder is made.
void TstUpdate::badTargets()
{
    QFETCH(QString, bad);
    QByteArray manifest = "202501151030\r\n";
    QString target;
    if (bad == u"examdata") {
        QVERIFY(QDir(file(QStringLiteral("examdata"))).removeRecursively());
        manifest += "E202501151020030077\r\n";
        server_->route(quilt("examdata/030077.rar"), 200, served("030077"));
        target = file(QStringLiteral("examdata"));
    } else {
        manifest += "K202501151020170200\r\n";
        server_->route(quilt("ksdata/170200.rar"), 200, served("170200"));
        target = file(QStringLiteral("ksdata/170200.mxy"));
        if (bad == u"folder") {
            QVERIFY(QDir().mkdir(target));
        } else {
            writeFile(target, "old 170200", Old);
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        }
    }
    Boxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    fnd::EndCatcher end;
    runYes(manifest, boxes, end);
    QCOMPARE(boxes.seen.value(1), counted(0, 1));
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288895.mxy"))), Installed);
    if (bad == u"examdata")
        QVERIFY(!QFileInfo::exists(target));
    else if (bad == u"folder")
        QVERIFY(QFileInfo(target).isDir());
    else
        QCOMPARE(ts::fileBytes(target), QByteArray("old 170200"));
    QCOMPARE(entriesOf(file(QStringLiteral("ksdata"))).filter(QStringLiteral("170200")),
             bad == u"examdata" ? QStringList() : QStringList{"170200.mxy"});
}

// Without the data folder the version copy fails and is reported; the folder
// is not made.
void TstUpdate::missingDataFolder()
{
    QVERIFY(QDir(file(QStringLiteral("wydata"))).removeRecursively());
    server_->route(quilt("ksdata/170200.rar"), 200, served("170200"));
    Boxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    fnd::EndCatcher end;
    runYes("202501151030\r\nK202501151020170200\r\n", boxes, end);
    QCOMPARE(boxes.seen.value(1), counted(1, 1));
    QVERIFY(!QFileInfo::exists(file(QStringLiteral("wydata"))));
    const QList<ts::ErrorReport> reports = server_->reports();
    QVERIFY(!reports.isEmpty());
    QCOMPARE(reports.last().errsub, QStringLiteral("tkup"));
}

// Names that would write outside their folder: reported, never requested,
// each counted due and failed; nothing appears anywhere.
void TstUpdate::refusedNames()
{
    const QList<QByteArray> names{"../../x1", "..\\..\\x1", "/tmp/x1", "a/b/cd", "ab\x01" "cdef"};
    const QByteArray manifest = "202501151030\r\nD202501151020" + names[0] + "\r\nK202501151020" + names[1]
                                + "\r\nM202501151020" + names[2] + "\r\nE202501151020" + names[3]
                                + "\r\nM202501151020" + names[4] + "\r\n";
    const QStringList program = entriesOf(copy_->path());
    const QStringList ksdata = entriesOf(file(QStringLiteral("ksdata")));
    const QStringList examdata = entriesOf(file(QStringLiteral("examdata")));
    const QStringList wydata = entriesOf(file(QStringLiteral("wydata")));
    Boxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    fnd::EndCatcher end;
    runYes(manifest, boxes, end);
    QCOMPARE(boxes.seen.value(1), counted(0, 5));
    QCOMPARE(server_->requestedPaths(), (QStringList{adPath(), manifestPath(), manifestPath()}));
    const QList<ts::ErrorReport> reports = server_->reports();
    QCOMPARE(reports.size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(reports[i].errsub, QStringLiteral("tkup"));
        QVERIFY2(reports[i].errdescript.contains(QString::fromLatin1(names[i])), qPrintable(reports[i].errdescript));
    }
    // Outside the program folder ("../../x1" from the data folder, "/tmp/x1")
    // and inside it: nothing new but the manifest and the error log.
    QVERIFY(!QFileInfo::exists(QFileInfo(copy_->path()).absolutePath() + QStringLiteral("/x1")));
    QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/x1")));
    QCOMPARE(entriesOf(copy_->path()), program);
    QCOMPARE(entriesOf(file(QStringLiteral("ksdata"))), (QStringList(ksdata) << "288895.mxy" << "log.txt"));
    QCOMPARE(entriesOf(file(QStringLiteral("examdata"))), examdata);
    QCOMPARE(entriesOf(file(QStringLiteral("wydata"))), wydata);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288895.mxy"))), Installed);
}

void TstUpdate::programFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("due and downloaded") << "due";
    QTest::newRow("not due") << "not due";
    QTest::newRow("answered 404") << "404";
}

// The new program file waits as "_bak"; the hand-off file and the outside
// program only follow a complete download of it in this run.
void TstUpdate::programFile()
{
    QFETCH(QString, kind);
    const QString exe = fnd::executableName() + QStringLiteral(".exe");
    const QByteArray program = served("program", 50000);
    if (kind == u"404")
        server_->route(quilt(exe.left(exe.size() - 4) + ".rar"), 404, "Not Found");
    else
        server_->route(quilt(exe.left(exe.size() - 4) + ".rar"), 200, program);
    if (kind == u"not due")
        writeFile(file(exe), "the running one", Newer);
    const QString replacement = file(QStringLiteral("kvitpk.rar"));
    writeFile(replacement, "#!/bin/sh\necho \"$#\" > started\n");
    QVERIFY(QFile::setPermissions(replacement, QFile::permissions(replacement) | QFileDevice::ExeOwner));

    Boxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    fnd::EndCatcher end;
    runYes("202501151030\r\nM202501151020" + exe.toLatin1() + "\r\n", boxes, end);
    const QString bak = file(exe + QStringLiteral("_bak"));
    const QString started = file(QStringLiteral("started"));
    if (kind == u"due") {
        QCOMPARE(boxes.seen.value(1), counted(1, 1));
        QCOMPARE(ts::fileBytes(bak), program);
        QCOMPARE(ts::fileBytes(file(QStringLiteral("uprun.dll"))), fnd::encodeGbk(bak) + "\r\n");
        QTRY_COMPARE(ts::fileBytes(started), QByteArray("0\n"));
        QVERIFY(!QFileInfo::exists(file(exe)));
        return;
    }
    QCOMPARE(boxes.seen.value(1), kind == u"404" ? counted(0, 1) : counted(0, 0));
    QVERIFY(!QFileInfo::exists(bak));
    QVERIFY(!QFileInfo::exists(file(QStringLiteral("uprun.dll"))));
    waitFor(500);
    QVERIFY(!QFileInfo::exists(started));
}

// No: the window stays loaded and hidden; the button shows it again without
// a check, and only after it is closed does the next press check again.
void TstUpdate::declined()
{
    server_->route(manifestPath(), 200, Manifest);
    Boxes boxes({QMessageBox::No, QMessageBox::No});
    pressUpdate();
    QTRY_COMPARE(boxes.seen, QStringList{Question + "?"});
    QPointer<FrmUpdata> w = FrmUpdata::loaded();
    QVERIFY(w);
    QTRY_VERIFY(!w->isVisible());
    const QStringList three{adPath(), manifestPath(), manifestPath()};
    QCOMPARE(server_->requestedPaths(), three);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288895.mxy"))), Installed);

    pressUpdate();
    QCOMPARE(FrmUpdata::loaded(), w.data());
    QVERIFY(w->isVisible());
    QCOMPARE(w->Label2->text(), s("已是最新版本，无需升级。"));
    waitFor(400);
    QCOMPARE(server_->requestedPaths(), three);

    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QTRY_VERIFY(w.isNull());
    pressUpdate();
    QTRY_COMPARE(boxes.seen.size(), 2);
    QCOMPARE(server_->requestedPaths(), three + three);
}

void TstUpdate::manifestRefused_data()
{
    QTest::addColumn<ts::Route>("download");
    QTest::newRow("500") << ts::Route{500, Manifest};
    QTest::newRow("another stamp") << ts::Route{200, "202501151031\r\nK202501151020170200\r\n"};
    QTest::newRow("cut short") << ts::Route{200, Manifest, ts::Route::Short};
    QTest::newRow("larger than 1 MiB") << ts::Route{200, Manifest + QByteArray(1 << 20, ' ')};
}

// The check saw a newer stamp but the manifest download is not that
// manifest: reported, no question, nothing changed, no earlier manifest used.
void TstUpdate::manifestRefused()
{
    QFETCH(ts::Route, download);
    server_->routeInTurn(manifestPath(), {ts::Route{200, Manifest}, download});
    const QByteArray earlier = "202501151030\r\nK202501151020170200\r\n";
    writeFile(file(QStringLiteral("ksdata/288895.mxy")), earlier);
    server_->route(quilt("ksdata/170200.rar"), 200, "must not be fetched");
    Boxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    fnd::EndCatcher end;
    pressUpdate();
    QTRY_COMPARE(server_->reports().size(), 1);
    QCOMPARE(server_->reports()[0].errsub, QStringLiteral("tkup"));
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(end.ends(), 0);
    QCOMPARE(server_->requestedPaths(), (QStringList{adPath(), manifestPath(), manifestPath()}));
    QCOMPARE(ts::fileBytes(file(QStringLiteral("ksdata/288895.mxy"))), earlier);
    QCOMPARE(ts::fileBytes(file(QStringLiteral("wydata/288895.mxy"))), Installed);
    QVERIFY(FrmUpdata::loaded() && FrmUpdata::loaded()->isVisible());
}

void TstUpdate::advert_data()
{
    QTest::addColumn<ts::Route>("answer");
    QTest::addColumn<bool>("noRecordFolder");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("200") << ts::Route{200, "new advert"} << false << QByteArray("new advert");
    QTest::newRow("200 without ksdata") << ts::Route{200, "new advert"} << true << QByteArray("new advert");
    QTest::newRow("404") << ts::Route{404, "Not Found"} << false << QByteArray("old advert");
    QTest::newRow("cut short") << ts::Route{200, "new advert, cut", ts::Route::Short} << false
                               << QByteArray("old advert");
    QTest::newRow("stalled") << ts::Route{200, "new advert, stalled", ts::Route::Stall} << false
                             << QByteArray("old advert");
    // It would come whole after 20 s.
    QTest::newRow("trickled") << ts::Route{200, QByteArray(100, 'a'), ts::Route::Trickle, 0, 200} << false
                              << QByteArray("old advert");
}

// The advert is fetched during the load, which then ends as usual; the
// check starts only once the window is up.
void TstUpdate::advert()
{
    QFETCH(ts::Route, answer);
    QFETCH(bool, noRecordFolder);
    QFETCH(QByteArray, stored);
    // The advert's limit, shortened 10 times.
    updwin::AdLimits = {1000, 1 << 20, std::nullopt};
    server_->route(adPath(), answer);
    const QString ad = file(QStringLiteral("ksdata/170100.mxy"));
    if (noRecordFolder)
        QVERIFY(QDir(file(QStringLiteral("ksdata"))).removeRecursively());
    else
        writeFile(ad, "old advert");
    QElapsedTimer clock;
    clock.start();
    pressUpdate();
    // The load and a second for the advert.
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    FrmUpdata *w = FrmUpdata::loaded();
    QVERIFY(w && w->isVisible());
    QCOMPARE(server_->requestedPaths(), QStringList{adPath()});
    QCOMPARE(ts::fileBytes(ad), stored);
    QCOMPARE(entriesOf(file(QStringLiteral("ksdata"))).filter(QStringLiteral("170100")), QStringList{"170100.mxy"});
    QTRY_COMPARE(server_->requestedPaths().size(), 2);
}

void TstUpdate::noServerNoRequest()
{
    upd::setUpdateServer(QString());
    const QStringList ksdata = entriesOf(file(QStringLiteral("ksdata")));
    pressUpdate();
    FrmUpdata *w = FrmUpdata::loaded();
    QVERIFY(w && w->isVisible());
    QTRY_VERIFY(!w->Timer1->isActive());
    waitFor(300);
    QVERIFY(server_->requestLines().isEmpty());
    QCOMPARE(entriesOf(file(QStringLiteral("ksdata"))), ksdata);
    QCOMPARE(w->Label2->text(), s("已是最新版本，无需升级。"));
    QVERIFY(w->isVisible());
}

QTEST_MAIN(TstUpdate)
#include "tst_update.moc"
