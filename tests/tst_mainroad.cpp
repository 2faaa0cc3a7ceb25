// The main road through the whole program, black box: examsim-probe on one
// copy of the sample bank walks a candidate's day. The cover with the units
// page (`app`); a unit's practice (`play`, as the units page's start button
// has it) with hints, a question answered, a demonstration and a question
// marked, then the quit back to the cover, whose units page shows the
// progress; a fixed paper's mock exam (`play ... paper`, as the papers page
// starts it) through its logon, one question answered, until the time runs
// out (the exam clock's minute ticks shortened) and the score window; the
// practice of that exam's wrong questions from the score window and the
// quit back to the cover; the update declined; the exit. Then the learner
// records the day left in ksdata are read against their formats: one line
// of GBK ended by CR LF for each id list and flag string, the unit progress
// one line per unit and an empty last line, the exam history three lines
// per paper slot.
#include "banksolver.h"
#include "routeserver.h"
#include "testsupport.h"

#include "foundation/globals.h"
#include "foundation/productinfo.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString gbk(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

// A learner record as its writer leaves it: GBK lines, each ended by CR LF.
// Empty when the file ends otherwise (a line without its CR LF, a bare LF).
QStringList recordLines(const QString &path)
{
    const QByteArray bytes = bytesOf(path);
    if (bytes.isEmpty() || !bytes.endsWith("\r\n"))
        return {};
    const QStringList lines = gbk(bytes.chopped(2)).split(QStringLiteral("\r\n"));
    for (const QString &l : lines)
        if (l.contains(u'\n') || l.contains(u'\r'))
            return {};
    return lines;
}

// A one-line record: its line, or a marker that says what is wrong.
QString oneLine(const QString &path)
{
    const QStringList lines = recordLines(path);
    return lines.size() == 1 ? lines.first() : QStringLiteral("<not one line ended by CR LF>");
}

// The line of a one-line record the day starts with; empty when missing.
QString lineBefore(const QString &path) { return QFileInfo::exists(path) ? oneLine(path) : QString(); }

// Question counts of the bank's units: the lines of their question files.
QList<int> unitSizes(const ts::ProgramCopy &copy)
{
    QList<int> sizes;
    for (int u = 0; QFileInfo::exists(copy.file(QStringLiteral("wydata/2888%1.mxy").arg(70 + u))); ++u)
        sizes << int(bytesOf(copy.file(QStringLiteral("wydata/2888%1.mxy").arg(70 + u))).count("\r\n"));
    return sizes;
}

// The four-digit ids of an id list.
QStringList idsOf(const QString &list)
{
    QStringList ids;
    for (int i = 0; i + 4 <= list.size(); i += 4)
        ids << list.mid(i, 4);
    return ids;
}

QJsonObject findNamed(const QJsonArray &list, const QString &name)
{
    for (const QJsonValue &v : list)
        if (v.toObject()["name"].toString() == name)
            return v.toObject();
    return {};
}

QStringList windowNames(const QJsonObject &answer)
{
    QStringList names;
    for (const QJsonValue &v : answer["windows"].toArray())
        names << v.toObject()["name"].toString();
    names.sort();
    return names;
}

} // namespace

class TstMainRoad : public QObject
{
    Q_OBJECT
private slots:
    void aCandidatesDay();

private:
    void start(const QStringList &args);
    QJsonObject send(const QString &command);
    QJsonArray widgets(const QString &window) { return send(QStringLiteral("widgets ") + window)["widgets"].toArray(); }
    QString text(const QString &window, const QString &name) { return findNamed(widgets(window), name)["text"].toString(); }
    QStringList windows() { return windowNames(send(QStringLiteral("windows"))); }
    QByteArray failed() { return (sent_.join(QStringLiteral(" | ")) + u'\n' + probe_->errors()).toUtf8(); }
    bool runWindowsShown();
    bool logIn();
    void answerQuestion();
    void exitProgram();

    std::unique_ptr<ts::ProgramCopy> copy_;
    std::unique_ptr<solver::ProbeSession> probe_;
    QStringList sent_;
};

void TstMainRoad::start(const QStringList &args)
{
    probe_.reset(); // the session before ends first: one program at a time
    sent_ = QStringList{args.join(u' ')};
    probe_ = std::make_unique<solver::ProbeSession>(ts::toolPath(QStringLiteral("examsim-probe")), args);
}

