// The cover's papers page on a copy of the sample bank with small record
// fixtures: the rows of the four list tabs, their history and unfinished
// counts, the layout; a row's start, the new random paper and its records;
// the rows' review and delete links.
#include "modalanswer.h"
#include "reportlog.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "cover/randompaper.h"
#include "cover/runstart.h"
#include "examflow/frmlogon.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"
#include "run/randompapers.h"
#include "run/runstate.h"
#include "simwin/window/frmmain.h"

#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

namespace {

using ts::idsOf;

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// The sample bank's units hold 14 questions or more each (its paper list's
// line 2); these ids exist in every unit.
QString ids(std::initializer_list<int> list)
{
    QString out;
    for (int id : list)
        out += QStringLiteral("%1").arg(id, 4, 10, QChar(u'0'));
    return out;
}

// 40 ids of units 0 to 2, positions 1 to 14: a paper line.
QString paperLine(int offset)
{
    QString out;
    for (int k = 0; k < 40; ++k)
        out += QStringLiteral("%1").arg((k + offset) % 3 * 100 + (k + offset) % 14 + 1, 4, 10, QChar(u'0'));
    return out;
}

} // namespace

class TstCoverPapers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void rowsOfTheTabs_data();
    void rowsOfTheTabs();
    void history();
    void unfinishedCounts_data();
    void unfinishedCounts();
    void randomList_data();
    void randomList();
    void layout();
    void paperStart_data();
    void paperStart();
    void paperStartFailsWhole();
    void newRandomPaper();
    void newRandomPaperShiftsTheRecords();
    void newRandomPaperNotRecordedStartsNothing();
    void randomDraw_data();
    void randomDraw();
    void smallBank_data();
    void smallBank();
    void reviewLink_data();
    void reviewLink();
    void reviewLinkOfAnEmptyList();
    void deleteRow_data();
    void deleteRow();
    void deleteCancelled();

private:
    FrmFengmian &shown();
    void click(int index);
    void clickLink(QLabel *label);
    QString file(const QString &relative) const { return copy_->file(relative); }
    void write(const QString &relative, const QByteArray &bytes);
    void writeLines(const QString &relative, const QStringList &lines);
    QStringList lines(const QString &relative) const;
    // Every file of the record folder with its bytes.
    QMap<QString, QByteArray> records() const;
    // Paper list: `papers` fixed papers of 40 ids and three units of 14
    // questions (or the counts given).
    void writePaperList(int papers, const QByteArray &counts = "141414");
    void writeRandomPapers(int n);

    std::unique_ptr<ts::ProgramCopy> copy_;
    std::unique_ptr<QTemporaryDir> logDir_;
    QMap<QString, QByteArray> pristine_;
};

// One copy of the sample bank; the files tests change are put back before
// each test, and the record folder holds only the sample's advert.
void TstCoverPapers::initTestCase()
{
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    for (const QString &f : {QStringLiteral("wydata/288891.mxy"), QStringLiteral("wydata/288871.mxy"),
                             QStringLiteral("ksdata/170100.mxy")}) {
        pristine_[f] = ts::fileBytes(file(f));
        QVERIFY(!pristine_[f].isEmpty());
    }
}

void TstCoverPapers::init()
{
    QDir records(file(QStringLiteral("ksdata")));
    for (const QFileInfo &f : records.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (f.isDir())
            QDir(f.filePath()).removeRecursively();
        else
            QFile::remove(f.filePath());
    }
    for (auto it = pristine_.cbegin(); it != pristine_.cend(); ++it)
        write(it.key(), it.value());
    fnd::resetGlobals();
    run::resetRunState();
    fnd::overrideProgramFolder(copy_->path());
    fnd::readInfo();
    logDir_ = std::make_unique<QTemporaryDir>();
    fnd::ErrLogFile = logDir_->filePath(QStringLiteral("run.txt"));
    cover::RandomPaperSource = {};
    cover::RandomPaperClock = [] { return QDateTime(QDate(2026, 3, 12), QTime(10, 11, 12)); };
}

void TstCoverPapers::cleanup()
{
    ts::unloadRunWindows();
    FrmLogon::unload();
    FrmFengmian::unload();
    FrmKVMSGBOX::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    cover::RandomPaperSource = {};
    cover::RandomPaperClock = {};
    fnd::ErrLogFile.clear();
}

FrmFengmian &TstCoverPapers::shown()
{
    FrmFengmian &w = FrmFengmian::get();
    w.show();
    [&] { QVERIFY(QTest::qWaitForWindowExposed(&w)); }();
    return w;
}

void TstCoverPapers::click(int index)
{
    kvelButton *b = FrmFengmian::get().ClickBotn[size_t(index)];
    QVERIFY2(b->isVisible(), qPrintable(b->objectName()));
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 4));
}

