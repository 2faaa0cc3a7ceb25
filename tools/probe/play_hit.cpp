// play command hit: which control of FrmMain takes the mouse at a point of
// the window, so black-box checks can show overlaps and stacking.
#include "play.h"

#include "simwin/window/frmmain.h"

namespace {

QJsonObject hitCommand(const QStringList &args)
{
    bool okX = false, okY = false;
    const int x = args.value(0).toInt(&okX);
    const int y = args.value(1).toInt(&okY);
    if (args.size() != 2 || !okX || !okY)
        return play::error(QStringLiteral("usage: hit <x> <y>"));
    FrmMain *window = play::window();
    if (!window)
        return play::noWindow();
    FrmMain &w = *window;
    // childAt skips hidden controls and those that let the mouse through
    // (frames), as the window system does when it picks the receiver.
    QWidget *c = w.childAt(QPoint(x, y));
    while (c && c->objectName().isEmpty())
        c = c->parentWidget();
    return QJsonObject{{"x", x}, {"y", y}, {"control", c ? c->objectName() : w.objectName()}};
}

} // namespace

PLAY_COMMAND("hit", "<x> <y>  the control of FrmMain that takes the mouse at that window point", hitCommand);
