// The cover's marked-question and wrong-question pages and the sets the
// cover starts from them and from the units page, on a copy of the sample
// bank with small record fixtures: the pages' counts and layout, the unit
// practice (button 20), the review practices (22, 24) with their refusals,
// and the clearing of a list (23, 25).
#include "reportlog.h"
#include "testsupport.h"
#include "modalanswer.h"
#include "windowdrive.h"

#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"
#include "run/records.h"
#include "run/runstate.h"
#include "simwin/window/frmmain.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QLabel>
#include <QtTest>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// What a message box showed, and the answer it was given.
struct Box
{
    bool shown = false;
    QString title, prompt;
    QImage icon;
};

} // namespace

class TstCoverReviews : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void counts_data();
    void counts();
    void pageLayout();
    void unitPracticeRefusals_data();
    void unitPracticeRefusals();
    void unitPracticeStarts_data();
    void unitPracticeStarts();
    void unitWithoutQuestionsStartsNothing();
    void reviewPracticeStarts_data();
    void reviewPracticeStarts();
    void reviewPracticeRefusals_data();
    void reviewPracticeRefusals();
    void failedCompositionStartsNothing();
    void longListTakesTheFirst500();
    void clearing_data();
    void clearing();

private:
    FrmFengmian &shown() { return ts::shownCover(); }
    void click(int index) { ts::clickCover(index); }
    // Sets a review page's filter through its buttons (it starts at 1).
    void chooseFilter(int page, int filter);
    // The marked (0) or wrong-question (1) page, through the top strip's tabs.
    void openReviewPage(int page);
    void writeFile(const QString &relative, const QByteArray &bytes);
    void writeRecord(const char *name, const QByteArray &bytes); // null: no file
    QByteArray readRecord(const char *name) const;
    // Every file of the data folder and the records, with a digest.
    QMap<QString, QByteArray> files() const;
    // Arms the box's answer (1 confirm, 0 dismiss) and records what it showed.
    void answerBox(Box &box, int answer);
    // The box the click showed; an empty title: none came (the armed answer
    // is then used up on a box of the test's own, so it answers no later box).
    void expectBox(Box &box, const QString &title, const QString &prompt, const char *icon);
    QImage picture(const char *name) const;

    std::unique_ptr<ts::ProgramCopy> copy_;
    std::unique_ptr<QTemporaryDir> logDir_;
    QMap<QString, QByteArray> pristine_;
};

void TstCoverReviews::initTestCase()
{
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    // The files tests change, restored (or removed) before each test.
    for (const char *f : {"wydata/288891.mxy", "ksdata/288893.mxy", "ksdata/288862.mxy", "ksdata/288872.mxy",
                          "ksdata/288863.mxy", "ksdata/288873.mxy", "wydata/288819.mxy", "wydata/288869.mxy"}) {
        QFile file(copy_->file(QString::fromLatin1(f)));
        pristine_[QString::fromLatin1(f)] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
}

void TstCoverReviews::init()
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
}

void TstCoverReviews::cleanup()
{
    FrmFengmian::unload();
    FrmKVMSGBOX::unload();
    run::TmCanUnload = true;
    FrmTm::unload();
    FrmMain::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fnd::ErrLogFile.clear();
}


void TstCoverReviews::openReviewPage(int page)
{
    click(4);
    click(page == 0 ? 18 : 19);
}

void TstCoverReviews::chooseFilter(int page, int filter)
{
    const int first = page == 0 ? 40 : 42;
    if (!(filter & 1))
        click(first);
    if (filter & 2)
        click(first + 1);
}

void TstCoverReviews::writeFile(const QString &relative, const QByteArray &bytes)
{
    QFile f(copy_->file(relative));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void TstCoverReviews::writeRecord(const char *name, const QByteArray &bytes)
{
    const QString relative = QStringLiteral("ksdata/%1.mxy").arg(QString::fromLatin1(name));
    if (bytes.isNull())
        QFile::remove(copy_->file(relative));
    else
        writeFile(relative, bytes);
}

QByteArray TstCoverReviews::readRecord(const char *name) const
{
    QFile f(copy_->file(QStringLiteral("ksdata/%1.mxy").arg(QString::fromLatin1(name))));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QMap<QString, QByteArray> TstCoverReviews::files() const
{
    QMap<QString, QByteArray> out;
    for (const char *folder : {"wydata", "ksdata"}) {
        QDirIterator it(copy_->file(QString::fromLatin1(folder)), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly))
                out[f.fileName()] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
        }
    }
    return out;
}