void TstCoverPapers::clickLink(QLabel *label)
{
    QVERIFY2(label->isVisible(), qPrintable(label->objectName()));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
}

void TstCoverPapers::write(const QString &relative, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(file(relative)).path());
    QFile f(file(relative));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void TstCoverPapers::writeLines(const QString &relative, const QStringList &lines)
{
    QVERIFY(fnd::writeLines(file(relative), lines));
}

QStringList TstCoverPapers::lines(const QString &relative) const
{
    return fnd::readLines(file(relative)).value_or(QStringList{QStringLiteral("<no file>")});
}

QMap<QString, QByteArray> TstCoverPapers::records() const
{
    QMap<QString, QByteArray> out;
    QDirIterator it(file(QStringLiteral("ksdata")), QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(u".txt"))
            out[QFileInfo(path).fileName()] = ts::fileBytes(path);
    }
    return out;
}

void TstCoverPapers::writePaperList(int papers, const QByteArray &counts)
{
    QStringList list{QStringLiteral("%1%2").arg(papers, 2, 10, QChar(u'0')).arg(counts.size() / 2, 2, 10, QChar(u'0')),
                     QString::fromLatin1(counts)};
    for (int p = 0; p < papers; ++p)
        list << paperLine(p);
    writeLines(QStringLiteral("wydata/288891.mxy"), list);
}

// n random papers, paper k (from 1) made of paperLine(10 + k), then an
// empty line.
void TstCoverPapers::writeRandomPapers(int n)
{
    QStringList list;
    for (int k = 1; k <= n; ++k)
        list << paperLine(10 + k);
    writeLines(QStringLiteral("ksdata/288891.mxy"), list << QString());
}

// Which rows each list tab shows, and the titles.
void TstCoverPapers::rowsOfTheTabs_data()
{
    QTest::addColumn<int>("papers");
    QTest::addColumn<QList<int>>("sprint"); // rows shown by tab 28
    QTest::addColumn<QList<int>>("mock");   // rows shown by tab 29
    QTest::addColumn<QStringList>("titles"); // rows 0 to 19
    auto range = [](int a, int b) {
        QList<int> r;
        for (int i = a; i <= b; ++i)
            r << i;
        return r;
    };
    const QStringList sprint8{s("冲刺试卷一"), s("冲刺试卷二"), s("冲刺试卷三"), s("冲刺试卷四"),
                              s("冲刺试卷五"), s("冲刺试卷六"), s("冲刺试卷七"), s("冲刺试卷八")};
    const QStringList mock12{s("模拟试卷一"), s("模拟试卷二"), s("模拟试卷三"), s("模拟试卷四"),
                             s("模拟试卷五"), s("模拟试卷六"), s("模拟试卷七"), s("模拟试卷八"),
                             s("模拟试卷九"), s("模拟试卷十"), s("模拟试卷"),   s("模拟试卷")};
    QTest::newRow("20 papers: 8 sprint, 12 mock, numerals stop at ten")
        << 20 << range(0, 7) << range(8, 19) << sprint8 + mock12;
    QTest::newRow("8 papers: 4 and 4") << 8 << range(0, 3) << range(4, 7) << sprint8.mid(0, 4) + mock12.mid(0, 10)
                                           + QStringList{s("模拟试卷"), s("模拟试卷"), s("模拟试卷"), s("模拟试卷"),
                                                         s("模拟试卷"), s("模拟试卷")};
    QTest::newRow("3 papers: eight sprint cards, no mock") << 3 << range(0, 7) << QList<int>() << sprint8 + mock12;
}

