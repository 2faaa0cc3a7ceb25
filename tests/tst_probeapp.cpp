// examsim-probe app: the whole program in a probe process, on copies of the
// sample bank: the ready line, the windows and their controls, the program's
// end (a data folder of another module), a box the start opens (a second
// instance) answered through the probe, and the modal about window and
// input-method notice reached, read and closed through the probe; a unit's
// practice started from the cover, played and quit, and the same practice
// through `play` leaving the same records; the wrong-question page's refusal
// of an empty collection.
#include "banksolver.h"
#include "reportlog.h"
#include "testsupport.h"

#include "foundation/gbkfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QtTest>

namespace {

using solver::findNamed;
using solver::windowNames;

QString probePath() { return ts::toolPath(QStringLiteral("examsim-probe")); }

// Every file under a folder with a digest of its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files[QDir(folder).relativeFilePath(path)] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
    }
    return files;
}

} // namespace

class TstProbeApp : public QObject
{
    Q_OBJECT

private slots:
    void readyAndCover();
    void otherModuleEnds();
    void secondInstanceIsAnswered();
    void aboutWindowFromTheCover();
    void noticeFromThePracticeQuestionWindow();
    void coverNavigation();
    void mockExam();
    void examTimeUp();
    void unitPracticeRoad();
    void playWritesWhatTheCoverRoadWrites();
    void playQuitKeepsEarlierMarks();
    void emptyWrongCollection();
};

void TstProbeApp::readyAndCover()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()});
    const QJsonObject ready = probe.next();
    QVERIFY2(ready["ready"].toBool(), qPrintable(QJsonDocument(ready).toJson() + probe.errors()));
    const QJsonArray windows = ready["windows"].toArray();
    QCOMPARE(windows.size(), 1);
    const QJsonObject cover = windows.first().toObject();
    QCOMPARE(cover["name"].toString(), QStringLiteral("FrmFengmian"));
    QCOMPARE(cover["w"].toInt(), 800);
    QCOMPARE(cover["h"].toInt(), 600);
    QVERIFY(cover["frameless"].toBool());

    const QJsonObject widgets = probe.send(QStringLiteral("widgets FrmFengmian"));
    const QJsonArray list = widgets["widgets"].toArray();
    QCOMPARE(findNamed(list, QStringLiteral("ClickBotn_4"))["picture"].toString(), QStringLiteral("l20004"));
    QFile version(copy.file(QStringLiteral("wydata/288895.mxy")));
    QVERIFY(version.open(QIODevice::ReadOnly));
    const QString stamp = QString::fromLatin1(version.readLine()).remove(u'\r').remove(u'\n');
    QCOMPARE(findNamed(list, QStringLiteral("LblInfo_0"))["text"].toString(), QStringLiteral("题库版本：V") + stamp);

    // Bare names act on the simulated window only while it is open: the
    // probe never loads it.
    QVERIFY(probe.send(QStringLiteral("scene")).contains(u"error"));
    QVERIFY(probe.send(QStringLiteral("click Label1")).contains(u"error"));
    QCOMPARE(probe.send(QStringLiteral("windows"))["windows"].toArray().size(), 1);
    QCOMPARE(probe.finish(), 0);
}

void TstProbeApp::otherModuleEnds()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    QFile module(copy.file(QStringLiteral("wydata/288899.mxy")));
    QVERIFY(module.open(QIODevice::WriteOnly | QIODevice::Truncate));
    module.write("9\r\n");
    module.close();
    const auto before = snapshot(copy.file(QStringLiteral("ksdata")));

    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()});
    const QJsonObject first = probe.next();
    QVERIFY2(first.contains(u"ended"), qPrintable(QJsonDocument(first).toJson() + probe.errors()));
    QCOMPARE(first["ended"].toInt(), 0);
    QCOMPARE(probe.finish(), 0);
    QCOMPARE(snapshot(copy.file(QStringLiteral("ksdata"))), before);
}

