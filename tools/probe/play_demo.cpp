// demo next | go <c> | click zhu|1j|2j | pace <factor> | run <timeout-ms>:
// the demonstration window's step advance, jump and clicks as the player
// calls them, its pace, and a whole demonstration waited for.
#include "play.h"

#include "demo/window/demoinfo.h"
#include "demo/window/frmyanshi.h"
#include "run/runstate.h"

#include <QElapsedTimer>
#include <QJsonArray>

namespace {

QJsonObject stepsAnswer(const QList<int> &steps)
{
    QJsonArray a;
    for (int s : steps)
        a.append(s);
    return QJsonObject{{"steps", a}};
}

// Waits until the demonstration is over (a start still pending counts as
// running) or timeout ms have passed, keeping the steps the window showed.
QJsonObject runCommand(int timeoutMs)
{
    QList<int> steps;
    QElapsedTimer clock;
    clock.start();
    play::runEventsUntil(
        [&] {
            if (const FrmYanShi *w = FrmYanShi::loaded()) {
                steps = w->StepsShown;
                return false;
            }
            return !run::YanShiRun;
        },
        timeoutMs);
    play::settle();
    QJsonObject o = stepsAnswer(steps);
    o["ended"] = !FrmYanShi::loaded() && !run::YanShiRun;
    o["ms"] = qint64(clock.elapsed());
    return o;
}

QJsonObject demoCommand(const QStringList &args)
{
    const QString usage = QStringLiteral(
        "usage: demo next | demo go <c> | demo click zhu|1j|2j | demo pace <factor> | demo run <timeout-ms>");
    if (args.size() == 2 && args.first() == u"pace") {
        bool ok = false;
        const double factor = args.at(1).toDouble(&ok);
        if (!ok || !FrmYanShi::setPace(factor))
            return play::error(QStringLiteral("demo pace takes a positive number"));
        return QJsonObject{{"ok", true}, {"pace", FrmYanShi::pace()}};
    }
    if (args.size() == 2 && args.first() == u"run") {
        bool ok = false;
        const int ms = args.at(1).toInt(&ok);
        if (!ok || ms < 0)
            return play::error(usage);
        return runCommand(ms);
    }
    FrmYanShi *w = FrmYanShi::loaded();
    if (!w)
        return play::error(QStringLiteral("FrmYanShi is not open"));
    if (args.size() == 1 && args.first() == u"next") {
        w->doNext();
    } else if (args.size() == 2 && args.first() == u"go") {
        w->GoStep(args.at(1));
    } else if (args.size() == 2 && args.first() == u"click") {
        // As the pointer's arrival does: its timer off, then the click.
        const QString which = args.at(1).toLower();
        if (which == u"zhu") {
            w->Timer[2]->stop();
            w->ClickZHU(w->AimZHU);
        } else if (which == u"1j") {
            w->Timer[6]->stop();
            w->Click1J(w->Aim1J);
        } else if (which == u"2j") {
            w->Timer[7]->stop();
            w->Click2J(w->Aim2J);
        } else {
            return play::error(usage);
        }
    } else {
        return play::error(usage);
    }
    play::settle();
    // The step may have ended the demonstration's window meanwhile.
    if (const FrmYanShi *still = FrmYanShi::loaded())
        return QJsonObject{{"ok", true}, {"DemoStep", still->DemoStep}, {"TimEnd", still->TimEnd->isActive()}};
    return QJsonObject{{"ok", true}, {"closed", true}};
}

} // namespace

PLAY_COMMAND("demo",
             "next | go <c> | click zhu|1j|2j | pace <factor> | run <timeout-ms>  the demonstration's next step "
             "(doNext), the step a jump digit names (GoStep), the click on AimZHU, Aim1J or Aim2J, the player's "
             "pace (before the start; 0.05 plays 20 times faster), and the wait for its end",
             demoCommand);
