// The cover's initialisation on a copy of the sample bank: the info lines,
// the counts, the random papers, the unit progress it rewrites (or keeps),
// the exam history, and the silent end on another module's data folder.
#include "testsupport.h"

#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "examflow/frmlogon.h"
#include "examflow/frmtm.h"
#include "run/compose.h"
#include "simwin/window/frmmain.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/picture.h"
#include "foundation/startup.h"
#include "foundation/ui/kvelbutton.h"
#include "run/records.h"
#include "run/runstate.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QRandomGenerator>
#include <QtTest>

namespace {
QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TstCover : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void skeleton();
    void buttonLayout_data();
    void buttonLayout();
    void infoLines();
    void countsAndRecords();
    void progressKeptWithoutCounts_data();
    void progressKeptWithoutCounts();
    void progressNeverCut_data();
    void progressNeverCut();
    void anotherModuleEndsSilently();
    void composedPaperEqualsTheGenerators();
    void markedBits_data();
    void markedBits();
    void runStartFromACoverClick_data();
    void runStartFromACoverClick();
    void loadShowsThePicturesDecodedAhead();

private:
    std::unique_ptr<ts::ProgramCopy> copy_;
    QString record(const QString &name) const { return copy_->file(QStringLiteral("ksdata/") + name + QStringLiteral(".mxy")); }
    QString data(const QString &name) const { return copy_->file(QStringLiteral("wydata/") + name + QStringLiteral(".mxy")); }
};

void TstCover::init()
{
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    fnd::resetGlobals();
    run::resetRunState();
    fnd::readInfo();
}

void TstCover::cleanup()
{
    FrmFengmian::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    copy_.reset();
}

// The frame of the load: frameless 800 x 600, the home picture, the hidden
// top strip, the drag strip, five hidden page frames in one rectangle.
void TstCover::skeleton()
{
    FrmFengmian &w = FrmFengmian::get();
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.size(), QSize(800, 600));
    QCOMPARE(w.picShouYe->geometry(), QRect(0, 0, 800, 110));
    QVERIFY(!w.picShouYe->pixmap().isNull());
    QVERIFY(!w.PicTop->isVisibleTo(&w));
    QCOMPARE(w.LblCaption->parentWidget(), w.PicTop);
    QCOMPARE(w.lblMove->geometry(), QRect(0, 0, 697, 45));
    for (const char *name : {"PicTiKu", "PicKaCH", "PicBiaoZhi", "PicCuoTi", "PicHelp"}) {
        auto *page = w.findChild<QLabel *>(QString::fromLatin1(name));
        QVERIFY2(page, name);
        QCOMPARE(page->geometry(), QRect(0, 110, 800, 460));
        QVERIFY(!page->isVisibleTo(&w));
    }
    QVERIFY(!w.PicAd->isVisibleTo(&w));
    for (int i : {0, 1, 2, 3, 17, 18, 19, 20, 21})
        QVERIFY(w.findChild<QLabel *>(QStringLiteral("LblInfo_%1").arg(i)));
}

// The buttons' places in pixels at scale 1, for the two home layouts that
// product entry 34 chooses.
void TstCover::buttonLayout_data()
{
    QTest::addColumn<QString>("entry34");
    QTest::addColumn<bool>("twoButtons");
    QTest::newRow("\" 2 \"") << " 2 " << true;
    QTest::newRow("\"02\"") << "02" << false;
    QTest::newRow("empty") << "" << false;
}

