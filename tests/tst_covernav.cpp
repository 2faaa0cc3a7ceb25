// The cover's frame and navigation on a copy of the sample bank: the advert
// and the links, the window drag, the page return, page switching with the
// units page's auto-selection, the papers page's tab choice, the filters,
// the unit groups and the unit summary with its bars, the help topics, and
// the exit question.
#include "reportlog.h"
#include "testsupport.h"
#include "modalanswer.h"
#include "windowdrive.h"

#include "app/startup.h"
#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "foundation/startup.h"
#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"
#include "platform/ui/helpview.h"
#include "platform/ui/opener.h"
#include "run/runstate.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

class TstCoverNav : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void advert_data();
    void advert();
    void advertClick_data();
    void advertClick();
    void infoLabels_data();
    void infoLabels();
    void webButton();
    void dragWithLeftButtonOnly_data();
    void dragWithLeftButtonOnly();
    void pageReturn_data();
    void pageReturn();
    void pageSwitching_data();
    void pageSwitching();
    void unitAutoSelection_data();
    void unitAutoSelection();
    void tabAutoSelection_data();
    void tabAutoSelection();
    void paperTabsAndRows();
    void unitPageSetUp_data();
    void unitPageSetUp();
    void groupTab48();
    void unitSelection();
    void unitBars();
    void unitFilter();
    void missingPictures();
    void reviewFilters();
    void helpTopics();
    void minimise();
    void exitQuestion_data();
    void exitQuestion();

private:
    FrmFengmian &shown() { return ts::shownCover(); }
    void click(int index) { ts::clickCover(index); }
    void writeFile(const QString &relative, const QByteArray &bytes);
    void writePaperList(int units);
    QStringList opened() const;
    QStringList reports() const { return ts::loggedReports(fnd::ErrLogFile); }

    std::unique_ptr<ts::ProgramCopy> copy_;
    std::unique_ptr<QTemporaryDir> logDir_;
    QMap<QString, QByteArray> pristine_;
};

void TstCoverNav::initTestCase()
{
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    // The files tests change, restored before each test.
    for (const QString &f : {QStringLiteral("wydata/288891.mxy"), QStringLiteral("ksdata/288893.mxy"),
                             QStringLiteral("ksdata/170100.mxy"), QStringLiteral("wydata/l20045.mxy"),
                             QStringLiteral("wydata/l20087.mxy"), QStringLiteral("wydata/l20053.mxy"),
                             QStringLiteral("wydata/9l0015.mxy")}) {
        QFile file(copy_->file(f));
        pristine_[f] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(); // null: no file
        QVERIFY(!pristine_[f].isNull() || f.endsWith(u"288893.mxy"));
    }
}

void TstCoverNav::init()
{
    for (auto it = pristine_.cbegin(); it != pristine_.cend(); ++it) {
        if (it.value().isNull())
            QFile::remove(copy_->file(it.key()));
        else
            writeFile(it.key(), it.value());
    }
    fnd::resetGlobals();
    run::resetRunState();
    fnd::overrideProgramFolder(copy_->path());
    fnd::readInfo();
    cover::FhPage = 0;
    logDir_ = std::make_unique<QTemporaryDir>();
    fnd::ErrLogFile = logDir_->filePath(QStringLiteral("run.txt"));
    qputenv("EXAMSIM_OPEN_LOG", logDir_->filePath(QStringLiteral("open.log")).toUtf8());
}

void TstCoverNav::cleanup()
{
    FrmFengmian::unload();
    FrmKVMSGBOX::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("EXAMSIM_OPEN_LOG");
    plat::setRefusedLinkObserver({});
    fnd::ErrLogFile.clear();
}