void TstCoverReviews::answerBox(Box &box, int answer)
{
    ts::whenShown<FrmKVMSGBOX>([&box](FrmKVMSGBOX &b) {
        box.shown = true;
        box.title = b.LblTitle->text();
        box.prompt = b.LblPrompt->text();
        box.icon = b.Image1->pixmap().toImage();
    });
    ts::answerMessageBoxLater(answer);
}

void TstCoverReviews::expectBox(Box &box, const QString &title, const QString &prompt, const char *icon)
{
    if (title.isEmpty()) {
        QTest::qWait(100);
        QVERIFY(!box.shown);
        FrmKVMSGBOX::ask(QString(), QString(), QString());
        return;
    }
    QVERIFY(box.shown);
    QCOMPARE(box.title, title);
    QCOMPARE(box.prompt, prompt);
    QCOMPARE(box.icon, picture(icon));
}

QImage TstCoverReviews::picture(const char *name) const
{
    return fnd::loadPicture(fnd::dataFile(QString::fromLatin1(name))).value_or(QPixmap()).toImage();
}

// One question per id; "T" is reviewed, any other flag (a blank inside, a
// lower-case "t", a missing one) is not; flags past the ids do not count.
void TstCoverReviews::counts_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("ids");   // null: no file
    QTest::addColumn<QByteArray>("flags"); // null: no file
    QTest::addColumn<QString>("notReviewed");
    QTest::addColumn<QString>("reviewed");
    const QByteArray four("0001000200030004\r\n");
    QTest::newRow("TFFT") << 0 << four << QByteArray("TFFT\r\n") << "2" << "2";
    QTest::newRow("T, padded") << 0 << four << QByteArray("T\r\n") << "3" << "1";
    QTest::newRow("TTTTT, cut") << 0 << four << QByteArray("TTTTT\r\n") << "0" << "4";
    QTest::newRow("inner blank") << 0 << four << QByteArray(" T F \r\n") << "3" << "1";
    QTest::newRow("lower-case t") << 0 << four << QByteArray("tTTT\r\n") << "1" << "3";
    QTest::newRow("no flag file") << 0 << four << QByteArray() << "4" << "0";
    QTest::newRow("empty flag line") << 0 << four << QByteArray("\r\n") << "4" << "0";
    QTest::newRow("no id file") << 0 << QByteArray() << QByteArray("TFFT\r\n") << "0" << "0";
    QTest::newRow("odd length: the tail ignored") << 0 << QByteArray("00010002000\r\n") << QByteArray("FT\r\n") << "1"
                                                  << "1";
    QTest::newRow("second line ignored") << 0 << four << QByteArray("TTFF\r\nTTTT\r\n") << "2" << "2";
    QTest::newRow("wrong page: T, padded") << 1 << four << QByteArray("T\r\n") << "3" << "1";
    QTest::newRow("wrong page: no files") << 1 << QByteArray() << QByteArray() << "0" << "0";
}

void TstCoverReviews::counts()
{
    QFETCH(int, page);
    QFETCH(QByteArray, ids);
    QFETCH(QByteArray, flags);
    QFETCH(QString, notReviewed);
    QFETCH(QString, reviewed);
    writeRecord(page == 0 ? "288862" : "288863", ids);
    writeRecord(page == 0 ? "288872" : "288873", flags);
    FrmFengmian &w = shown();
    QCOMPARE((page == 0 ? w.LblBiaoZhiWei : w.LblCuoTiWei)->text(), notReviewed);
    QCOMPARE((page == 0 ? w.LblBiaoZhiYI : w.LblCuoTiYI)->text(), reviewed);
    // The other page has no list: 0 and 0.
    QCOMPARE((page == 0 ? w.LblCuoTiWei : w.LblBiaoZhiWei)->text(), s("0"));
    QCOMPARE((page == 0 ? w.LblCuoTiYI : w.LblBiaoZhiYI)->text(), s("0"));
}