void TstCover::buttonLayout()
{
    QFETCH(QString, entry34);
    QFETCH(bool, twoButtons);
    fnd::InfoTable[34] = entry34;
    FrmFengmian &w = FrmFengmian::get();
    w.show();
    auto geo = [&w](int i) { return w.ClickBotn[size_t(i)]->geometry(); };
    if (twoButtons) {
        QCOMPARE(geo(4), QRect(160, 200, 150, 150));
        QCOMPARE(geo(5), QRect(460, 200, 150, 150));
        QVERIFY(!w.ClickBotn[6]->isVisible() && !w.ClickBotn[7]->isVisible());
        const QRect links[] = {{96, 456, 92, 20}, {202, 456, 92, 20}, {96, 496, 92, 20}, {202, 496, 92, 20}, {32, 438, 188, 20}};
        for (int i = 17; i <= 21; ++i)
            QCOMPARE(w.LblInfo[size_t(i)]->geometry(), links[i - 17]);
    } else {
        for (int i = 4; i <= 7; ++i) {
            QCOMPARE(geo(i), QRect(50 + 180 * (i - 4), 256, 150, 160));
            QVERIFY(w.ClickBotn[size_t(i)]->isVisible());
        }
        QVERIFY(!w.LblInfo[17]->isVisible());
    }
    QCOMPARE(geo(2), QRect(745, 6, 22, 22));
    QCOMPARE(geo(3), QRect(772, 6, 22, 22));
    QCOMPARE(geo(13), geo(2));
    QCOMPARE(geo(14), geo(3));
    QCOMPARE(geo(8), QRect(520, 488, 36, 55));
    QCOMPARE(geo(11).topLeft(), QPoint(648, 488));
    QCOMPARE(geo(12).topLeft(), QPoint(712, 488));
    for (int k = 0; k < 5; ++k)
        QCOMPARE(geo(15 + k), QRect(15 + 87 * k, 29, 82, 80));
    for (int k = 0; k < 4; ++k)
        QCOMPARE(geo(28 + k), QRect(1, 1 + 50 * k, 180, 50));
    QCOMPARE(geo(20), QRect(600, 392, 120, 40));
    QCOMPARE(geo(23), QRect(416, 220, 80, 25));
    // Containers, pictures, the hidden spares, the pointer.
    QCOMPARE(w.ClickBotn[16]->parentWidget(), w.PicTop);
    QCOMPARE(w.ClickBotn[28]->parentWidget(), w.PicKaCH);
    QCOMPARE(w.ClickBotn[80]->parentWidget(), w.PicKaCH);
    QCOMPARE(w.ClickBotn[55]->parentWidget(), w.PicTiKu);
    QCOMPARE(w.ClickBotn[4]->picture().size(), QSize(600, 150));
    for (int i : {0, 1, 44, 45, 46})
        QVERIFY(!w.ClickBotn[size_t(i)]->isVisibleTo(&w));
    QVERIFY(w.ClickBotn[8]->isVisible());
    QCOMPARE(w.ClickBotn[30]->mousePointer(), 99);
}

void TstCover::infoLines()
{
    FrmFengmian &w = FrmFengmian::get();
    const int lefts[] = {16, 336, 496, 662};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.LblInfo[size_t(i)]->pos(), QPoint(lefts[i], 578));
        QCOMPARE(w.LblInfo[size_t(i)]->palette().color(QPalette::WindowText), QColor(102, 102, 102));
    }
    QCOMPARE(w.LblInfo[1]->text(), QStringLiteral("官方网站：") + fnd::InfoTable[16]);
    QCOMPARE(w.LblInfo[2]->text(), QStringLiteral("客服电话：") + fnd::InfoTable[10]);
    QCOMPARE(w.LblInfo[3]->text(), QStringLiteral("客服QQ：") + fnd::InfoTable[11]);
    QVERIFY(w.LblInfo[0]->text().startsWith(QStringLiteral("题库版本：V")));
    QCOMPARE(w.windowTitle(), QStringLiteral("Marrowby考试练习系统"));
    QCOMPARE(w.LblCaption->text(), fnd::ModuleName);
}