void TstCoverNav::writeFile(const QString &relative, const QByteArray &bytes)
{
    QFile f(copy_->file(relative));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Four papers and `units` units of 14 questions each.
void TstCoverNav::writePaperList(int units)
{
    writeFile(QStringLiteral("wydata/288891.mxy"),
              "04" + QByteArray::number(units).rightJustified(2, '0') + "\r\n" + QByteArray("14").repeated(units) + "\r\n");
}

QStringList TstCoverNav::opened() const
{
    QFile f(qEnvironmentVariable("EXAMSIM_OPEN_LOG"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// The advert file's lines: the text with "◎" as a line break, the colour
// (0x00BBGGRR, decimal or "&H"), the link; what is missing is empty, 0, none.
void TstCoverNav::advert_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("lines");
    // GBK: 甲 BCD7, ◎ A1F2, 乙 D2D2.
    QTest::newRow("two words, red") << QByteArray("  \xbc\xd7\xa1\xf2\xd2\xd2 \r\n255\r\nhttp://www.example.org/ad\r\n")
                                    << s("甲\r\n乙") << QColor(255, 0, 0) << "http://www.example.org/ad" << 2;
    QTest::newRow("one line: black, no link") << QByteArray("\xbc\xd7\r\n") << s("甲") << QColor(0, 0, 0) << "" << 1;
    QTest::newRow("&HFF is red") << QByteArray("\xbc\xd7\r\n&HFF\r\n") << s("甲") << QColor(255, 0, 0) << "" << 1;
    QTest::newRow("&HFF0000 is blue")
        << QByteArray("\xbc\xd7\r\n&HFF0000\r\n") << s("甲") << QColor(0, 0, 255) << "" << 1;
    QTest::newRow("65280.4 rounds to green") << QByteArray("\xbc\xd7\r\n65280.4\r\n") << s("甲") << QColor(0, 255, 0) << ""
                                             << 1;
    QTest::newRow("a colour of letters is black") << QByteArray("\xbc\xd7\r\nred\r\n") << s("甲") << QColor(0, 0, 0) << ""
                                                  << 1;
    QTest::newRow("empty file") << QByteArray("") << "" << QColor(0, 0, 0) << "" << 0;
    QTest::newRow("no file") << QByteArray() << "" << QColor(0, 0, 0) << "" << 0;
}

void TstCoverNav::advert()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(QString, url);
    QFETCH(int, lines);
    if (file.isNull())
        QVERIFY(QFile::remove(copy_->file(QStringLiteral("ksdata/170100.mxy"))));
    else
        writeFile(QStringLiteral("ksdata/170100.mxy"), file);
    FrmFengmian &w = shown();
    QCOMPARE(w.LblAD->text(), text);
    QCOMPARE(w.LblAD->palette().color(QPalette::WindowText), colour);
    QCOMPARE(w.AdUrl, url);
    QCOMPARE(w.LblAD->pos(), QPoint(0, 0));
    QCOMPARE(w.PicAd->geometry(), QRect(QPoint(200, 540), w.LblAD->size()));
    QVERIFY(!w.PicAd->isVisible());
    const int lineHeight = QFontMetrics(w.LblAD->font()).lineSpacing();
    if (lines > 0)
        QVERIFY2(w.LblAD->height() >= lines * lineHeight && w.LblAD->height() < (lines + 1) * lineHeight,
                 qPrintable(QString::number(w.LblAD->height())));
    QCOMPARE(w.LblAD->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(reports().isEmpty());
}

// A click opens the link when it is a web link; any other is refused and
// the run's log says so.
void TstCoverNav::advertClick_data()
{
    QTest::addColumn<QByteArray>("link");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<bool>("refused");
    QTest::newRow("http") << QByteArray("http://www.example.org/ad") << QStringList{"http://www.example.org/ad"} << false;
    QTest::newRow("a local program") << QByteArray("file:///bin/sh") << QStringList() << true;
    QTest::newRow("no link") << QByteArray() << QStringList() << false;
}

void TstCoverNav::advertClick()
{
    QFETCH(QByteArray, link);
    QFETCH(QStringList, opened);
    QFETCH(bool, refused);
    writeFile(QStringLiteral("ksdata/170100.mxy"), "\xbc\xd7\r\n255\r\n" + link + "\r\n");
    app::wire();
    FrmFengmian &w = shown();
    click(4);
    QVERIFY(w.PicAd->isVisible());
    QTest::mouseClick(w.LblAD, Qt::RightButton, {}, QPoint(2, 2));
    QCOMPARE(this->opened(), QStringList());
    QTest::mouseClick(w.LblAD, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(this->opened(), opened);
    const QString log = fnd::readLines(fnd::ErrLogFile).value_or(QStringList()).join(u'\n');
    QCOMPARE(log.contains(u"file:///bin/sh"), refused);
}

// Info labels: 0 and 21 the about window (the about window's own tests),
// 2 nothing, the others their link: the cover's own when entry 26 begins
// with "2099" (outer blanks removed), otherwise entries 1 to 4; an empty
// entry opens nothing.
void TstCoverNav::infoLabels_data()
{
    QTest::addColumn<QString>("entry26");
    QTest::addColumn<QString>("entry3");
    QTest::addColumn<QStringList>("opened"); // for labels 1, 17, 18, 3, 20, 19, 2 in that order
    const QString e1 = s("http://one.example.invalid/"), e2 = s("http://two.example.invalid/"),
                  e4 = s("https://four.example.invalid/");
    QTest::newRow("\" 2099x\": the cover's own")
        << " 2099x" << "http://three.example.invalid/"
        << QStringList{"https://www.example.org/",          "https://www.example.org/",
                       "https://www.example.net/",          "https://www.example.org/service/1",
                       "https://www.example.org/service/1", "https://www.example.org/service/2"};
    QTest::newRow("\"2015\": the entries") << "2015" << "http://three.example.invalid/"
                                           << QStringList{e1, e1, e2, "http://three.example.invalid/",
                                                          "http://three.example.invalid/", e4};
    QTest::newRow("empty entry 3 opens nothing") << "" << "" << QStringList{e1, e1, e2, e4};
}

void TstCoverNav::infoLabels()
{
    QFETCH(QString, entry26);
    QFETCH(QString, entry3);
    QFETCH(QStringList, opened);
    fnd::InfoTable[1] = s("http://one.example.invalid/");
    fnd::InfoTable[2] = s("http://two.example.invalid/");
    fnd::InfoTable[3] = entry3;
    fnd::InfoTable[4] = s("https://four.example.invalid/");
    fnd::InfoTable[26] = entry26;
    fnd::InfoTable[34] = s("2");
    FrmFengmian &w = shown();
    for (int i : {1, 17, 18, 3, 20, 19, 2}) {
        QLabel *l = w.LblInfo[size_t(i)];
        QVERIFY2(l->isVisible(), qPrintable(l->objectName()));
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(3, 3));
    }
    QCOMPARE(this->opened(), opened);
}

// Button 12: entry 2 through the opener.
void TstCoverNav::webButton()
{
    fnd::InfoTable[2] = s("https://www.example.org/bank/");
    shown();
    click(12);
    QCOMPARE(opened(), QStringList{s("https://www.example.org/bank/")});
}

void TstCoverNav::dragWithLeftButtonOnly_data()
{
    QTest::addColumn<QPoint>("at"); // in the window: the drag strip, the home picture below it
    QTest::newRow("lblMove") << QPoint(300, 20);
    QTest::newRow("picShouYe") << QPoint(300, 80);
}

void TstCoverNav::dragWithLeftButtonOnly()
{
    QFETCH(QPoint, at);
    FrmFengmian &w = shown();
    QWindow *win = w.windowHandle();
    const QPoint start = w.pos();
    QTest::mousePress(win, Qt::RightButton, {}, at);
    QTest::mouseMove(win, at + QPoint(40, 30));
    QTest::mouseRelease(win, Qt::RightButton, {}, at + QPoint(40, 30));
    QCOMPARE(w.pos(), start);
    QTest::mousePress(win, Qt::LeftButton, {}, at);
    QTest::mouseMove(win, at + QPoint(30, 20));
    QTRY_COMPARE(w.pos(), start + QPoint(30, 20));
    QTest::mouseRelease(win, Qt::LeftButton, {}, at);
}

// After a run the cover opens on page FhPage about 100 ms after it is
// shown, and the timer is off again; 0 stays home.
void TstCoverNav::pageReturn_data()
{
    QTest::addColumn<int>("fhPage");
    QTest::addColumn<QString>("page"); // empty: home
    QTest::newRow("marked 18") << 18 << "PicBiaoZhi";
    QTest::newRow("units 16") << 16 << "PicTiKu";
    QTest::newRow("home 0") << 0 << "";
}

void TstCoverNav::pageReturn()
{
    QFETCH(int, fhPage);
    QFETCH(QString, page);
    cover::FhPage = qint16(fhPage);
    FrmFengmian &w = FrmFengmian::get();
    QVERIFY(!w.TimFH->isActive());
    QCOMPARE(w.TimFH->interval(), 100);
    w.TimFH->start();
    w.show();
    if (page.isEmpty()) {
        QTRY_VERIFY(!w.TimFH->isActive());
        QVERIFY(!w.PicTop->isVisible() && !w.PicAd->isVisible());
        return;
    }
    QTRY_VERIFY(w.findChild<QLabel *>(page)->isVisible());
    QVERIFY(!w.TimFH->isActive());
    QVERIFY(w.PicTop->isVisible() && w.PicAd->isVisible());
    QVERIFY(!w.ClickBotn[size_t(fhPage)]->isEnabled());
}

// Each page button: the pages' boxes, the page tabs, the advert.
void TstCoverNav::pageSwitching_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("page");    // empty: home
    QTest::addColumn<int>("disabledTab"); // 0: all five enabled
    QTest::newRow("4: units") << QList<int>{4} << "PicTiKu" << 16;
    QTest::newRow("5: papers") << QList<int>{5} << "PicKaCH" << 17;
    QTest::newRow("4, 18: marked") << QList<int>{4, 18} << "PicBiaoZhi" << 18;
    QTest::newRow("4, 19: wrong") << QList<int>{4, 19} << "PicCuoTi" << 19;
    QTest::newRow("4, 17, 16: units again") << QList<int>{4, 17, 16} << "PicTiKu" << 16;
    QTest::newRow("11 from home: tabs as they were") << QList<int>{11} << "PicHelp" << 0;
    QTest::newRow("5, 15, 11: tabs all enabled by home") << QList<int>{5, 15, 11} << "PicHelp" << 0;
    QTest::newRow("4, 15: home") << QList<int>{4, 15} << "" << 0;
}

void TstCoverNav::pageSwitching()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, page);
    QFETCH(int, disabledTab);
    FrmFengmian &w = shown();
    for (int i : clicks)
        click(i);
    for (QLabel *p : {w.PicTiKu, w.PicKaCH, w.PicBiaoZhi, w.PicCuoTi, w.PicHelp})
        QCOMPARE(p->isVisible(), p->objectName() == page);
    QCOMPARE(w.PicTop->isVisible(), !page.isEmpty());
    QCOMPARE(w.PicAd->isVisible(), !page.isEmpty());
    for (int t = 15; t <= 19; ++t)
        QCOMPARE(w.ClickBotn[size_t(t)]->isEnabled(), t != disabledTab);
}

