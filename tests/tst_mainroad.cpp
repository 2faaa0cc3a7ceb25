// The main road through the whole program, black box: one `examsim-probe
// app` session on a copy of the sample bank (the start-up window, then the
// cover) walks a candidate's day by the cover's own buttons. The units page
// and unit 1's practice from its start button: hints on, a question
// answered, the next one's demonstration, that question marked, the quit
// back to the units page with the progress shown, and the marked page's
// count. The papers page and fixed paper 1's start button: the logon, a
// question answered, the time running out (the exam clock's ticks
// shortened), the hand-in boxes and the score window. The score window's
// wrong-question practice with its question on leaving, then the cover's
// wrong-question page and its practice. The generator's new random paper:
// the logon left, the paper listed with its time. The update declined; the
// exit. Then the records the day left in ksdata are read against their
// formats and against what each step must have put into them.
#include "banksolver.h"
#include "routeserver.h"
#include "testsupport.h"

#include "foundation/globals.h"
#include "foundation/productinfo.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>
#include <functional>

namespace {

using ts::idsOf;

using solver::findNamed;

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

const QString Cover = QStringLiteral("FrmFengmian");
const QStringList CoverOnly{Cover};
const QStringList RunWindows{QStringLiteral("FrmMain"), QStringLiteral("FrmTm")};
const QString TimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A learner record as its writer leaves it: GBK lines, each ended by CR LF.
// Empty when the file ends otherwise (a line without its CR LF, a bare LF)
// or is not GBK.
QStringList recordLines(const QString &path)
{
    const QByteArray bytes = bytesOf(path);
    if (bytes.isEmpty() || !bytes.endsWith("\r\n"))
        return {};
    QStringDecoder decoder("GBK");
    const QString text = decoder.decode(bytes.chopped(2));
    if (decoder.hasError())
        return {};
    const QStringList lines = text.split(QStringLiteral("\r\n"));
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

// Question counts of the bank's units: the lines of their question files.
QList<int> unitSizes(const ts::ProgramCopy &copy)
{
    QList<int> sizes;
    for (int u = 0; QFileInfo::exists(copy.file(QStringLiteral("wydata/2888%1.mxy").arg(70 + u))); ++u)
        sizes << int(bytesOf(copy.file(QStringLiteral("wydata/2888%1.mxy").arg(70 + u))).count("\r\n"));
    return sizes;
}

// The windows an answer lists, by name, sorted.
QStringList sortedWindowNames(const QJsonObject &answer)
{
    QStringList names = solver::windowNames(answer);
    names.sort();
    return names;
}

// A time as the records write it, to the second.
QDateTime toSeconds(const QDateTime &t) { return QDateTime::fromString(t.toString(TimeFormat), TimeFormat); }

} // namespace

class TstMainRoad : public QObject
{
    Q_OBJECT
private slots:
    void aCandidatesDay();

private:
    // The probe: a command and its answer; an answer with an error is kept
    // for the failure message.
    QJsonObject send(const QString &command);
    QJsonObject click(const QString &control) { return send(QStringLiteral("click ") + control); }
    QJsonObject state() { return send(QStringLiteral("state")); }
    // The run's set as "PaperType=0 TmSum=40": the state's values of the
    // names given ("PaperType TmSum").
    QString runSet(const char *names);
    QStringList windows() { return sortedWindowNames(send(QStringLiteral("windows"))); }
    QJsonObject widget(const QString &window, const QString &name);
    QString text(const QString &name) { return widget(Cover, name)["text"].toString(); }
    bool shown(const QString &window, const QString &name) { return widget(window, name).contains(u"w"); }
    bool shown(const QString &name) { return shown(Cover, name); }
    // Whether `done` comes true within `ms`, the program's timers running
    // meanwhile.
    bool until(const std::function<bool()> &done, int ms = 5000);
    bool windowsBecome(const QStringList &names) { return until([&] { return windows() == names; }); }
    bool coverPageShown(const QString &page) { return windowsBecome(CoverOnly) && until([&] { return shown(page); }); }
    bool practiceShown();
    bool logonPageShown();
    bool logIn();
    QString answerQuestion();
    // The last commands sent, with their errors, and the probe's messages.
    QByteArray failed()
    {
        return (sent_.mid(sent_.size() - 40).join(QStringLiteral(" | ")) + u'\n' + probe_->errors()).toUtf8();
    }