void TstCoverPapers::rowsOfTheTabs()
{
    QFETCH(int, papers);
    QFETCH(QList<int>, sprint);
    QFETCH(QList<int>, mock);
    QFETCH(QStringList, titles);
    writePaperList(papers);
    FrmFengmian &w = shown();
    click(5);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(w.LblShiJuanBiao[size_t(i)]->text(), titles[i]);
        QCOMPARE(w.LblShiJuanBiao[size_t(i)]->palette().color(QPalette::WindowText),
                 sprint.contains(i) ? QColor(12, 127, 233) : QColor(51, 51, 51));
        QCOMPARE(w.LblShiJuanDel[size_t(i)]->text(), QString());
    }
    for (int i = 20; i < 30; ++i)
        QCOMPARE(w.LblShiJuanBiao[size_t(i)]->text(), s("随机试卷") + s("一二三四五六七八九十").mid(i - 20, 1));
    for (int tab : {28, 29, 30}) {
        click(tab);
        const QList<int> rows = tab == 28 ? sprint : tab == 29 ? mock : QList<int>();
        for (int i = 0; i < 30; ++i) {
            const bool shown = rows.contains(i);
            QCOMPARE(w.ImgShiJuan[size_t(i)]->isVisible(), shown);
            for (QLabel *l : {w.LblShiJuanBiao[size_t(i)], w.LblShiJuanTime[size_t(i)], w.LblShiJuanCCC[size_t(i)],
                              w.LblShiJuanCuoTi[size_t(i)], w.LblShiJuanScore[size_t(i)]})
                QCOMPARE(l->isVisible(), shown);
            QCOMPARE(w.ClickBotn[size_t(70 + i)]->isVisible(), shown);
            if (shown)
                QCOMPARE(w.ClickBotn[size_t(70 + i)]->pictureName(), tab == 28 ? s("l20047") : s("l20048"));
        }
        // Each group starts in the grid's top row, left column.
        if (!rows.isEmpty()) {
            QCOMPARE(w.ImgShiJuan[size_t(rows.first())]->pos(), QPoint(192, 8));
            if (rows.size() > 2)
                QCOMPARE(w.ImgShiJuan[size_t(rows[2])]->pos(), QPoint(192, 98));
        }
        QCOMPARE(w.ImgSuiJi->isVisible(), tab == 30);
        QCOMPARE(w.ClickBotn[21]->isVisible(), tab == 30);
    }
}

// The last exam's time without its seconds, the score as stored, and the
// defaults of a paper never taken.
void TstCoverPapers::history()
{
    QStringList h;
    for (int n = 1; n <= 93; ++n)
        h << run::presetHistoryLine(n);
    h[0] = QStringLiteral("2015-03-01 09:07:33");
    h[1] = QStringLiteral("87.5");
    h[3] = QStringLiteral("2015-3-1 9:07");
    writeLines(QStringLiteral("ksdata/288892.mxy"), h);
    FrmFengmian &w = shown();
    QCOMPARE(w.LblShiJuanTime[0]->text(), s("最后考试时间：2015-03-01 09:07"));
    QCOMPARE(w.LblShiJuanScore[0]->text(), s("87.5"));
    QCOMPARE(w.LblShiJuanTime[1]->text(), s("最后考试时间：2015-3-1 9:07"));
    QCOMPARE(w.LblShiJuanTime[2]->text(), s("最后考试时间：您还未考试！"));
    QCOMPARE(w.LblShiJuanScore[2]->text(), s("0"));
    QCOMPARE(w.LblShiJuanSSSS[0]->text(), s("最好成绩：    分"));
    QCOMPARE(w.LblShiJuanCCC[0]->text(), s("错题复习"));
}

void TstCoverPapers::unfinishedCounts_data()
{
    QTest::addColumn<QByteArray>("list"); // null: no file; "<dir>": a folder of that name
    QTest::addColumn<QString>("caption");
    QTest::newRow("12 characters") << QByteArray("000100020003\r\n") << "(3)";
    QTest::newRow("13 characters") << QByteArray("0001000200031\r\n") << "(3)";
    QTest::newRow("blanks around do not count") << QByteArray("   000100020003   \r\n") << "(3)";
    QTest::newRow("empty file") << QByteArray("") << "(0)";
    QTest::newRow("no file") << QByteArray() << "(0)";
    QTest::newRow("a folder") << QByteArray("<dir>") << "(0)";
}

void TstCoverPapers::unfinishedCounts()
{
    QFETCH(QByteArray, list);
    QFETCH(QString, caption);
    if (list == "<dir>")
        QVERIFY(QDir().mkpath(file(QStringLiteral("ksdata/182405.mxy"))));
    else if (!list.isNull())
        write(QStringLiteral("ksdata/182405.mxy"), list);
    FrmFengmian &w = shown();
    QCOMPARE(w.LblShiJuanCuoTi[5]->text(), caption);
    QCOMPARE(w.LblShiJuanCuoTi[4]->text(), QStringLiteral("(0)"));
}

void TstCoverPapers::randomList_data()
{
    QTest::addColumn<int>("papers");
    QTest::newRow("none: the message") << 0;
    QTest::newRow("three: rows 20 to 22") << 3;
}

void TstCoverPapers::randomList()
{
    QFETCH(int, papers);
    writeRandomPapers(papers);
    FrmFengmian &w = shown();
    click(5);
    click(31);
    QCOMPARE(w.LblNoHis->isVisible(), papers == 0);
    QCOMPARE(w.LblNoHis->text(), s("您还没有练习过随机试卷！"));
    for (int i = 0; i < 30; ++i) {
        const bool shown = i >= 20 && i < 20 + papers;
        QCOMPARE(w.ImgShiJuan[size_t(i)]->isVisible(), shown);
        QCOMPARE(w.LblShiJuanDel[size_t(i)]->isVisible(), shown);
        QCOMPARE(w.ClickBotn[size_t(70 + i)]->isVisible(), shown);
    }
    if (papers == 3) {
        QCOMPARE(w.LblShiJuanBiao[22]->text(), s("随机试卷三"));
        QCOMPARE(w.LblShiJuanDel[22]->text(), s("删除试卷"));
        QCOMPARE(w.ImgShiJuan[21]->pos(), QPoint(496, 8));
        QCOMPARE(w.ImgShiJuan[22]->pos(), QPoint(192, 98));
    }
    click(28);
    QVERIFY(!w.LblNoHis->isVisible());
}