void TstCover::countsAndRecords()
{
    // The version as stored, blanks and all; the trimmed one shared.
    writeBytes(data(bank::BankVersionFile), " 202612101200 \r\n");
    writeBytes(record(bank::RandomPaperFile), "01010102\r\n01030104\r\n\r\n01050106\r\n");
    writeBytes(record(bank::ImeOptionFile), "1\r\n");
    QStringList history;
    for (int k = 1; k <= 93; ++k)
        history << QStringLiteral("h%1").arg(k);
    fnd::writeLines(record(bank::ShiJuanHisFile), history);
    writeBytes(record(bank::UnitProgressFile), "TTF\r\nTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT\r\n");
    FrmFengmian &w = FrmFengmian::get();
    QCOMPARE(w.LblInfo[0]->text(), QStringLiteral("题库版本：V 202612101200 "));
    QCOMPARE(run::BankVersion, QStringLiteral("202612101200"));
    QCOMPARE(w.SuiJiCount, qint16(2));
    QVERIFY(run::UseIME);
    QCOMPARE(w.ShiJuanHis[93], QStringLiteral("h93"));
    QCOMPARE(w.ShiJuanHis[94], QStringLiteral("您还未考试！"));
    QCOMPARE(w.ShiJuanHis[95], QStringLiteral("0"));
    QCOMPARE(w.ShiJuanHis[96], QStringLiteral("E"));
    // The sample bank's counts; each unit's flags padded to its count, the
    // 60 flags of unit 1 kept whole in the file and cut to its count on the
    // cover.
    const QString counts = fnd::readLines(data(bank::PaperListFile)).value_or(QStringList()).value(1);
    QVERIFY(run::UnitCount >= 3);
    auto count = [&](int u) { return u < counts.size() / 2 ? counts.mid(2 * u, 2).toInt() : 0; };
    QVERIFY(count(1) < 60);
    const QStringList progress = fnd::readLines(record(bank::UnitProgressFile)).value_or(QStringList());
    QCOMPARE(progress.size(), 26);
    QCOMPARE(progress[25], QString());
    for (int u = 0; u < 25; ++u)
        QCOMPARE(progress[u].size(), u == 1 ? 60 : count(u));
    QVERIFY(progress[0].startsWith(QStringLiteral("TTFF")));
    QVERIFY(bytesOf(record(bank::UnitProgressFile)).endsWith("\r\n\r\n"));
    QCOMPARE(fnd::UnitTable[0][2], QString::number(progress[0].size()));
    QCOMPARE(fnd::UnitTable[0][3], QString::number(progress[0].count(u'F')));
    QCOMPARE(fnd::UnitTable[1][2], QString::number(count(1)));
    QCOMPARE(fnd::UnitTable[1][4], QString(count(1), u'T'));
}

// Without the units' question counts the stored progress is not cut.
void TstCover::progressKeptWithoutCounts_data()
{
    QTest::addColumn<QByteArray>("paperList"); // empty: no file
    QTest::newRow("no paper list") << QByteArray();
    QTest::newRow("paper list of one line") << QByteArray("0003\r\n");
}

void TstCover::progressKeptWithoutCounts()
{
    QFETCH(QByteArray, paperList);
    if (paperList.isEmpty())
        QVERIFY(QFile::remove(data(bank::PaperListFile)));
    else
        writeBytes(data(bank::PaperListFile), paperList);
    const QByteArray stored = "TTF\r\nFT\r\n";
    writeBytes(record(bank::UnitProgressFile), stored);
    FrmFengmian::get();
    QCOMPARE(bytesOf(record(bank::UnitProgressFile)), stored);
    for (int u = 0; u < run::UnitCount; ++u)
        QCOMPARE(fnd::UnitTable[size_t(u)][4], u == 0 ? QStringLiteral("TTF") : u == 1 ? QStringLiteral("FT") : QString());
}