    std::unique_ptr<ts::ProgramCopy> copy_;
    std::unique_ptr<solver::ProbeSession> probe_;
    QStringList sent_;
};

QJsonObject TstMainRoad::send(const QString &command)
{
    const QJsonObject answer = probe_->send(command);
    sent_ << command;
    if (answer.contains(u"error"))
        sent_ << QStringLiteral("<%1>").arg(answer["error"].toString());
    return answer;
}

QJsonObject TstMainRoad::widget(const QString &window, const QString &name)
{
    return findNamed(send(QStringLiteral("widgets ") + window)["widgets"].toArray(), name);
}

QString TstMainRoad::runSet(const char *names)
{
    const QJsonObject now = state();
    QStringList values;
    for (const QString &name : QString::fromLatin1(names).split(u' '))
        values << name + u'=' + QString::number(now[name].toInt());
    return values.join(u' ');
}

bool TstMainRoad::until(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.hasExpired(ms))
            return false;
        send(QStringLiteral("wait 50"));
    }
    return true;
}

// A practice's windows with its own buttons, which show on the question
// window's timer: until then the exam's buttons lie over them.
bool TstMainRoad::practiceShown()
{
    return windowsBecome(RunWindows)
        && until([&] { return !shown(QStringLiteral("FrmTm"), QStringLiteral("CmdGN_8")); });
}

// The logon window with its first page, which shows on the window's timer.
bool TstMainRoad::logonPageShown()
{
    return windowsBecome({QStringLiteral("FrmLogon")})
        && until([&] { return shown(QStringLiteral("FrmLogon"), QStringLiteral("CmdLog")); });
}

// From the logon's first page, once shown, to the exam's windows.
bool TstMainRoad::logIn()
{
    if (!logonPageShown())
        return false;
    send(QStringLiteral("type FrmLogon/TxtZwh 7"));
    click(QStringLiteral("FrmLogon/CmdLog"));
    return windowsBecome(RunWindows);
}