void TstProbeApp::secondInstanceIsAnswered()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    solver::ProbeSession first(probePath(), {QStringLiteral("app"), copy.path()});
    QVERIFY(first.next()["ready"].toBool());

    solver::ProbeSession second(probePath(), {QStringLiteral("app"), copy.path()});
    const QJsonObject modal = second.next();
    QVERIFY2(modal.contains(u"modal"), qPrintable(QJsonDocument(modal).toJson() + second.errors()));
    QCOMPARE(modal["title"].toString(), QStringLiteral("系统提示"));
    QVERIFY(!modal["prompt"].toString().isEmpty());
    // The box's own window is there to look at while it waits.
    QVERIFY(findNamed(second.send(QStringLiteral("windows"))["windows"].toArray(), modal["modal"].toString())
                .contains(u"w"));
    QCOMPARE(second.send(QStringLiteral("answer OK"))["answered"].toString(), QStringLiteral("OK"));
    QCOMPARE(second.next()["ended"].toInt(), 0);
    QCOMPARE(second.finish(), 0);

    // The first program runs on.
    QCOMPARE(first.send(QStringLiteral("windows"))["windows"].toArray().size(), 1);
    QCOMPARE(first.finish(), 0);
}

// The cover's info label 0 opens the about window: its modal line, its
// place among the windows, its texts; the folder line goes to the opener's
// log; a right click on the bottom button closes it.
void TstProbeApp::aboutWindowFromTheCover()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    const QString openLog = copy.file(QStringLiteral("open.log"));
    qputenv("EXAMSIM_OPEN_LOG", openLog.toUtf8());
    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()});
    qunsetenv("EXAMSIM_OPEN_LOG");
    QVERIFY2(probe.next()["ready"].toBool(), qPrintable(probe.errors()));
    const QString version =
        findNamed(probe.send(QStringLiteral("widgets FrmFengmian"))["widgets"].toArray(), QStringLiteral("LblInfo_0"))["text"]
            .toString();

    const QJsonObject modal = probe.send(QStringLiteral("click FrmFengmian/LblInfo_0"));
    QCOMPARE(modal["modal"].toString(), QStringLiteral("FrmAbout"));
    QCOMPARE(modal["title"].toString(), QStringLiteral("Velkor考试练习系统——网页制作模块"));
    const QJsonObject about =
        findNamed(probe.send(QStringLiteral("windows"))["windows"].toArray(), QStringLiteral("FrmAbout"));
    QCOMPARE(QRect(about["x"].toInt(), about["y"].toInt(), about["w"].toInt(), about["h"].toInt()),
             QRect(302, 244, 420, 280));
    const QJsonArray widgets = probe.send(QStringLiteral("widgets FrmAbout"))["widgets"].toArray();
    QCOMPARE(findNamed(widgets, QStringLiteral("Label1_0"))["text"].toString(), version);
    QCOMPARE(findNamed(widgets, QStringLiteral("Label1_4"))["text"].toString(), QStringLiteral("── 网页制作"));
    const QJsonObject folder = findNamed(widgets, QStringLiteral("Label1_3"));
    QCOMPARE(folder["text"].toString(), QStringLiteral("系统工作目录: ") + QDir::cleanPath(copy.path()));
    QCOMPARE(QRect(folder["x"].toInt(), folder["y"].toInt(), folder["w"].toInt(), folder["h"].toInt()),
             QRect(32, 120, 366, 36));
    QCOMPARE(findNamed(widgets, QStringLiteral("LblClick_1"))["picture"].toString(), QStringLiteral("l20001"));

    QVERIFY(!probe.send(QStringLiteral("click FrmAbout/Label1_3")).contains(u"error"));
    QFile log(openLog);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), (QDir::cleanPath(copy.path()) + u'\n').toUtf8());

    QVERIFY(!probe.send(QStringLiteral("click FrmAbout/LblClick_1 right")).contains(u"error"));
    const QJsonArray windows = probe.send(QStringLiteral("windows"))["windows"].toArray();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first().toObject()["name"].toString(), QStringLiteral("FrmFengmian"));
    QCOMPARE(probe.finish(), 0);
}