// The units page opens on the first unit with more than a fifth not done; a
// unit without questions stops the search; past the units, the last one;
// no unit at all, all units.
void TstCoverNav::unitAutoSelection_data()
{
    QTest::addColumn<int>("unitCount");
    QTest::addColumn<QStringList>("rows"); // "questions/not done" per unit, stale rows after the bank's
    QTest::addColumn<int>("selected");
    QTest::newRow("90, 85, 60 % done: the third") << 3 << QStringList{"20/2", "20/3", "20/8"} << 52;
    QTest::newRow("all at 80 % or more: the last") << 3 << QStringList{"10/2", "10/1", "10/0"} << 52;
    QTest::newRow("exactly a fifth is passed over") << 3 << QStringList{"10/2", "10/3", "10/0"} << 51;
    QTest::newRow("a unit without questions stops the search") << 3 << QStringList{"10/1", "0/0", "10/9"} << 51;
    // Rows past the bank hold what they held; the search never reads past
    // the table, and a full table of stale rows ends at the last unit.
    QTest::newRow("stale rows past the bank") << 2 << QStringList(41, QStringLiteral("10/1")) << 51;
    QTest::newRow("letters read as 0: no questions") << 2 << QStringList{"10/1", "ab/x"} << 51;
    QTest::newRow("no unit: all units") << 0 << QStringList{"10/9"} << 49;
}

