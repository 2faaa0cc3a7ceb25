// play commands of the mouse: click, dblclick, move, press and release on a
// control of FrmMain by its name. Positions are pixels relative to the named
// control (default: its centre). As the window system does, a press hands
// every later move and the release to the pressed control until the last
// button is up, wherever the named control lies: `press Label4`,
// `move Label1`, `release Label1` drops Label4 onto Label1.
#include "play.h"

#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <optional>

namespace {

// The control holding the pointer between a press and the last release.
struct Grab
{
    QPointer<QWidget> widget;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};
Grab &grab()
{
    static Grab g;
    return g;
}

struct Gesture
{
    QWidget *control = nullptr;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
    bool keysGiven = false;
    QPoint at; // relative to control
};

// <control> [left|right|middle] [shift] [ctrl] [alt] [x y]
std::optional<Gesture> parse(const QStringList &args, QString *error)
{
    if (args.isEmpty()) {
        *error = QStringLiteral("no control named");
        return std::nullopt;
    }
    Gesture g;
    g.control = play::control(args.first());
    if (!g.control) {
        *error = QStringLiteral("no control %1").arg(args.first());
        return std::nullopt;
    }
    QList<int> numbers;
    for (const QString &word : args.mid(1)) {
        const QString w = word.toLower();
        bool ok = false;
        const int n = w.toInt(&ok);
        if (ok)
            numbers << n;
        else if (w == u"left")
            g.button = Qt::LeftButton;
        else if (w == u"right")
            g.button = Qt::RightButton;
        else if (w == u"middle")
            g.button = Qt::MiddleButton;
        else if (w == u"shift")
            g.modifiers |= Qt::ShiftModifier;
        else if (w == u"ctrl")
            g.modifiers |= Qt::ControlModifier;
        else if (w == u"alt")
            g.modifiers |= Qt::AltModifier;
        else {
            *error = QStringLiteral("unknown word: %1").arg(word);
            return std::nullopt;
        }
        g.keysGiven = g.keysGiven || w == u"shift" || w == u"ctrl" || w == u"alt";
    }
    if (numbers.size() == 2)
        g.at = QPoint(numbers[0], numbers[1]);
    else if (numbers.isEmpty())
        g.at = g.control->rect().center();
    else {
        *error = QStringLiteral("give both x and y");
        return std::nullopt;
    }
    return g;
}

// A press must land on a control the user can see and reach.
bool reachable(const Gesture &g, QString *error)
{
    if (!g.control->isVisible()) {
        *error = QStringLiteral("%1 is not visible").arg(g.control->objectName());
        return false;
    }
    if (!g.control->rect().contains(g.at)) {
        *error = QStringLiteral("(%1, %2) is outside %3 (%4 x %5)")
                     .arg(g.at.x())
                     .arg(g.at.y())
                     .arg(g.control->objectName())
                     .arg(g.control->width())
                     .arg(g.control->height());
        return false;
    }
    // What lies over the point takes the press on the screen: another of the
    // program's windows (the question window over the simulated window), or
    // another control of the window (a page over the home page's buttons).
    auto covered = [&](const QWidget *by) {
        *error = QStringLiteral("%1 is covered by %2 at (%3, %4)")
                     .arg(g.control->objectName(), by->objectName())
                     .arg(g.at.x())
                     .arg(g.at.y());
        return false;
    };
    QWidget *top = g.control->window();
    const QPoint global = g.control->mapToGlobal(g.at);
    if (const QWidget *over = plat::windowAt(global); over && over != top)
        return covered(over);
    if (g.control != top) {
        QWidget *hit = top->childAt(top->mapFromGlobal(global));
        if (hit != g.control && !g.control->isAncestorOf(hit))
            return covered(hit ? hit : top);
    }
    return true;
}

void send(QWidget *to, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers modifiers)
{
    QMouseEvent e(type, QPointF(to->mapFromGlobal(global)), QPointF(global), button, held, modifiers);
    QApplication::sendEvent(to, &e);
}

QJsonObject done()
{
    const int tm = std::clamp<int>(run::TmNo, 0, run::MaxQuestions);
    return QJsonObject{{"ok", true}, {"StepNo", scene::StepNo}, {"StepType", play::window() ? play::window()->StepType : 0},
                       {"TmState", run::TmState[tm]}};
}

void pressAt(const Gesture &g, QEvent::Type type = QEvent::MouseButtonPress)
{
    Grab &gr = grab();
    if (!gr.widget || !gr.buttons) {
        gr.widget = g.control;
        gr.buttons = {};
    }
    gr.buttons |= g.button;
    gr.modifiers = g.modifiers;
    send(gr.widget, type, g.control->mapToGlobal(g.at), g.button, gr.buttons, g.modifiers);
}

void releaseAt(const Gesture &g)
{
    Grab &gr = grab();
    QWidget *to = gr.widget ? gr.widget.data() : g.control;
    gr.buttons &= ~Qt::MouseButtons(g.button);
    const Qt::KeyboardModifiers mods = g.keysGiven || !gr.widget ? g.modifiers : gr.modifiers;
    if (!gr.buttons)
        gr.widget = nullptr;
    send(to, QEvent::MouseButtonRelease, g.control->mapToGlobal(g.at), g.button, gr.buttons, mods);
}

// A gesture that begins with a press on the named control, which must be
// reachable there.
QJsonObject pressing(const QStringList &args, void (*act)(const Gesture &))
{
    QString error;
    const auto g = parse(args, &error);
    if (!g || !reachable(*g, &error))
        return play::error(error);
    act(*g);
    return done();
}

QJsonObject pressCommand(const QStringList &args) { return pressing(args, [](const Gesture &g) { pressAt(g); }); }

QJsonObject clickCommand(const QStringList &args)
{
    return pressing(args, [](const Gesture &g) {
        pressAt(g);
        releaseAt(g);
    });
}

QJsonObject dblclickCommand(const QStringList &args)
{
    // What the window system delivers: press, release, double click, release.
    return pressing(args, [](const Gesture &g) {
        pressAt(g);
        releaseAt(g);
        pressAt(g, QEvent::MouseButtonDblClick);
        releaseAt(g);
    });
}

QJsonObject releaseCommand(const QStringList &args)
{
    QString error;
    const auto g = parse(args, &error);
    if (!g)
        return play::error(error);
    if (!grab().widget && !g->control->isVisible())
        return play::error(QStringLiteral("%1 is not visible").arg(g->control->objectName()));
    releaseAt(*g);
    return done();
}

QJsonObject moveCommand(const QStringList &args)
{
    QString error;
    const auto g = parse(args, &error);
    if (!g)
        return play::error(error);
    const Grab &gr = grab();
    const QPoint global = g->control->mapToGlobal(g->at);
    if (gr.widget) {
        send(gr.widget, QEvent::MouseMove, global, Qt::NoButton, gr.buttons,
             g->keysGiven ? g->modifiers : gr.modifiers);
    } else {
        if (!reachable(*g, &error))
            return play::error(error);
        send(g->control, QEvent::MouseMove, global, Qt::NoButton, Qt::NoButton, g->modifiers);
    }
    return done();
}

} // namespace

PLAY_COMMAND("click", "<control> [left|right|middle] [shift] [ctrl] [alt] [x y]  press and release", clickCommand);
PLAY_COMMAND("dblclick", "<control> [left|right|middle] [shift] [ctrl] [alt] [x y]  a double click", dblclickCommand);
PLAY_COMMAND("move", "<control> [shift] [ctrl] [alt] [x y]  the pointer moves there (to the pressed control while a button is down)",
             moveCommand);
PLAY_COMMAND("press", "<control> [left|right|middle] [shift] [ctrl] [alt] [x y]  a button goes down", pressCommand);
PLAY_COMMAND("release", "<control> [left|right|middle] [shift] [ctrl] [alt] [x y]  a button comes up (at the pressed control)",
             releaseCommand);