QJsonObject TstMainRoad::send(const QString &command)
{
    sent_ << command;
    return probe_->send(command);
}

bool TstMainRoad::runWindowsShown()
{
    // The question loads on the question window's timer.
    send(QStringLiteral("wait 300"));
    return windows() == QStringList{QStringLiteral("FrmMain"), QStringLiteral("FrmTm")};
}

// Through the logon's pages until the exam's windows show.
bool TstMainRoad::logIn()
{
    if (windows() != QStringList{QStringLiteral("FrmLogon")})
        return false;
    send(QStringLiteral("type FrmLogon/TxtZwh 7"));
    send(QStringLiteral("click FrmLogon/CmdLog"));
    send(QStringLiteral("wait 1500"));
    return windows() == QStringList{QStringLiteral("FrmMain"), QStringLiteral("FrmTm")};
}

void TstMainRoad::answerQuestion()
{
    const QString problem = solver::solveQuestion(*probe_, copy_->file(QStringLiteral("wydata/288890.mxy")));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

// The cover's exit button and its question confirmed: the program ends (the
// whole program's session says so; a play session just closes).
void TstMainRoad::exitProgram()
{
    const bool whole = sent_.first().startsWith(u"app");
    QCOMPARE(send(QStringLiteral("click FrmFengmian/ClickBotn_3"))["title"].toString(), s("退出系统"));
    send(QStringLiteral("answer 1"));
    if (whole)
        QCOMPARE(probe_->next(), (QJsonObject{{"ended", 0}}));
    QCOMPARE(probe_->finish(), 0);
}

void TstMainRoad::aCandidatesDay()
{
    QElapsedTimer clock;
    clock.start();
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    const ts::ProgramCopy &copy = *copy_;
    fnd::resetGlobals();
    fnd::readInfo();

    // The bank as the day finds it: unit 1's questions and progress, fixed
    // paper 1's ids.
    const QString unitProgress = copy.file(QStringLiteral("ksdata/288893.mxy"));
    const QList<int> sizes = unitSizes(copy);
    QVERIFY(!sizes.isEmpty());
    const int unitQuestions = sizes.first();
    QString progressBefore = QFileInfo::exists(unitProgress) ? recordLines(unitProgress).value(0) : QString();
    progressBefore = progressBefore.leftJustified(unitQuestions, u'F', true);
    const int answered = int(progressBefore.indexOf(u'F')) + 1; // the first question not done yet
    QVERIFY2(answered >= 1 && answered < unitQuestions, "unit 1 has a question not done, and one after it");
    const int doneBefore = int(progressBefore.count(u'T'));
    const QString markedBefore = lineBefore(copy.file(QStringLiteral("ksdata/288862.mxy")));
    const QString paperLine =
        gbk(bytesOf(copy.file(QStringLiteral("wydata/288891.mxy")))).split(QStringLiteral("\r\n")).value(2).trimmed();
    const QStringList paperIds = idsOf(paperLine);
    QCOMPARE(paperIds.size(), 40);

    // The cover: unit 1 chosen on the units page shows its progress.
    start({QStringLiteral("app"), copy.path()});
    const QJsonObject ready = probe_->next();
    QVERIFY2(ready["ready"].toBool(), failed().constData());
    QCOMPARE(windowNames(ready), QStringList{QStringLiteral("FrmFengmian")});
    send(QStringLiteral("click FrmFengmian/ClickBotn_4"));
    send(QStringLiteral("click FrmFengmian/ClickBotn_50"));
    QVERIFY(text(QStringLiteral("FrmFengmian"), QStringLiteral("LblUnitDQCAP_1")).startsWith(s("第1单元 ")));
    QCOMPARE(text(QStringLiteral("FrmFengmian"), QStringLiteral("LblUnitDQCAP_3")), QStringLiteral("%1题").arg(doneBefore));
    exitProgram();
    if (QTest::currentTestFailed())
        return;

    // Unit 1's practice at its first question not done. Hints on: the hint
    // shows on the simulated window; the question answered to its final
    // scene.
    start({QStringLiteral("play"), copy.path(), QStringLiteral("0"), QString::number(answered)});
    QVERIFY2(runWindowsShown(), failed().constData());
    QCOMPARE(send(QStringLiteral("state"))["TmNo"].toInt(), answered);
    send(QStringLiteral("click FrmTm/CmdGN_6"));
    QCOMPARE(send(QStringLiteral("state"))["AnswerMode"].toInt(), 1);
    QVERIFY2(findNamed(widgets(QStringLiteral("FrmMain")), QStringLiteral("LHelp")).contains(u"w"), failed().constData());
    answerQuestion();
    if (QTest::currentTestFailed())
        return;

    // The next question: its demonstration to the end, the question back;
    // then it is marked.
    send(QStringLiteral("click FrmTm/CmdGN_1"));
    send(QStringLiteral("demo pace 0.05"));
    send(QStringLiteral("click FrmTm/CmdGN_7"));
    const QJsonObject demo = send(QStringLiteral("demo run 20000"));
    QVERIFY2(demo["ended"].toBool() && !demo["steps"].toArray().isEmpty(), failed().constData());
    QCOMPARE(windows(), (QStringList{QStringLiteral("FrmMain"), QStringLiteral("FrmTm")}));
    send(QStringLiteral("click FrmTm/CmdGN_3"));
    QVERIFY(findNamed(widgets(QStringLiteral("FrmTm")), QStringLiteral("CmdGN_11")).contains(u"w"));
    const QString marked = QStringLiteral("00%1").arg(answered + 1, 2, 10, QChar(u'0'));

    // The quit: the cover on its units page, unit 1 one question further.
    send(QStringLiteral("click FrmTm/CmdGN_5"));
    send(QStringLiteral("wait 300"));
    QCOMPARE(windows(), QStringList{QStringLiteral("FrmFengmian")});
    QVERIFY(findNamed(widgets(QStringLiteral("FrmFengmian")), QStringLiteral("PicTiKu")).contains(u"w"));
    send(QStringLiteral("click FrmFengmian/ClickBotn_50"));
    QCOMPARE(text(QStringLiteral("FrmFengmian"), QStringLiteral("LblUnitDQCAP_3")), QStringLiteral("%1题").arg(doneBefore + 1));
    exitProgram();
    if (QTest::currentTestFailed())
        return;

    // Fixed paper 1's mock exam: the logon, question 1 answered, then the
    // time runs out: 50 minute ticks of 50 ms. An update server with a newer
    // bank stands by for later.
    ts::RouteServer server;
    QVERIFY(server.isListening());
    server.route(QStringLiteral("/up/quilt/") + fnd::ExamTitle + QStringLiteral("/wydata/288895.txt"), 200,
                 "209901010000\r\nK209901010000170200\r\n");
    qputenv("EXAMSIM_UPDATE_SERVER", server.base().toUtf8());
    start({QStringLiteral("play"), copy.path(), QStringLiteral("paper"), QStringLiteral("0")});
    qunsetenv("EXAMSIM_UPDATE_SERVER");
    QVERIFY2(logIn(), failed().constData());
    answerQuestion();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(send(QStringLiteral("timer FrmTm/TimeKS 50"))["ok"].toBool());
    const QJsonObject timeUp = send(QStringLiteral("wait 5000"));
    QCOMPARE(timeUp["prompt"].toString(), s("时间已到，自动交卷！"));
    QCOMPARE(send(QStringLiteral("answer OK"))["modal"].toString(), QStringLiteral("FrmEnd1"));
    QCOMPARE(send(QStringLiteral("click FrmEnd1/Command1"))["modal"].toString(), QStringLiteral("FrmEnd2"));
    send(QStringLiteral("click FrmEnd2/Command1"));

    // The score window: 2.5 points for the one question completed.
    QCOMPARE(windows(), QStringList{QStringLiteral("FrmChengji")});
    const QJsonArray score = widgets(QStringLiteral("FrmChengji"));
    QCOMPARE(findNamed(score, QStringLiteral("Label1"))["text"].toString(), s("第1套得分：2.5分"));
    QCOMPARE(findNamed(score, QStringLiteral("CmTNO_1"))["picture"].toString(), QStringLiteral("l01033"));
    QCOMPARE(findNamed(score, QStringLiteral("CmTNO_2"))["picture"].toString(), QStringLiteral("l01034"));

    // Its wrong questions practised: the first answered, and on the quit's
    // question it leaves the paper's wrong list; the cover again.
    send(QStringLiteral("click FrmChengji/Command3"));
    QVERIFY2(runWindowsShown(), failed().constData());
    QCOMPARE(send(QStringLiteral("state"))["TmSum"].toInt(), 39);
    answerQuestion();
    if (QTest::currentTestFailed())
        return;
    const QJsonObject leave = send(QStringLiteral("click FrmTm/CmdGN_5"));
    QVERIFY2(leave["prompt"].toString().startsWith(s("本次答对的题目要从“错题复习”中去掉吗？")), failed().constData());
    send(QStringLiteral("answer Yes"));
    send(QStringLiteral("wait 300"));
    QCOMPARE(windows(), QStringList{QStringLiteral("FrmFengmian")});

    // The update offered and declined. The question comes when the manifest
    // has come: as the click's answer or after it.
    QJsonObject offer = send(QStringLiteral("click FrmFengmian/ClickBotn_8"));
    if (!offer.contains(u"modal"))
        offer = probe_->next();
    QCOMPARE(offer["prompt"].toString(), s("题库有新文件，是否要进行升级？"));
    QCOMPARE(send(QStringLiteral("answer No"))["answered"].toString(), QStringLiteral("No"));
    QCOMPARE(windows(), QStringList{QStringLiteral("FrmFengmian")});
    exitProgram();
    if (QTest::currentTestFailed())
        return;
    qInfo("the day took %lld ms", qint64(clock.elapsed()));

    // ---- The records ------------------------------------------------------
    const QString ks = copy.path() + QStringLiteral("/ksdata/");
    QVERIFY(!QFileInfo::exists(ks + QStringLiteral("170200.mxy"))); // the update declined wrote nothing

    // Unit progress: a line per unit of the cover's 25, each as long as its
    // unit has questions, the answered question "T"; an empty last line.
    const QStringList progress = recordLines(ks + QStringLiteral("288893.mxy"));
    QCOMPARE(progress.size(), 26);
    QString expectedUnit1 = progressBefore;
    expectedUnit1[answered - 1] = u'T';
    QCOMPARE(progress.first(), expectedUnit1);
    for (int u = 1; u < 25; ++u)
        QCOMPARE(progress.at(u).size(), qsizetype(sizes.value(u)));
    QCOMPARE(progress.last(), QString());

    // Marked: the question marked in the unit practice, its flag "F".
    QCOMPARE(oneLine(ks + QStringLiteral("288862.mxy")), markedBefore + marked);
    const QString markedFlags = oneLine(ks + QStringLiteral("288872.mxy"));
    QCOMPARE(markedFlags.size(), (markedBefore + marked).size() / 4);
    QVERIFY(markedFlags.endsWith(u'F'));

    // Paper 1's wrong list: its questions 2 to 40, less the one answered in
    // their practice (its question 2). The collection: the 39, each flagged
    // not reviewed.
    QCOMPARE(oneLine(ks + QStringLiteral("182400.mxy")), paperIds.mid(2).join(QString()));
    QCOMPARE(oneLine(ks + QStringLiteral("288863.mxy")), paperIds.mid(1).join(QString()));
    QCOMPARE(oneLine(ks + QStringLiteral("288873.mxy")), QString(39, u'F'));

    // The history: slots 0 to 30 of three lines and an empty last line;
    // paper 1 with its exam's time and 2.5, every other slot never taken.
    const QStringList history = recordLines(ks + QStringLiteral("288892.mxy"));
    QCOMPARE(history.size(), 94);
    QCOMPARE(history.last(), QString());
    QVERIFY2(QDateTime::fromString(history.at(0), QStringLiteral("yyyy-MM-dd hh:mm:ss")).isValid(), qPrintable(history.at(0)));
    QCOMPARE(history.at(1), QStringLiteral("2.5"));
    QCOMPARE(history.at(2), QStringLiteral("E"));
    for (int slot = 1; slot <= 30; ++slot) {
        QCOMPARE(history.at(3 * slot), s("您还未考试！"));
        QCOMPARE(history.at(3 * slot + 1), QStringLiteral("0"));
        QCOMPARE(history.at(3 * slot + 2), QStringLiteral("E"));
    }
}

QTEST_MAIN(TstMainRoad)
#include "tst_mainroad.moc"