void TstCoverNav::unitAutoSelection()
{
    QFETCH(int, unitCount);
    QFETCH(QStringList, rows);
    QFETCH(int, selected);
    FrmFengmian &w = shown();
    run::UnitCount = qint16(unitCount);
    for (int u = 0; u < rows.size(); ++u) {
        fnd::UnitTable[size_t(u)][2] = rows[u].section(u'/', 0, 0);
        fnd::UnitTable[size_t(u)][3] = rows[u].section(u'/', 1, 1);
    }
    click(4);
    for (int i = 49; i <= 69; ++i)
        QCOMPARE(w.ClickBotn[size_t(i)]->isEnabled(), i != selected);
    QCOMPARE(int(w.SelUnit), selected - 50);
    if (selected == 49) {
        QCOMPARE(w.LblUnitDQCAP[1]->text(), s("所有题库中题目"));
        for (int i = 2; i <= 4; ++i)
            QCOMPARE(w.LblUnitDQCAP[size_t(i)]->text(), s("0题"));
    }
}

// The papers page opens the sprint tab when a sprint paper from slot 1 to
// ChongCiLast scored below 75, else the mock tab; slot 0 is not examined.
void TstCoverNav::tabAutoSelection_data()
{
    QTest::addColumn<int>("chongCiLast");
    QTest::addColumn<QStringList>("scores"); // slots 0 on
    QTest::addColumn<int>("tab");
    QTest::newRow("60, 80, 90, 95: mock") << 3 << QStringList{"60", "80", "90", "95"} << 29;
    QTest::newRow("slot 2 at 74: sprint") << 3 << QStringList{"60", "80", "74", "95"} << 28;
    QTest::newRow("exactly 75 is not below") << 1 << QStringList{"0", "75"} << 29;
    QTest::newRow("never taken (0) is below") << 1 << QStringList{"90", "0"} << 28;
    QTest::newRow("slot 4 is past ChongCiLast 3") << 3 << QStringList{"90", "90", "90", "90", "10"} << 29;
}

