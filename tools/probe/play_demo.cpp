// demo next | demo go <c>: the demonstration window's step advance and jump,
// as the player calls them.
#include "play.h"

#include "demo/window/demoinfo.h"
#include "demo/window/frmyanshi.h"

namespace {

QJsonObject demoCommand(const QStringList &args)
{
    FrmYanShi *w = FrmYanShi::loaded();
    if (!w)
        return play::error(QStringLiteral("FrmYanShi is not open"));
    if (args.size() == 1 && args.first() == u"next")
        w->doNext();
    else if (args.size() == 2 && args.first() == u"go")
        w->GoStep(args.at(1));
    else
        return play::error(QStringLiteral("usage: demo next | demo go <c>"));
    play::settle();
    // The step may have ended the demonstration's window meanwhile.
    if (const FrmYanShi *still = FrmYanShi::loaded())
        return QJsonObject{{"ok", true}, {"DemoStep", still->DemoStep}, {"TimEnd", still->TimEnd->isActive()}};
    return QJsonObject{{"ok", true}, {"closed", true}};
}

} // namespace

PLAY_COMMAND("demo", "next | go <c>  the demonstration's next step (doNext) or the step a jump digit names (GoStep)",
             demoCommand);