// The question window's input-method button, in a practice the probe
// started: the notice's modal line, the box's state, a tick stored, and the
// question window back at full size at the simulated window's corner.
void TstProbeApp::noticeFromThePracticeQuestionWindow()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    const QString option = copy.file(QStringLiteral("ksdata/288890.mxy"));
    QFile::remove(option);
    solver::ProbeSession probe(probePath(), copy.path(), 0, 1);

    const QJsonObject modal = probe.send(QStringLiteral("click FrmTm/CmdEn"));
    QVERIFY2(modal["modal"].toString() == QStringLiteral("FrmIME"), qPrintable(QJsonDocument(modal).toJson() + probe.errors()));
    const QJsonObject box =
        findNamed(probe.send(QStringLiteral("widgets FrmIME"))["widgets"].toArray(), QStringLiteral("Check1"));
    QCOMPARE(box["text"].toString(), QStringLiteral("调用输入法"));
    QCOMPARE(box["checked"].toBool(), false);
    QCOMPARE(QRect(box["x"].toInt(), box["y"].toInt(), box["w"].toInt(), box["h"].toInt()), QRect(160, 168, 97, 17));

    QVERIFY(!probe.send(QStringLiteral("click FrmIME/Check1")).contains(u"error"));
    QCOMPARE(findNamed(probe.send(QStringLiteral("widgets FrmIME"))["widgets"].toArray(), QStringLiteral("Check1"))["checked"]
                 .toBool(),
             true);
    QFile f(option);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("1\r\n"));

    QVERIFY(!probe.send(QStringLiteral("click FrmIME/LblClick_0")).contains(u"error"));
    const QJsonArray windows = probe.send(QStringLiteral("windows"))["windows"].toArray();
    QVERIFY(findNamed(windows, QStringLiteral("FrmIME")).isEmpty());
    const QJsonObject tm = findNamed(windows, QStringLiteral("FrmTm"));
    const QJsonObject main = findNamed(windows, QStringLiteral("FrmMain"));
    QCOMPARE(tm["w"].toInt(), 332);
    QCOMPARE(tm["h"].toInt(), 242);
    QCOMPARE(tm["x"].toInt() + tm["w"].toInt(), main["x"].toInt() + main["w"].toInt());
    QCOMPARE(tm["y"].toInt() + tm["h"].toInt(), main["y"].toInt() + main["h"].toInt());
}

// The cover's pages through the whole program: the units page with a unit
// chosen, home, the help page's view, home again, and the exit question.
void TstProbeApp::coverNavigation()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()});
    QVERIFY2(probe.next()["ready"].toBool(), qPrintable(probe.errors()));
    auto widgets = [&probe] { return probe.send(QStringLiteral("widgets FrmFengmian"))["widgets"].toArray(); };

    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_4")).contains(u"error"));
    QJsonArray list = widgets();
    QVERIFY(findNamed(list, QStringLiteral("PicTiKu")).contains(u"w"));
    QVERIFY(findNamed(list, QStringLiteral("PicAd")).contains(u"w"));
    QCOMPARE(findNamed(list, QStringLiteral("ClickBotn_16"))["enabled"].toBool(), false);
    int chosen = 0;
    for (int i = 49; i <= 69; ++i)
        if (findNamed(list, QStringLiteral("ClickBotn_%1").arg(i))["enabled"] == QJsonValue(false))
            chosen = i;
    QVERIFY2(chosen >= 50, "a unit is chosen");
    QVERIFY(findNamed(list, QStringLiteral("LblUnitDQCAP_1"))["text"].toString().startsWith(
        QStringLiteral("第%1单元 ").arg(chosen - 49)));

    // The help button is the home page's: the units page covers it.
    QVERIFY(probe.send(QStringLiteral("click FrmFengmian/ClickBotn_11"))["error"].toString().contains(u"covered"));
    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_15")).contains(u"error"));
    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_11")).contains(u"error"));
    const QJsonObject view = findNamed(widgets(), QStringLiteral("WebHelpCON"));
    QCOMPARE(view["file"].toString(), QStringLiteral("l38180.mxy"));
    QCOMPARE(view["title"].toString(), QStringLiteral("软件介绍"));

    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_15")).contains(u"error"));
    list = widgets();
    QVERIFY(!findNamed(list, QStringLiteral("PicHelp")).contains(u"w"));
    QVERIFY(!findNamed(list, QStringLiteral("PicAd")).contains(u"w"));
    QVERIFY(findNamed(list, QStringLiteral("ClickBotn_4")).contains(u"w"));

    QJsonObject modal = probe.send(QStringLiteral("click FrmFengmian/ClickBotn_3"));
    QCOMPARE(modal["title"].toString(), QStringLiteral("退出系统"));
    QCOMPARE(probe.send(QStringLiteral("answer 0"))["answered"].toString(), QStringLiteral("0"));
    QCOMPARE(probe.send(QStringLiteral("windows"))["windows"].toArray().size(), 1);
    modal = probe.send(QStringLiteral("click FrmFengmian/ClickBotn_3"));
    QCOMPARE(modal["title"].toString(), QStringLiteral("退出系统"));
    probe.send(QStringLiteral("answer 1"));
    QCOMPARE(probe.next()["ended"].toInt(), 0);
    QCOMPARE(probe.finish(), 0);
}