void TstCoverNav::tabAutoSelection()
{
    QFETCH(int, chongCiLast);
    QFETCH(QStringList, scores);
    QFETCH(int, tab);
    FrmFengmian &w = shown();
    QCOMPARE(int(w.ChongCiLast), 1); // the sample's four papers
    w.ChongCiLast = qint16(chongCiLast);
    for (int slot = 0; slot < scores.size(); ++slot)
        w.ShiJuanHis[size_t(3 * slot + 2)] = scores[slot];
    click(5);
    for (int t = 28; t <= 31; ++t)
        QCOMPARE(w.ClickBotn[size_t(t)]->isEnabled(), t != tab);
}

// The list tabs: the message hidden, the clicked tab the only disabled one;
// a row's start button names its slot.
void TstCoverNav::paperTabsAndRows()
{
    FrmFengmian &w = shown();
    click(5);
    w.LblNoHis->show();
    click(30); // the generator tab: no message
    QVERIFY(!w.LblNoHis->isVisible());
    for (int t = 28; t <= 31; ++t)
        QCOMPARE(w.ClickBotn[size_t(t)]->isEnabled(), t != 30);
    w.ClickBotn_Click(75);
    QCOMPARE(int(run::RecNo), 5);
}

// The page's set-up: group tabs by UnitCount, the strips, the filters, the
// header's summary.
void TstCoverNav::unitPageSetUp_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("tab47");
    QTest::addColumn<QString>("tab48");
    QTest::newRow("20 units") << 20 << s("1-10单元") << s("11-20单元");
    QTest::newRow("8 units") << 8 << s("1-8单元") << "";
    QTest::newRow("3 units") << 3 << s("1-3单元") << "";
}