// Both pages laid out alike at scale 1: the background at the page's corner
// in its own size, the counts right of the filters, red bold 宋体 of 10
// points, centred, wide enough for three digits; the not-reviewed filter on.
void TstCoverReviews::pageLayout()
{
    writeRecord("288862", QByteArray("0001").repeated(123) + "\r\n");
    FrmFengmian &w = shown();
    struct Page
    {
        QLabel *frame, *back, *wei, *yi;
        int filter;
        const char *background, *on, *off;
    } pages[] = {{w.PicBiaoZhi, w.ImgBiaoZhiBack, w.LblBiaoZhiWei, w.LblBiaoZhiYI, 40, "l20057", "l20090", "l20041"},
                 {w.PicCuoTi, w.ImgCuoTiBack, w.LblCuoTiWei, w.LblCuoTiYI, 42, "l20058", "l20092", "l20043"}};
    openReviewPage(0);
    for (const Page &p : pages) {
        QCOMPARE(p.back->parentWidget(), p.frame);
        QCOMPARE(p.back->pos(), QPoint(0, 0));
        const QImage background = picture(p.background);
        QVERIFY(!background.isNull());
        QCOMPARE(p.back->size(), background.size());
        QCOMPARE(p.back->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 background.convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(p.wei->pos(), QPoint(476, 159));
        QCOMPARE(p.yi->pos(), QPoint(476, 189));
        for (QLabel *count : {p.wei, p.yi}) {
            QCOMPARE(count->parentWidget(), p.frame);
            QCOMPARE(count->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QCOMPARE(count->font().pointSizeF(), 10.0);
            QVERIFY(count->font().bold());
            QCOMPARE(count->font().family(), s("宋体"));
            QCOMPARE(count->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QVERIFY(count->width() >= count->fontMetrics().horizontalAdvance(QStringLiteral("000")));
            QVERIFY(count->height() >= count->fontMetrics().height());
        }
        QCOMPARE(w.ClickBotn[size_t(p.filter)]->geometry(), QRect(385, 149, 80, 30));
        QCOMPARE(w.ClickBotn[size_t(p.filter + 1)]->geometry(), QRect(385, 179, 80, 30));
        QCOMPARE(w.ClickBotn[size_t(p.filter)]->pictureName(), s(p.on));
        QCOMPARE(w.ClickBotn[size_t(p.filter + 1)]->pictureName(), s(p.off));
    }
    QCOMPARE(w.LblBiaoZhiWei->text(), s("123"));
    QCOMPARE(int(w.BiaoZhiFilter), 1);
    QCOMPARE(int(w.CuoTiFilter), 1);
    // A filter changed before the cover is built again starts at 1 again.
    click(41);
    QCOMPARE(int(w.BiaoZhiFilter), 3);
    w.FengMainCsh();
    QCOMPARE(int(w.BiaoZhiFilter), 1);
    QCOMPARE(w.ClickBotn[41]->pictureName(), s("l20041"));
}

// Refusals of button 20: the box's title, prompt and icon; nothing starts,
// nothing is written.
void TstCoverReviews::unitPracticeRefusals_data()
{
    QTest::addColumn<int>("select"); // the units page button chosen before
    QTest::addColumn<int>("filter"); // the units page's filter button
    QTest::addColumn<QByteArray>("progress");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("all units shown") << 49 << 37 << QByteArray()
                                     << s("单元练习")
                                     << s("\n本模块共有3单元\n\n请先点击左边单元名称选择您要学习的单元，再点开始学习！");
    QTest::newRow("nothing done") << 50 << 38 << QByteArray() << s("章节练习") << s("\n\n\n您本部分没有已学题！");
    QTest::newRow("nothing left") << 50 << 39 << QByteArray("TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT\r\n")
                                  << s("章节练习") << s("\n\n\n您本部分没有未学题！");
}

void TstCoverReviews::unitPracticeRefusals()
{
    QFETCH(int, select);
    QFETCH(int, filter);
    QFETCH(QByteArray, progress);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    writeRecord("288893", progress);
    FrmFengmian &w = shown();
    click(4);
    click(select);
    if (filter != 37)
        click(filter);
    const auto before = files();
    Box box;
    answerBox(box, 1);
    click(20);
    expectBox(box, title, prompt, "l20072");
    QCOMPARE(FrmFengmian::loaded(), &w);
    QVERIFY(w.isVisible());
    QVERIFY(!FrmTm::loaded());
    QCOMPARE(files(), before);
}

// Button 20 on unit 0 of the sample bank, whose progress is "TFT" and then
// "F" up to its count: all questions on the unit's own files (nothing
// written), or the done or not-done ones composed.
void TstCoverReviews::unitPracticeStarts_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("taoNo");
    QTest::addColumn<QString>("wanted"); // the progress flags the set takes
    QTest::newRow("all") << 37 << 20 << 0 << "TF";
    QTest::newRow("done") << 38 << 5 << 14 << "T";
    QTest::newRow("not done") << 39 << 6 << 13 << "F";
}

void TstCoverReviews::unitPracticeStarts()
{
    QFETCH(int, filter);
    QFETCH(int, paperType);
    QFETCH(int, taoNo);
    QFETCH(QString, wanted);
    // The unit's count from the paper list's second line.
    const QString counts = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList()).value(1);
    const int count = counts.left(2).toInt();
    QVERIFY(count > 4);
    const QString progress = QStringLiteral("TFT") + QString(count - 3, u'F');
    writeRecord("288893", progress.toLatin1() + "\r\n");
    QList<int> ids;
    for (int i = 1; i <= count; ++i)
        if (wanted.contains(progress.at(i - 1)))
            ids << i;
    shown();
    click(4);
    click(50);
    if (filter != 37)
        click(filter);
    const auto before = files();
    click(20);
    QCOMPARE(int(run::PaperType), paperType);
    QCOMPARE(int(run::TaoNo), taoNo);
    QCOMPARE(int(run::AnswerMode), 2);
    QCOMPARE(int(run::TmSum), ids.size());
    for (int i = 1; i <= ids.size(); ++i) {
        const bool done = progress.at(ids[i - 1] - 1) == u'T';
        QCOMPARE(int(run::TmId[size_t(i)]), ids[i - 1]);
        // Question 1 has been visited (bit 1) by the time the click returns.
        QCOMPARE(int(run::TmState[size_t(i)] & ~1), done ? 4 : 0);
        QCOMPARE(run::TmDone[size_t(i)], done ? s("T") : s("F"));
    }
    if (filter == 37) {
        QCOMPARE(files(), before);
    } else {
        QCOMPARE(int(run::RecNo), 0);
        QCOMPARE(fnd::readLines(fnd::dataFile(QStringLiteral("288869"))).value_or(QStringList()).size(), ids.size());
    }
    QTRY_VERIFY(!FrmFengmian::loaded());
    QVERIFY(FrmTm::loaded() && FrmTm::loaded()->isVisible());
    QVERIFY(FrmMain::loaded() && FrmMain::loaded()->isVisible());
}

// A unit without questions starts nothing and says nothing.
void TstCoverReviews::unitWithoutQuestionsStartsNothing()
{
    const QStringList list = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList());
    QVERIFY(list.size() > 2);
    QStringList changed = list;
    changed[1] = QStringLiteral("00") + list[1].mid(2);
    QVERIFY(fnd::writeLines(fnd::dataFile(bank::PaperListFile), changed));
    FrmFengmian &w = shown();
    click(4);
    click(50);
    const auto before = files();
    Box box;
    answerBox(box, 1);
    click(20);
    expectBox(box, QString(), QString(), nullptr);
    QCOMPARE(FrmFengmian::loaded(), &w);
    QVERIFY(!FrmTm::loaded());
    QCOMPARE(files(), before);
}

