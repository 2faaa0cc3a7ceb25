// play command `hint`: what the question window's hint button does to the
// simulated window (hints on, the hint line and boxes shown, the hint frames
// drawn at the next tick).
#include "play.h"

#include "run/runstate.h"
#include "simwin/window/frmmain.h"

namespace {

QJsonObject hintCommand(const QStringList &args)
{
    if (!args.isEmpty())
        return play::error(QStringLiteral("usage: hint"));
    FrmMain *window = play::window();
    if (!window)
        return play::noWindow();
    FrmMain &w = *window;
    run::AnswerMode = 1;
    for (QWidget *c : {static_cast<QWidget *>(w.LHelp), static_cast<QWidget *>(w.Shape1),
                       static_cast<QWidget *>(w.Shape4), static_cast<QWidget *>(w.Shape2)})
        c->show();
    w.showNormal();
    w.TimerDisFK->start();
    return QJsonObject{{"ok", true}, {"AnswerMode", run::AnswerMode}};
}

} // namespace

PLAY_COMMAND("hint", "hints on, as the question window's hint button does", hintCommand);