void TstCoverNav::unitPageSetUp()
{
    QFETCH(int, units);
    QFETCH(QString, tab47);
    QFETCH(QString, tab48);
    writePaperList(units);
    FrmFengmian &w = shown();
    auto &b = w.ClickBotn;
    QCOMPARE(b[47]->caption(), tab47);
    QCOMPARE(b[48]->caption(), tab48);
    QCOMPARE(b[48]->isEnabled(), units > 10);
    QCOMPARE(b[47]->pictureName(), s("l20086"));
    QCOMPARE(b[48]->pictureName(), s("l20046"));
    QCOMPARE(b[47]->geometry(), QRect(10, 418, 79, 37));
    QCOMPARE(b[47]->foreColor(), QColor(Qt::white));
    // Header, unit rows shared by both groups, the second group hidden.
    QCOMPARE(b[49]->geometry(), QRect(1, 0, 180, 58));
    QCOMPARE(b[49]->pictureName(), s("l20044"));
    for (int i : {50, 59, 60, 69})
        QCOMPARE(b[size_t(i)]->geometry(), QRect(1, 58 + (i % 10) * 35, 180, 35));
    QCOMPARE(b[52]->caption(), QStringLiteral("3.") + fnd::UnitTable[2][1] + QString(25 - 2 - fnd::UnitTable[2][1].size() * 2, u' '));
    QCOMPARE(b[50]->pictureName(), s("l20045"));
    for (int i = 50; i <= 69; ++i)
        QCOMPARE(b[size_t(i)]->isVisibleTo(w.PicTiKu), i < 60);
    // The whole bank selected: its button disabled, 14 questions a unit.
    QCOMPARE(int(w.SelUnit), -1);
    QVERIFY(!b[49]->isEnabled());
    QCOMPARE(w.LblUnitDQCAP[1]->text(), s("所有题库中题目"));
    QCOMPARE(w.LblUnitDQCAP[2]->text(), QString::number(14 * units) + s("题"));
    // Strips, grid, decoration, filters, labels.
    QCOMPARE(w.PicUnitLeft->geometry(), QRect(0, 0, 182, 458));
    QCOMPARE(w.PicKaCHLeft->geometry(), w.PicUnitLeft->geometry());
    QCOMPARE(w.PicHelpLeft->geometry(), w.PicUnitLeft->geometry());
    QVERIFY(!w.PicKaCHLeft->pixmap().isNull());
    QCOMPARE(w.ImgUnitGezi->pos(), QPoint(182, 112));
    QCOMPARE(w.imgPicIII->pos(), QPoint(210, 28));
    QCOMPARE(w.ImgUnitD->x(), 394);
    QCOMPARE(w.ImgUnitC->x(), 494);
    QCOMPARE(w.ImgUnitD->width(), 60);
    for (int i = 37; i <= 39; ++i)
        QCOMPARE(b[size_t(i)]->geometry(), QRect(299 + (i - 37) * 100, 380, 60, 25));
    QCOMPARE(b[37]->pictureName(), s("l20087"));
    QCOMPARE(int(w.UnitFilter), 0);
    QCOMPARE(w.LblUnitDQCAP[1]->pos(), QPoint(283, 42));
    QCOMPARE(w.LblUnitDQCAP[0]->pos(), QPoint(283, 65));
    QCOMPARE(w.LblUnitDQCAP[0]->text(), s("学习进度信息"));
    QCOMPARE(w.LblUnitDQCAP[2]->pos(), QPoint(306, 116));
    QCOMPARE(w.LblUnitDQCAP[3]->x(), 410);
    QCOMPARE(w.LblUnitDQCAP[4]->x(), 510);
    QVERIFY(reports().isEmpty());
}

// Tab 48 with 15 units: unit 10 selected, units 10 to 14 shown.
void TstCoverNav::groupTab48()
{
    writePaperList(15);
    FrmFengmian &w = shown();
    click(4);
    click(48);
    auto &b = w.ClickBotn;
    QCOMPARE(int(w.SelUnit), 10);
    for (int i = 50; i <= 69; ++i)
        QCOMPARE(b[size_t(i)]->isVisible(), i >= 60 && i <= 64);
    for (int i = 49; i <= 69; ++i)
        QCOMPARE(b[size_t(i)]->isEnabled(), i != 60);
    QCOMPARE(b[47]->pictureName(), s("l20046"));
    QCOMPARE(b[48]->pictureName(), s("l20086"));
    QCOMPARE(w.LblUnitDQCAP[1]->text(), s("第11单元 ") + fnd::UnitTable[10][1]);
    click(47);
    QCOMPARE(int(w.SelUnit), 0);
    for (int i = 50; i <= 69; ++i)
        QCOMPARE(b[size_t(i)]->isVisible(), i < 60);
    QCOMPARE(b[47]->pictureName(), s("l20086"));
}

void TstCoverNav::unitSelection()
{
    FrmFengmian &w = shown();
    click(4);
    click(52);
    QCOMPARE(w.LblUnitDQCAP[1]->text(), s("第3单元 ") + fnd::UnitTable[2][1]);
    for (int i = 49; i <= 69; ++i)
        QCOMPARE(w.ClickBotn[size_t(i)]->isEnabled(), i != 52);
    // Back to all units: the group's pictures and buttons stay.
    const int visibleBefore = int(std::count_if(w.ClickBotn.begin() + 50, w.ClickBotn.begin() + 70,
                                                [](kvelButton *b) { return b->isVisible(); }));
    click(49);
    QCOMPARE(int(w.SelUnit), -1);
    QCOMPARE(int(std::count_if(w.ClickBotn.begin() + 50, w.ClickBotn.begin() + 70,
                               [](kvelButton *b) { return b->isVisible(); })),
             visibleBefore);
}