// The marked page (22) and the wrong page (24) with two questions, the
// first reviewed ("T"): each filter's set, its kind, and the presets; the
// marked bit joins for the marked list's questions at the start. A flag line
// shorter than its ids leaves the rest not reviewed.
void TstCoverReviews::reviewPracticeStarts_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("taoNo");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QString>("done");
    QTest::newRow("marked, not reviewed") << 0 << QByteArray("TF\r\n") << 1 << 10 << 9 << QList<int>{2} << QList<int>{2}
                                          << "F";
    QTest::newRow("marked, reviewed") << 0 << QByteArray("TF\r\n") << 2 << 11 << 8 << QList<int>{1} << QList<int>{6}
                                      << "T";
    QTest::newRow("marked, both") << 0 << QByteArray("TF\r\n") << 3 << 9 << 10 << QList<int>{1, 2}
                                  << QList<int>{6, 2} << "TF";
    QTest::newRow("marked, T only, not reviewed")
        << 0 << QByteArray("T\r\n") << 1 << 10 << 9 << QList<int>{2} << QList<int>{2} << "F";
    QTest::newRow("marked, T only, both")
        << 0 << QByteArray("T\r\n") << 3 << 9 << 10 << QList<int>{1, 2} << QList<int>{6, 2} << "TF";
    QTest::newRow("marked, no flags, not reviewed")
        << 0 << QByteArray() << 1 << 10 << 9 << QList<int>{1, 2} << QList<int>{2, 2} << "FF";
    QTest::newRow("wrong, not reviewed") << 1 << QByteArray("TF\r\n") << 1 << 13 << 6 << QList<int>{2} << QList<int>{0}
                                         << "F";
    QTest::newRow("wrong, reviewed") << 1 << QByteArray("TF\r\n") << 2 << 14 << 5 << QList<int>{1} << QList<int>{4}
                                     << "T";
    QTest::newRow("wrong, T only, both") << 1 << QByteArray("T\r\n") << 3 << 12 << 7 << QList<int>{1, 2}
                                         << QList<int>{4, 0} << "TF";
}