// Row 0 on the design grid at 15 twips a pixel; the generator panel and the
// message.
void TstCoverPapers::layout()
{
    FrmFengmian &w = shown();
    click(5);
    click(28);
    QCOMPARE(w.ImgShiJuan[0]->geometry(), QRect(192, 8, 294, 80));
    QCOMPARE(w.ImgShiJuan[1]->geometry(), QRect(496, 8, 294, 80));
    QVERIFY(!w.ImgShiJuan[0]->pixmap().isNull());
    QCOMPARE(w.ClickBotn[70]->geometry(), QRect(392, 50, 85, 30));
    QCOMPARE(w.LblShiJuanBiao[0]->pos(), QPoint(200, 22));
    QCOMPARE(w.LblShiJuanTime[0]->pos(), QPoint(200, 45));
    QCOMPARE(w.LblShiJuanSSSS[0]->pos(), QPoint(200, 66));
    QCOMPARE(w.LblShiJuanScore[0]->pos(), QPoint(268, 66));
    QCOMPARE(w.LblShiJuanCCC[0]->pos(), QPoint(312, 66));
    QCOMPARE(w.LblShiJuanCuoTi[0]->pos(), QPoint(360, 66));
    // The caption's unit stands clear of its head, over the end of the
    // score's room (five full-width characters and four half-width
    // blanks from its left): ink, a gap, ink.
    {
        w.LblShiJuanSSSS[0]->setVisible(true);
        const QImage caption = w.LblShiJuanSSSS[0]->grab().toImage();
        auto inked = [&caption](int from, int to) {
            const QRgb blank = caption.pixel(0, 0);
            for (int x = from; x < to && x < caption.width(); ++x)
                for (int y = 0; y < caption.height(); ++y)
                    if (caption.pixel(x, y) != blank)
                        return true;
            return false;
        };
        QVERIFY(inked(0, 60));
        QVERIFY(!inked(61, 84));
        QVERIFY(inked(84, 96));
        QVERIFY(!inked(97, caption.width()));
    }
    QCOMPARE(w.LblShiJuanDel[20]->pos(), QPoint(312, 23));
    QVERIFY(w.LblShiJuanScore[0]->alignment() & Qt::AlignHCenter);
    QCOMPARE(w.LblShiJuanCCC[0]->palette().color(QPalette::WindowText), QColor(224, 0, 0));
    QCOMPARE(w.LblShiJuanBiao[0]->font().pointSizeF(), 10.0);
    QCOMPARE(w.LblShiJuanTime[0]->font().pointSizeF(), 9.0);
    QCOMPARE(w.LblShiJuanCCC[0]->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(w.LblShiJuanDel[20]->cursor().shape(), Qt::BitmapCursor);
    click(30);
    QCOMPARE(w.ImgSuiJi->pos(), QPoint(182, 6));
    QVERIFY(!w.ImgSuiJi->pixmap().isNull());
    QVERIFY(w.ClickBotn[21]->isVisible());
    QCOMPARE(w.LblNoHis->pos(), QPoint(312, 144));
    QCOMPARE(w.LblNoHis->font().pointSizeF(), 20.0);
}

// A row's start: its line of the paper list (row + 3) or of the random
// papers (row - 19), the exam's set, the logon; a row without a paper line
// starts nothing and writes nothing.
void TstCoverPapers::paperStart_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("randomPapers");
    QTest::addColumn<QString>("edit"); // the paper line of the button's row, when not empty
    QTest::addColumn<QString>("line"); // "": nothing starts
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("taoNo");
    QTest::newRow("73: line 6 of the paper list") << 73 << 0 << "" << paperLine(3) << 0 << 3;
    QTest::newRow("92: line 3 of the random papers") << 92 << 3 << "" << paperLine(13) << 8 << 11;
    QTest::newRow("70: line 3") << 70 << 0 << "" << paperLine(0) << 0 << 0;
    QTest::newRow("75: no line 8") << 75 << 0 << "" << "" << 0 << 0;
    QTest::newRow("92: no line 3 of two papers") << 92 << 2 << "" << "" << 0 << 0;
    const QString shortLine = ids({1, 2, 103, 204, 5});
    QTest::newRow("a short line: its ids alone") << 71 << 0 << shortLine << shortLine << 0 << 1;
    QTest::newRow("a line of three characters holds no id") << 72 << 0 << "12 " << "" << 0 << 0;
}