// The question on show played to its final scene: empty when it was,
// else what went wrong.
QString TstMainRoad::answerQuestion()
{
    return solver::solveQuestion(*probe_, copy_->file(QStringLiteral("wydata/288890.mxy")));
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
    const QString ks = copy.path() + QStringLiteral("/ksdata/");

    // The bank as the day finds it: no learner record yet; unit 1's
    // questions; fixed paper 1's ids, line 3 of the paper list.
    for (const char *record : {"288862", "288863", "288891", "288892", "288893", "182400"})
        QVERIFY2(!QFileInfo::exists(ks + QString::fromLatin1(record) + QStringLiteral(".mxy")), record);
    const QList<int> sizes = unitSizes(copy);
    QVERIFY(sizes.size() >= 2);
    const int unitQuestions = sizes.first();
    QVERIFY(unitQuestions >= 2);
    const QStringList paperList = recordLines(copy.file(QStringLiteral("wydata/288891.mxy")));
    const QStringList paperIds = idsOf(paperList.value(2).trimmed());
    QCOMPARE(paperIds.size(), 40);

    // An update server with a newer bank stands by for the update button.
    ts::RouteServer server;
    QVERIFY(server.isListening());
    const QByteArray manifest = "209901010000\r\nK209901010000170200\r\n";
    const QByteArray bankVersion = bytesOf(copy.file(QStringLiteral("wydata/288895.mxy")));
    server.route(QStringLiteral("/up/quilt/") + fnd::ExamTitle + QStringLiteral("/wydata/288895.txt"), 200, manifest);
    qputenv("EXAMSIM_UPDATE_SERVER", server.base().toUtf8());
    probe_ = std::make_unique<solver::ProbeSession>(ts::toolPath(QStringLiteral("examsim-probe")),
                                                    QStringList{QStringLiteral("app"), copy.path()});
    qunsetenv("EXAMSIM_UPDATE_SERVER");
    sent_ = QStringList{QStringLiteral("app")};

    // ---- The cover ---------------------------------------------------------
    // The start-up window gives way to the cover on its home page.
    const QJsonObject ready = probe_->next();
    QVERIFY2(ready["ready"].toBool(), failed().constData());
    QCOMPARE(sortedWindowNames(ready), CoverOnly);
    QVERIFY(shown(QStringLiteral("ClickBotn_4")) && shown(QStringLiteral("ClickBotn_5")));
    QVERIFY(!shown(QStringLiteral("PicTiKu")));

    // ---- Unit 1's practice -------------------------------------------------
    // The units page picks unit 1, nothing of it done.
    click(QStringLiteral("FrmFengmian/ClickBotn_4"));
    QVERIFY2(shown(QStringLiteral("PicTiKu")), failed().constData());
    QVERIFY(text(QStringLiteral("LblUnitDQCAP_1")).startsWith(s("第1单元 ")));
    QCOMPARE(text(QStringLiteral("LblUnitDQCAP_2")), s("%1题").arg(unitQuestions));
    QCOMPARE(text(QStringLiteral("LblUnitDQCAP_3")), s("0题"));
    click(QStringLiteral("FrmFengmian/ClickBotn_20"));
    QVERIFY2(practiceShown(), failed().constData());
    QCOMPARE(runSet("PaperType TaoNo TmSum TmNo"),
             QStringLiteral("PaperType=20 TaoNo=0 TmSum=%1 TmNo=1").arg(unitQuestions));

    // Hints on: the hint shows on the simulated window; question 1 answered.
    click(QStringLiteral("FrmTm/CmdGN_6"));
    QCOMPARE(state()["AnswerMode"].toInt(), 1);
    QVERIFY2(shown(QStringLiteral("FrmMain"), QStringLiteral("LHelp")), failed().constData());
    QCOMPARE(answerQuestion(), QString());

    // Question 2: its demonstration to the end, the question back; then it
    // is marked.
    click(QStringLiteral("FrmTm/CmdGN_1"));
    QCOMPARE(state()["TmNo"].toInt(), 2);
    send(QStringLiteral("demo pace 0.05"));
    click(QStringLiteral("FrmTm/CmdGN_7"));
    const QJsonObject demo = send(QStringLiteral("demo run 20000"));
    QVERIFY2(demo["ended"].toBool() && !demo["steps"].toArray().isEmpty(), failed().constData());
    QVERIFY2(windowsBecome(RunWindows), failed().constData());
    click(QStringLiteral("FrmTm/CmdGN_3"));
    QVERIFY(shown(QStringLiteral("FrmTm"), QStringLiteral("CmdGN_11")));
    const QString marked = QStringLiteral("0002"); // unit 0, position 2

    // The quit: the cover back on its units page, unit 1 with one question
    // done; the marked page counts one question not reviewed.
    click(QStringLiteral("FrmTm/CmdGN_5"));
    QVERIFY2(coverPageShown(QStringLiteral("PicTiKu")), failed().constData());
    QVERIFY(text(QStringLiteral("LblUnitDQCAP_1")).startsWith(s("第1单元 ")));
    QCOMPARE(text(QStringLiteral("LblUnitDQCAP_3")), s("1题"));
    QCOMPARE(text(QStringLiteral("LblUnitDQCAP_4")), s("%1题").arg(unitQuestions - 1));
    click(QStringLiteral("FrmFengmian/ClickBotn_18"));
    QVERIFY2(shown(QStringLiteral("PicBiaoZhi")), failed().constData());
    QCOMPARE(text(QStringLiteral("LblBiaoZhiWei")), QStringLiteral("1"));
    QCOMPARE(text(QStringLiteral("LblBiaoZhiYI")), QStringLiteral("0"));

    // ---- Fixed paper 1's mock exam ----------------------------------------
    // The papers page lists it never taken; its start button opens the
    // logon.
    click(QStringLiteral("FrmFengmian/ClickBotn_17"));
    QVERIFY2(shown(QStringLiteral("PicKaCH")), failed().constData());
    QCOMPARE(text(QStringLiteral("LblShiJuanBiao_0")), s("冲刺试卷一"));
    QCOMPARE(text(QStringLiteral("LblShiJuanTime_0")), s("最后考试时间：您还未考试！"));
    click(QStringLiteral("FrmFengmian/ClickBotn_70"));
    QCOMPARE(runSet("PaperType RecNo TmSum"), QStringLiteral("PaperType=0 RecNo=0 TmSum=40"));
    const QDateTime examFrom = toSeconds(QDateTime::currentDateTime());
    QVERIFY2(logIn(), failed().constData());
    QCOMPARE(answerQuestion(), QString());

    // The time runs out: 50 minute ticks of 20 ms. The hand-in's two boxes,
    // then the score window: 2.5 points for the one question completed.
    QVERIFY(send(QStringLiteral("timer FrmTm/TimeKS 20"))["ok"].toBool());
    const QJsonObject timeUp = send(QStringLiteral("wait 5000"));
    QCOMPARE(timeUp["prompt"].toString(), s("时间已到，自动交卷！"));
    QCOMPARE(send(QStringLiteral("answer OK"))["modal"].toString(), QStringLiteral("FrmEnd1"));
    QCOMPARE(click(QStringLiteral("FrmEnd1/Command1"))["modal"].toString(), QStringLiteral("FrmEnd2"));
    click(QStringLiteral("FrmEnd2/Command1"));
    QVERIFY2(windowsBecome({QStringLiteral("FrmChengji")}), failed().constData());
    const QDateTime examTo = QDateTime::currentDateTime();
    const QJsonArray score = send(QStringLiteral("widgets FrmChengji"))["widgets"].toArray();
    QCOMPARE(findNamed(score, QStringLiteral("Label1"))["text"].toString(), s("第1套得分：2.5分"));
    QCOMPARE(findNamed(score, QStringLiteral("CmTNO_1"))["picture"].toString(), QStringLiteral("l01033"));
    QCOMPARE(findNamed(score, QStringLiteral("CmTNO_2"))["picture"].toString(), QStringLiteral("l01034"));

    // ---- The wrong questions -----------------------------------------------
    // From the score window: the paper's 39 wrong questions, the first
    // answered; on leaving it is dropped from the paper's list. The cover
    // comes back on its home page.
    click(QStringLiteral("FrmChengji/Command3"));
    QVERIFY2(practiceShown(), failed().constData());
    QCOMPARE(runSet("PaperType TmSum"), QStringLiteral("PaperType=2 TmSum=39"));
    QCOMPARE(answerQuestion(), QString());
    const QJsonObject leave = click(QStringLiteral("FrmTm/CmdGN_5"));
    QVERIFY2(leave["prompt"].toString().startsWith(s("本次答对的题目要从“错题复习”中去掉吗？")),
             failed().constData());
    send(QStringLiteral("answer Yes"));
    QVERIFY2(windowsBecome(CoverOnly), failed().constData());
    QVERIFY(!shown(QStringLiteral("PicTop")));

    // The cover's wrong-question page: the collection's 39, none reviewed;
    // its practice of those not reviewed, the first answered; the page again
    // with one reviewed.
    click(QStringLiteral("FrmFengmian/ClickBotn_4"));
    click(QStringLiteral("FrmFengmian/ClickBotn_19"));
    QVERIFY2(shown(QStringLiteral("PicCuoTi")), failed().constData());
    QCOMPARE(text(QStringLiteral("LblCuoTiWei")), QStringLiteral("39"));
    QCOMPARE(text(QStringLiteral("LblCuoTiYI")), QStringLiteral("0"));
    click(QStringLiteral("FrmFengmian/ClickBotn_24"));
    QVERIFY2(practiceShown(), failed().constData());
    QCOMPARE(runSet("PaperType TmSum"), QStringLiteral("PaperType=13 TmSum=39"));
    QCOMPARE(answerQuestion(), QString());
    click(QStringLiteral("FrmTm/CmdGN_5"));
    QVERIFY2(coverPageShown(QStringLiteral("PicCuoTi")), failed().constData());
    QCOMPARE(text(QStringLiteral("LblCuoTiWei")), QStringLiteral("38"));
    QCOMPARE(text(QStringLiteral("LblCuoTiYI")), QStringLiteral("1"));

    // ---- A random paper ----------------------------------------------------
    // Paper 1's row shows the exam; the generator's button makes a random
    // paper and opens its logon, which is left; the random tab lists it.
    click(QStringLiteral("FrmFengmian/ClickBotn_17"));
    QVERIFY2(shown(QStringLiteral("PicKaCH")), failed().constData());
    QCOMPARE(text(QStringLiteral("LblShiJuanScore_0")), QStringLiteral("2.5"));
    QCOMPARE(text(QStringLiteral("LblShiJuanCuoTi_0")), QStringLiteral("(38)"));
    click(QStringLiteral("FrmFengmian/ClickBotn_30"));
    const QDateTime madeFrom = toSeconds(QDateTime::currentDateTime());
    click(QStringLiteral("FrmFengmian/ClickBotn_21"));
    const QDateTime madeTo = QDateTime::currentDateTime();
    QCOMPARE(runSet("PaperType RecNo TaoNo TmSum"), QStringLiteral("PaperType=8 RecNo=20 TaoNo=11 TmSum=40"));
    QVERIFY2(logonPageShown(), failed().constData());
    QCOMPARE(click(QStringLiteral("FrmLogon/CmdExit"))["prompt"].toString(), s("确实要退出考试系统吗？"));
    send(QStringLiteral("answer Yes"));
    QVERIFY2(windowsBecome(CoverOnly), failed().constData());
    QVERIFY(!shown(QStringLiteral("PicTop")));
    click(QStringLiteral("FrmFengmian/ClickBotn_5"));
    click(QStringLiteral("FrmFengmian/ClickBotn_31"));
    QVERIFY2(shown(QStringLiteral("ImgShiJuan_20")), failed().constData());
    QVERIFY(!shown(QStringLiteral("ImgShiJuan_21")));
    QCOMPARE(text(QStringLiteral("LblShiJuanBiao_20")), s("随机试卷一"));
    const QString listedTime = text(QStringLiteral("LblShiJuanTime_20")).mid(s("最后考试时间：").size());
    QCOMPARE(text(QStringLiteral("LblShiJuanScore_20")), QStringLiteral("0"));
    QCOMPARE(text(QStringLiteral("LblShiJuanCuoTi_20")), QStringLiteral("(0)"));
    QCOMPARE(text(QStringLiteral("LblShiJuanDel_20")), s("删除试卷"));

    // ---- The update declined, the exit ------------------------------------
    // Both buttons are the home page's. The update's question comes when the
    // manifest has come: as the click's answer or after it.
    click(QStringLiteral("FrmFengmian/ClickBotn_15"));
    QVERIFY2(!shown(QStringLiteral("PicTop")), failed().constData());
    QJsonObject offer = click(QStringLiteral("FrmFengmian/ClickBotn_8"));
    if (!offer.contains(u"modal"))
        offer = probe_->next();
    QCOMPARE(offer["prompt"].toString(), s("题库有新文件，是否要进行升级？"));
    QCOMPARE(send(QStringLiteral("answer No"))["answered"].toString(), QStringLiteral("No"));
    QCOMPARE(windows(), CoverOnly);
    QCOMPARE(click(QStringLiteral("FrmFengmian/ClickBotn_3"))["title"].toString(), s("退出系统"));
    send(QStringLiteral("answer 1"));
    QCOMPARE(probe_->next(), (QJsonObject{{"ended", 0}}));
    QCOMPARE(probe_->finish(), 0);
    qInfo("the day took %lld ms", qint64(clock.elapsed()));

    // ---- The records -------------------------------------------------------
    // The day's files and no other: no error logged. The update declined
    // kept the manifest it fetched and changed nothing else.
    QCOMPARE(QDir(ks).entryList(QDir::Files).join(u' '),
             QStringLiteral("170100.mxy 182400.mxy 182420.mxy 288862.mxy 288863.mxy 288872.mxy 288873.mxy 288891.mxy "
                            "288892.mxy 288893.mxy 288895.mxy"));
    QCOMPARE(bytesOf(ks + QStringLiteral("288895.mxy")), manifest);
    QCOMPARE(bytesOf(copy.file(QStringLiteral("wydata/288895.mxy"))), bankVersion);

    // Unit progress, as the cover's last load wrote it: 25 lines, each as
    // long as its unit has questions, unit 1's first question "T"; an empty
    // last line.
    const QStringList progress = recordLines(ks + QStringLiteral("288893.mxy"));
    QCOMPARE(progress.size(), 26);
    QCOMPARE(progress.first(), QStringLiteral("T") + QString(unitQuestions - 1, u'F'));
    for (int u = 1; u < 25; ++u)
        QCOMPARE(progress.at(u), QString(sizes.value(u), u'F'));
    QCOMPARE(progress.last(), QString());

    // Marked: the question marked in the unit practice, not reviewed.
    QCOMPARE(oneLine(ks + QStringLiteral("288862.mxy")), marked);
    QCOMPARE(oneLine(ks + QStringLiteral("288872.mxy")), QStringLiteral("F"));

    // Paper 1's wrong list: its questions 2 to 40, less the one answered in
    // the score window's practice (its question 2). The collection: the 39,
    // the first reviewed on the wrong-question page.
    QCOMPARE(oneLine(ks + QStringLiteral("182400.mxy")), paperIds.mid(2).join(QString()));
    QCOMPARE(oneLine(ks + QStringLiteral("288863.mxy")), paperIds.mid(1).join(QString()));
    QCOMPARE(oneLine(ks + QStringLiteral("288873.mxy")), QStringLiteral("T") + QString(38, u'F'));

    // The random papers: ten lines, the new paper first (40 different ids of
    // the bank's units, 4 characters each), nine empty; its wrong list one
    // empty line.
    const QStringList papers = recordLines(ks + QStringLiteral("288891.mxy"));
    QCOMPARE(papers.size(), 10);
    QCOMPARE(papers.first().size(), 160);
    const QStringList drawn = idsOf(papers.first());
    QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), 40);
    for (const QString &id : drawn) {
        bool ok = false;
        const int n = id.toInt(&ok);
        const int unit = n / 100, position = n % 100;
        QVERIFY2(ok && id.front().isDigit() && unit < sizes.size() && position >= 1 && position <= sizes.value(unit),
                 qPrintable(id));
    }
    for (int k = 1; k < 10; ++k)
        QCOMPARE(papers.at(k), QString());
    QCOMPARE(bytesOf(ks + QStringLiteral("182420.mxy")), QByteArray("\r\n"));

    // The history as the random paper left it: 30 slots of three lines and
    // an empty last line. Slot 0 paper 1's exam, its time and 2.5; slot 20
    // the random paper's making, "0"; every other slot never taken.
    const QStringList history = recordLines(ks + QStringLiteral("288892.mxy"));
    QCOMPARE(history.size(), 91);
    QCOMPARE(history.last(), QString());
    const QDateTime examAt = QDateTime::fromString(history.at(0), TimeFormat);
    QVERIFY2(examAt >= examFrom && examAt <= examTo, qPrintable(history.at(0)));
    QCOMPARE(history.at(1), QStringLiteral("2.5"));
    QCOMPARE(history.at(2), QStringLiteral("E"));
    const QDateTime madeAt = QDateTime::fromString(history.at(60), TimeFormat);
    QVERIFY2(madeAt >= madeFrom && madeAt <= madeTo, qPrintable(history.at(60)));
    QCOMPARE(listedTime, history.at(60).left(16));
    QCOMPARE(history.at(61), QStringLiteral("0"));
    QCOMPARE(history.at(62), QStringLiteral("E"));
    for (int slot = 1; slot < 30; ++slot) {
        if (slot == 20)
            continue;
        QCOMPARE(history.at(3 * slot), s("您还未考试！"));
        QCOMPARE(history.at(3 * slot + 1), QStringLiteral("0"));
        QCOMPARE(history.at(3 * slot + 2), QStringLiteral("E"));
    }
}

QTEST_MAIN(TstMainRoad)
#include "tst_mainroad.moc"