void TstCoverReviews::reviewPracticeStarts()
{
    QFETCH(int, page);
    QFETCH(QByteArray, flags);
    QFETCH(int, filter);
    QFETCH(int, paperType);
    QFETCH(int, taoNo);
    QFETCH(QList<int>, ids);
    QFETCH(QList<int>, states);
    QFETCH(QString, done);
    writeRecord(page == 0 ? "288862" : "288863", "00010002\r\n");
    writeRecord(page == 0 ? "288872" : "288873", flags);
    shown();
    openReviewPage(page);
    chooseFilter(page, filter);
    click(page == 0 ? 22 : 24);
    QCOMPARE(int(run::PaperType), paperType);
    QCOMPARE(int(run::TaoNo), taoNo);
    QCOMPARE(int(run::AnswerMode), 2);
    QCOMPARE(int(run::TmSum), ids.size());
    for (int i = 1; i <= ids.size(); ++i) {
        QCOMPARE(int(run::TmId[size_t(i)]), ids[i - 1]);
        QCOMPARE(int(run::TmState[size_t(i)] & ~1), states[i - 1]); // bit 1: question 1 visited
        QCOMPARE(run::TmDone[size_t(i)], done.mid(i - 1, 1));
    }
    QCOMPARE(run::StepFile, fnd::dataFile(QStringLiteral("288819")));
    QCOMPARE(fnd::readLines(run::TmFile).value_or(QStringList()).size(), ids.size());
    QTRY_VERIFY(!FrmFengmian::loaded());
    QVERIFY(FrmTm::loaded() && FrmTm::loaded()->isVisible());
    QVERIFY(FrmMain::loaded() && FrmMain::loaded()->isVisible());
}