// The stored progress is only ever lengthened: a paper list that cannot be
// read properly costs no done flag, and a unit that really shrank shows its
// flags cut on the cover while the file keeps them all. The file holds each
// unit's flags at the sample bank's counts, as the cover writes them.
void TstCover::progressNeverCut_data()
{
    QTest::addColumn<QByteArray>("paperList");
    QTest::addColumn<QStringList>("shown"); // the cover's flags of units 0 to 2

    const QByteArray sample = bytesOf(ts::sampleProgramDir() + QStringLiteral("/wydata/288891.mxy"));
    QVERIFY(sample.startsWith("0403\r\n141420\r\n"));
    const QString unit0 = QStringLiteral("TTFTTFTTFTTFTT"), unit1 = QStringLiteral("FTFTFTFTFTFTFT");
    const QString unit2 = QStringLiteral("TTTTTTTTTTFFFFFFFFFF");
    // Bytes without a digit: every count reads 0.
    QByteArray garbage;
    QRandomGenerator gen(29);
    while (garbage.size() < 512)
        if (const char c = char(gen.bounded(256)); c < '0' || c > '9')
            garbage += c;
    // Every line begins with a byte GBK never uses and ends in a lone lead
    // byte: unit 0's count reads 0.
    QByteArray notGbk;
    for (const QByteArray &line : fnd::splitLines(sample))
        notGbk += "\xFF" + line.mid(1) + "\x81\r\n";
    QTest::newRow("random bytes") << garbage << QStringList{};
    QTest::newRow("not GBK") << notGbk << QStringList{QString(), unit1, unit2};
    // Unit 0 now has 5 questions, unit 2 has 25.
    QByteArray shrunk = sample;
    shrunk.replace("\r\n141420\r\n", "\r\n051425\r\n");
    QTest::newRow("unit 0 shrank, unit 2 grew")
        << shrunk << QStringList{unit0.left(5), unit1, unit2 + QStringLiteral("FFFFF")};
}

void TstCover::progressNeverCut()
{
    QFETCH(QByteArray, paperList);
    QFETCH(QStringList, shown);
    QStringList stored{QStringLiteral("TTFTTFTTFTTFTT"), QStringLiteral("FTFTFTFTFTFTFT"),
                       QStringLiteral("TTTTTTTTTTFFFFFFFFFF")};
    while (stored.size() < 26)
        stored << QString(); // 25 units and the closing empty line
    QVERIFY(fnd::writeLines(record(bank::UnitProgressFile), stored));
    writeBytes(data(bank::PaperListFile), paperList);
    FrmFengmian::get();
    for (int u = 0; u < shown.size(); ++u)
        QCOMPARE(fnd::UnitTable[size_t(u)][4], shown[u]);
    // Lengthened where a unit grew, cut nowhere.
    QStringList kept = stored;
    for (int u = 0; u < shown.size(); ++u)
        if (shown[u].size() > kept[u].size())
            kept[u] = shown[u];
    QCOMPARE(bytesOf(record(bank::UnitProgressFile)), fnd::joinCrlf(kept));
}

void TstCover::anotherModuleEndsSilently()
{
    writeBytes(data(bank::ModuleNoFile), QByteArray::number(fnd::ModuleNo + 1) + "\r\n");
    const QByteArray stored = "TTF\r\n";
    writeBytes(record(bank::UnitProgressFile), stored);
    fnd::EndCatcher end;
    FrmFengmian::get();
    QCOMPARE(end.ends(), 1);
    QCOMPARE(bytesOf(record(bank::UnitProgressFile)), stored);
}

// Fixed paper 1 composed from its id list: the generator's working files,
// byte for byte.
void TstCover::composedPaperEqualsTheGenerators()
{
    const QByteArray step = bytesOf(data(QStringLiteral("288800"))), tm = bytesOf(data(QStringLiteral("288850")));
    QVERIFY(!step.isEmpty() && !tm.isEmpty());
    QVERIFY(QFile::remove(data(QStringLiteral("288800"))));
    QVERIFY(QFile::remove(data(QStringLiteral("288850"))));
    const QString ids = fnd::readLines(data(bank::PaperListFile)).value_or(QStringList()).value(2);
    QCOMPARE(ids.size(), 160);
    QVERIFY(cover::InitShiTi(ids, 0));
    QCOMPARE(run::TmSum, qint16(40));
    QCOMPARE(bytesOf(data(QStringLiteral("288800"))), step);
    QCOMPARE(bytesOf(data(QStringLiteral("288850"))), tm);
}

void TstCover::markedBits_data()
{
    QTest::addColumn<QByteArray>("marked");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::newRow("0102 and 0205") << QByteArray("01020205\r\n") << true << true;
    QTest::newRow("a blank between: only 0102") << QByteArray("0102 0205\r\n") << true << false;
    QTest::newRow("no file") << QByteArray() << false << false;
}