void TstCoverPapers::paperStart()
{
    QFETCH(int, button);
    QFETCH(int, randomPapers);
    QFETCH(QString, edit);
    QFETCH(QString, line);
    QFETCH(int, paperType);
    QFETCH(int, taoNo);
    writePaperList(4);
    if (!edit.isEmpty()) {
        QStringList list = lines(QStringLiteral("wydata/288891.mxy"));
        list[button - 70 + 2] = edit;
        writeLines(QStringLiteral("wydata/288891.mxy"), list);
    }
    writeRandomPapers(randomPapers);
    FrmFengmian &w = shown();
    const auto before = records();
    w.ClickBotn_Click(button);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(records(), before);
    if (line.isEmpty()) {
        QCOMPARE(FrmFengmian::loaded(), &w);
        QVERIFY(!FrmLogon::loaded());
        return;
    }
    QVERIFY(!FrmFengmian::loaded());
    QVERIFY(FrmLogon::loaded() && FrmLogon::loaded()->isVisible());
    QCOMPARE(int(run::PaperType), paperType);
    QCOMPARE(int(run::TaoNo), taoNo);
    QCOMPARE(int(run::RecNo), button - 70);
    QCOMPARE(int(run::AnswerMode), 3);
    const QStringList expected = idsOf(line);
    QCOMPARE(int(run::TmSum), expected.size());
    for (int i = 1; i <= run::TmSum; ++i) {
        QCOMPARE(QStringLiteral("%1").arg(run::TmId[size_t(i)], 4, 10, QChar(u'0')), expected[i - 1]);
        QCOMPARE(run::TmDone[size_t(i)], QStringLiteral("F"));
    }
    QCOMPARE(lines(QStringLiteral("wydata/2888%1.mxy").arg(paperType + taoNo + 50, 2, 10, QChar(u'0'))).size(),
             expected.size());
}

// A paper whose unit file cannot be read starts nothing, writes no record
// and is logged; so does the new random paper.
void TstCoverPapers::paperStartFailsWhole()
{
    writePaperList(4);
    writeRandomPapers(1);
    QVERIFY(QFile::remove(file(QStringLiteral("wydata/288871.mxy")))); // unit 1's questions
    FrmFengmian &w = shown();
    const auto before = records();
    w.ClickBotn_Click(70);
    w.ClickBotn_Click(90);
    click(5);
    click(30);
    click(21);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(FrmFengmian::loaded(), &w);
    QVERIFY(!FrmLogon::loaded());
    QCOMPARE(records(), before);
    const QStringList logged = ts::loggedReports(fnd::ErrLogFile);
    QVERIFY2(logged.filter(QStringLiteral("initshiti")).size() >= 3, qPrintable(logged.join(u'\n')));
}

// Button 21 on the sample bank, no random paper stored: 40 different ids of
// the bank, the records, the working files, the logon.
void TstCoverPapers::newRandomPaper()
{
    auto generator = std::make_shared<QRandomGenerator>(7);
    cover::RandomPaperSource = [generator] { return generator->generateDouble(); };
    shown();
    click(5);
    click(30);
    click(21);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(FrmLogon::loaded() && FrmLogon::loaded()->isVisible());
    QVERIFY(!FrmFengmian::loaded());
    QCOMPARE(int(run::PaperType), 8);
    QCOMPARE(int(run::TaoNo), 11);
    QCOMPARE(int(run::RecNo), 20);
    QCOMPARE(int(run::TmSum), 40);
    QCOMPARE(int(run::AnswerMode), 3);

    const QStringList random = lines(QStringLiteral("ksdata/288891.mxy"));
    QCOMPARE(random.size(), 10);
    QCOMPARE(random.mid(1), QStringList(9, QString()));
    const QStringList paper = idsOf(random[0]);
    QCOMPARE(random[0].size(), 160);
    QCOMPARE(QSet<QString>(paper.begin(), paper.end()).size(), 40);
    const QString list = lines(QStringLiteral("wydata/288891.mxy")).value(1);
    for (const QString &id : paper) {
        const int u = id.left(2).toInt(), p = id.mid(2).toInt();
        QVERIFY2(u < 3 && p >= 1 && p <= list.mid(2 * u, 2).toInt(), qPrintable(id));
    }
    for (int i = 1; i <= 40; ++i)
        QCOMPARE(QStringLiteral("%1").arg(run::TmId[size_t(i)], 4, 10, QChar(u'0')), paper[i - 1]);

    const QByteArray history = ts::fileBytes(file(QStringLiteral("ksdata/288892.mxy")));
    QCOMPARE(history.count("\r\n"), 91);
    QVERIFY(history.endsWith("\r\n\r\n"));
    const QStringList h = lines(QStringLiteral("ksdata/288892.mxy"));
    QCOMPARE(h.mid(60, 3), (QStringList{QStringLiteral("2026-03-12 10:11:12"), QStringLiteral("0"), QStringLiteral("E")}));
    QCOMPARE(h[0], s("您还未考试！"));
    QCOMPARE(h[63], s("您还未考试！"));
    QCOMPARE(ts::fileBytes(file(QStringLiteral("ksdata/182420.mxy"))), QByteArray("\r\n"));
    QVERIFY(!QFile::exists(file(QStringLiteral("ksdata/182421.mxy"))));
    QCOMPARE(lines(QStringLiteral("wydata/288869.mxy")).size(), 40);
}