// Refusals of buttons 22 and 24: the page's title and the prompt of the
// case, the information icon; nothing starts, nothing is written. Filter 0
// ends the click without a box.
void TstCoverReviews::reviewPracticeRefusals_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("ids");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("title"); // empty: no box
    QTest::addColumn<QString>("prompt");
    QTest::newRow("marked, no file") << 0 << QByteArray() << QByteArray() << 1 << s("收藏题目练习")
                                     << s("\n\n\n您还没有已收藏题目！");
    QTest::newRow("marked, empty line") << 0 << QByteArray("\r\n") << QByteArray("T\r\n") << 3 << s("收藏题目练习")
                                        << s("\n\n\n您还没有已收藏题目！");
    QTest::newRow("marked, all reviewed, filter 1") << 0 << QByteArray("00010002\r\n") << QByteArray("TT\r\n") << 1
                                                    << s("收藏题目练习") << s("\n\n\n您没有未复习的收藏题目！");
    QTest::newRow("marked, no flags, filter 2") << 0 << QByteArray("00010002\r\n") << QByteArray() << 2
                                                << s("收藏题目练习") << s("\n\n\n您没有已复习的收藏题目！");
    QTest::newRow("marked, filter 0") << 0 << QByteArray("00010002\r\n") << QByteArray("TF\r\n") << 0 << QString()
                                      << QString();
    QTest::newRow("wrong, no file") << 1 << QByteArray() << QByteArray() << 1 << s("错题复习")
                                    << s("\n\n\n您还没有错题记录！");
    QTest::newRow("wrong, all reviewed, filter 1") << 1 << QByteArray("00010002\r\n") << QByteArray("TT\r\n") << 1
                                                   << s("错题复习") << s("\n\n\n您还没有未复习的错题记录！");
    QTest::newRow("wrong, none reviewed, filter 2") << 1 << QByteArray("00010002\r\n") << QByteArray("FF\r\n") << 2
                                                    << s("错题复习") << s("\n\n\n您还没有已复习的错题记录！");
}

void TstCoverReviews::reviewPracticeRefusals()
{
    QFETCH(int, page);
    QFETCH(QByteArray, ids);
    QFETCH(QByteArray, flags);
    QFETCH(int, filter);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    writeRecord(page == 0 ? "288862" : "288863", ids);
    writeRecord(page == 0 ? "288872" : "288873", flags);
    FrmFengmian &w = shown();
    openReviewPage(page);
    chooseFilter(page, filter);
    const auto before = files();
    Box box;
    answerBox(box, 1);
    click(page == 0 ? 22 : 24);
    expectBox(box, title, prompt, "l20072");
    QCOMPARE(FrmFengmian::loaded(), &w);
    QVERIFY(w.isVisible());
    QVERIFY(!FrmTm::loaded());
    QCOMPARE(files(), before);
}

// A list with an id of a unit the bank cannot have: the set's working files
// cannot be composed, so nothing starts, nothing is written, and the
// failure is in the run's log.
void TstCoverReviews::failedCompositionStartsNothing()
{
    writeRecord("288862", "00012501\r\n");
    writeRecord("288872", "FF\r\n");
    FrmFengmian &w = shown();
    openReviewPage(0);
    const auto before = files();
    click(22);
    QTest::qWait(200);
    QCOMPARE(FrmFengmian::loaded(), &w);
    QVERIFY(w.isVisible());
    QVERIFY(!FrmTm::loaded());
    QCOMPARE(files(), before);
    QVERIFY2(!ts::loggedReports(fnd::ErrLogFile).filter(QStringLiteral("initshiti")).isEmpty(),
             qPrintable(ts::loggedReports(fnd::ErrLogFile).join(u'\n')));
}

// 600 marked questions, all of them chosen: the set is the first 500.
void TstCoverReviews::longListTakesTheFirst500()
{
    writeRecord("288862", QByteArray("0001").repeated(500) + QByteArray("0002").repeated(100) + "\r\n");
    writeRecord("288872", QByteArray(600, 'F') + "\r\n");
    FrmFengmian &w = shown();
    openReviewPage(0);
    QCOMPARE(w.LblBiaoZhiWei->text(), s("600"));
    click(22);
    QCOMPARE(int(run::TmSum), 500);
    QCOMPARE(int(run::TmId[500]), 1);
    QCOMPARE(fnd::readLines(run::TmFile).value_or(QStringList()).size(), 500);
    QTRY_VERIFY(!FrmFengmian::loaded());
}

