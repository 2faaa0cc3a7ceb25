// play command `key [@control] <key> ...`: key presses on the simulated
// window, as the window system delivers them: each goes to the control that
// holds the focus (the window itself when none does), then travels on to the
// window if that control leaves it unused. "@control" gives that control the
// focus first. Key names as scene::parseQtKey reads them ("Ctrl+C", "F5",
// "Shift+Ctrl+Z", "VK12").
#include "play.h"

#include "simwin/scene/keycodes.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

#include <QApplication>
#include <QJsonArray>
#include <QKeyEvent>

namespace {

// The text a key types: printable keys without Ctrl or Alt.
QString typedText(Qt::Key key, Qt::KeyboardModifiers m)
{
    if (m & (Qt::ControlModifier | Qt::AltModifier) || key < Qt::Key_Space || key > Qt::Key_AsciiTilde)
        return {};
    const QChar c(key);
    return m & Qt::ShiftModifier ? QString(c) : QString(c.toLower());
}

void press(const scene::QtKeyPress &k, QWidget &w)
{
    QWidget *to = w.focusWidget() ? w.focusWidget() : &w;
    const QString text = typedText(k.key, k.modifiers);
    QKeyEvent down(QEvent::KeyPress, k.key, k.modifiers, text);
    QApplication::sendEvent(to, &down);
    // The press may have built a new scene that moved the focus.
    to = w.focusWidget() ? w.focusWidget() : &w;
    QKeyEvent up(QEvent::KeyRelease, k.key, k.modifiers, text);
    QApplication::sendEvent(to, &up);
}

QJsonObject keyCommand(const QStringList &args)
{
    QStringList names = args;
    // "key FrmTm Tab": the keys go to that window; FrmMain's by default.
    QWidget *target = play::window();
    if (!names.isEmpty() && !names.first().startsWith(u'@')) {
        if (QWidget *w = play::topWindow(names.first())) {
            target = w;
            names.removeFirst();
        }
    }
    if (!names.isEmpty() && names.first().startsWith(u'@')) {
        QWidget *c = play::control(names.takeFirst().mid(1));
        if (!c)
            return play::error(QStringLiteral("no control %1").arg(args.first().mid(1)));
        c->setFocus();
    }
    if (!target)
        return play::noWindow();
    if (names.isEmpty())
        return play::error(QStringLiteral("usage: key [<window>] [@control] <key> ..."));
    // Every name is read before the first key goes down.
    QList<std::pair<scene::KeyPress, scene::QtKeyPress>> presses;
    for (const QString &n : names) {
        const auto code = scene::parseKey(n);
        const auto k = code ? scene::qtKey(code->code, code->shift) : std::nullopt;
        if (!k)
            return play::error(QStringLiteral("unknown key: %1").arg(n));
        presses.append({*code, *k});
    }
    QJsonArray done;
    for (const auto &[code, k] : presses) {
        press(k, *target);
        done.append(QJsonObject{{"key", scene::keyName(code)}, {"code", code.code}, {"shift", code.shift},
                                {"StepNo", scene::StepNo}});
    }
    const QWidget *f = target->focusWidget();
    return QJsonObject{{"ok", true}, {"keys", done}, {"StepNo", scene::StepNo}, {"StepType", play::window() ? play::window()->StepType : 0},
                       {"focus", f ? f->objectName() : target->objectName()}};
}

} // namespace

PLAY_COMMAND("key", "[<window>] [@control] <key> ...  key presses (\"Ctrl+C\", \"F5\") to the focused control or the window", keyCommand);