// With papers stored: the list, the history slots and the unfinished lists
// move one slot on; a missing list moves as one empty line.
void TstCoverPapers::newRandomPaperShiftsTheRecords()
{
    writeRandomPapers(3);
    QStringList h;
    for (int n = 1; n <= 93; ++n)
        h << run::presetHistoryLine(n);
    h[3 * 3] = QStringLiteral("2026-01-03 03:03:03");
    for (int slot : {20, 21, 22}) {
        h[3 * slot] = QStringLiteral("2026-01-%1 00:00:00").arg(slot);
        h[3 * slot + 1] = QString::number(slot);
    }
    writeLines(QStringLiteral("ksdata/288892.mxy"), h);
    writeLines(QStringLiteral("ksdata/182420.mxy"), {ids({1, 2})});
    writeLines(QStringLiteral("ksdata/182422.mxy"), {ids({3})});
    writeLines(QStringLiteral("ksdata/182423.mxy"), {ids({4, 5, 6})});
    shown();
    click(5);
    click(30);
    click(21);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(FrmLogon::loaded());

    const QStringList random = lines(QStringLiteral("ksdata/288891.mxy"));
    QCOMPARE(random.size(), 10);
    QCOMPARE(random.mid(1, 4), (QStringList{paperLine(11), paperLine(12), paperLine(13), QString()}));
    const QStringList after = lines(QStringLiteral("ksdata/288892.mxy"));
    QCOMPARE(after.size(), 91);
    QCOMPARE(after[90], QString());
    QCOMPARE(after.mid(0, 60), h.mid(0, 60));
    QCOMPARE(after.mid(63, 9), h.mid(60, 9));
    QCOMPARE(after.mid(72, 18), h.mid(69, 18));
    QCOMPARE(ts::fileBytes(file(QStringLiteral("ksdata/182420.mxy"))), QByteArray("\r\n"));
    QCOMPARE(lines(QStringLiteral("ksdata/182421.mxy")), QStringList{ids({1, 2})});
    QCOMPARE(lines(QStringLiteral("ksdata/182422.mxy")), QStringList{QString()}); // slot 21 had none
    QCOMPARE(lines(QStringLiteral("ksdata/182423.mxy")), QStringList{ids({3})});
}

// A new paper whose records cannot be replaced (a folder in the history's
// place) changes no record and starts no exam, which would be scored into the
// slot of the newest paper stored; the click is logged with the files.
void TstCoverPapers::newRandomPaperNotRecordedStartsNothing()
{
    writeRandomPapers(2);
    writeLines(QStringLiteral("ksdata/182420.mxy"), {ids({1, 2})});
    QVERIFY(QDir().mkdir(file(QStringLiteral("ksdata/288892.mxy"))));
    FrmFengmian &w = shown();
    const auto before = records();
    click(5);
    click(30);
    click(21);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(FrmFengmian::loaded() == &w); // compared, not printed: a cover gone is deleted
    QVERIFY(!FrmLogon::loaded());
    QCOMPARE(records(), before);
    const QStringList logged = ts::loggedReports(fnd::ErrLogFile).filter(QStringLiteral("clickbotn"));
    QCOMPARE(logged.size(), 1);
    QVERIFY2(logged[0].contains(QStringLiteral("not written: 288891 288892")), qPrintable(logged[0]));
}

// The draw among units with questions; it ends whatever the source gives.
void TstCoverPapers::randomDraw_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<int>("source"); // 0 seeded generator, 1 always 0, 2 always 0.9999, 3 always 1.5
    QTest::addColumn<int>("size");
    QTest::newRow("three units of 14") << QList<int>{14, 14, 14} << 0 << 40;
    QTest::newRow("one unit: all from unit 0") << QList<int>{45} << 0 << 40;
    QTest::newRow("a unit without questions is not drawn") << QList<int>{0, 50, 0} << 0 << 40;
    QTest::newRow("fewer than 40: all of them") << QList<int>{5, 0, 7} << 0 << 12;
    QTest::newRow("no question") << QList<int>{0, 0} << 0 << 0;
    QTest::newRow("no unit") << QList<int>{} << 0 << 0;
    QTest::newRow("a source stuck at 0") << QList<int>{14, 14, 14} << 1 << 40;
    QTest::newRow("a source stuck near 1") << QList<int>{30, 30} << 2 << 40;
    QTest::newRow("a source out of range") << QList<int>{30, 30} << 3 << 40;
}

