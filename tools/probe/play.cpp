// examsim-probe play <program-folder> <unit> <question>: the practice of a
// whole unit, started from the cover's units page as a candidate starts it,
// on the simulated window, offscreen, driven by commands on standard input.
#include "play.h"
#include "probe.h"
#include "session.h"

#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "demo/window/demoinfo.h"
#include "demo/window/frmyanshi.h"
#include "examflow/examstate.h"
#include "examflow/frmlogon.h"
#include "examflow/frmtm.h"
#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/sceneinfo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace play {

void settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Asleep between events: processEvents() with a time limit returns as soon
// as nothing is pending, so a loop around it would keep a processor busy for
// the whole wait.
void runEventsUntil(const std::function<bool()> &done, int ms)
{
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    QEventLoop loop;
    QTimer tick;
    tick.setSingleShot(true);
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    while (!done() && !deadline.hasExpired()) {
        tick.start(int(std::clamp<qint64>(deadline.remainingTime(), 1, 10)));
        loop.exec();
    }
}

namespace {

QJsonObject sceneCommand(const QStringList &args)
{
    if (args.value(0) == u"FrmYanShi") {
        const FrmYanShi *demo = FrmYanShi::loaded();
        return demo ? demo::describe(*demo) : error(QStringLiteral("FrmYanShi is not open"));
    }
    if (!args.isEmpty() && args.first() != u"FrmMain")
        return error(QStringLiteral("usage: scene [FrmMain|FrmYanShi]"));
    // The hint frames are drawn, and a preset drop-down opened, 100 ms after
    // a scene: show them as they then are.
    FrmMain *w = window();
    if (!w)
        return noWindow();
    // A question just loaded builds its scene on Timer2's tick.
    runEventsUntil([&] { return !w->Timer2->isActive() && !w->TimerDisFK->isActive() && !w->TimTool->isActive(); }, 1000);
    return simwin::describe(*w);
}

QJsonObject waitCommand(const QStringList &args)
{
    bool ok = false;
    const int ms = args.value(0).toInt(&ok);
    if (!ok || ms < 0)
        return error(QStringLiteral("usage: wait <ms>"));
    waitMs(ms);
    return QJsonObject{{"ok", true}, {"waited", ms}};
}

QJsonObject windowCommand(const QStringList &)
{
    const FrmMain *w = window();
    if (!w)
        return noWindow();
    const QRect g = w->geometry();
    return QJsonObject{{"x", g.x()}, {"y", g.y()}, {"w", g.width()}, {"h", g.height()},
                       {"maximised", w->maximisedByRule()}, {"visible", w->isVisible()}};
}

QJsonObject helpCommand(const QStringList &)
{
    QJsonObject o;
    for (const auto &[name, c] : Commands::all())
        o[QString::fromStdString(name)] = QString::fromUtf8(c.usage);
    return o;
}
} // namespace

QJsonObject error(const QString &message) { return QJsonObject{{"error", message}}; }

FrmMain *window() { return FrmMain::loaded(); }

QJsonObject noWindow() { return error(QStringLiteral("FrmMain is not open")); }

QWidget *topWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && !w->parentWidget())
            return w;
    return nullptr;
}

QWidget *control(const QString &name)
{
    if (const qsizetype slash = name.indexOf(u'/'); slash >= 0) {
        QWidget *top = topWindow(name.left(slash));
        const QString object = name.mid(slash + 1);
        if (!top || object.isEmpty())
            return nullptr;
        return object == top->objectName() ? top : top->findChild<QWidget *>(object);
    }
    if (QWidget *top = topWindow(name))
        return top;
    // A bare name is a control of the simulated window while it is open.
    FrmMain *w = window();
    return w ? w->findChild<QWidget *>(name) : nullptr;
}

void waitMs(int ms)
{
    runEventsUntil([] { return false; }, ms);
    settle();
}

} // namespace play

PLAY_COMMAND("scene", "[FrmYanShi]  every visible control of FrmMain (or of the demonstration window) and its open "
                      "pop-ups; the demonstration's with its player's variables",
             play::sceneCommand);
PLAY_COMMAND("wait", "<ms>  lets the timers run", play::waitCommand);
PLAY_COMMAND("window", "FrmMain's place and size on the screen", play::windowCommand);
PLAY_COMMAND("help", "the commands and their arguments", play::helpCommand);

