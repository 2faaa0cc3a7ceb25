// play command `grab <file.png>`: a picture of FrmMain as it is shown.
#include "play.h"

#include "simwin/window/frmmain.h"

#include <QPixmap>

namespace {

QJsonObject grabCommand(const QStringList &args)
{
    if (args.size() != 1)
        return play::error(QStringLiteral("usage: grab <file.png>"));
    const QPixmap pm = play::window().grab();
    if (!pm.save(args.first(), "PNG"))
        return play::error(QStringLiteral("cannot write %1").arg(args.first()));
    return QJsonObject{{"ok", true}, {"file", args.first()}, {"w", pm.width()}, {"h", pm.height()}};
}

} // namespace

PLAY_COMMAND("grab", "<file.png>  a picture of FrmMain", grabCommand);