void TstCoverPapers::randomDraw()
{
    QFETCH(QList<int>, counts);
    QFETCH(int, source);
    QFETCH(int, size);
    auto generator = std::make_shared<QRandomGenerator>(11);
    const double stuck[] = {0, 0, 0.9999, 1.5};
    std::function<double()> uniform = [generator] { return generator->generateDouble(); };
    if (source > 0)
        uniform = [v = stuck[source]] { return v; };
    const QString paper = run::drawRandomPaper(std::vector<int>(counts.begin(), counts.end()), uniform);
    const QStringList list = idsOf(paper);
    QCOMPARE(paper.size(), 4 * size);
    QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), size);
    for (const QString &id : list) {
        const int u = id.left(2).toInt(), p = id.mid(2).toInt();
        QVERIFY2(u < counts.size() && p >= 1 && p <= counts[u], qPrintable(id));
    }
}

// A bank of 30 questions gives a paper of all 30 (TmSum 30); a bank without
// questions starts nothing and writes nothing.
void TstCoverPapers::smallBank_data()
{
    QTest::addColumn<QByteArray>("counts");
    QTest::addColumn<int>("size");
    QTest::newRow("30 questions, a unit without") << QByteArray("150015") << 30;
    QTest::newRow("no question") << QByteArray("000000") << 0;
}

void TstCoverPapers::smallBank()
{
    QFETCH(QByteArray, counts);
    QFETCH(int, size);
    writePaperList(4, counts);
    FrmFengmian &w = shown();
    const auto before = records();
    click(5);
    click(30);
    click(21);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (size == 0) {
        QCOMPARE(FrmFengmian::loaded(), &w);
        QVERIFY(!FrmLogon::loaded());
        QCOMPARE(records(), before);
        return;
    }
    QVERIFY(FrmLogon::loaded());
    QCOMPARE(int(run::TmSum), size);
    const QStringList paper = idsOf(lines(QStringLiteral("ksdata/288891.mxy")).value(0));
    QCOMPARE(paper.size(), size);
    QCOMPARE(QSet<QString>(paper.begin(), paper.end()).size(), size);
    QCOMPARE(lines(QStringLiteral("wydata/288869.mxy")).size(), size);
}

// Review of paper 3's unfinished questions: a practice of the list's whole
// ids (its length \ 4), not done, on the composed pair, with the header's
// "(未完成)".
void TstCoverPapers::reviewLink_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QList<int>>("questions");
    QTest::newRow("12 characters: three questions") << ids({2, 101, 203}) << QList<int>{2, 101, 203};
    QTest::newRow("11 characters: the three after the last whole id are no question")
        << QStringLiteral("00030005010") << QList<int>{3, 5};
}

void TstCoverPapers::reviewLink()
{
    QFETCH(QString, list);
    QFETCH(QList<int>, questions);
    writeLines(QStringLiteral("ksdata/182403.mxy"), {list});
    FrmFengmian &w = shown();
    click(5);
    click(29);
    clickLink(w.LblShiJuanCCC[3]);
    QVERIFY(!FrmFengmian::loaded());
    QCOMPARE(int(run::PaperType), 2);
    QCOMPARE(int(run::TaoNo), 17);
    QCOMPARE(int(run::RecNo), 3);
    QCOMPARE(int(run::AnswerMode), 2);
    QCOMPARE(int(run::TmSum), questions.size());
    for (int i = 1; i <= questions.size(); ++i) {
        QCOMPARE(int(run::TmId[size_t(i)]), questions[i - 1]);
        QCOMPARE(run::TmDone[size_t(i)], QStringLiteral("F"));
        QCOMPARE(run::TmState[size_t(i)] & 4, 0);
    }
    QVERIFY(FrmTm::loaded());
    QTRY_VERIFY(FrmTm::get().LblBiao->text().endsWith(s("/%1(0%2)(未完成)").arg(questions.size()).arg(questions[0] + 100)));
    QVERIFY(FrmMain::loaded() && FrmMain::loaded()->isVisible());
}