namespace {

// The probe's own start-up: the program folder, the product information
// (read only: a probe never marks the first run) and a fresh run state.
bool setUp(const QString &folderArg)
{
    const QString folder = QDir(folderArg).absolutePath();
    if (!QDir(folder).exists()) {
        probe::err(QStringLiteral("no program folder: %1").arg(folder));
        return false;
    }
    fnd::overrideProgramFolder(folder);
    fnd::loadInfo();
    run::resetRunState();
    scene::resetSceneState();
    exam::resetExamState();
    return true;
}

void unloadRun()
{
    run::TmCanUnload = true;
    FrmYanShi::unload();
    FrmLogon::unload();
    FrmFengmian::unload();
    FrmTm::unload();
    FrmMain::unload();
    FrmPicture::unload();
    play::settle();
}

// The cover's buttons of a unit's practice: the units page, the first
// unit's button, the practice button.
constexpr int UnitsPage = 4;
constexpr int FirstUnit = 50;
constexpr int UnitPractice = 20;

// play <folder> paper <p>: fixed paper p composed as the cover composes it
// (its ids from line p + 3 of the paper list, working files number p) and
// started through the run start, which opens the logon.
int playPaper(const QStringList &args)
{
    bool ok = false;
    const int paper = args.value(2).toInt(&ok);
    if (args.size() != 3 || !ok || paper < 0 || paper > 18) {
        probe::err(QStringLiteral("usage: examsim-probe play <program-folder> paper <p>"));
        return 2;
    }
    if (!setUp(args.at(0)))
        return 2;
    const QStringList list = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList());
    const QString ids = list.value(paper + 2).trimmed();
    if (ids.isEmpty()) {
        probe::err(QStringLiteral("paper %1 has no ids in %2").arg(paper).arg(fnd::DataPath));
        return 1;
    }
    run::PaperType = 0;
    run::TaoNo = qint16(paper);
    run::RecNo = qint16(paper);
    if (!cover::InitShiTi(ids, paper)) {
        probe::err(QStringLiteral("paper %1 cannot be composed").arg(paper));
        return 1;
    }
    run::TmSum = qint16(std::min<int>(run::TmSum, 40));
    for (int i = 1; i <= run::MaxQuestions; ++i) {
        run::TmDone[size_t(i)] = QStringLiteral("F");
        run::TmState[size_t(i)] = 0;
    }
    run::AnswerMode = 3;
    play::beginSession();
    cover::startLianXi();
    // The logon shows its first page on its timer's tick.
    play::runEventsUntil(
        [] {
            const FrmLogon *logon = FrmLogon::loaded();
            return !logon || !logon->Timer1->isActive();
        },
        2000);
    play::settle();
    return play::serve(unloadRun);
}

int playCommand(const QStringList &args)
{
    if (args.value(1) == u"paper")
        return playPaper(args);
    bool okUnit = false, okQuestion = false;
    const int unit = args.value(1).toInt(&okUnit);
    const int question = args.value(2).toInt(&okQuestion);
    if (args.size() != 3 || !okUnit || !okQuestion || unit < 0 || unit > 19 || question < 1) {
        probe::err(QStringLiteral("usage: examsim-probe play <program-folder> <unit> <question> | paper <p>"));
        return 2;
    }
    if (!setUp(args.at(0)))
        return 2;
    // The practice starts as a candidate starts it: the cover loaded (its
    // load reads the bank and the records, and ends the program on a data
    // folder of another module), its units page, the unit, the unit's
    // practice button; the cover composes the set and starts the run. A box
    // the cover opens meanwhile is served at once.
    play::beginSession();
    play::startServing(true);
    FrmFengmian &cover = FrmFengmian::get();
    for (const int button : {UnitsPage, FirstUnit + unit, UnitPractice})
        cover.ClickBotn_Click(button);
    play::settle();
    if (!FrmTm::loaded()) {
        probe::err(QStringLiteral("unit %1 has no questions in %2").arg(unit).arg(fnd::DataPath));
        return 1;
    }
    if (question > run::TmSum) {
        probe::err(QStringLiteral("unit %1 has %2 questions").arg(unit).arg(run::TmSum));
        return 1;
    }
    // Question n is then loaded as a click in the chooser loads it. Its
    // scene is built by Timer2.
    FrmTm &tm = FrmTm::get();
    FrmMain &w = FrmMain::get();
    // The practice's own buttons show on the question window's model timer
    // (the exam's lie over them until then).
    play::runEventsUntil(
        [&] { return !tm.TimerREDO->isActive() && !w.Timer2->isActive() && !tm.TimKsModel->isActive(); }, 5000);
    run::TmNo = qint16(question);
    tm.DqExam();
    play::runEventsUntil([&] { return !w.Timer2->isActive(); }, 5000);
    play::settle();
    return play::serve(unloadRun);
}

} // namespace

PROBE_COMMAND("play", "<program-folder> <unit> <question> | paper <p>  a unit's practice at a question, or a fixed paper's mock exam from its logon; commands on stdin", playCommand);