namespace {
// Paper 0 through its logon, until the exam's windows show.
bool logIn(solver::ProbeSession &probe)
{
    if (windowNames(probe.send(QStringLiteral("windows"))) != QStringList{QStringLiteral("FrmLogon")})
        return false;
    probe.send(QStringLiteral("type FrmLogon/TxtZwh 7"));
    probe.send(QStringLiteral("click FrmLogon/CmdLog"));
    probe.send(QStringLiteral("wait 1500"));
    const QStringList shown = windowNames(probe.send(QStringLiteral("windows")));
    return shown.contains(QStringLiteral("FrmTm")) && shown.contains(QStringLiteral("FrmMain"));
}
} // namespace

// A mock exam of fixed paper 0, black box: logon, two questions answered,
// the hand-in button's confirmations, the score window and the records.
void TstProbeApp::mockExam()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    solver::ProbeSession probe(probePath(), {QStringLiteral("play"), copy.path(), QStringLiteral("paper"), QStringLiteral("0")});
    QVERIFY2(logIn(probe), qPrintable(probe.errors()));
    const QString answers = copy.file(QStringLiteral("wydata/288890.mxy"));
    for (int q = 1; q <= 2; ++q) {
        if (q > 1)
            probe.send(QStringLiteral("click FrmTm/CmdGN_1"));
        const QString problem = solver::solveQuestion(probe, answers);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
    const QJsonObject end1 = probe.send(QStringLiteral("click FrmTm/CmdGN_8"));
    QCOMPARE(end1["modal"].toString(), QStringLiteral("FrmEnd1"));
    QVERIFY(end1["prompt"].toString().startsWith(QStringLiteral("您还有题目未做或仍处于标识状态！")));
    QCOMPARE(probe.send(QStringLiteral("click FrmEnd1/Command1"))["modal"].toString(), QStringLiteral("FrmEnd2"));
    QVERIFY(probe.send(QStringLiteral("click FrmEnd2/Command1"))["ok"].toBool());
    QCOMPARE(windowNames(probe.send(QStringLiteral("windows"))), QStringList{QStringLiteral("FrmChengji")});
    const QJsonArray widgets = probe.send(QStringLiteral("widgets FrmChengji"))["widgets"].toArray();
    QCOMPARE(findNamed(widgets, QStringLiteral("Label1"))["text"].toString(), QStringLiteral("第1套得分：5分"));
    QCOMPARE(probe.finish(), 0);

    // The records of a scored exam: questions 3 to 40 are the paper's wrong
    // list, in order, and join the collection; the history's slot 0 has the
    // time and the best score.
    const auto list = fnd::readLines(copy.file(QStringLiteral("wydata/288891.mxy")));
    QVERIFY(list && list->size() > 2);
    const QString ids = list->at(2).trimmed();
    QFile wrong(copy.file(QStringLiteral("ksdata/182400.mxy")));
    QVERIFY(wrong.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(wrong.readAll()).trimmed(), ids.mid(8));
    QFile collection(copy.file(QStringLiteral("ksdata/288863.mxy")));
    QVERIFY(collection.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromLatin1(collection.readAll()).contains(ids.mid(8)));
    const auto history = fnd::readLines(copy.file(QStringLiteral("ksdata/288892.mxy")));
    QVERIFY(history && history->size() >= 3);
    QVERIFY(QDateTime::fromString(history->at(0).trimmed(), QStringLiteral("yyyy-MM-dd hh:mm:ss")).isValid());
    QCOMPARE(history->at(1).trimmed(), QStringLiteral("5"));
}