void TstCoverPapers::reviewLinkOfAnEmptyList()
{
    writeLines(QStringLiteral("ksdata/182401.mxy"), {QStringLiteral("   ")});
    FrmFengmian &w = shown();
    click(5);
    click(28);
    QString title, prompt;
    ts::whenShown<FrmKVMSGBOX>([&](FrmKVMSGBOX &box) {
        title = box.LblTitle->text();
        prompt = box.LblPrompt->text();
    });
    ts::answerMessageBoxLater(1);
    const auto before = records();
    clickLink(w.LblShiJuanCCC[1]);
    QCOMPARE(title, s("没有生成错题"));
    QCOMPARE(prompt, s("\n\n\n你可能是还没有做本套试题，或者上次得分为0。\n请点“开始考试”做本套试题。"));
    QCOMPARE(FrmFengmian::loaded(), &w);
    QVERIFY(!FrmTm::loaded());
    QCOMPARE(records(), before);
}

// Deleting a random paper, confirmed.
void TstCoverPapers::deleteRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("kept");     // the papers left, by their old number (1 to 3)
    QTest::addColumn<QList<int>>("lists");    // the old slots whose lists now stand in 20, 21, 22 (-1 one empty line, 0 none)
    QTest::newRow("row 20 of three") << 20 << QList<int>{2, 3} << QList<int>{21, 22, 22};
    QTest::newRow("row 22 of three") << 22 << QList<int>{1, 2} << QList<int>{20, 21, 22};
    QTest::newRow("row 21, list 22 missing") << 21 << QList<int>{1, 3} << QList<int>{20, -1, 0};
}

void TstCoverPapers::deleteRow()
{
    QFETCH(int, row);
    QFETCH(QList<int>, kept);
    QFETCH(QList<int>, lists);
    writeRandomPapers(3);
    QStringList h;
    for (int n = 1; n <= 96; ++n)
        h << run::presetHistoryLine(n);
    for (int slot : {0, 20, 21, 22})
        h[3 * slot] = QStringLiteral("2026-01-%1 00:00:00").arg(slot, 2, 10, QChar(u'0'));
    writeLines(QStringLiteral("ksdata/288892.mxy"), h);
    for (int slot : {20, 21, 22})
        if (!(QTest::currentDataTag() == QByteArray("row 21, list 22 missing") && slot == 22))
            writeLines(QStringLiteral("ksdata/1824%1.mxy").arg(slot), {ids({slot, slot})});
    FrmFengmian &w = shown();
    click(5);
    click(31);
    ts::answerMessageBoxLater(1);
    clickLink(w.LblShiJuanDel[size_t(row)]);

    QStringList random;
    for (int k : kept)
        random << paperLine(10 + k);
    QCOMPARE(lines(QStringLiteral("ksdata/288891.mxy")), random << QString());
    for (int k = 0; k < 3; ++k) {
        const QStringList expected = lists[k] < 0    ? QStringList{QString()}
                                     : lists[k] == 0 ? QStringList{QStringLiteral("<no file>")}
                                                     : QStringList{ids({lists[k], lists[k]})};
        QCOMPARE(lines(QStringLiteral("ksdata/1824%1.mxy").arg(20 + k)), expected);
    }
    const QByteArray history = ts::fileBytes(file(QStringLiteral("ksdata/288892.mxy")));
    QCOMPARE(history.count("\r\n"), 91);
    const QStringList after = lines(QStringLiteral("ksdata/288892.mxy"));
    QCOMPARE(after.mid(0, 60), h.mid(0, 60));
    for (int slot = row; slot < 22; ++slot)
        QCOMPARE(after.mid(3 * slot, 3), h.mid(3 * slot + 3, 3));
    QCOMPARE(after.mid(66, 24), h.mid(66, 24)); // the last slot stays as it was
    // The pages built anew: two random papers.
    QCOMPARE(FrmFengmian::loaded(), &w);
    QCOMPARE(int(w.SuiJiCount), 2);
    click(31);
    QVERIFY(w.ImgShiJuan[21]->isVisible());
    QVERIFY(!w.ImgShiJuan[22]->isVisible());
}

// Anything but the confirmation changes no byte; a fixed row's link does
// nothing.
void TstCoverPapers::deleteCancelled()
{
    writeRandomPapers(3);
    writeLines(QStringLiteral("ksdata/182421.mxy"), {ids({21})});
    FrmFengmian &w = shown();
    const auto before = records();
    click(5);
    click(31);
    for (int answer : {0, 3}) {
        ts::answerMessageBoxLater(answer);
        clickLink(w.LblShiJuanDel[20]);
        QCOMPARE(records(), before);
    }
    w.LblShiJuanDel_Click(3);
    w.LblShiJuanDel_Click(23);
    QVERIFY(!FrmKVMSGBOX::loaded());
    QCOMPARE(records(), before);
}

QTEST_MAIN(TstCoverPapers)
#include "tst_coverpapers.moc"