// 14 questions, 3 not done: bars on the base line (370 px), 3570 twips
// (238 px) for all; each count 16 px above its bar. Then a selection without
// questions divides nothing: the bars keep their heights and stand on the
// base line again, the counts read 0, and both heights are reported.
void TstCoverNav::unitBars()
{
    FrmFengmian &w = shown();
    click(4);
    fnd::UnitTable[1][2] = QStringLiteral("14");
    fnd::UnitTable[1][3] = QStringLiteral("3");
    fnd::UnitTable[2][2] = QStringLiteral("");
    fnd::UnitTable[2][3] = QStringLiteral("x");
    auto barsOf14And3 = [&w] {
        QCOMPARE(w.ImgUnitC->height(), 51);
        QCOMPARE(w.ImgUnitC->y(), 319);
        QCOMPARE(w.ImgUnitD->height(), 187);
        QCOMPARE(w.ImgUnitD->y(), 183);
        QCOMPARE(w.LblUnitDQCAP[3]->y(), 167);
        QCOMPARE(w.LblUnitDQCAP[4]->y(), 303);
    };
    click(51);
    barsOf14And3();
    QCOMPARE(w.LblUnitDQCAP[2]->text(), s("14题"));
    QCOMPARE(w.LblUnitDQCAP[3]->text(), s("11题"));
    QCOMPARE(w.LblUnitDQCAP[4]->text(), s("3题"));
    QVERIFY(reports().isEmpty());

    w.ImgUnitC->move(w.ImgUnitC->x(), 10); // a top that must be recomputed
    click(52);
    barsOf14And3();
    for (int i = 2; i <= 4; ++i)
        QCOMPARE(w.LblUnitDQCAP[size_t(i)]->text(), s("0题"));
    QCOMPARE(reports(), QStringList(2, s("clickbotnDivision by zero")));
}

void TstCoverNav::unitFilter()
{
    FrmFengmian &w = shown();
    click(4);
    click(39);
    QCOMPARE(int(w.UnitFilter), 2);
    QCOMPARE(w.ClickBotn[37]->pictureName(), s("l20037"));
    QCOMPARE(w.ClickBotn[38]->pictureName(), s("l20038"));
    QCOMPARE(w.ClickBotn[39]->pictureName(), s("l20089"));
    click(38);
    QCOMPARE(int(w.UnitFilter), 1);
    QCOMPARE(w.ClickBotn[38]->pictureName(), s("l20088"));
    QCOMPARE(w.ClickBotn[39]->pictureName(), s("l20039"));
}

// Missing pictures leave their controls as they were, and each missing file
// is reported once, however many controls use it.
void TstCoverNav::missingPictures()
{
    for (const char *name : {"l20045", "l20087", "l20053", "9l0015"})
        QVERIFY(QFile::remove(copy_->file(QStringLiteral("wydata/%1.mxy").arg(QLatin1String(name)))));
    FrmFengmian &w = shown();
    QVERIFY(w.PicTiKu->pixmap().isNull());
    QCOMPARE(w.ClickBotn[55]->pictureName(), QString());
    QCOMPARE(w.ClickBotn[37]->pictureName(), s("l20037"));
    click(4);
    click(38);
    click(37);
    QCOMPARE(w.ClickBotn[37]->pictureName(), s("l20037"));
    QCOMPARE(int(w.UnitFilter), 0);
    QStringList logged = reports();
    logged.sort();
    QCOMPARE(logged, QStringList({s("fengmaincshFile not found: l20045"), s("fengmaincshFile not found: l20087"),
                                  s("form_loadFile not found: 9l0015"), s("form_loadFile not found: l20053")}));
}

// Each review filter button toggles its bit and shows it: 40 twice goes
// 1 -> 0 -> 1, 41 from 1 gives 3; the wrong-question page's likewise.
void TstCoverNav::reviewFilters()
{
    FrmFengmian &w = shown();
    click(4);
    click(18);
    QCOMPARE(int(w.BiaoZhiFilter), 1);
    click(40);
    QCOMPARE(int(w.BiaoZhiFilter), 0);
    QCOMPARE(w.ClickBotn[40]->pictureName(), s("l20040"));
    click(40);
    QCOMPARE(int(w.BiaoZhiFilter), 1);
    QCOMPARE(w.ClickBotn[40]->pictureName(), s("l20090"));
    click(41);
    QCOMPARE(int(w.BiaoZhiFilter), 3);
    QCOMPARE(w.ClickBotn[41]->pictureName(), s("l20091"));
    click(19);
    click(43);
    QCOMPARE(int(w.CuoTiFilter), 3);
    QCOMPARE(w.ClickBotn[43]->pictureName(), s("l20093"));
    click(42);
    QCOMPARE(int(w.CuoTiFilter), 2);
    QCOMPARE(w.ClickBotn[42]->pictureName(), s("l20042"));
    QCOMPARE(int(w.BiaoZhiFilter), 3);
}