void TstCover::markedBits()
{
    QFETCH(QByteArray, marked);
    QFETCH(bool, first);
    QFETCH(bool, second);
    if (!marked.isNull())
        writeBytes(record(bank::BiaoZhiIdFile), marked);
    run::PaperType = 9;
    run::TaoNo = 10;
    run::TmId[1] = 102;
    run::TmId[2] = 205;
    run::TmState[1] = 1;
    run::TmState[2] = 0;
    FrmFengmian::get();
    cover::startLianXi();
    QCOMPARE(run::TmState[1], qint16(first ? 3 : 1));
    QCOMPARE(run::TmState[2], qint16(second ? 2 : 0));
    FrmTm::unload();
    FrmMain::unload();
}

// From a click on the cover: an exam paper opens the logon window with the
// question window's reload off; a practice opens the question and simulated
// windows with both timers armed. The cover is gone either way.
void TstCover::runStartFromACoverClick_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("taoNo");
    QTest::newRow("random paper 8") << 8 << 11;
    QTest::newRow("marked questions 9") << 9 << 10;
}

void TstCover::runStartFromACoverClick()
{
    QFETCH(int, paperType);
    QFETCH(int, taoNo);
    const QString ids = fnd::readLines(data(bank::PaperListFile)).value_or(QStringList()).value(2);
    QVERIFY(cover::InitShiTi(ids, 19));
    run::PaperType = qint16(paperType);
    run::TaoNo = qint16(taoNo);
    FrmFengmian &w = FrmFengmian::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    connect(w.ClickBotn[4], &kvelButton::Click, &w, [] { cover::startLianXi(); });
    QTest::mouseClick(w.ClickBotn[4], Qt::LeftButton, {}, QPoint(20, 20));
    QTRY_VERIFY(!FrmFengmian::loaded());
    QCOMPARE(run::StepFile, fnd::dataFile(QStringLiteral("288819")));
    QCOMPARE(run::StepStart[2], qint16(1 + run::stepCountOf(fnd::readLines(run::TmFile)->at(0))));
    if (paperType == 8) {
        QVERIFY(FrmLogon::loaded() && FrmLogon::loaded()->isVisible());
        QVERIFY(!FrmTm::loaded() || !FrmTm::loaded()->TimerREDO->isActive());
        FrmLogon::unload();
    } else {
        QVERIFY(FrmTm::loaded() && FrmTm::loaded()->isVisible());
        QVERIFY(FrmTm::loaded()->TimerREDO->isActive());
        QVERIFY(FrmTm::loaded()->TimKsModel->isActive());
        QVERIFY(FrmMain::loaded() && FrmMain::loaded()->isVisible());
        QVERIFY(!FrmLogon::loaded());
    }
    FrmTm::unload();
    FrmMain::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The pictures decoded ahead for the cover are exactly those its load shows:
// each one is taken from the worker (none is decoded twice), none is left
// over, and the load shows no picture of the data folder beside them.
void TstCover::loadShowsThePicturesDecodedAhead()
{
    const QStringList listed = FrmFengmian::pictureFiles();
    fnd::decodeAhead(FrmFengmian::picturesAhead(), fnd::AheadShare::Whole);
    QVERIFY(fnd::waitForDecodeAhead(5000));
    for (const QString &p : listed)
        QVERIFY2(fnd::isPictureDecodedAhead(p), qPrintable(p));
    FrmFengmian::get().show();
    for (const QString &p : listed)
        QVERIFY2(!fnd::isPictureDecodedAhead(p) && fnd::isPictureCached(p), qPrintable(p));
    for (const QString &name : QDir(fnd::DataPath).entryList({QStringLiteral("*.mxy")}, QDir::Files)) {
        const QString p = fnd::dataFile(name.chopped(4));
        QVERIFY2(listed.contains(p) || !fnd::isPictureCached(p), qPrintable(p));
    }
}

QTEST_MAIN(TstCover)
#include "tst_cover.moc"
