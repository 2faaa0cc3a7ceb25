// play command `grab [<window>] <file.png>`: a picture of a window (FrmMain
// by default) as it is shown.
#include "play.h"

#include "simwin/window/frmmain.h"

#include <QPixmap>

namespace {

QJsonObject grabCommand(const QStringList &args)
{
    if (args.size() != 1 && args.size() != 2)
        return play::error(QStringLiteral("usage: grab [<window>] <file.png>"));
    QWidget *w = args.size() == 2 ? play::topWindow(args.first()) : play::window();
    if (!w)
        return play::error(QStringLiteral("no window %1").arg(args.size() == 2 ? args.first() : QStringLiteral("FrmMain")));
    const QString file = args.last();
    const QPixmap pm = w->grab();
    if (!pm.save(file, "PNG"))
        return play::error(QStringLiteral("cannot write %1").arg(file));
    return QJsonObject{{"ok", true}, {"file", file}, {"w", pm.width()}, {"h", pm.height()}};
}

} // namespace

PLAY_COMMAND("grab", "[<window>] <file.png>  a picture of a window (FrmMain by default)", grabCommand);