// The help page: topic 0 after the load; a topic's title, its file in the
// data folder and the page's own title; the topic stays across pages.
void TstCoverNav::helpTopics()
{
    FrmFengmian &w = shown();
    auto &b = w.ClickBotn;
    QCOMPARE(w.LlbHelpCAP->text(), s("软件介绍"));
    QCOMPARE(w.WebHelpCON->fileName(), fnd::DataPath + QStringLiteral("l38180.mxy"));
    QCOMPARE(w.WebHelpCON->geometry(), QRect(192, 58, 606, 392));
    QCOMPARE(w.LlbHelpCAP->pos(), QPoint(464, 16));
    QCOMPARE(w.LlbHelpCAP->font().pointSizeF(), 20.0);
    for (int t = 32; t <= 36; ++t) {
        QCOMPARE(b[size_t(t)]->geometry(), QRect(1, 1 + 50 * (t - 32), 180, 50));
        QCOMPARE(b[size_t(t)]->isEnabled(), t != 32);
    }
    click(11);
    click(34);
    QCOMPARE(w.LlbHelpCAP->text(), s("考试大纲"));
    QCOMPARE(w.WebHelpCON->fileName(), fnd::DataPath + QStringLiteral("l38182.mxy"));
    QCOMPARE(w.WebHelpCON->documentTitle(), s("考试大纲"));
    QVERIFY(w.WebHelpCON->toPlainText().contains(s("限时五十分钟")));
    QVERIFY(!b[34]->isEnabled());
    click(16);
    click(11);
    QCOMPARE(w.LlbHelpCAP->text(), s("考试大纲"));
    QVERIFY(!b[34]->isEnabled());
    QVERIFY(!b[16]->isEnabled()); // the page tabs as they were
    click(32);
    QVERIFY(b[34]->isEnabled());
    QVERIFY(!b[32]->isEnabled());
    QCOMPARE(w.WebHelpCON->documentTitle(), s("软件介绍"));
}

void TstCoverNav::minimise()
{
    FrmFengmian &w = shown();
    click(2);
    QTRY_VERIFY(w.windowState() & Qt::WindowMinimized);
    w.showNormal();
    click(4);
    click(13);
    QTRY_VERIFY(w.windowState() & Qt::WindowMinimized);
}

// The exit question: confirmed, the program ends at once; otherwise
// nothing changes.
void TstCoverNav::exitQuestion_data()
{
    QTest::addColumn<int>("button"); // 3 home, 14 top strip
    QTest::addColumn<int>("answer"); // the box's LblClick: 1 confirm, 0 dismiss, 3 close
    QTest::addColumn<int>("ends");
    QTest::newRow("3, confirmed") << 3 << 1 << 1;
    QTest::newRow("3, dismissed") << 3 << 0 << 0;
    QTest::newRow("14, closed") << 14 << 3 << 0;
}

void TstCoverNav::exitQuestion()
{
    QFETCH(int, button);
    QFETCH(int, answer);
    QFETCH(int, ends);
    FrmFengmian &w = shown();
    if (button == 14)
        click(4);
    QString title, prompt;
    ts::whenShown<FrmKVMSGBOX>([&](FrmKVMSGBOX &box) {
        title = box.LblTitle->text();
        prompt = box.LblPrompt->text();
    });
    ts::answerMessageBoxLater(answer);
    fnd::EndCatcher end;
    click(button);
    QCOMPARE(title, s("退出系统"));
    // Three line breaks (the box shows CR LF as one break), then the question.
    QCOMPARE(prompt, s("\n\n\n您确实要退出学习软件吗？"));
    QCOMPARE(end.ends(), ends);
    QCOMPARE(FrmFengmian::loaded(), &w);
    QVERIFY(w.isVisible());
}

QTEST_MAIN(TstCoverNav)
#include "tst_covernav.moc"