// With the clock shortened, the time-up box comes, and OK brings FrmEnd1.
void TstProbeApp::examTimeUp()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    solver::ProbeSession probe(probePath(), {QStringLiteral("play"), copy.path(), QStringLiteral("paper"), QStringLiteral("0")});
    QVERIFY2(logIn(probe), qPrintable(probe.errors()));
    QVERIFY(probe.send(QStringLiteral("timer FrmTm/TimeKS 50"))["ok"].toBool());
    const QJsonObject box = probe.send(QStringLiteral("wait 5000"));
    QCOMPARE(box["modal"].toString(), QStringLiteral("MsgBox"));
    QCOMPARE(box["prompt"].toString(), QStringLiteral("时间已到，自动交卷！"));
    QCOMPARE(probe.send(QStringLiteral("answer OK"))["modal"].toString(), QStringLiteral("FrmEnd1"));
    QCOMPARE(probe.send(QStringLiteral("click FrmEnd1/Command2"))["ok"].toBool(), true);
    QCOMPARE(probe.finish(), 0);
}

// A unit's practice from the units page through the whole program: the
// cover gives way to the practice windows, question 1 is played, and the
// quit brings the cover back on the units page with the progress recorded.
void TstProbeApp::unitPracticeRoad()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()});
    QVERIFY2(probe.next()["ready"].toBool(), qPrintable(probe.errors()));
    // A fresh bank: the units page opens on unit 0.
    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_4")).contains(u"error"));
    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_20")).contains(u"error"));
    probe.send(QStringLiteral("wait 500"));
    QStringList shown = windowNames(probe.send(QStringLiteral("windows")));
    QVERIFY2(shown.contains(QStringLiteral("FrmTm")) && shown.contains(QStringLiteral("FrmMain")),
             qPrintable(shown.join(u' ') + probe.errors()));
    QVERIFY(!shown.contains(QStringLiteral("FrmFengmian")));

    const QString problem = solver::solveQuestion(probe, copy.file(QStringLiteral("wydata/288890.mxy")));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    QVERIFY(!probe.send(QStringLiteral("click FrmTm/CmdGN_5")).contains(u"error"));
    probe.send(QStringLiteral("wait 500"));
    QCOMPARE(windowNames(probe.send(QStringLiteral("windows"))), QStringList{QStringLiteral("FrmFengmian")});
    const QJsonArray widgets = probe.send(QStringLiteral("widgets FrmFengmian"))["widgets"].toArray();
    QVERIFY(findNamed(widgets, QStringLiteral("PicTiKu")).contains(u"w"));
    QCOMPARE(findNamed(widgets, QStringLiteral("ClickBotn_16"))["enabled"].toBool(), false);
    QCOMPARE(probe.finish(), 0);

    const auto progress = fnd::readLines(copy.file(QStringLiteral("ksdata/288893.mxy")));
    QVERIFY(progress && !progress->isEmpty());
    QVERIFY2(progress->first().startsWith(u'T'), qPrintable(progress->first()));
}

namespace {

// A marked list of earlier runs: two of unit 0's questions (0007, 0003)
// among entries of other units.
void putEarlierMarks(const ts::ProgramCopy &copy)
{
    QVERIFY(fnd::writeLines(copy.file(QStringLiteral("ksdata/288862.mxy")), {QStringLiteral("1000512300070003")}));
    QVERIFY(fnd::writeLines(copy.file(QStringLiteral("ksdata/288872.mxy")), {QStringLiteral("TFFT")}));
}

// The record files of a program folder, by name (error logs aside).
QMap<QString, QByteArray> recordFiles(const ts::ProgramCopy &copy)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(copy.file(QStringLiteral("ksdata")), QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(u".txt"))
            continue;
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files[it.fileName()] = f.readAll();
    }
    return files;
}

// On the practice's first question, once its own buttons show: the question
// played to its end, marked, and the practice quit back to the cover.
void answerMarkAndQuit(solver::ProbeSession &probe, const ts::ProgramCopy &copy)
{
    for (int i = 0; i < 100 && findNamed(probe.send(QStringLiteral("widgets FrmTm"))["widgets"].toArray(),
                                         QStringLiteral("CmdGN_8"))
                                   .contains(u"w");
         ++i)
        probe.send(QStringLiteral("wait 50"));
    const QString problem = solver::solveQuestion(probe, copy.file(QStringLiteral("wydata/288890.mxy")));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!probe.send(QStringLiteral("click FrmTm/CmdGN_3")).contains(u"error"));
    QVERIFY(!probe.send(QStringLiteral("click FrmTm/CmdGN_5")).contains(u"error"));
    for (int i = 0; i < 100 && windowNames(probe.send(QStringLiteral("windows"))) != QStringList{QStringLiteral("FrmFengmian")}; ++i)
        probe.send(QStringLiteral("wait 50"));
    QCOMPARE(windowNames(probe.send(QStringLiteral("windows"))), QStringList{QStringLiteral("FrmFengmian")});
    QCOMPARE(probe.finish(), 0);
}

} // namespace