// Clearing once confirmed: what each filter keeps (an id without a flag is
// not reviewed), both files rewritten as one line, the cleared counts 0; a
// cancelled box, filter 0 and an empty list change nothing.
void TstCoverReviews::clearing_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("ids");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question"); // empty: no box
    QTest::addColumn<QByteArray>("idsAfter"); // null: unchanged
    QTest::addColumn<QByteArray>("flagsAfter");
    QTest::addColumn<QString>("weiAfter");
    QTest::addColumn<QString>("yiAfter");
    const QByteArray three("000100020003\r\n"), tft("TFT\r\n");
    QTest::newRow("marked, not reviewed") << 0 << three << tft << 1 << 1 << s("您确实要清除未复习的收藏题目吗？")
                                          << QByteArray("00010003\r\n") << QByteArray("TT\r\n") << "0" << "2";
    QTest::newRow("marked, reviewed") << 0 << three << tft << 2 << 1 << s("您确实要清除已复习的收藏题目吗？")
                                      << QByteArray("0002\r\n") << QByteArray("F\r\n") << "1" << "0";
    QTest::newRow("marked, all") << 0 << three << tft << 3 << 1 << s("您确实要清除全部收藏题目吗？")
                                 << QByteArray("\r\n") << QByteArray("\r\n") << "0" << "0";
    QTest::newRow("marked, short flags, reviewed")
        << 0 << QByteArray("0001000200030004\r\n") << QByteArray("TT\r\n") << 2 << 1
        << s("您确实要清除已复习的收藏题目吗？") << QByteArray("00030004\r\n") << QByteArray("FF\r\n") << "2" << "0";
    QTest::newRow("marked, no flags, reviewed") << 0 << three << QByteArray() << 2 << 1
                                                << s("您确实要清除已复习的收藏题目吗？") << QByteArray("000100020003\r\n")
                                                << QByteArray("FFF\r\n") << "3" << "0";
    QTest::newRow("marked, cancelled") << 0 << three << tft << 3 << 0 << s("您确实要清除全部收藏题目吗？")
                                       << QByteArray() << QByteArray() << "1" << "2";
    QTest::newRow("marked, filter 0") << 0 << three << tft << 0 << 1 << QString() << QByteArray() << QByteArray() << "1"
                                      << "2";
    QTest::newRow("marked, no ids") << 0 << QByteArray() << tft << 3 << 1 << s("您确实要清除全部收藏题目吗？")
                                    << QByteArray() << QByteArray() << "0" << "0";
    QTest::newRow("wrong, not reviewed") << 1 << three << tft << 1 << 1 << s("您确实要清除未学习的我的错题题目吗？")
                                         << QByteArray("00010003\r\n") << QByteArray("TT\r\n") << "0" << "2";
    QTest::newRow("wrong, reviewed") << 1 << three << tft << 2 << 1 << s("您确实要清除已学习的我的错题题目吗？")
                                     << QByteArray("0002\r\n") << QByteArray("F\r\n") << "1" << "0";
    QTest::newRow("wrong, all") << 1 << three << tft << 3 << 1 << s("您确实要清除全部我的错题题目吗？")
                                << QByteArray("\r\n") << QByteArray("\r\n") << "0" << "0";
}

void TstCoverReviews::clearing()
{
    QFETCH(int, page);
    QFETCH(QByteArray, ids);
    QFETCH(QByteArray, flags);
    QFETCH(int, filter);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QByteArray, idsAfter);
    QFETCH(QByteArray, flagsAfter);
    QFETCH(QString, weiAfter);
    QFETCH(QString, yiAfter);
    const char *idFile = page == 0 ? "288862" : "288863";
    const char *flagFile = page == 0 ? "288872" : "288873";
    writeRecord(idFile, ids);
    writeRecord(flagFile, flags);
    FrmFengmian &w = shown();
    openReviewPage(page);
    chooseFilter(page, filter);
    const auto before = files();
    Box box;
    answerBox(box, answer);
    click(page == 0 ? 23 : 25);
    expectBox(box, question.isEmpty() ? QString() : page == 0 ? s("清除收藏的题目") : s("清除我的错题"),
              s("\n\n\n") + question, "l20071");
    if (idsAfter.isNull()) {
        QCOMPARE(files(), before);
    } else {
        QCOMPARE(readRecord(idFile), idsAfter);
        QCOMPARE(readRecord(flagFile), flagsAfter);
    }
    QCOMPARE((page == 0 ? w.LblBiaoZhiWei : w.LblCuoTiWei)->text(), weiAfter);
    QCOMPARE((page == 0 ? w.LblBiaoZhiYI : w.LblCuoTiYI)->text(), yiAfter);
    QCOMPARE(FrmFengmian::loaded(), &w);
}

QTEST_MAIN(TstCoverReviews)
#include "tst_coverreviews.moc"