// Unit 1's practice, its first question answered and marked and the
// practice quit, once from the cover's units page and once through `play`:
// the same record files, byte for byte.
void TstProbeApp::playWritesWhatTheCoverRoadWrites()
{
    ts::ProgramCopy byCover, byPlay;
    QVERIFY(byCover.isValid() && byPlay.isValid());
    putEarlierMarks(byCover);
    putEarlierMarks(byPlay);

    solver::ProbeSession app(probePath(), {QStringLiteral("app"), byCover.path()});
    QVERIFY2(app.next()["ready"].toBool(), qPrintable(app.errors()));
    QVERIFY(!app.send(QStringLiteral("click FrmFengmian/ClickBotn_4")).contains(u"error"));
    QVERIFY(!app.send(QStringLiteral("click FrmFengmian/ClickBotn_20")).contains(u"error"));
    answerMarkAndQuit(app, byCover);

    solver::ProbeSession play(probePath(), byPlay.path(), 0, 1);
    answerMarkAndQuit(play, byPlay);

    const QMap<QString, QByteArray> cover = recordFiles(byCover);
    QVERIFY(cover.contains(QStringLiteral("288893.mxy")));
    QCOMPARE(cover.value(QStringLiteral("288862.mxy")), QByteArray("10005123000700030001\r\n"));
    QCOMPARE(recordFiles(byPlay), cover);
}

// A practice through `play` starts as every run does, the questions of the
// marked list marked: its quit keeps them in the list with their flags and
// adds the one marked now.
void TstProbeApp::playQuitKeepsEarlierMarks()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    putEarlierMarks(copy);
    solver::ProbeSession probe(probePath(), copy.path(), 0, 5);
    QCOMPARE(probe.send(QStringLiteral("state"))["TmNo"].toInt(), 5);
    QVERIFY(!probe.send(QStringLiteral("click FrmTm/CmdGN_3")).contains(u"error"));
    QVERIFY(!probe.send(QStringLiteral("click FrmTm/CmdGN_5")).contains(u"error"));
    QCOMPARE(probe.finish(), 0);
    QCOMPARE(ts::fileBytes(copy.file(QStringLiteral("ksdata/288862.mxy"))), QByteArray("10005123000700030005\r\n"));
    QCOMPARE(ts::fileBytes(copy.file(QStringLiteral("ksdata/288872.mxy"))), QByteArray("TFFTF\r\n"));
}

// The wrong-question page's practice with an empty collection: its refusal
// as a modal line, answered.
void TstProbeApp::emptyWrongCollection()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    QFile::remove(copy.file(QStringLiteral("ksdata/288863.mxy")));
    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()});
    QVERIFY2(probe.next()["ready"].toBool(), qPrintable(probe.errors()));
    // The sample's home page has two buttons: the page is reached by its tab.
    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_4")).contains(u"error"));
    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_19")).contains(u"error"));
    const QJsonObject modal = probe.send(QStringLiteral("click FrmFengmian/ClickBotn_24"));
    QCOMPARE(modal["title"].toString(), QStringLiteral("错题复习"));
    QVERIFY2(modal["prompt"].toString().split(u'\n').contains(QStringLiteral("您还没有错题记录！")),
             qPrintable(QJsonDocument(modal).toJson() + probe.errors()));
    QCOMPARE(probe.send(QStringLiteral("answer 1"))["answered"].toString(), QStringLiteral("1"));
    QCOMPARE(windowNames(probe.send(QStringLiteral("windows"))), QStringList{QStringLiteral("FrmFengmian")});
    QCOMPARE(probe.finish(), 0);
}

QTEST_MAIN(TstProbeApp)
#include "tst_probeapp.moc"
